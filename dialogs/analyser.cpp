/*
 * analyser.cpp -- the +24 V readback, the "Enable HV" switch and the mass
 * command shared by the mass-analyser dialogs.
 */
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "analyser.h"
#include "fields/numeric.h"
#include "fields/param_fields.h"
#include "link/channel.h"
#include "link/reply_field.h"

const char kParkMass[] = "-2";

void PollS24Voltage(PluginHandle handle, HWND dialog, int controlId)
{
    const char *reply = QueryInstrument(dialog, "PRTC:AIN:HVS24?");
    SetNumberText(handle, dialog, controlId, "%.1f", ReplyField(1, reply));
}

void SendHvSwitch(PluginHandle, HWND dialog, const FrameOutput &output)
{
    SendCommand(dialog, IsDlgButtonChecked(dialog, output.id) == BST_CHECKED ? "PRTC:BOUT:LHVEN ON"
                                                                             : "PRTC:BOUT:LHVEN OFF");
}

BOOL SendMassCommand(HWND dialog, int gateCode, const char *massText)
{
    SendCommand(dialog, "ACQ:AXIS 1");
    ParamDef def;
    if (!LoadParamDef(g_module, kMassParamDef, &def) || !IsNumberText(massText))
        return FALSE;
    char command[64];
    snprintf(command, sizeof command, "%s%d, %.40s", def.prefix, gateCode, massText);
    SendCommand(dialog, command);
    return TRUE;
}

void ReadStoredFields(PluginHandle handle, HWND dialog, const StoredField *fields, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (i == 0 || strcmp(fields[i].query, fields[i - 1].query) != 0)
            QueryInstrument(dialog, fields[i].query);
        SetNumberText(handle, dialog, fields[i].id, "%E", ReplyField(fields[i].replyField, ReplyBuffer));
        ValidateParamField(handle, dialog, fields[i].id, fields[i].paramId);
    }
}

BOOL SendFieldValues(HWND dialog, const char *command, const int *ids, size_t count)
{
    char line[64];
    int length = snprintf(line, sizeof line, "%s ", command);
    if (length < 0 || length >= static_cast<int>(sizeof line))
        return FALSE;
    for (size_t i = 0; i < count; ++i) {
        char text[20];
        if (!FieldNumber(dialog, ids[i], text))
            return FALSE;
        int room = static_cast<int>(sizeof line) - length;
        int n = snprintf(line + length, static_cast<size_t>(room), i == 0 ? "%s" : ",%s", text);
        if (n < 0 || n >= room)
            return FALSE;
        length += n;
    }
    SendCommand(dialog, line);
    return TRUE;
}
