/*
 * qp.cpp -- "QP Maintenance" (template 261): the quadrupole mass filter's
 * driver outputs, the test mass and the QP bias, the QP calibration values
 * the instrument keeps as system parameters, and the driver's bit and analog
 * inputs every two seconds.
 *
 * Configuration: the host variable "_QPType" equal to 1 is the QP driver
 * with a fader and U/V linearity; any other value (or none) the driver with
 * forward/reflected power and a linearity correction mass and factor. It is
 * read every time it matters, never kept.
 */
#include <windows.h>

#include "analyser.h"
#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "limit_pair.h"
#include "link/instrument_state.h"
#include "resources/resource.h"

namespace {

const int kBiasParamDef = 1751;
const int kFrequencyOutputDef = 1760;

BOOL QpTypeWithFader(PluginHandle handle)
{
    double value = 0.0;
    return HostGetVariableById(handle, IDS_QPTYPE_VARIABLE, &value) == 0 && value == 1.0;
}

/* ---- outputs ---- */

const char *const kIgnoreOn[] = {"MNTE:SVC:PICDIS 5, #H0001", NULL};
const char *const kIgnoreOff[] = {"MNTE:SVC:PICDIS 5, #H0000", NULL};

enum { OutS24, OutIgnore, OutFan, OutPickup, OutBias20 };
const FrameOutput kOutputs[] = {
    {IDC_QP_S24, NULL, NULL, NULL, SendS24Switch},
    {IDC_QP_IGNORE, NULL, kIgnoreOn, kIgnoreOff, NULL},
    {IDC_QP_FAN, "PRTC:BOUT:QPFAN", NULL, NULL, NULL},
    {IDC_QP_PICKUP, "PRTC:BOUT:QPTC", NULL, NULL, NULL},
    {IDC_QP_BIAS20, "PRTC:BOUT:PBCLR", NULL, NULL, NULL},
};

/* Sets the box, then sends what a click on it would. */
void SetOutput(PluginHandle handle, HWND dialog, int output, BOOL on)
{
    CheckDlgButton(dialog, kOutputs[output].id, on ? BST_CHECKED : BST_UNCHECKED);
    RunOutput(handle, dialog, kOutputs[output]);
}

/* Controls the state enables or disables at opening. */
const int kMassControls[] = {
    IDC_QP_IGNORE, IDC_QP_BIAS20, IDC_QP_MASS_L, IDC_QP_MASS, IDC_QP_MASS_U, IDC_QP_PBIA_L, IDC_QP_PBIA,
    IDC_QP_PBIA_U, IDC_QP_RESET, 0,
};
const int kS24[] = {IDC_QP_S24, 0};
const int kFan[] = {IDC_QP_FAN, 0};

/* ---- the mass ---- */

/* Normalises "MASS:" and snaps it onto the instrument's special low masses
   (0 for a mass up to 1.5 amu, -1 and -2 between them), then sends
   "ACQ:AXIS 1" and the mass with both detector gates closed. Without the
   mass definition only "ACQ:AXIS 1" goes out. */
void SendQPMass(PluginHandle handle, HWND dialog)
{
    ParamDef def;
    if (LoadParamDef(g_module, kMassParamDef, &def)) {
        double v = ValidateNumberField(handle, dialog, IDC_QP_MASS, def.format, def.minimum, def.maximum, def.step);
        if (v > 0.0 && v <= 1.5)
            SetControlText(dialog, IDC_QP_MASS, "0");
        else if (v > -1.0 && v < 0.0)
            SetControlText(dialog, IDC_QP_MASS, "-1");
        else if (v > -2.0 && v < -1.0)
            SetControlText(dialog, IDC_QP_MASS, "-2");
    }
    char mass[64];
    mass[0] = '\0';
    GetDlgItemTextA(dialog, IDC_QP_MASS, mass, sizeof mass);
    SendMassCommand(dialog, kGatesClosed, mass);
}

/* ---- stored parameters ---- */

enum QpTypeRule { AnyQp, PowerQp, FaderQp };

/* A stored parameter of one or two values, the QP types it belongs to, and
   whether it is a calibration value: those make the mass be sent again so
   that they act at once. */
struct StoredParam {
    StoredPair stored;
    QpTypeRule rule;
    BOOL calibration;
};

const StoredParam kFrequencyParam = {{"SYS:QPFRQ", IDC_QP_FREQ, 1513, 0, 0}, AnyQp, FALSE};
const StoredParam kStored[] = {
    kFrequencyParam,
    {{"SYS:AXIS", IDC_QP_AXGAIN, 1508, IDC_QP_AXOFST, 1509}, AnyQp, TRUE},
    {{"SYS:AMUGIN", IDC_QP_AMUGIN, 1598, 0, 0}, AnyQp, TRUE},
    {{"SYS:AMUOFST", IDC_QP_AMUOFST, 1600, 0, 0}, AnyQp, TRUE},
    {{"SYS:QPLINEAR", IDC_QP_ULIN, 1620, IDC_QP_VLIN, 1621}, FaderQp, TRUE},
    {{"SYS:LINEAR", IDC_QP_LINMASS, 1511, IDC_QP_LINFACT, 1512}, PowerQp, TRUE},
    {{"SYS:STBMS", IDC_QP_STBMS, 1520, 0, 0}, AnyQp, FALSE},
    {{"SYS:QPERR:TPICKUP", IDC_QP_TPICKUP, 1531, 0, 0}, AnyQp, FALSE},
    {{"SYS:QPERR:TPOWER", IDC_QP_TPOWER, 1532, 0, 0}, AnyQp, FALSE},
    /* the limit pairs: lower limit first, although the upper one is shown above it */
    {{"SYS:QPERR:HVP", IDC_QP_HVP_LO, 1543, IDC_QP_HVP_UP, 1544}, AnyQp, FALSE},
    {{"SYS:QPERR:HVN", IDC_QP_HVN_LO, 1545, IDC_QP_HVN_UP, 1546}, AnyQp, FALSE},
};

void ReadStoredParams(PluginHandle handle, HWND dialog)
{
    BOOL fader = QpTypeWithFader(handle);
    for (const StoredParam &param : kStored)
        if ((param.rule != FaderQp || fader) && (param.rule != PowerQp || !fader))
            ShowStoredPair(handle, dialog, param.stored);
}

/* ---- inputs ---- */

const FrameInput kBitInputs[] = {
    {"PRTC:BIN:RFER?", 1, IDC_QP_RFER, InputOnOff, NULL, 0},
    {"PRTC:BIN:QPFAN?", 1, IDC_QP_FANER, InputOnOff, NULL, 0},
};
const FrameInput kFader[] = {
    {"PRTC:AIN:QPFAD?", 1, IDC_QP_QPFAD, InputAnalog, "%.3f", 0},
};
const FrameInput kPower[] = {
    {"PRTC:AIN:MSPF?;MSRF?", 1, IDC_QP_MSPF, InputAnalog, "%.0f", 0},
    {"PRTC:AIN:MSPF?;MSRF?", 2, IDC_QP_MSRF, InputAnalog, "%.0f", 0},
};
const FrameInput kAnalogInputs[] = {
    {"PRTC:AIN:UVPOS?;UVNEG?;VV?;QPPHC?;PBMON?", 1, IDC_QP_UVPOS, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:UVPOS?;UVNEG?;VV?;QPPHC?;PBMON?", 2, IDC_QP_UVNEG, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:UVPOS?;UVNEG?;VV?;QPPHC?;PBMON?", 3, IDC_QP_VV, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:UVPOS?;UVNEG?;VV?;QPPHC?;PBMON?", 4, IDC_QP_QPPHC, InputAnalog, "%.2f", 0},
    {"PRTC:AIN:UVPOS?;UVNEG?;VV?;QPPHC?;PBMON?", 5, IDC_QP_PBMON, InputAnalog, "%.3f", 0},
    {"PRTC:AIN:P600V?;N600V?;TMPQP?;TMPQPP?", 1, IDC_QP_P600V, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:P600V?;N600V?;TMPQP?;TMPQPP?", 2, IDC_QP_N600V, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:P600V?;N600V?;TMPQP?;TMPQPP?", 3, IDC_QP_TMPQP, InputAnalog, "%.1f", 0},
    {"PRTC:AIN:P600V?;N600V?;TMPQP?;TMPQPP?", 4, IDC_QP_TMPQPP, InputAnalog, "%.3f", 0},
};

void PollDriver(PluginHandle handle, HWND dialog)
{
    PollInputTable(handle, dialog, kBitInputs, COUNT_OF(kBitInputs));
    if (QpTypeWithFader(handle))
        PollInputTable(handle, dialog, kFader, COUNT_OF(kFader));
    else
        PollInputTable(handle, dialog, kPower, COUNT_OF(kPower));
    PollInputTable(handle, dialog, kAnalogInputs, COUNT_OF(kAnalogInputs));
}

/* Every timer tick: the driver, then the +24 V readback. */
void PollInputs(PluginHandle handle, HWND dialog)
{
    PollDriver(handle, dialog);
    PollS24Voltage(handle, dialog, IDC_QP_S24_V);
}

/* ---- opening and closing ---- */

/* Shows the controls of the QP driver fitted and hides the other's. */
void ShowQpType(PluginHandle handle, HWND dialog)
{
    static const int kPowerOnly[] = {IDC_QP_LINMASS_L, IDC_QP_LINMASS, IDC_QP_LINMASS_U, IDC_QP_LINFACT_L,
                                     IDC_QP_LINFACT, IDC_QP_MSPF_L, IDC_QP_MSPF, IDC_QP_MSPF_U, 0};
    static const int kFaderOnly[] = {IDC_QP_ULIN_L, IDC_QP_ULIN, IDC_QP_VLIN_L, IDC_QP_VLIN,
                                     IDC_QP_QPFAD_L, IDC_QP_QPFAD, IDC_QP_QPFAD_U, 0};
    static const int kReflected[] = {IDC_QP_MSRF_L, IDC_QP_MSRF, IDC_QP_MSRF_U, 0};
    BOOL fader = QpTypeWithFader(handle);
    for (const int *id = fader ? kPowerOnly : kFaderOnly; *id != 0; ++id)
        ShowWindow(GetDlgItem(dialog, *id), SW_HIDE);
    if (fader)
        EnableControls(dialog, kReflected, FALSE);
}

/* Resets "QP Bias:" to its default and sends it. */
void ResetBias(PluginHandle handle, HWND dialog)
{
    InitParamField(handle, dialog, IDC_QP_PBIA, kBiasParamDef);
    SendParamField(handle, dialog, IDC_QP_PBIA, kBiasParamDef);
}

/* The outputs for the state at opening, run at opening and again at closing. */
void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (state == StateStandby) {
        if (opening) {
            EnableControls(dialog, kS24, TRUE);
            EnableControls(dialog, kMassControls, TRUE);
            EnableControls(dialog, kFan, FALSE);
        }
        CheckDlgButton(dialog, IDC_QP_S24, opening ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_QP_IGNORE, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_QP_PICKUP, BST_CHECKED);
        CheckDlgButton(dialog, IDC_QP_BIAS20, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_QP_FAN, opening ? BST_CHECKED : BST_UNCHECKED);
        ResetBias(handle, dialog);
        InitParamField(handle, dialog, IDC_QP_MASS, kMassParamDef);
        SendQPMass(handle, dialog);
        RunOutput(handle, dialog, kOutputs[OutS24]);
        RunOutput(handle, dialog, kOutputs[OutIgnore]);
        RunOutput(handle, dialog, kOutputs[OutPickup]);
        RunOutput(handle, dialog, kOutputs[OutBias20]);
        RunOutput(handle, dialog, kOutputs[OutFan]);
    } else if (state == StateMonitor) {
        if (opening) {
            EnableControls(dialog, kMassControls, TRUE);
            EnableControls(dialog, kS24, FALSE);
            EnableControls(dialog, kFan, FALSE);
        }
        CheckDlgButton(dialog, IDC_QP_IGNORE, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_QP_PICKUP, BST_CHECKED);
        CheckDlgButton(dialog, IDC_QP_BIAS20, BST_UNCHECKED);
        ResetBias(handle, dialog);
        char standby[64];
        standby[0] = '\0';
        GetDlgItemTextA(dialog, IDC_QP_STBMS, standby, sizeof standby);
        SetControlText(dialog, IDC_QP_MASS, standby);
        SendQPMass(handle, dialog);
        RunOutput(handle, dialog, kOutputs[OutIgnore]);
        RunOutput(handle, dialog, kOutputs[OutPickup]);
        RunOutput(handle, dialog, kOutputs[OutBias20]);
        if (!opening)
            SendCommand(dialog, "TUNE:HSET 1");
    } else {
        if (opening) {
            EnableControls(dialog, kS24, FALSE);
            EnableControls(dialog, kMassControls, FALSE);
            EnableControls(dialog, kFan, TRUE);
        }
        SetOutput(handle, dialog, OutFan, FALSE);
        SetOutput(handle, dialog, OutPickup, FALSE);
    }
}

/* Opening: the driver type, the stored values, the state's outputs, the
   frequency as read, and a first look at the inputs (the +24 V readback
   waits for the timer). Closing: the frequency is stored before the
   outputs go back. */
void OpenOrClose(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (opening) {
        ShowQpType(handle, dialog);
        ReadStoredParams(handle, dialog);
        ApplyState(handle, dialog, state, 1);
        SendParamField(handle, dialog, IDC_QP_FREQ, kFrequencyOutputDef);
        PollDriver(handle, dialog);
    } else {
        WriteStoredPair(handle, dialog, kFrequencyParam.stored);
        ApplyState(handle, dialog, state, 0);
    }
}

/* Calibration edits act at once, except in the states where the mass filter
   is not driven from here. */
BOOL ResendsMassAfterCalibration(HWND dialog)
{
    int state = DialogOpenState(dialog);
    return state != 0 && state != 3 && state != 4;
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    if (code == EN_KILLFOCUS) {
        if (id == IDC_QP_MASS) {
            SendQPMass(handle, dialog);
            return TRUE;
        }
        if (id == IDC_QP_PBIA) {
            SendParamField(handle, dialog, IDC_QP_PBIA, kBiasParamDef);
            SendQPMass(handle, dialog);
            return TRUE;
        }
        if (id == IDC_QP_FREQ) {
            SendParamField(handle, dialog, IDC_QP_FREQ, kFrequencyOutputDef);
            return TRUE;
        }
        for (const StoredParam &param : kStored)
            if (FindStoredPair(&param.stored, 1, id) != NULL) {
                if (WriteStoredPair(handle, dialog, param.stored) && param.calibration &&
                    ResendsMassAfterCalibration(dialog))
                    SendQPMass(handle, dialog);
                return TRUE;
            }
        return FALSE;
    }
    if (id == IDC_QP_RESET) {
        SetControlText(dialog, IDC_QP_MASS, kParkMass);
        SendQPMass(handle, dialog);
        return TRUE;
    }
    return FALSE;
}

const MaintDialogDesc kQp = {
    IDD_QP, 2000, IDOK, TRUE, TRUE, TRUE,
    kOutputs, COUNT_OF(kOutputs),
    NULL, 0,
    OpenOrClose, PollInputs, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg261Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kQp, dialog, message, wParam, lParam);
}
