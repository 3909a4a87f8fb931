/*
 * vacuum.cpp -- "Vacuum Maintenance" (template 225): manual switching of
 * the vacuum system in state 0 (rotary pumps, one or two turbo pumps,
 * valves, Penning gauge, +75 V, fan) and the vacuum inputs every two seconds.
 *
 * Configuration, read every time it is used: "_StyleB" non-zero is the
 * single-turbo system (one "TMP" and one combined IF/BK gauge); "_AFC" makes
 * the purge output drive its main valve only; "_H2LINE" and "_EVAC_VALVE"
 * together allow the evacuation-assist valve.
 */
#include <windows.h>
#include <stdio.h>

#include "dialog_procs.h"
#include "frame.h"
#include "fields/param_fields.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "plugin/host_number.h"
#include "resources/resource.h"

namespace {

BOOL SingleTurbo(PluginHandle handle)
{
    return HostVariableOrZero(handle, "_StyleB") != 0.0;
}

BOOL Ticked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

/* ---- outputs that are more than an ON/OFF pair ---- */

void TpiHandler(PluginHandle handle, HWND dialog, const FrameOutput &output)
{
    if (SingleTurbo(handle))
        return; /* no big turbo in this configuration: nothing to switch */
    SendCommand(dialog, Ticked(dialog, output.id) ? "PRTC:BOUT:TPI ON" : "PRTC:BOUT:TPI OFF");
}

void TpaHandler(PluginHandle handle, HWND dialog, const FrameOutput &output)
{
    BOOL on = Ticked(dialog, output.id);
    if (SingleTurbo(handle))
        SendCommand(dialog, on ? "PRTC:BOUT:TMP ON" : "PRTC:BOUT:TMP OFF");
    else
        SendCommand(dialog, on ? "PRTC:BOUT:TPA ON" : "PRTC:BOUT:TPA OFF");
}

const char *const kGateOpen[] = {"MNTE:SVC:PICDIS 4, #H60", "PRTC:BOUT:S24ON ON", "FRCD:BOUT:ISOV ON", NULL};
const char *const kGateClose[] = {"MNTE:SVC:PICDIS 4, #H0", "FRCD:BOUT:ISOV OFF", "PRTC:BOUT:S24ON OFF", NULL};

void GateHandler(PluginHandle, HWND dialog, const FrameOutput &output)
{
    const char *const *commands = kGateClose;
    if (Ticked(dialog, output.id)) {
        if (ResMessageBox(dialog, IDS_OPEN_GATE_VALVE, IDS_MAINTENANCE, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
            IDYES) {
            CheckDlgButton(dialog, output.id, BST_UNCHECKED);
            return;
        }
        commands = kGateOpen;
    }
    for (; *commands != NULL; ++commands)
        SendCommand(dialog, *commands);
}

void PurgeHandler(PluginHandle handle, HWND dialog, const FrameOutput &output)
{
    BOOL afc = HostVariableOrZero(handle, "_AFC") != 0.0;
    if (Ticked(dialog, output.id)) {
        if (!afc) {
            SendCommand(dialog, "PRTC:BOUT:SVAG ON");
            SendCommand(dialog, "PRTC:BOUT:SVPRV ON");
        }
        SendCommand(dialog, "PRTC:BOUT:SVPRG ON");
    } else {
        SendCommand(dialog, "PRTC:BOUT:SVPRG OFF");
        if (!afc) {
            SendCommand(dialog, "PRTC:BOUT:SVPRV OFF");
            SendCommand(dialog, "PRTC:BOUT:SVAG OFF");
        }
    }
}

/* Always reads the evacuation-assist box itself, whichever control called. */
void EvacHandler(PluginHandle, HWND dialog, const FrameOutput &)
{
    char command[64];
    snprintf(command, sizeof command, "FRCD:BOUT:SVCR %s", Ticked(dialog, IDC_VAC_EVAC) ? "1" : "0");
    SendCommand(dialog, command);
}

const char *const kIgnoreTicked[] = {"MNTE:SVC:STB OFF", NULL};
const char *const kIgnoreCleared[] = {"MNTE:SVC:STB ON", NULL};

enum OutputIndex { Rp1, Rp2, Backing, Tpi, Tpa, Penning, IfValve, Gate, Purge, S75, TmpFan, IgnoreTimeout, Evac };

const FrameOutput kOutputs[] = {
    {IDC_VAC_RP1, "PRTC:BOUT:RPBK", NULL, NULL, NULL},
    {IDC_VAC_RP2, "PRTC:BOUT:RPIF", NULL, NULL, NULL},
    {IDC_VAC_BACKING, "PRTC:BOUT:SVVAC", NULL, NULL, NULL},
    {IDC_VAC_TPI, NULL, NULL, NULL, TpiHandler},
    {IDC_VAC_TPA, NULL, NULL, NULL, TpaHandler},
    {IDC_VAC_PENNING, "PRTC:BOUT:PGON", NULL, NULL, NULL},
    {IDC_VAC_IFVALVE, "PRTC:BOUT:SVIF", NULL, NULL, NULL},
    {IDC_VAC_GATE, NULL, NULL, NULL, GateHandler},
    {IDC_VAC_PURGE, NULL, NULL, NULL, PurgeHandler},
    {IDC_VAC_S75, "FRCD:BOUT:S75ON", NULL, NULL, NULL},
    {IDC_VAC_TMPFAN, "FRCD:BOUT:TFAN", NULL, NULL, NULL},
    {IDC_VAC_IGNORE_TO, NULL, kIgnoreTicked, kIgnoreCleared, NULL},
    {IDC_VAC_EVAC, NULL, NULL, NULL, EvacHandler},
};

/* The outputs of manual control, enabled only in state 0. */
const int kManualOutputs[] = {IDC_VAC_RP1, IDC_VAC_RP2, IDC_VAC_BACKING, IDC_VAC_TPI, IDC_VAC_TPA,
                              IDC_VAC_PENNING, IDC_VAC_IFVALVE, IDC_VAC_GATE, IDC_VAC_PURGE, IDC_VAC_S75, 0};

/* Switch-off order: the gate valve is closed before the 2 s pause, the
   second rotary pump and the purge after it. */
const OutputIndex kOffBeforePause[] = {Backing, Tpi, Tpa, Penning, IfValve, Rp1, Gate};
const OutputIndex kOffAfterPause[] = {Rp2, Purge, S75};
const DWORD kSwitchOffPauseMs = 2000;

/* ---- inputs ---- */

const FrameInput kBinaryInputs[] = {
    {"PRTC:BIN:ERRBRK?", 1, IDC_VAC_ERRBRK, InputOnOff, NULL, 0},
    {"PRTC:BIN:GVERR?", 1, IDC_VAC_GVERR, InputOnOff, NULL, 0},
    {"PRTC:BIN:ISOV1?", 1, IDC_VAC_ISOV1, InputOnOff, NULL, 0},
    {"PRTC:BIN:ISOV2?", 1, IDC_VAC_ISOV2, InputOnOff, NULL, 0},
    {"PRTC:BIN:VAON?", 1, IDC_VAC_VAON, InputOnOff, NULL, 0},
    {"PRTC:BIN:IFVOPN?", 1, IDC_VAC_IFVOPN, InputOnOff, NULL, 0},
    {"PRTC:BIN:IFVERR?", 1, IDC_VAC_IFVERR, InputOnOff, NULL, 0},
    {"PRTC:BOUT:TPSD?", 1, IDC_VAC_TPSD, InputOnOff, NULL, 0},
};
const FrameInput kFanError = {"PRTC:BIN:FNTP?", 1, IDC_VAC_FNTP, InputOnOff, NULL, 0};

const FrameInput kTwoTurboAnalog[] = {
    {"PRTC:AIN:PIIF?", 1, IDC_VAC_PIIF, InputAnalog, "%.3f", 1132},
    {"PRTC:AIN:PIBK?", 1, IDC_VAC_PIBK, InputAnalog, "%.3f", 1133},
    {"PRTC:AIN:PGAN?", 1, IDC_VAC_PGAN, InputAnalog, "%.1E", 1134},
    {"PRTC:AIN:RTPI?", 1, IDC_VAC_RTPI, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:RTPA?", 1, IDC_VAC_RTPA, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:ITPI?", 1, IDC_VAC_ITPI, InputAnalog, "%.3f", 0},
    {"PRTC:AIN:ITPA?", 1, IDC_VAC_ITPA, InputAnalog, "%.3f", 0},
};
const FrameInput kSingleTurboAnalog[] = {
    {"PRTC:AIN:PIIFBK?", 1, IDC_VAC_PIBK, InputAnalog, "%.3f", 1142},
    {"PRTC:AIN:PGAN?", 1, IDC_VAC_PGAN, InputAnalog, "%.1E", 1134},
    {"PRTC:AIN:RTMP?", 1, IDC_VAC_RTPA, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:ITMP?", 1, IDC_VAC_ITPA, InputAnalog, "%.3f", 0},
};
const FrameInput kCommonAnalog[] = {
    {"PRTC:AIN:VP75?", 1, IDC_VAC_VP75, InputAnalog, "%.3f", 0},
    {"PRTC:AIN:MVM?", 1, IDC_VAC_MVM, InputAnalog, "%.2f", 0},
    {"PRTC:AIN:IISOV?", 1, IDC_VAC_IISOV, InputAnalog, "%.3f", 0},
    {"PRTC:AIN:CVM?", 1, IDC_VAC_CVM, InputAnalog, "%.2f", 0},
    {"PRTC:AIN:CCM?", 1, IDC_VAC_CCM, InputAnalog, "%.2f", 0},
};

void PollInputs(PluginHandle handle, HWND dialog)
{
    BOOL single = SingleTurbo(handle);
    if (!single)
        PollInputTable(handle, dialog, &kFanError, 1);
    PollInputTable(handle, dialog, kBinaryInputs, COUNT_OF(kBinaryInputs));
    if (single)
        PollInputTable(handle, dialog, kSingleTurboAnalog, COUNT_OF(kSingleTurboAnalog));
    else
        PollInputTable(handle, dialog, kTwoTurboAnalog, COUNT_OF(kTwoTurboAnalog));
    PollInputTable(handle, dialog, kCommonAnalog, COUNT_OF(kCommonAnalog));
}

/* ---- state ---- */

void ShowIgnoreTimeout(HWND dialog)
{
    const char *reply = QueryInstrument(dialog, "MNTE:SVC:STB?");
    /* The box is ticked while the timeout is ignored, i.e. the switch reads 0. */
    CheckDlgButton(dialog, IDC_VAC_IGNORE_TO, HostNumberToInt(ReplyField(1, reply)) == 0 ? BST_CHECKED : BST_UNCHECKED);
}

void SwitchEverythingOff(PluginHandle handle, HWND dialog, BOOL single)
{
    for (int id : kManualOutputs)
        if (id != 0)
            CheckDlgButton(dialog, id, BST_UNCHECKED);
    if (single) {
        CheckDlgButton(dialog, IDC_VAC_TMPFAN, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_VAC_EVAC, BST_UNCHECKED);
    }
    for (OutputIndex i : kOffBeforePause)
        RunOutput(handle, dialog, kOutputs[i]);
    Sleep(kSwitchOffPauseMs);
    for (OutputIndex i : kOffAfterPause)
        RunOutput(handle, dialog, kOutputs[i]);
    if (single) {
        RunOutput(handle, dialog, kOutputs[TmpFan]);
        RunOutput(handle, dialog, kOutputs[Evac]);
    }
}

const int kSingleTurboHidden[] = {IDC_VAC_TPI, IDC_VAC_PIIF_L, IDC_VAC_PIIF, IDC_VAC_PIIF_U, IDC_VAC_RTPI_L,
                                  IDC_VAC_RTPI, IDC_VAC_RTPI_U, IDC_VAC_ITPI_L, IDC_VAC_ITPI, IDC_VAC_ITPI_U,
                                  IDC_VAC_FNTP_L, IDC_VAC_FNTP, 0};

void ShowConfiguration(HWND dialog, BOOL single)
{
    if (!single) {
        EnableWindow(GetDlgItem(dialog, IDC_VAC_TMPFAN), FALSE);
        return;
    }
    EnableControls(dialog, kSingleTurboHidden, FALSE);
    SetControlText(dialog, IDC_VAC_TPA, "TMP On");
    SetControlText(dialog, IDC_VAC_PIBK_L, "IF/BK Press:");
    SetControlText(dialog, IDC_VAC_RTPA_L, "TMP Revolution:");
    SetControlText(dialog, IDC_VAC_ITPA_L, "TMP Current:");
    SetControlText(dialog, IDC_VAC_PIIF, "--------");
    SetControlText(dialog, IDC_VAC_RTPI, "--------");
    SetControlText(dialog, IDC_VAC_ITPI, "--------");
    SetControlText(dialog, IDC_VAC_FNTP, "0");
}

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    BOOL single = SingleTurbo(handle);
    BOOL evacAllowed = single && HostVariableIsOne(handle, "_H2LINE") && HostVariableIsOne(handle, "_EVAC_VALVE");
    if (opening) {
        BOOL manual = state == 0;
        EnableControls(dialog, kManualOutputs, manual);
        if (single)
            EnableWindow(GetDlgItem(dialog, IDC_VAC_TMPFAN), manual);
        ShowIgnoreTimeout(dialog);
        EnableWindow(GetDlgItem(dialog, IDC_VAC_EVAC), evacAllowed && (manual || state == StateStandby));
    }
    if (state == 0) {
        SwitchEverythingOff(handle, dialog, single);
    } else if (single && state == StateStandby) {
        CheckDlgButton(dialog, IDC_VAC_EVAC, BST_UNCHECKED);
        RunOutput(handle, dialog, kOutputs[Evac]);
    }
    if (opening)
        PollInputs(handle, dialog);
    else if (state == StateMonitor)
        SendCommand(dialog, "TUNE:HSET 1");
    ShowConfiguration(dialog, single);
}

BOOL Command(PluginHandle, HWND dialog, int id, int)
{
    if (id != IDC_VAC_SYSPARAM)
        return FALSE;
    OpenSystemParameters(dialog, IDD_VACUUM_PARAM, KtDlg259Proc);
    return TRUE;
}

const MaintDialogDesc kVacuum = {
    IDD_VACUUM, 2000, IDC_CLOSE, FALSE, FALSE, FALSE,
    kOutputs, COUNT_OF(kOutputs),
    NULL, 0,
    ApplyState, PollInputs, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg225Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kVacuum, dialog, message, wParam, lParam);
}
