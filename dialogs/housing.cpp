/*
 * housing.cpp -- "Housing Maintenance" (template 274): inlet and exhaust air
 * temperatures, cover switches, power-supply error bits, the +24 V output,
 * and the stored warning/error limits of the two temperatures.
 */
#include <windows.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "limit_pair.h"
#include "link/instrument_state.h"
#include "resources/resource.h"

namespace {

const FrameOutput kOutputs[] = {
    {IDC_HSG_S24, NULL, NULL, NULL, SendS24Switch},
};

const FrameInput kInputs[] = {
    {"PRTC:BIN:COVR?", 1, IDC_HSG_COVR, InputOnOff, NULL, 0},
    {"PRTC:BIN:CVOPNER?", 1, IDC_HSG_CVOPNER, InputOnOff, NULL, 0},
    {"PRTC:BIN:ERRPW2?", 1, IDC_HSG_ERRPW2, InputOnOff, NULL, 0},
    {"PRTC:BIN:V24ER?", 1, IDC_HSG_V24ER, InputOnOff, NULL, 0},
    {"PRTC:BIN:ERRPW3?", 1, IDC_HSG_ERRPW3, InputOnOff, NULL, 0},
    {"PRTC:BIN:ERRPW4?", 1, IDC_HSG_ERRPW4, InputOnOff, NULL, 0},
    {"PRTC:BIN:ERRPW5?", 1, IDC_HSG_ERRPW5, InputOnOff, NULL, 0},
    {"PRTC:AIN:TMP1?", 1, IDC_HSG_TMP1, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:TMP3?", 1, IDC_HSG_TMP3, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:HVS24?", 1, IDC_HSG_S24_V, InputAnalog, "%.1f", 0},
};

/* The stored limit pairs: the instrument keeps the error limit first. */
const StoredPair kLimits[] = {
    {"SYS:TMP1", IDC_HSG_TMP1_ERROR, 1557, IDC_HSG_TMP1_WARN, 1558},
    {"SYS:TMP3", IDC_HSG_TMP3_ERROR, 1559, IDC_HSG_TMP3_WARN, 1560},
};

void PollInputs(PluginHandle handle, HWND dialog)
{
    PollInputTable(handle, dialog, kInputs, COUNT_OF(kInputs));
}

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (state != StateMonitor) {
        if (opening)
            EnableWindow(GetDlgItem(dialog, IDC_HSG_S24), TRUE);
        ResetOutput(handle, dialog, kOutputs[0]);
    } else if (opening) {
        EnableWindow(GetDlgItem(dialog, IDC_HSG_S24), FALSE);
        CheckDlgButton(dialog, IDC_HSG_S24, BST_CHECKED);
    }
    if (opening) {
        for (const StoredPair &pair : kLimits)
            ShowStoredPair(handle, dialog, pair);
        PollInputs(handle, dialog);
    } else if (state == StateMonitor) {
        SendCommand(dialog, "TUNE:HSET 1");
    }
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    if (code != EN_KILLFOCUS)
        return FALSE;
    const StoredPair *pair = FindStoredPair(kLimits, COUNT_OF(kLimits), id);
    if (pair == NULL)
        return FALSE;
    WriteStoredPair(handle, dialog, *pair);
    return TRUE;
}

const MaintDialogDesc kHousing = {
    IDD_HOUSING, 2000, IDOK, FALSE, TRUE, TRUE,
    kOutputs, COUNT_OF(kOutputs),
    NULL, 0,
    ApplyState, PollInputs, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg274Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kHousing, dialog, message, wParam, lParam);
}
