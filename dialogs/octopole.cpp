/*
 * octopole.cpp -- "Octopole Maintenance" (template 266): the octopole ion
 * guide and its RF power amplifier.
 *
 * Bias, RF amplitude and FET bias are outputs. Frequency and oscillator
 * level are outputs while the panel is up and are stored as the octopole's
 * parameters when it closes, so a value tried out here becomes the stored
 * one. Ramp offset, bend mass and scan enable are stored as they are edited.
 * In Standby the panel brings the driver up at open and takes it down at
 * close; in state 2 it resets the outputs with HV and RF kept on and closes
 * with "TUNE:HSET 1"; in any other state it only watches.
 */
#include <windows.h>

#include "analyser.h"
#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/instrument_state.h"
#include "resources/resource.h"

namespace {

const int kBiasDef = 1763;          /* "PRTC:AOUT:LENS 9, ": lens output 9 of the lens driver */
const int kRfDef = 1753;            /* "PRTC:LENS:OPA " */
const int kFetBiasDef = 1771;       /* "PRTC:LENS:OPFETB " */
const int kFrequencyOutDef = 1761;  /* "PRTC:LENS:OPFRQ " */
const int kLevelOutDef = 1772;      /* "PRTC:LENS:OPRFL " */
const int kFrequencyDef = 1500;     /* stored "SYS:OPFRQ" */
const int kLevelDef = 1579;         /* stored "SYS:OPRFL" */
const int kRampDef = 1547;          /* stored "SYS:OCP", value 1 */
const int kBendDef = 1548;          /* stored "SYS:OCP", value 2 */
const int kScanDef = 1610;          /* stored "SYS:OCPENB" */

/* Frequency tuning mode runs the amplifier without its feedback. */
const char *const kFeedbackOff[] = {"PRTC:BOUT:OPFB OFF", NULL};
const char *const kFeedbackOn[] = {"PRTC:BOUT:OPFB ON", NULL};

enum OutputIndex { S24, Hv, Tuning, RfEnable };
const FrameOutput kOutputs[] = {
    {IDC_OCT_S24, NULL, NULL, NULL, SendS24Switch},
    {IDC_OCT_HV, NULL, NULL, NULL, SendHvSwitch},
    {IDC_OCT_TUNING, NULL, kFeedbackOff, kFeedbackOn, NULL},
    {IDC_OCT_RFEN, "PRTC:BOUT:OPRFEN", NULL, NULL, NULL},
};

/* Sent as they lose the focus (RF and FET bias also park the mass: Command). */
const FrameField kFields[] = {
    {IDC_OCT_BIAS, kBiasDef},
    {IDC_OCT_FRQ, kFrequencyOutDef},
    {IDC_OCT_LEVEL, kLevelOutDef},
};

/* Reset to their defaults and sent, in this order, at open and close. */
const FrameField kOutputFields[] = {
    {IDC_OCT_BIAS, kBiasDef},
    {IDC_OCT_RF, kRfDef},
    {IDC_OCT_FETB, kFetBiasDef},
};

/* Greyed outside Standby and state 2 ("S24V" is live in Standby only). */
const int kOutputControls[] = {IDC_OCT_HV,     IDC_OCT_TUNING, IDC_OCT_RFEN,   IDC_OCT_BIAS_L, IDC_OCT_BIAS,
                               IDC_OCT_BIAS_U, IDC_OCT_RF_L,   IDC_OCT_RF,     IDC_OCT_RF_U,   IDC_OCT_FETB_L,
                               IDC_OCT_FETB,   IDC_OCT_FETB_U, 0};

const StoredField kStored[] = {
    {"SYS:OCP?", 1, IDC_OCT_RAMP, kRampDef},
    {"SYS:OCP?", 2, IDC_OCT_BEND, kBendDef},
    {"SYS:OPFRQ?", 1, IDC_OCT_FRQ, kFrequencyDef},
    {"SYS:OPRFL?", 1, IDC_OCT_LEVEL, kLevelDef},
    {"SYS:OCPENB?", 1, IDC_OCT_SCAN, kScanDef},
};

const FrameInput kInputs[] = {
    {"PRTC:BIN:OPFBER?", 1, IDC_OCT_FBER, InputOnOff, NULL, 0},
    {"PRTC:BIN:OPIDER?", 1, IDC_OCT_IDER, InputOnOff, NULL, 0},
    {"PRTC:AIN:LENS? 9", 1, IDC_OCT_BIAS_IN, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:OPAP?", 1, IDC_OCT_OPAP, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:OPAN?", 1, IDC_OCT_OPAN, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:OPA?", 1, IDC_OCT_OPA, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:OPBIA?", 1, IDC_OCT_OPBIA, InputAnalog, "%.3f", 0},
    {"PRTC:AIN:OPID?", 1, IDC_OCT_OPID, InputAnalog, "%.3f", 0},
};

const int kRampBend[] = {IDC_OCT_RAMP, IDC_OCT_BEND};
const int kScan[] = {IDC_OCT_SCAN};
const int kFrequency[] = {IDC_OCT_FRQ};
const int kLevel[] = {IDC_OCT_LEVEL};

/* "ACQ:AXIS 1", then the mass filter parked with both detector gates
   closed: PRTC:MASS:MASS 15, -2 (only the first line when the mass
   definition is missing). */
void ResetOctMass(HWND dialog)
{
    SendMassCommand(dialog, kGatesClosed, kParkMass);
}

/* Ticks or clears the box; its commands go out later with SendOutput. */
void Tick(HWND dialog, OutputIndex output, BOOL on)
{
    CheckDlgButton(dialog, kOutputs[output].id, on ? BST_CHECKED : BST_UNCHECKED);
}

void SendOutput(PluginHandle handle, HWND dialog, OutputIndex output)
{
    RunOutput(handle, dialog, kOutputs[output]);
}

void ResetOutputFields(PluginHandle handle, HWND dialog)
{
    for (const FrameField &field : kOutputFields)
        InitParamField(handle, dialog, field.id, field.paramId);
    for (const FrameField &field : kOutputFields)
        SendParamField(handle, dialog, field.id, field.paramId);
}

/* At open: the stored parameters, the state's outputs, the first poll (the
   +24 V readback waits for the timer). At close the same outputs again:
   Standby switches S24V, HV and RF off; state 2 keeps HV and RF on and
   ends with "TUNE:HSET 1". The order of the switches differs between the
   two states, as the driver expects. */
void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    BOOL driven = state == StateStandby || state == StateMonitor;
    if (opening) {
        ReadStoredFields(handle, dialog, kStored, COUNT_OF(kStored));
        EnableWindow(GetDlgItem(dialog, IDC_OCT_S24), state == StateStandby);
        EnableControls(dialog, kOutputControls, driven);
    }
    if (state == StateStandby) {
        Tick(dialog, S24, opening);
        Tick(dialog, Hv, opening);
        Tick(dialog, Tuning, FALSE);
        Tick(dialog, RfEnable, opening);
        SendOutput(handle, dialog, S24);
        ResetOutputFields(handle, dialog);
        SendOutput(handle, dialog, Tuning);
        SendOutput(handle, dialog, Hv);
        ResetOctMass(dialog);
        SendOutput(handle, dialog, RfEnable);
    } else if (state == StateMonitor) {
        Tick(dialog, Hv, TRUE);
        Tick(dialog, Tuning, FALSE);
        Tick(dialog, RfEnable, TRUE);
        ResetOutputFields(handle, dialog);
        SendOutput(handle, dialog, Tuning);
        SendOutput(handle, dialog, RfEnable);
        SendOutput(handle, dialog, Hv);
        ResetOctMass(dialog);
        if (!opening)
            SendCommand(dialog, "TUNE:HSET 1");
    }
    if (opening)
        PollInputTable(handle, dialog, kInputs, COUNT_OF(kInputs));
}

