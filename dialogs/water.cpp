/*
 * water.cpp -- "Water Controller Maintenance" (template 268): the cooling
 * water valve, the cooling-water flows and the water temperature, and the
 * alarm limits the instrument keeps for them.
 *
 * Two layouts: with "_StyleB" non-zero (read every time it is used) one
 * combined flow "RF/WC/IF" is measured and limited instead of the two
 * separate flows, and the second-flow row is out of use.
 */
#include <windows.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "limit_pair.h"
#include "link/instrument_state.h"
#include "resources/resource.h"

namespace {

BOOL Combined(PluginHandle handle)
{
    return HostVariableOrZero(handle, "_StyleB") != 0.0;
}

const FrameOutput kValve = {IDC_WTR_VALVE, "PRTC:BOUT:SVW", NULL, NULL, NULL};

const FrameInput kSeparateFlows[] = {
    {"PRTC:AIN:FSIF?", 1, IDC_WTR_FLOW1, InputAnalog, "%.3f", 0},
    {"PRTC:AIN:FSRF?", 1, IDC_WTR_FLOW2, InputAnalog, "%.3f", 0},
};
const FrameInput kCombinedFlow = {"PRTC:AIN:RFWCIF?", 1, IDC_WTR_FLOW1, InputAnalog, "%.3f", 0};
const FrameInput kWaterTemp = {"PRTC:AIN:TMPC?", 1, IDC_WTR_TEMP, InputAnalog, "%.1f", 0};

/* The stored limits: one or two fields each, written together. */
const StoredPair kFirstFlow = {"SYS:FSIF", IDC_WTR_FLOW1_ERR, 1563, IDC_WTR_FLOW1_WARN, 1564};
const StoredPair kCombinedFlowLimit = {"SYS:RFWCIF", IDC_WTR_FLOW1_ERR, 1563, IDC_WTR_FLOW1_WARN, 1564};
const StoredPair kSecondFlow = {"SYS:FSRF", IDC_WTR_FLOW2_ERR, 1565, IDC_WTR_FLOW2_WARN, 1566};
const StoredPair kTempLow = {"SYS:TMPCL", IDC_WTR_TEMP_WARNL, 1608, 0, 0};
const StoredPair kTempHigh = {"SYS:TMPC", IDC_WTR_TEMP_ERRH, 1561, IDC_WTR_TEMP_WARNH, 1562};

/* The second-flow row, out of use in the combined layout. */
const int kSecondFlowRow[] = {IDC_WTR_FLOW2_L, IDC_WTR_FLOW2,     IDC_WTR_FLOW2_U, IDC_WTR_LIM2_L,
                              IDC_WTR_FLOW2_ERR, IDC_WTR_FLOW2_WARN, IDC_WTR_LIM2_U, 0};

/* Limit fields whose whole text is selected on entry (not the low
   temperature warning). */
const int kSelectOnEntry[] = {IDC_WTR_FLOW1_ERR, IDC_WTR_FLOW2_ERR, IDC_WTR_FLOW1_WARN,
                              IDC_WTR_FLOW2_WARN, IDC_WTR_TEMP_WARNH, IDC_WTR_TEMP_ERRH};

void PollInputs(PluginHandle handle, HWND dialog)
{
    if (Combined(handle))
        PollInputTable(handle, dialog, &kCombinedFlow, 1);
    else
        PollInputTable(handle, dialog, kSeparateFlows, COUNT_OF(kSeparateFlows));
    PollInputTable(handle, dialog, &kWaterTemp, 1);
}

void ShowWaterLimits(PluginHandle handle, HWND dialog)
{
    BOOL combined = Combined(handle);
    ShowStoredPair(handle, dialog, combined ? kCombinedFlowLimit : kFirstFlow);
    if (!combined)
        ShowStoredPair(handle, dialog, kSecondFlow);
    ShowStoredPair(handle, dialog, kTempLow);
    ShowStoredPair(handle, dialog, kTempHigh);
}

void ShowLayout(HWND dialog)
{
    EnableControls(dialog, kSecondFlowRow, FALSE);
    SetControlText(dialog, IDC_WTR_FLOW2, "---");
    SetControlText(dialog, IDC_WTR_FLOW2_ERR, "---");
    SetControlText(dialog, IDC_WTR_FLOW2_WARN, "---");
    SetControlText(dialog, IDC_WTR_FLOW1_L, "RF/WC/IF:");
    SetControlText(dialog, IDC_WTR_LIM1_L, "RF/WC/IF");
}

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (state == StateMonitor) {
        if (opening)
            EnableWindow(GetDlgItem(dialog, IDC_WTR_VALVE), FALSE);
    } else {
        if (opening)
            EnableWindow(GetDlgItem(dialog, IDC_WTR_VALVE), TRUE);
        ResetOutput(handle, dialog, kValve);
    }
    if (opening) {
        ShowWaterLimits(handle, dialog);
        PollInputs(handle, dialog);
    } else if (state == StateMonitor) {
        SendCommand(dialog, "TUNE:HSET 1");
    }
    if (Combined(handle))
        ShowLayout(dialog);
}

const StoredPair *LimitOf(PluginHandle handle, int id)
{
    switch (id) {
    case IDC_WTR_FLOW1_ERR:
    case IDC_WTR_FLOW1_WARN:
        return Combined(handle) ? &kCombinedFlowLimit : &kFirstFlow;
    case IDC_WTR_FLOW2_ERR:
    case IDC_WTR_FLOW2_WARN:
        return Combined(handle) ? NULL : &kSecondFlow;
    case IDC_WTR_TEMP_WARNL:
        return &kTempLow;
    case IDC_WTR_TEMP_WARNH:
    case IDC_WTR_TEMP_ERRH:
        return &kTempHigh;
    default:
        return NULL;
    }
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    if (code == EN_KILLFOCUS) {
        const StoredPair *limit = LimitOf(handle, id);
        if (limit != NULL)
            WriteStoredPair(handle, dialog, *limit);
        return TRUE;
    }
    if (code == EN_SETFOCUS) {
        for (int field : kSelectOnEntry)
            if (id == field)
                SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        return TRUE;
    }
    return FALSE;
}

const MaintDialogDesc kWater = {
    IDD_WATER, 2000, IDOK, FALSE, FALSE, TRUE,
    &kValve, 1,
    NULL, 0,
    ApplyState, PollInputs, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg268Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kWater, dialog, message, wParam, lParam);
}
