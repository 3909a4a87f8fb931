/*
 * vacuum_params.cpp -- "Vacuum System Parameters" (template 259), opened by
 * "System Parameters..." of the vacuum dialog: the pressures, limits and
 * time-outs of each step of the vacuum sequence, the turbo speed limits and
 * the automatic resume. Read at open, validated field by field, written
 * back only by Update.
 */
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "dialog_procs.h"
#include "fields/numeric.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "resources/resource.h"

namespace {

/* A field of the grid: its control and its parameter definition. */
const FrameField kFields[] = {
    {IDC_VSP_ENTRY1, 1533}, {IDC_VSP_ERROR1, 1534}, {IDC_VSP_TO1_1, 1535},
    {IDC_VSP_ENTRY2, 1536}, {IDC_VSP_ERROR2, 1537}, {IDC_VSP_TO1_2, 1538},
    {IDC_VSP_ENTRY3, 1550}, {IDC_VSP_ERROR3, 1551}, {IDC_VSP_TO1_3, 1552}, {IDC_VSP_TO2_3, 1553},
    {IDC_VSP_ENTRY4, 1521}, {IDC_VSP_ERROR4, 1522}, {IDC_VSP_TO1_4, 1523}, {IDC_VSP_TO2_4, 1524},
    {IDC_VSP_ENTRY5, 1554}, {IDC_VSP_ERROR5, 1555}, {IDC_VSP_TO1_5, 1556},
    {IDC_VSP_ERROR6, 1526}, {IDC_VSP_WARNLO6, 1527}, {IDC_VSP_WARNHI6, 1528},
    {IDC_VSP_DELAY4, 1525}, {IDC_VSP_TSLOW3, 1736},
    {IDC_VSP_ENTRY7, 1540}, {IDC_VSP_ERROR7, 1541}, {IDC_VSP_TO1_7, 1542},
    {IDC_VSP_TPI_ANA, 1575}, {IDC_VSP_TPI_SD, 1576}, {IDC_VSP_TPA_ANA, 1577}, {IDC_VSP_TPA_SD, 1578},
    {IDC_VSP_TPI_STB, 1615}, {IDC_VSP_TPA_STB, 1616}, {IDC_VSP_AUTOS, 1731},
    {IDC_VSP_RC_ERROR1, 1135},
    {IDC_VSP_RC_ERROR3, 1136}, {IDC_VSP_RC_WARNHI3, 1137}, {IDC_VSP_RC_TO3, 1138},
    {IDC_VSP_RC_ERROR5, 1139}, {IDC_VSP_RC_WARNHI5, 1140}, {IDC_VSP_RC_TO5, 1141},
};

/* One stored record: its command word in both forms, and its fields in
   reply order (0-terminated; the single-turbo list when it differs). A
   record without fields (the automatic resume) is written as ON/OFF. */
struct Record {
    const char *twoTurbo;
    const char *singleTurbo;
    int fields[5];
    int singleFields[5];
    const char *suffix;  /* fixed text written after the values */
};

const Record kRecords[] = {
    {"SYS:PIBK:TPON", "SYS:PIIFBK:TPON", {IDC_VSP_ENTRY1, IDC_VSP_ERROR1, IDC_VSP_TO1_1}, {0}, ""},
    {"SYS:PIBK:PGON", "SYS:PIIFBK:PGON", {IDC_VSP_ENTRY2, IDC_VSP_ERROR2, IDC_VSP_TO1_2}, {0}, ",120"},
    {"SYS:PGAN:STB", "SYS:PGAN:STB", {IDC_VSP_ENTRY3, IDC_VSP_ERROR3, IDC_VSP_TO1_3, IDC_VSP_TO2_3}, {0}, ""},
    {"SYS:PIIF:ISOV", "SYS:PIIFBK:ISOV", {IDC_VSP_ENTRY4, IDC_VSP_ERROR4, IDC_VSP_TO1_4, IDC_VSP_TO2_4}, {0}, ""},
    {"SYS:PGAN:ANA", "SYS:PGAN:ANA", {IDC_VSP_ENTRY5, IDC_VSP_ERROR5, IDC_VSP_TO1_5}, {0}, ""},
    {"SYS:PIIF:ANA", "SYS:PIIFBK:ANA", {IDC_VSP_ERROR6, IDC_VSP_WARNLO6, IDC_VSP_WARNHI6}, {0}, ""},
    {"SYS:PGAN:TBSLOW", "SYS:PGAN:TBSLOW", {IDC_VSP_TSLOW3}, {0}, ""},
    {"SYS:TDISOV", "SYS:TDISOV", {IDC_VSP_DELAY4}, {0}, ""},
    {"SYS:TPRT", "SYS:TPRTMP", {IDC_VSP_TPI_ANA, IDC_VSP_TPI_SD, IDC_VSP_TPA_ANA, IDC_VSP_TPA_SD},
     {IDC_VSP_TPA_ANA, IDC_VSP_TPA_SD}, ""},
    {"SYS:TPRTSTB", "SYS:TPRTMPSTB", {IDC_VSP_TPI_STB, IDC_VSP_TPA_STB}, {IDC_VSP_TPA_STB}, ""},
    {"SYS:AUTOS", "SYS:AUTOS", {IDC_VSP_AUTOS}, {0}, NULL},
    {"SYS:PIBK:COLTPON", "SYS:PIIFBK:COLTPON", {IDC_VSP_RC_ERROR1}, {0}, ""},
    {"SYS:PGAN:COLSTB", "SYS:PGAN:COLSTB", {IDC_VSP_RC_ERROR3, IDC_VSP_RC_WARNHI3, IDC_VSP_RC_TO3}, {0}, ""},
    {"SYS:PGAN:COLANA", "SYS:PGAN:COLANA", {IDC_VSP_RC_ERROR5, IDC_VSP_RC_WARNHI5, IDC_VSP_RC_TO5}, {0}, ""},
};

/* Column 7 is shown but never read or written. */
const int kColumn7[] = {IDC_VSP_HEAD1 + 6, IDC_VSP_GAUGE1 + 6, IDC_VSP_ENTRY7, IDC_VSP_ERROR7, IDC_VSP_TO1_7,
                        IDC_VSP_RC_NORMAL7, 0};
const int kColumn7Fields[] = {IDC_VSP_ENTRY7, IDC_VSP_ERROR7, IDC_VSP_TO1_7, 0};
const int kTpiColumn[] = {IDC_VSP_TPI_HEAD, IDC_VSP_TPI_ANA, IDC_VSP_TPI_SD, IDC_VSP_TPI_STB, 0};
const int kTpiFields[] = {IDC_VSP_TPI_ANA, IDC_VSP_TPI_SD, IDC_VSP_TPI_STB, 0};
const int kSharedGauges[] = {IDC_VSP_GAUGE1, IDC_VSP_GAUGE1 + 1, IDC_VSP_GAUGE1 + 3, IDC_VSP_GAUGE1 + 5, 0};

BOOL SingleTurbo(PluginHandle handle)
{
    return HostVariableOrZero(handle, "_StyleB") != 0.0;
}

const int *RecordFields(const Record &record, BOOL single)
{
    return single && record.singleFields[0] != 0 ? record.singleFields : record.fields;
}

int ParamFor(int id)
{
    for (const FrameField &field : kFields)
        if (field.id == id)
            return field.paramId;
    return 0;
}

/* Update reads the fields of the records in this configuration only: the
   greyed column 7 and, with a single turbo, the TPI column keep "---". */
BOOL Reads(PluginHandle handle, HWND, int id)
{
    BOOL single = SingleTurbo(handle);
    for (const Record &record : kRecords)
        for (const int *field = RecordFields(record, single); *field != 0; ++field)
            if (*field == id)
                return TRUE;
    return FALSE;
}

void SetTexts(HWND dialog, const int *ids, const char *text)
{
    for (; *ids != 0; ++ids)
        SetControlText(dialog, *ids, text);
}

void Load(PluginHandle handle, HWND dialog)
{
    BOOL single = SingleTurbo(handle);
    for (const Record &record : kRecords) {
        char query[40];
        snprintf(query, sizeof query, "%s?", single ? record.singleTurbo : record.twoTurbo);
        const char *reply = QueryInstrument(dialog, query);
        const int *fields = RecordFields(record, single);
        for (int n = 0; fields[n] != 0; ++n) {
            SetNumberText(handle, dialog, fields[n], "%E", ReplyField(n + 1, reply));
            ValidateParamField(handle, dialog, fields[n], ParamFor(fields[n]));
        }
    }
    if (HostVariableOrZero(handle, "_StyleB") == 1.0) {
        EnableControls(dialog, kTpiColumn, FALSE);
        SetTexts(dialog, kTpiFields, "---");
        SetControlText(dialog, IDC_VSP_TPA_HEAD, "TMP");
        SetTexts(dialog, kSharedGauges, "(PIIFBK)");
    }
    EnableControls(dialog, kColumn7, FALSE);
    SetTexts(dialog, kColumn7Fields, "---");
    EnableWindow(GetDlgItem(dialog, IDC_UPDATE), DialogOpenState(GetParent(dialog)) != StateMonitor);
}

/* Every record of this configuration, the automatic resume as ON/OFF. The
   frame has validated the fields Update reads; a record is held back only
   when a text is still no plain number (no host window to format it). */
void Update(PluginHandle handle, HWND dialog)
{
    BOOL single = SingleTurbo(handle);
    for (const Record &record : kRecords) {
        const int *fields = RecordFields(record, single);
        char command[128];
        char text[20];
        if (record.suffix == NULL) {
            if (!FieldNumber(dialog, fields[0], text))
                continue;
            snprintf(command, sizeof command, "%s %s", record.twoTurbo, ParseDecimal(text) != 0.0 ? "ON" : "OFF");
        } else {
            snprintf(command, sizeof command, "%s ", single ? record.singleTurbo : record.twoTurbo);
            BOOL numbers = TRUE;
            for (int n = 0; fields[n] != 0; ++n) {
                numbers = FieldNumber(dialog, fields[n], text) && numbers;
                if (n > 0)
                    strncat(command, ",", sizeof command - strlen(command) - 1);
                strncat(command, text, sizeof command - strlen(command) - 1);
            }
            strncat(command, record.suffix, sizeof command - strlen(command) - 1);
            if (!numbers)
                continue;
        }
        SendCommand(dialog, command);
    }
}

const SystemParametersDesc kVacuumParameters = {
    IDD_VACUUM_PARAM, kFields, COUNT_OF(kFields), Load, Update, NULL, Reads,
};

} // namespace

TORVEX_DLGPROC KtDlg259Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SystemParametersProc(kVacuumParameters, dialog, message, wParam, lParam);
}
