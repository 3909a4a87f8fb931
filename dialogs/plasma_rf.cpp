/*
 * plasma_rf.cpp -- "Plasma RF Maintenance": template 226 for the classic RF
 * generator, 314 for the new one, one procedure for both. The generator's
 * outputs and matching capacitors, the torch utilities the plasma needs
 * (argon and optional gas, flows, water, pumps, stage), the ignition
 * sequence ("Plasma On" / "Plasma Off") and the generator's diagnostics,
 * polled every four seconds.
 *
 * Configuration, read every time it is used: "OPT_New_RF" selects the new
 * generator's readings and help topic, "OPT_PMP2" brings in the sample pump.
 * The optional gas ("OPT_OPGS") is decided once at open and kept in
 * "hData2". The four installation options sent before an ignition are read
 * from the option file itself: a host variable of the same name does not
 * change what the instrument is told.
 */
#include <windows.h>

#include <initializer_list>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/channel.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "plugin/host_number.h"
#include "resources/resource.h"

namespace {

const UINT kPollMs = 4000;
const char kOptionalGasProperty[] = "hData2";

/* ---- configuration ---- */

/* An option named in the string table, set when its low 16 bits are. */
BOOL OptionOn(PluginHandle handle, UINT nameId)
{
    char name[32];
    lstrcpynA(name, LoadResString(nameId), sizeof name);
    return (OptionValue(handle, name) & 0xFFFF) != 0;
}

BOOL NewGenerator(PluginHandle handle)
{
    return OptionOn(handle, IDS_OPT_NEW_RF);
}

BOOL SamplePumpFitted(PluginHandle handle)
{
    return OptionOn(handle, IDS_OPT_PMP2);
}

BOOL OptionalGas(HWND dialog)
{
    return GetPropA(dialog, kOptionalGasProperty) != NULL;
}

void StoreOptionalGas(PluginHandle handle, HWND dialog)
{
    INT_PTR fitted = OptionOn(handle, IDS_OPT_OPGS) ? 1 : 0;
    SetPropA(dialog, kOptionalGasProperty, reinterpret_cast<HANDLE>(fitted));
}

int HelpNumber(PluginHandle handle, HWND)
{
    return NewGenerator(handle) ? IDD_RF_314 : IDD_RF_226;
}

/* ---- edit fields ---- */

enum FieldIndex { Pf, Prlmt, Srps, Shps, Plgs, Axgs, Crgs, Mugs, Opgs, Pump1, Pump2 };

const FrameField kFields[] = {
    {IDC_RF_PF, 1128},   {IDC_RF_PRLMT, 1129}, {IDC_RF_SRPS, 1130}, {IDC_RF_SHPS, 1131},
    {IDC_RF_PLGS, 1775}, {IDC_RF_AXGS, 1776},  {IDC_RF_CRGS, 1777}, {IDC_RF_MUGS, 1778},
    {IDC_RF_OPGS, 1779}, {IDC_RF_PUMP1, 1780}, {IDC_RF_PUMP2, 1781},
};

/* Defaults are put in first, the capacitors are held, then all is sent. */
const FieldIndex kDefaultOrder[] = {Plgs, Axgs, Crgs, Mugs, Opgs, Pf, Prlmt, Pump1, Pump2};
const FieldIndex kSendOrder[] = {Pf, Prlmt, Plgs, Axgs, Crgs, Mugs, Opgs, Srps, Shps, Pump1, Pump2};

BOOL TakesPart(FieldIndex field, BOOL optionalGas, BOOL samplePump)
{
    if (field == Opgs)
        return optionalGas;
    if (field == Pump2)
        return samplePump;
    return TRUE;
}

/* ---- outputs ---- */

const char *const kOscillationOn[] = {"PRTC:BOUT:RFOSC ON", "PRTC:BOUT:RFON ON", NULL};
const char *const kOscillationOff[] = {"PRTC:BOUT:RFOSC OFF", "PRTC:BOUT:RFON OFF", NULL};

enum OutputIndex { SrRemote, CoolingFan, Supply48V, Oscillation, Igniter, ArValve, OptionalValve, WaterValve };

const FrameOutput kOutputs[] = {
    {IDC_RF_SRRM, "PRTC:BOUT:SRRM", NULL, NULL, NULL},
    {IDC_RF_RFFAN, "PRTC:BOUT:RFFAN", NULL, NULL, NULL},
    {IDC_RF_S24, NULL, NULL, NULL, SendS24Switch},
    {IDC_RF_RFOSC, NULL, kOscillationOn, kOscillationOff, NULL},
    {IDC_RF_IGNT, "PRTC:BOUT:IGNT", NULL, NULL, NULL},
    {IDC_RF_SVAG, "PRTC:BOUT:SVAG", NULL, NULL, NULL},
    {IDC_RF_SVOP, "FRCD:BOUT:SVOP", NULL, NULL, NULL},
    {IDC_RF_SVW, "PRTC:BOUT:SVW", NULL, NULL, NULL},
};

/* After the fields: valves first, the generator's supply, fan and remote last. */
const OutputIndex kSwitchOffOrder[] = {ArValve, OptionalValve, WaterValve, Supply48V, CoolingFan, SrRemote};

/* The commands of the push buttons that send one fixed command. */
struct PushCommand {
    int id;
    const char *command;
};
const PushCommand kPushCommands[] = {
    {IDC_RF_XYZ_INIT, "PRTC:XYZ:INI"},
    {IDC_RF_PLASMA_OFF, "PLSM:EXTN"},
};

/* Options sent before an ignition: the key in the option file, and the
   command for set and for not set. */
struct IgnitionOption {
    const char *key;
    const char *set;
    const char *clear;
};
const IgnitionOption kIgnitionOptions[] = {
    {"OPT_SC", "OPT:SPRAY 1", "OPT:SPRAY 0"},
    {"OPT_SHIELD", "PLSM:SHLD 1", "PLSM:SHLD 0"},
    {"OPT_ORGANIC", "PLSM:SMPL 1", "PLSM:SMPL 0"},
    {"OPT_IMTPUMP", "SYS:IMT:PUMP 1", "SYS:IMT:PUMP 0"},
};

/* ---- controls enabled together (each field with its caption and unit) ---- */

const int kUtilityControls[] = {
    IDC_RF_XYZ_INIT, IDC_RF_SVAG,   IDC_RF_PLGS_L, IDC_RF_PLGS, IDC_RF_PLGS_U, IDC_RF_AXGS_L, IDC_RF_AXGS,
    IDC_RF_AXGS_U,   IDC_RF_CRGS_L, IDC_RF_CRGS,   IDC_RF_CRGS_U, IDC_RF_MUGS_L, IDC_RF_MUGS, IDC_RF_MUGS_U,
    IDC_RF_SVW,      0};
const int kOutputControls[] = {IDC_RF_PRLMT_L, IDC_RF_PRLMT, IDC_RF_PRLMT_U, IDC_RF_SRPS_L, IDC_RF_SRPS,
                               IDC_RF_SRPS_U,  IDC_RF_SHPS_L, IDC_RF_SHPS,   IDC_RF_SHPS_U, IDC_RF_SRRM,
                               IDC_RF_RFFAN,   IDC_RF_S24,    IDC_RF_RFOSC,  IDC_RF_IGNT,   0};
/* The whole "Forward Power:" row is enabled or greyed with the state at
   open; the sequence poll and the gate switch the field alone, so its caption
   and its unit keep what opening gave them. */
const int kForwardPower[] = {IDC_RF_PF_L, IDC_RF_PF, IDC_RF_PF_U, 0};
const int kForwardPowerField[] = {IDC_RF_PF, 0};
const int kOptionalGasControls[] = {IDC_RF_SVOP, IDC_RF_OPGS_L, IDC_RF_OPGS, IDC_RF_OPGS_U, 0};
const int kNebulizerPump[] = {IDC_RF_PUMP1_L, IDC_RF_PUMP1, IDC_RF_PUMP1_U, 0};
const int kSamplePump[] = {IDC_RF_PUMP2_L, IDC_RF_PUMP2, IDC_RF_PUMP2_U, 0};
const int kSequenceButtons[] = {IDC_RF_PLASMA_ON, IDC_RF_PLASMA_OFF, 0};
const int kEnter[] = {IDOK, 0};

/* ---- inputs ---- */

/* Rows of the poll: one compound query each, read field by field. */
const FrameInput kStatusBits[] = {
    {"PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", 1, IDC_RF_IN_PSRAW, InputOnOff, NULL, 0},
    {"PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", 2, IDC_RF_IN_RFVDER, InputOnOff, NULL, 0},
    {"PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", 3, IDC_RF_IN_RFIDER, InputOnOff, NULL, 0},
    {"PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", 4, IDC_RF_IN_RFTMPE, InputOnOff, NULL, 0},
};
const FrameInput kClassicBalance[] = {
    {"PRTC:BIN:UNBLER?;DCNCER?;RFLVER?", 1, IDC_RF_IN_UNBLER, InputOnOff, NULL, 0},
    {"PRTC:BIN:UNBLER?;DCNCER?;RFLVER?", 2, IDC_RF_IN_DCNCER, InputOnOff, NULL, 0},
    {"PRTC:BIN:UNBLER?;DCNCER?;RFLVER?", 3, IDC_RF_IN_RFLVER, InputOnOff, NULL, 0},
};
const FrameInput kNewBalance[] = {
    {"PRTC:BIN:UNBLER?;DCNCER?;RFFBER?", 1, IDC_RF_IN_UNBLER, InputOnOff, NULL, 0},
    {"PRTC:BIN:UNBLER?;DCNCER?;RFFBER?", 2, IDC_RF_IN_DCNCER, InputOnOff, NULL, 0},
    {"PRTC:BIN:UNBLER?;DCNCER?;RFFBER?", 3, IDC_RF_IN_RFFBER, InputOnOff, NULL, 0},
};
const FrameInput kFanBits[] = {
    {"PRTC:BIN:RFFANER?;MNBFAN?;SRLMTA?", 1, IDC_RF_IN_RFFANER, InputOnOff, NULL, 0},
    {"PRTC:BIN:RFFANER?;MNBFAN?;SRLMTA?", 2, IDC_RF_IN_MNBFAN, InputOnOff, NULL, 0},
    {"PRTC:BIN:RFFANER?;MNBFAN?;SRLMTA?", 3, IDC_RF_IN_SRLMTA, InputOnOff, NULL, 0},
};
const FrameInput kLimitBits[] = {
    {"PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?", 1, IDC_RF_IN_SRLMTB, InputOnOff, NULL, 0},
    {"PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?", 2, IDC_RF_IN_SHLMTA, InputOnOff, NULL, 0},
    {"PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?", 3, IDC_RF_IN_SHLMTB, InputOnOff, NULL, 0},
    {"PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?", 4, IDC_RF_IN_PSON, InputOnOff, NULL, 0},
};
/* New generator: field 3 (RFPSNC) is read but not shown; field 4, "Voltage
   too Low", only counts behind a supply or drain-voltage error. */
const char kSupplyQuery[] = "PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?";
const FrameInput kSupplyBits[] = {
    {kSupplyQuery, 1, IDC_RF_IN_PRER, InputOnOff, NULL, 0},
    {kSupplyQuery, 2, IDC_RF_IN_RF48VER, InputOnOff, NULL, 0},
};
const FrameInput kVoltageTooLow = {kSupplyQuery, 4, IDC_RF_IN_VLOW, InputOnOff, NULL, 0};
/* The compound queries of the diagnostics, each read field by field. */
const char kPowerQuery[] = "PRTC:AIN:PF?;PR?;SRPS?;SHPS?;ID1?;ID2?";
const char kClassicDrainQuery[] = "PRTC:AIN:ID3?;ID4?;TTA?;TTB?;VDA?;VDB?";
const char kNewDrainQuery[] = "PRTC:AIN:ID3?;ID4?;TTA?;TTB?;VD?;RF48V?";
const char kClassicDriverQuery[] = "PRTC:AIN:IDD?;RFV12?;RFBI?;RFBIAS?";
const char kNewDriverQuery[] = "PRTC:AIN:IDD?;RFDV?;RFTH?;RFTHS?";
const char kMonitorQuery[] = "PRTC:AIN:IGNT?;CHK12V?;CHKP5?;CHKPH?";
const char kNewDriveQuery[] = "PRTC:AIN:RFDVS?;UNBL?";
const FrameInput kPower[] = {
    {kPowerQuery, 1, IDC_RF_IN_PF, InputAnalog, "%.0f", 0},
    {kPowerQuery, 2, IDC_RF_IN_PR, InputAnalog, "%.0f", 0},
    {kPowerQuery, 3, IDC_RF_IN_SRPS, InputAnalog, "%.3f", 0},
    {kPowerQuery, 4, IDC_RF_IN_SHPS, InputAnalog, "%.3f", 0},
    {kPowerQuery, 5, IDC_RF_IN_ID1, InputAnalog, "%.2f", 0},
    {kPowerQuery, 6, IDC_RF_IN_ID2, InputAnalog, "%.2f", 0},
};
const FrameInput kClassicDrain[] = {
    {kClassicDrainQuery, 1, IDC_RF_IN_ID3, InputAnalog, "%.2f", 0},
    {kClassicDrainQuery, 2, IDC_RF_IN_ID4, InputAnalog, "%.2f", 0},
    {kClassicDrainQuery, 3, IDC_RF_IN_TTA, InputAnalog, "%.3f", 0},
    {kClassicDrainQuery, 4, IDC_RF_IN_TTB, InputAnalog, "%.3f", 0},
    {kClassicDrainQuery, 5, IDC_RF_IN_VDA, InputAnalog, "%.1f", 0},
    {kClassicDrainQuery, 6, IDC_RF_IN_VDB, InputAnalog, "%.1f", 0},
};
const FrameInput kNewDrain[] = {
    {kNewDrainQuery, 1, IDC_RF_IN_ID3, InputAnalog, "%.2f", 0},
    {kNewDrainQuery, 2, IDC_RF_IN_ID4, InputAnalog, "%.2f", 0},
    {kNewDrainQuery, 3, IDC_RF_IN_TTA, InputAnalog, "%.3f", 0},
    {kNewDrainQuery, 4, IDC_RF_IN_TTB, InputAnalog, "%.3f", 0},
    {kNewDrainQuery, 5, IDC_RF_IN_VD, InputAnalog, "%.2f", 0},
    {kNewDrainQuery, 6, IDC_RF_IN_RF48V, InputAnalog, "%.2f", 0},
};
const FrameInput kClassicDriver[] = {
    {kClassicDriverQuery, 1, IDC_RF_IN_IDD, InputAnalog, "%.3f", 0},
    {kClassicDriverQuery, 2, IDC_RF_IN_RFV12, InputAnalog, "%.2f", 0},
    {kClassicDriverQuery, 3, IDC_RF_IN_RFBI, InputAnalog, "%.3f", 0},
    {kClassicDriverQuery, 4, IDC_RF_IN_RFBIAS, InputAnalog, "%.3f", 0},
};
const FrameInput kNewDriver[] = {
    {kNewDriverQuery, 1, IDC_RF_IN_IDD, InputAnalog, "%.2f", 0},
    {kNewDriverQuery, 2, IDC_RF_IN_RFDV, InputAnalog, "%.2f", 0},
    {kNewDriverQuery, 3, IDC_RF_IN_RFTH, InputAnalog, "%.3f", 0},
    {kNewDriverQuery, 4, IDC_RF_IN_RFTHS, InputAnalog, "%.3f", 0},
};
const FrameInput kMonitor[] = {
    {kMonitorQuery, 1, IDC_RF_IN_IGNT, InputAnalog, "%.3f", 0},
    {kMonitorQuery, 2, IDC_RF_IN_CHK12V, InputAnalog, "%.2f", 0},
    {kMonitorQuery, 3, IDC_RF_IN_CHKP5, InputAnalog, "%.3f", 0},
    {kMonitorQuery, 4, IDC_RF_IN_CHKPH, InputAnalog, "%.0f", 0},
};
const FrameInput kNewDrive[] = {
    {kNewDriveQuery, 1, IDC_RF_IN_RFDVS, InputAnalog, "%.2f", 0},
    {kNewDriveQuery, 2, IDC_RF_IN_UNBL, InputAnalog, "%.3f", 0},
};

struct InputRow {
    const FrameInput *inputs;
    size_t count;
};
#define INPUT_ROW(table) {table, COUNT_OF(table)}

/* After the status bits: the classic generator's rows, and the new one's
   before and after its supply bits. */
const InputRow kClassicRows[] = {INPUT_ROW(kClassicBalance), INPUT_ROW(kFanBits),      INPUT_ROW(kLimitBits),
                                 INPUT_ROW(kPower),          INPUT_ROW(kClassicDrain), INPUT_ROW(kClassicDriver),
                                 INPUT_ROW(kMonitor)};
const InputRow kNewRowsBeforeSupply[] = {INPUT_ROW(kNewBalance), INPUT_ROW(kFanBits), INPUT_ROW(kLimitBits)};
const InputRow kNewRowsAfterSupply[] = {INPUT_ROW(kPower), INPUT_ROW(kNewDrain), INPUT_ROW(kNewDriver),
                                        INPUT_ROW(kMonitor), INPUT_ROW(kNewDrive)};

template <size_t N>
void PollRows(PluginHandle handle, HWND dialog, const InputRow (&rows)[N])
{
    for (const InputRow &row : rows)
        PollInputTable(handle, dialog, row.inputs, row.count);
}

/* A reply field whose whole part is not zero (truncated toward zero). */
BOOL WholePartSet(double value)
{
    return value >= 1.0 || value <= -1.0;
}

void PollSupplyBits(PluginHandle handle, HWND dialog, BOOL drainVoltageError)
{
    PollInputTable(handle, dialog, kSupplyBits, COUNT_OF(kSupplyBits));
    if (WholePartSet(ReplyField(2, ReplyBuffer)) || drainVoltageError)
        ShowInput(handle, dialog, kVoltageTooLow, ReplyField(kVoltageTooLow.field, ReplyBuffer));
    else
        SetControlText(dialog, kVoltageTooLow.controlId, "---");
}

void PollInputs(PluginHandle handle, HWND dialog)
{
    BOOL newGenerator = NewGenerator(handle);
    PollInputTable(handle, dialog, kStatusBits, COUNT_OF(kStatusBits));
    BOOL drainVoltageError = WholePartSet(ReplyField(2, ReplyBuffer));
    if (!newGenerator) {
        PollRows(handle, dialog, kClassicRows);
        return;
    }
    PollRows(handle, dialog, kNewRowsBeforeSupply);
    PollSupplyBits(handle, dialog, drainVoltageError);
    PollRows(handle, dialog, kNewRowsAfterSupply);
}

/* ---- the steps that differ ---- */

/* "Forward Power:" takes a value only while the RF oscillates; otherwise it
   is disabled and reads 0 (nothing is sent for it). */
void ForwardPowerGate(HWND dialog)
{
    BOOL oscillating = IsDlgButtonChecked(dialog, IDC_RF_RFOSC) == BST_CHECKED;
    if (!oscillating)
        SetControlText(dialog, IDC_RF_PF, "0");
    EnableControls(dialog, kForwardPowerField, oscillating);
}

/* The plasma sequence status: 0 idle (operating controls live, "Plasma On"
   offered), 2 or 3 plasma on (only "Plasma Off"), anything else locks both. */
void SequencePoll(PluginHandle handle, HWND dialog)
{
    const char *reply = QueryInstrument(dialog, "PLSM:STAT?");
    int status = HostNumberToInt(ReplyField(1, reply));
    BOOL idle = status == 0;
    EnableWindow(GetDlgItem(dialog, IDC_RF_PLASMA_ON), idle);
    EnableWindow(GetDlgItem(dialog, IDC_RF_PLASMA_OFF), status == 2 || status == 3);
    EnableControls(dialog, kUtilityControls, idle);
    EnableControls(dialog, kOutputControls, idle);
    EnableControls(dialog, kEnter, idle);
    EnableControls(dialog, kOptionalGasControls, idle && OptionalGas(dialog));
    if (idle)
        ForwardPowerGate(dialog);
    else
        EnableControls(dialog, kForwardPowerField, FALSE);
    EnableControls(dialog, kNebulizerPump, idle);
    EnableControls(dialog, kSamplePump, idle && SamplePumpFitted(handle));
}

/* The matching capacitors stay where the last poll saw them. */
void HoldCapacitor(HWND dialog, int display, int field)
{
    char text[30];
    text[0] = '\0';
    GetDlgItemTextA(dialog, display, text, sizeof text);
    SetControlText(dialog, field, text);
}

/* Every box cleared, the fields back to their defaults with the capacitors
   held, and all of it sent: RF and igniter off first, valves and supplies
   last. */
void ResetOutputs(PluginHandle handle, HWND dialog, int state, BOOL optionalGas, BOOL samplePump)
{
    for (const FrameOutput &output : kOutputs)
        CheckDlgButton(dialog, output.id, BST_UNCHECKED);
    for (FieldIndex f : kDefaultOrder)
        if (TakesPart(f, optionalGas, samplePump))
            InitParamField(handle, dialog, kFields[f].id, kFields[f].paramId);
    HoldCapacitor(dialog, IDC_RF_IN_SRPS, IDC_RF_SRPS);
    HoldCapacitor(dialog, IDC_RF_IN_SHPS, IDC_RF_SHPS);
    RunOutput(handle, dialog, kOutputs[Oscillation]);
    RunOutput(handle, dialog, kOutputs[Igniter]);
    for (FieldIndex f : kSendOrder)
        if (TakesPart(f, optionalGas, samplePump))
            SendParamField(handle, dialog, kFields[f].id, kFields[f].paramId);
    for (OutputIndex o : kSwitchOffOrder)
        if (o != OptionalValve || optionalGas)
            RunOutput(handle, dialog, kOutputs[o]);
    if (state == StateStandby)
        ForwardPowerGate(dialog);
}

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (opening)
        PollInputs(handle, dialog); /* the capacitor positions are fresh before they are held */
    BOOL samplePump = SamplePumpFitted(handle);
    BOOL optionalGas = OptionalGas(dialog);
    if (state == StateMonitor) {
        if (!opening) {
            SendCommand(dialog, "TUNE:HSET 1");
            return;
        }
        for (const int *controls : {kUtilityControls, kOutputControls, kForwardPower, kOptionalGasControls,
                                    kNebulizerPump, kSamplePump, kSequenceButtons, kEnter})
            EnableControls(dialog, controls, FALSE);
        return;
    }
    if (opening) {
        for (const int *controls : {kUtilityControls, kOutputControls, kForwardPower, kNebulizerPump,
                                    kSequenceButtons})
            EnableControls(dialog, controls, TRUE);
        EnableControls(dialog, kOptionalGasControls, optionalGas);
        EnableControls(dialog, kSamplePump, samplePump);
    }
    ResetOutputs(handle, dialog, state, optionalGas, samplePump);
    if (opening)
        SequencePoll(handle, dialog); /* the frame starts the timer next */
}

