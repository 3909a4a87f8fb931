/*
 * chiller.cpp -- "Spray Chamber Chiller Maintenance" (template 270): runs
 * the spray chamber's Peltier temperature control at a typed set point
 * (it needs the cooling-water valve open, so the valve goes with it), shows
 * the chamber temperatures and the Peltier voltage, and edits the tolerance
 * and limits the instrument keeps for the chamber temperature.
 */
#include <windows.h>
#include <stdio.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "limit_pair.h"
#include "link/instrument_state.h"
#include "resources/resource.h"

namespace {

const int kSetPointDef = 1104;

/* Ticked: water on, then control at the set point. Cleared: control off,
   then the water. The set point goes out only as validated text, also when
   the box is switched while the field still holds the focus. */
void ControlHandler(PluginHandle handle, HWND dialog, const FrameOutput &output)
{
    if (IsDlgButtonChecked(dialog, output.id) != BST_CHECKED) {
        SendCommand(dialog, "PRTC:TMPS:STOP");
        SendCommand(dialog, "PRTC:BOUT:SVW OFF");
        return;
    }
    SendCommand(dialog, "PRTC:BOUT:SVW ON");
    ValidateParamField(handle, dialog, IDC_SC_SETPOINT, kSetPointDef);
    char setPoint[20], command[64];
    if (!FieldNumber(dialog, IDC_SC_SETPOINT, setPoint))
        return;
    snprintf(command, sizeof command, "PRTC:TMPS:STRT %s", setPoint);
    SendCommand(dialog, command);
}

const FrameOutput kControl = {IDC_SC_CONTROL, NULL, NULL, NULL, ControlHandler};

/* What can change the temperature control. */
const int kControlGroup[] = {IDC_SC_CONTROL, IDC_SC_CONTROL_NOTE, IDC_SC_SETPOINT, IDC_SC_SETPOINT_L,
                             IDC_SC_SETPOINT_U, 0};

const FrameInput kInputs[] = {
    {"PRTC:AIN:TMPSH?", 1, IDC_SC_TEMPH, InputAnalog, "%.2f", 0},
    {"PRTC:AIN:TMPS?", 1, IDC_SC_TEMPL, InputAnalog, "%.2f", 0},
    {"PRTC:AIN:CHKPEL?", 1, IDC_SC_PELTIER, InputAnalog, "%.1f", 0},
};

void PollInputs(PluginHandle handle, HWND dialog)
{
    PollInputTable(handle, dialog, kInputs, COUNT_OF(kInputs));
}

/* The tolerance, and the limits (the instrument keeps the upper first). */
const StoredPair kTolerance = {"SYS:TMPST", IDC_SC_TOLERANCE, 1529, 0, 0};
const StoredPair kLimits = {"SYS:TMPSH", IDC_SC_UPPER, 1530, IDC_SC_LOWER, 1609};

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (state == StateMonitor) {
        if (!opening) {
            SendCommand(dialog, "TUNE:HSET 1");
            return;
        }
        EnableControls(dialog, kControlGroup, FALSE);
    } else {
        if (opening)
            EnableControls(dialog, kControlGroup, TRUE);
        CheckDlgButton(dialog, IDC_SC_CONTROL, BST_UNCHECKED);
        InitParamField(handle, dialog, IDC_SC_SETPOINT, kSetPointDef);
        RunOutput(handle, dialog, kControl);
        if (!opening)
            return;
    }
    ShowStoredPair(handle, dialog, kTolerance);
    ShowStoredPair(handle, dialog, kLimits);
    PollInputs(handle, dialog);
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    if (code == EN_KILLFOCUS) {
        switch (id) {
        case IDC_SC_SETPOINT:
            /* A new set point reaches a running control at once. */
            ValidateParamField(handle, dialog, IDC_SC_SETPOINT, kSetPointDef);
            if (IsDlgButtonChecked(dialog, IDC_SC_CONTROL) == BST_CHECKED)
                RunOutput(handle, dialog, kControl);
            break;
        case IDC_SC_TOLERANCE:
            WriteStoredPair(handle, dialog, kTolerance);
            break;
        case IDC_SC_LOWER:
        case IDC_SC_UPPER:
            WriteStoredPair(handle, dialog, kLimits);
            break;
        }
        return TRUE;
    }
    if (code == EN_SETFOCUS) {
        if (id == IDC_SC_LOWER || id == IDC_SC_UPPER)
            SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        return TRUE;
    }
    return FALSE;
}

const MaintDialogDesc kChiller = {
    IDD_CHILLER, 2000, IDOK, FALSE, FALSE, TRUE,
    &kControl, 1,
    NULL, 0,
    ApplyState, PollInputs, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg270Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kChiller, dialog, message, wParam, lParam);
}
