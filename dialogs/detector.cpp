/*
 * detector.cpp -- "Detector Maintenance" (template 267): the electron
 * multiplier's analog and pulse high voltages, its two gates, the
 * discriminator and the log amplifier, with the detector's stored
 * parameters.
 *
 * The detector takes kilovolts. At open and close in Standby and state 2
 * it is made safe: both high voltages 0, discriminator 0.0 mV, both gates
 * closed and the mass filter parked. In state 2 a high voltage other than 0
 * is sent only after the engineer confirms it; declining sends 0 instead.
 * The close step works from the state read again at close, so a panel
 * opened in Standby and closed in state 2 closes as state 2 does.
 *
 * "ICPMS_TYPE" 2 instruments have four more stored parameters (analog
 * alert and wait, EM tune, discriminator limit); on other types their
 * fields are greyed and never read.
 */
#include <windows.h>

#include "analyser.h"
#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/instrument_state.h"
#include "plugin/host_number.h"
#include "resources/resource.h"

namespace {

const int kAnalogHvDef = 1767;        /* "PRTC:AOUT:EMHVA " */
const int kPulseHvDef = 1768;         /* "PRTC:AOUT:EMHVP " */
const int kDiscriminatorDef = 1770;   /* "PRTC:MASS:DSCR " */
const int kEmGateOpenOutDef = 1784;   /* "PRTC:AOUT:EMEL " */
const int kEmGateCloseOutDef = 1782;  /* "PRTC:AOUT:EMGVA " */
const int kEmGateOpenDef = 1580;      /* stored "SYS:EMEL" */
const int kEmGateCloseDef = 1501;     /* stored "SYS:EMGVA" */
const int kPulseGateDef = 1502;       /* stored "SYS:EMGVP" */

const int kType2 = 2;

/* The gate code of the mass command: 3, plus 4 with the EM gate closed,
   plus 8 with the pulse gate closed (15: both closed). */
int GateCode(HWND dialog)
{
    BOOL emOpen = IsDlgButtonChecked(dialog, IDC_DET_EMGATE) == BST_CHECKED;
    BOOL pulseOpen = IsDlgButtonChecked(dialog, IDC_DET_PULSEGATE) == BST_CHECKED;
    return 3 + (emOpen ? 0 : 4) + (pulseOpen ? 0 : 8);
}

/* "ACQ:AXIS 1", then the gates as `code` says with the mass filter parked:
   PRTC:MASS:MASS 7, -2 (only the first line when the mass definition is
   missing). */
void SendGateMass(HWND dialog, int code)
{
    SendMassCommand(dialog, code, kParkMass);
}

void GateHandler(PluginHandle, HWND dialog, const FrameOutput &)
{
    SendGateMass(dialog, GateCode(dialog));
}

enum OutputIndex { S24, Hv, EmGate, PulseGate, LogAmp };
const FrameOutput kOutputs[] = {
    {IDC_DET_S24, NULL, NULL, NULL, SendS24Switch},
    {IDC_DET_HV, NULL, NULL, NULL, SendHvSwitch},
    {IDC_DET_EMGATE, NULL, NULL, NULL, GateHandler},
    {IDC_DET_PULSEGATE, NULL, NULL, NULL, GateHandler},
    {IDC_DET_LOGTC, "PRTC:MASS:TLOGSW", NULL, NULL, NULL},
};

const FrameField kFields[] = {
    {IDC_DET_DSCR, kDiscriminatorDef},
};

/* Greyed outside Standby and state 2 ("S24V" is live in Standby only). */
const int kOutputControls[] = {IDC_DET_HV,    IDC_DET_EMGATE, IDC_DET_PULSEGATE, IDC_DET_HVA_L,
                               IDC_DET_HVA,   IDC_DET_HVA_U,  IDC_DET_HVP_L,     IDC_DET_HVP,
                               IDC_DET_HVP_U, 0};
/* The fields of the type-2 parameters (their captions and units stay). */
const int kType2Fields[] = {IDC_DET_ALERT, IDC_DET_WAIT, IDC_DET_TUNE, IDC_DET_DSCRLMT, 0};

const StoredField kStored[] = {
    {"SYS:EMEL?", 1, IDC_DET_EMEL, kEmGateOpenDef},
    {"SYS:EMGVA?", 1, IDC_DET_EMGVA, kEmGateCloseDef},
    {"SYS:EMGVP?", 1, IDC_DET_EMGVP, kPulseGateDef},
    {"SYS:EMLMT?", 1, IDC_DET_PLMT, 1503},
    {"SYS:EMLMT?", 2, IDC_DET_ALMT, 1504},
    {"SYS:DTIME?", 1, IDC_DET_REFMASS, 1606},
    {"SYS:DTIME?", 2, IDC_DET_DTIME, 1505},
    {"SYS:DTIME?", 3, IDC_DET_CORR, 1607},
    {"SYS:EMPA?", 1, IDC_DET_XUPPER, 1601},
    {"SYS:EMPA?", 2, IDC_DET_XLOWER, 1602},
    {"SYS:LOGTLMT?", 1, IDC_DET_LOGTLMT, 1605},
    {"SYS:LOG?", 1, IDC_DET_GAIN, 1603},
    {"SYS:LOG?", 2, IDC_DET_OFFSET, 1604},
    {"SYS:LOGREF?", 1, IDC_DET_LOGREF, 1614},
};
const StoredField kStoredType2[] = {
    {"SYS:EMWAIT?", 1, IDC_DET_ALERT, 1617},
    {"SYS:EMWAIT?", 2, IDC_DET_WAIT, 1618},
    {"SYS:EMTUNE?", 1, IDC_DET_TUNE, 1619},
    {"SYS:DSCRLMT?", 1, IDC_DET_DSCRLMT, 1622},
};

/* A stored parameter written as its fields are edited: every field of the
   command is normalised, then the command goes with the texts in the
   instrument's order (not always the order on screen). */
struct StoredCommand {
    const char *command;
    int ids[3];
    int paramIds[3];
    size_t count;
    BOOL type2Only;
};
const StoredCommand kStoredCommands[] = {
    {"SYS:EMLMT", {IDC_DET_PLMT, IDC_DET_ALMT}, {1503, 1504}, 2, FALSE},
    {"SYS:DTIME", {IDC_DET_REFMASS, IDC_DET_DTIME, IDC_DET_CORR}, {1606, 1505, 1607}, 3, FALSE},
    {"SYS:EMPA", {IDC_DET_XUPPER, IDC_DET_XLOWER}, {1601, 1602}, 2, FALSE},
    {"SYS:LOGTLMT", {IDC_DET_LOGTLMT}, {1605}, 1, FALSE},
    {"SYS:EMWAIT", {IDC_DET_ALERT, IDC_DET_WAIT}, {1617, 1618}, 2, TRUE},
    {"SYS:EMTUNE", {IDC_DET_TUNE}, {1619}, 1, FALSE},
    {"SYS:DSCRLMT", {IDC_DET_DSCRLMT}, {1622}, 1, FALSE},
};

const FrameInput kInputs[] = {
    {"PRTC:BIN:EMPRA?", 1, IDC_DET_EMPRA, InputOnOff, NULL, 0},
    {"PRTC:BIN:EMPRP?", 1, IDC_DET_EMPRP, InputOnOff, NULL, 0},
    {"PRTC:AIN:EMHVA?", 1, IDC_DET_HVA_IN, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:EMHVP?", 1, IDC_DET_HVP_IN, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:EMGVA?", 1, IDC_DET_EMGVA_IN, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:EMGVP?", 1, IDC_DET_EMGVP_IN, InputAnalog, "%.1f", 0},
    {"PRTC:MASS:TLOGA?", 1, IDC_DET_TLOGA, InputAnalog, "%.0f", 0},
};

/* "ICPMS_TYPE", read afresh each time: only 2 counts. */
BOOL InstrumentType2(PluginHandle handle)
{
    return HostNumberToInt(HostVariableOrZero(handle, "ICPMS_TYPE")) == kType2;
}

/* States 0, 3 and 4 leave the detector's outputs alone: a gate voltage
   edited there is only stored (at close). */
BOOL DrivesOutputs(HWND dialog)
{
    int state = DialogOpenState(dialog);
    return state != StateEmpty && state != 3 && state != 4;
}

void Tick(HWND dialog, OutputIndex output, BOOL on)
{
    CheckDlgButton(dialog, kOutputs[output].id, on ? BST_CHECKED : BST_UNCHECKED);
}

void SendOutput(PluginHandle handle, HWND dialog, OutputIndex output)
{
    RunOutput(handle, dialog, kOutputs[output]);
}

/* Both high voltages back to 0 and the discriminator to 0.0 mV (not the
   definition's default), each sent. */
void MakeSafe(PluginHandle handle, HWND dialog)
{
    InitParamField(handle, dialog, IDC_DET_HVA, kAnalogHvDef);
    InitParamField(handle, dialog, IDC_DET_HVP, kPulseHvDef);
    SetControlText(dialog, IDC_DET_DSCR, "0");
    SendParamField(handle, dialog, IDC_DET_HVA, kAnalogHvDef);
    SendParamField(handle, dialog, IDC_DET_HVP, kPulseHvDef);
    SendParamField(handle, dialog, IDC_DET_DSCR, kDiscriminatorDef);
}

/* The gate voltages as stored, sent as outputs (at open only). */
void SendGateVoltages(PluginHandle handle, HWND dialog)
{
    SendParamField(handle, dialog, IDC_DET_EMEL, kEmGateOpenOutDef);
    SendParamField(handle, dialog, IDC_DET_EMGVA, kEmGateCloseOutDef);
}

void ReadParameters(PluginHandle handle, HWND dialog)
{
    ReadStoredFields(handle, dialog, kStored, COUNT_OF(kStored));
    BOOL type2 = InstrumentType2(handle);
    if (type2)
        ReadStoredFields(handle, dialog, kStoredType2, COUNT_OF(kStoredType2));
    EnableControls(dialog, kType2Fields, type2);
}

/* At open: the stored parameters, the first poll (the +24 V readback waits
   for the timer), then the state's outputs. At close the outputs again for
   the state found at close. */
void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (opening) {
        ReadParameters(handle, dialog);
        PollInputTable(handle, dialog, kInputs, COUNT_OF(kInputs));
        EnableWindow(GetDlgItem(dialog, IDC_DET_S24), state == StateStandby);
        EnableControls(dialog, kOutputControls, state == StateStandby || state == StateMonitor);
    }
    if (state == StateStandby || state == StateMonitor) {
        BOOL standby = state == StateStandby;
        if (standby)
            Tick(dialog, S24, opening);
        Tick(dialog, Hv, !standby);
        Tick(dialog, EmGate, FALSE);
        Tick(dialog, PulseGate, FALSE);
        Tick(dialog, LogAmp, TRUE);
        if (opening)
            SendGateVoltages(handle, dialog);
        MakeSafe(handle, dialog);
        SendGateMass(dialog, kGatesClosed);
        if (standby)
            SendOutput(handle, dialog, S24);
        SendOutput(handle, dialog, Hv);
        SendOutput(handle, dialog, LogAmp);
        if (!standby && !opening)
            SendCommand(dialog, "TUNE:HSET 1");
    } else {
        Tick(dialog, LogAmp, FALSE);
        SetControlText(dialog, IDC_DET_DSCR, "0");
        SendParamField(handle, dialog, IDC_DET_DSCR, kDiscriminatorDef);
        SendOutput(handle, dialog, LogAmp);
    }
}

/* Timer tick: the +24 V readback first, then the inputs. */
void PollInputs(PluginHandle handle, HWND dialog)
{
    PollS24Voltage(handle, dialog, IDC_DET_S24_V);
    PollInputTable(handle, dialog, kInputs, COUNT_OF(kInputs));
}

/* A high-voltage field left by the focus. 0 is always sent. Any other
   value in state 2 is asked about first ("Be careful about excessive input
   to the detector. Continue?", No the default); declining puts the field
   back to 0 and sends that. In other states the value is sent at once. */
void CommitHighVoltage(PluginHandle handle, HWND dialog, int id, int paramId)
{
    ParamDef def;
    if (!LoadParamDef(g_module, paramId, &def))
        return;
    double value = ValidateNumberField(handle, dialog, id, def.format, def.minimum, def.maximum, def.step);
    BOOL safe = value == def.defaultValue;
    if (!safe && DialogOpenState(dialog) == StateMonitor &&
        ResMessageBox(dialog, IDS_DETECTOR_HV, IDS_MAINTENANCE, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        safe = TRUE;
    if (safe)
        InitParamField(handle, dialog, id, paramId);
    SendParamField(handle, dialog, id, paramId);
}

void SendStoredCommand(PluginHandle handle, HWND dialog, const StoredCommand &stored)
{
    if (stored.type2Only && !InstrumentType2(handle))
        return;
    for (size_t i = 0; i < stored.count; ++i)
        ValidateParamField(handle, dialog, stored.ids[i], stored.paramIds[i]);
    SendFieldValues(dialog, stored.command, stored.ids, stored.count);
}

/* A gate voltage: stored at close, sent as an output straight away unless
   the panel opened in a state that leaves the outputs alone. */
void CommitGateVoltage(PluginHandle handle, HWND dialog, int id, int storedDef, int outputDef)
{
    ValidateParamField(handle, dialog, id, storedDef);
    if (DrivesOutputs(dialog))
        SendParamField(handle, dialog, id, outputDef);
}

/* The pulse gate percentage, stored; the pulse HV is sent again so that it
   takes effect. */
void CommitPulseGate(PluginHandle handle, HWND dialog)
{
    const int ids[] = {IDC_DET_EMGVP};
    ValidateParamField(handle, dialog, IDC_DET_EMGVP, kPulseGateDef);
    SendFieldValues(dialog, "SYS:EMGVP", ids, 1);
    if (DrivesOutputs(dialog))
        SendParamField(handle, dialog, IDC_DET_HVP, kPulseHvDef);
}

/* Before the frame's close step (which reads the state again): the field
   being edited commits, then both gate voltages are stored. */
void StoreOnClose(PluginHandle handle, HWND dialog)
{
    const int open[] = {IDC_DET_EMEL};
    const int close[] = {IDC_DET_EMGVA};
    SetFocus(GetDlgItem(dialog, IDC_CLOSE));
    ValidateParamField(handle, dialog, IDC_DET_EMEL, kEmGateOpenDef);
    SendFieldValues(dialog, "SYS:EMEL", open, 1);
    ValidateParamField(handle, dialog, IDC_DET_EMGVA, kEmGateCloseDef);
    SendFieldValues(dialog, "SYS:EMGVA", close, 1);
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    if (id == IDC_CLOSE || id == IDCANCEL) {
        StoreOnClose(handle, dialog);
        return FALSE; /* the frame goes on with the close */
    }
    if (code != EN_KILLFOCUS)
        return FALSE;
    /* The high-voltage question disables the panel and takes the focus from
       whatever field had just received it: that field was not left by the
       engineer and commits when it really loses the focus, not now (a
       second question under the first would be the result). */
    if (!IsWindowEnabled(dialog))
        return TRUE;
    switch (id) {
    case IDC_DET_HVA:
        CommitHighVoltage(handle, dialog, id, kAnalogHvDef);
        return TRUE;
    case IDC_DET_HVP:
        CommitHighVoltage(handle, dialog, id, kPulseHvDef);
        return TRUE;
    case IDC_DET_EMEL:
        CommitGateVoltage(handle, dialog, id, kEmGateOpenDef, kEmGateOpenOutDef);
        return TRUE;
    case IDC_DET_EMGVA:
        CommitGateVoltage(handle, dialog, id, kEmGateCloseDef, kEmGateCloseOutDef);
        return TRUE;
    case IDC_DET_EMGVP:
        CommitPulseGate(handle, dialog);
        return TRUE;
    default:
        break;
    }
    for (const StoredCommand &stored : kStoredCommands)
        for (size_t i = 0; i < stored.count; ++i)
            if (stored.ids[i] == id) {
                SendStoredCommand(handle, dialog, stored);
                return TRUE;
            }
    return FALSE;
}

const MaintDialogDesc kDetector = {
    IDD_DETECTOR, 2000, IDOK, FALSE, TRUE, TRUE,
    kOutputs, COUNT_OF(kOutputs),
    kFields, COUNT_OF(kFields),
    ApplyState, PollInputs, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg267Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kDetector, dialog, message, wParam, lParam);
}