/* Timer tick: the inputs, then the +24 V readback. */
void PollInputs(PluginHandle handle, HWND dialog)
{
    PollInputTable(handle, dialog, kInputs, COUNT_OF(kInputs));
    PollS24Voltage(handle, dialog, IDC_OCT_S24_V);
}

/* Validates a stored field and writes it under `command`. */
void StoreField(PluginHandle handle, HWND dialog, const char *command, const int (&id)[1], int paramId)
{
    ValidateParamField(handle, dialog, id[0], paramId);
    SendFieldValues(dialog, command, id, 1);
}

/* Before the frame's close step: the field being edited commits, the panel
   disappears, and frequency, oscillator level and scan enable are stored. */
void StoreOnClose(PluginHandle handle, HWND dialog)
{
    SetFocus(GetDlgItem(dialog, IDC_CLOSE));
    ShowWindow(dialog, SW_HIDE);
    StoreField(handle, dialog, "SYS:OPFRQ", kFrequency, kFrequencyDef);
    StoreField(handle, dialog, "SYS:OPRFL", kLevel, kLevelDef);
    StoreField(handle, dialog, "SYS:OCPENB", kScan, kScanDef);
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    if (id == IDC_CLOSE || id == IDCANCEL) {
        StoreOnClose(handle, dialog);
        return FALSE; /* the frame goes on with the close */
    }
    if (code != EN_KILLFOCUS)
        return FALSE;
    switch (id) {
    case IDC_OCT_RF:
        SendParamField(handle, dialog, id, kRfDef);
        ResetOctMass(dialog);
        return TRUE;
    case IDC_OCT_FETB:
        SendParamField(handle, dialog, id, kFetBiasDef);
        ResetOctMass(dialog);
        return TRUE;
    case IDC_OCT_RAMP:
    case IDC_OCT_BEND:
        /* Only the field that was edited is normalised; its partner goes as it stands. */
        ValidateParamField(handle, dialog, id, id == IDC_OCT_RAMP ? kRampDef : kBendDef);
        SendFieldValues(dialog, "SYS:OCP", kRampBend, COUNT_OF(kRampBend));
        return TRUE;
    case IDC_OCT_SCAN:
        StoreField(handle, dialog, "SYS:OCPENB", kScan, kScanDef);
        return TRUE;
    default:
        return FALSE;
    }
}

const MaintDialogDesc kOctopole = {
    IDD_OCTOPOLE, 2000, IDOK, TRUE, FALSE, TRUE,
    kOutputs, COUNT_OF(kOutputs),
    kFields, COUNT_OF(kFields),
    ApplyState, PollInputs, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg266Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kOctopole, dialog, message, wParam, lParam);
}
