/*
 * analyser.cpp -- the +24 V readback, the "Enable HV" switch and the mass
 * command shared by the mass-analyser dialogs.
 */
#include <windows.h>
#include <stdio.h>

#include "analyser.h"
#include "fields/numeric.h"
#include "fields/param_fields.h"
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