/* Every tick: the diagnostics, then the sequence unless the dialog only monitors. */
void TimerPoll(PluginHandle handle, HWND dialog)
{
    PollInputs(handle, dialog);
    if (DialogOpenState(dialog) != StateMonitor)
        SequencePoll(handle, dialog);
}

/* Everything reset as at open (the state at open, not read again), the
   installation's options told, then the instrument ignites on its own; the
   sequence poll follows it. */
void PlasmaOn(PluginHandle handle, HWND dialog)
{
    ApplyState(handle, dialog, DialogOpenState(dialog), 0);
    char section[16];
    lstrcpynA(section, LoadResString(IDS_OPTION_SECTION), sizeof section);
    for (const IgnitionOption &option : kIgnitionOptions)
        SendCommand(dialog, OptionFileValue(section, option.key) != 0 ? option.set : option.clear);
    SendCommand(dialog, "PLSM:IGNT");
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int)
{
    switch (id) {
    case IDC_RF_RFOSC:
        ForwardPowerGate(dialog);
        RunOutput(handle, dialog, kOutputs[Oscillation]);
        return TRUE;
    case IDC_RF_PLASMA_ON:
        PlasmaOn(handle, dialog);
        return TRUE;
    case IDC_RF_SYSPARAM:
        OpenSystemParameters(dialog, IDD_IGNITION, KtDlg258Proc);
        return TRUE;
    default:
        for (const PushCommand &push : kPushCommands)
            if (push.id == id) {
                SendCommand(dialog, push.command);
                return TRUE;
            }
        return FALSE;
    }
}

const MaintDialogDesc kPlasmaRf = {
    0, kPollMs, IDOK, FALSE, FALSE, TRUE,
    kOutputs, COUNT_OF(kOutputs),
    kFields, COUNT_OF(kFields),
    ApplyState, TimerPoll, StoreOptionalGas, Command, HelpNumber,
};

} // namespace

TORVEX_DLGPROC KtDlg226Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kPlasmaRf, dialog, message, wParam, lParam);
}
