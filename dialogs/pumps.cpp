/*
 * pumps.cpp -- "PeriPump Maintenance" (template 271): the nebulizer pump's
 * speed always, the sample pump's when the second pump is fitted. No inputs,
 * no timer: the speeds are set to 0 rps at open and close, and a typed speed
 * is sent whenever its field loses the focus.
 */
#include <windows.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/instrument_state.h"
#include "resources/resource.h"

namespace {

const int kNebulizerDef = 1780;
const int kSampleDef = 1781;

const FrameField kFields[] = {
    {IDC_PUMP_NEB, kNebulizerDef},
    {IDC_PUMP_SMP, kSampleDef},
};
const int kNebulizerControls[] = {IDC_PUMP_NEB_L, IDC_PUMP_NEB, IDC_PUMP_NEB_U, 0};
const int kSampleControls[] = {IDC_PUMP_SMP_L, IDC_PUMP_SMP, IDC_PUMP_SMP_U, 0};

BOOL SecondPumpFitted(PluginHandle handle)
{
    char name[32];
    lstrcpynA(name, LoadResString(IDS_OPT_PMP2), sizeof name);
    return OptionValue(handle, name) != 0;
}

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    BOOL second = SecondPumpFitted(handle);
    if (state == StateMonitor) {
        if (opening) {
            EnableControls(dialog, kNebulizerControls, FALSE);
            EnableControls(dialog, kSampleControls, FALSE);
        } else {
            SendCommand(dialog, "TUNE:HSET 1");
        }
        return;
    }
    if (opening) {
        EnableControls(dialog, kNebulizerControls, TRUE);
        EnableControls(dialog, kSampleControls, second);
    }
    InitParamField(handle, dialog, IDC_PUMP_NEB, kNebulizerDef);
    if (second)
        InitParamField(handle, dialog, IDC_PUMP_SMP, kSampleDef);
    SendParamField(handle, dialog, IDC_PUMP_NEB, kNebulizerDef);
    if (second)
        SendParamField(handle, dialog, IDC_PUMP_SMP, kSampleDef);
}

const MaintDialogDesc kPumps = {
    IDD_PERIPUMP, 0, IDOK, FALSE, FALSE, TRUE,
    NULL, 0,
    kFields, COUNT_OF(kFields),
    ApplyState, NULL, NULL, NULL, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg271Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kPumps, dialog, message, wParam, lParam);
}
