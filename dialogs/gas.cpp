/*
 * gas.cpp -- "Gas Controller Maintenance": the argon gas controller's
 * valves, the set points of the four argon flows and the optional gas, the
 * gas pressures and measured flows, and the controller's stored limits and
 * offsets. One procedure drives both templates:
 *
 *   269  mass-flow controllers: vent gas supply valve, "-15V (MFC):", and an
 *        "Offset Adjustment" that the instrument runs by itself
 *        ("PRTC:FLOW:ADJ", watched through "PRTC:FLOW:STAT?" on the timer);
 *   336  automatic flow controller ("_AFC"): DP/BP sensor pressures and
 *        stored sensor offsets, "Ar AMFC Temp:", and an "Offset Adjustment"
 *        that measures the sensors itself (gas_offset.cpp).
 *
 * "hData2" holds the optional-gas switch ("OPT_OPGS") and "hData3" the AFC
 * switch ("_AFC"), both read once when the dialog opens.
 */
#include <windows.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "gas.h"
#include "limit_pair.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "plugin/host_number.h"
#include "resources/resource.h"

namespace {

const char kOptionalGasProperty[] = "hData2";
const char kAfcProperty[] = "hData3";

BOOL FlagProperty(HWND dialog, const char *name)
{
    return GetPropA(dialog, name) != NULL;
}

BOOL OptionalGas(HWND dialog)
{
    return FlagProperty(dialog, kOptionalGasProperty);
}

BOOL Afc(HWND dialog)
{
    return FlagProperty(dialog, kAfcProperty);
}

/* An installation switch: the option named by a string, non-zero in its low 16 bits. */
BOOL OptionSwitch(PluginHandle handle, UINT nameId)
{
    char name[64];
    lstrcpynA(name, LoadResString(nameId), sizeof name);
    return (OptionValue(handle, name) & 0xFFFF) != 0;
}

void ExtraProperties(PluginHandle handle, HWND dialog)
{
    SetPropA(dialog, kOptionalGasProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(OptionSwitch(handle, IDS_OPT_OPGS))));
    SetPropA(dialog, kAfcProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(OptionSwitch(handle, IDS_AFC_VARIABLE))));
}

/* ---- outputs ---- */

const FrameOutput kValves[] = {
    {IDC_GAS_SVAG, "PRTC:BOUT:SVAG", NULL, NULL, NULL},
    {IDC_GAS_SVOP, "FRCD:BOUT:SVOP", NULL, NULL, NULL},
    {IDC_GAS_SVPRV, "PRTC:BOUT:SVPRV", NULL, NULL, NULL},
};

/* The set points, argon first; the last one is the optional gas. */
const FrameField kFlowFields[] = {
    {IDC_GAS_SET_PL, 1775}, {IDC_GAS_SET_AX, 1776}, {IDC_GAS_SET_CR, 1777},
    {IDC_GAS_SET_MU, 1778}, {IDC_GAS_SET_OP, 1779},
};
const size_t kArgonFlows = 4;

size_t FlowFieldCount(BOOL optionalGas)
{
    return optionalGas ? COUNT_OF(kFlowFields) : kArgonFlows;
}

const int kArgonFlowControls[] = {IDC_GAS_SET_PL_L, IDC_GAS_SET_PL, IDC_GAS_SET_PL_U, IDC_GAS_SET_AX_L,
                                  IDC_GAS_SET_AX,   IDC_GAS_SET_AX_U, IDC_GAS_SET_CR_L, IDC_GAS_SET_CR,
                                  IDC_GAS_SET_CR_U, IDC_GAS_SET_MU_L, IDC_GAS_SET_MU, IDC_GAS_SET_MU_U, 0};
const int kOptionalFlowControls[] = {IDC_GAS_SET_OP_L, IDC_GAS_SET_OP, IDC_GAS_SET_OP_U, 0};
const int kCarrierPressure[] = {IDC_GAS_PGCR_L, IDC_GAS_PGCR, IDC_GAS_PGCR_U, 0};
const int kOptionalGasDisplays[] = {IDC_GAS_PGOPS_L, IDC_GAS_PGOPS, IDC_GAS_PGOPS_U, IDC_GAS_PGOP_L, IDC_GAS_PGOP,
                                    IDC_GAS_PGOP_U,  IDC_GAS_OPGS_L, IDC_GAS_OPGS, IDC_GAS_OPGS_U, 0};
const int kArgonFlowEdits[] = {IDC_GAS_SET_PL, IDC_GAS_SET_AX, IDC_GAS_SET_CR, IDC_GAS_SET_MU, 0};
const int kMfcOffsetEdits[] = {IDC_GAS_PL_OFFSET, IDC_GAS_AX_OFFSET, IDC_GAS_CR_OFFSET, IDC_GAS_MU_OFFSET,
                               IDC_GAS_OP_OFFSET, 0};
const int kSensorOffsetEdits[] = {IDC_GAS_PL_DPV, IDC_GAS_AX_DPV, IDC_GAS_CR_DPV, IDC_GAS_MU_DPV,
                                  IDC_GAS_PL_BPV, IDC_GAS_AX_BPV, IDC_GAS_CR_BPV, IDC_GAS_MU_BPV, 0};
const int kOffsetLimitEdits[] = {IDC_GAS_PL_OLMT, IDC_GAS_AX_OLMT, IDC_GAS_CR_OLMT, IDC_GAS_MU_OLMT,
                                 IDC_GAS_OP_OLMT, 0};

void Enable(HWND dialog, int id, BOOL enable)
{
    EnableWindow(GetDlgItem(dialog, id), enable);
}

/* ---- system parameters ---- */

enum ParameterScope {
    BothTemplates,
    MfcOnly, /* read with either template, written only with the AFC switch clear */
    AfcOnly  /* read and written only with the AFC switch set */
};

/* One stored parameter: a single value, or a Tolerance/Offset Lmt pair
   written as "PREFIX tolerance,limit" whichever of the two was left. */
struct GasParameter {
    StoredPair stored;
    ParameterScope scope;
};

const GasParameter kParameters[] = {
    {{"SYS:PLGSL", IDC_GAS_PL_LOWER, 1581, 0, 0}, BothTemplates},
    {{"SYS:PLGST", IDC_GAS_PL_TOL, 1583, IDC_GAS_PL_OLMT, 1584}, BothTemplates},
    {{"SYS:OFFSET:PLGS", IDC_GAS_PL_OFFSET, 1593, 0, 0}, MfcOnly},
    {{"SYS:AXGSL", IDC_GAS_AX_LOWER, 1582, 0, 0}, BothTemplates},
    {{"SYS:AXGST", IDC_GAS_AX_TOL, 1585, IDC_GAS_AX_OLMT, 1586}, BothTemplates},
    {{"SYS:OFFSET:AXGS", IDC_GAS_AX_OFFSET, 1594, 0, 0}, MfcOnly},
    {{"SYS:CRGST", IDC_GAS_CR_TOL, 1587, IDC_GAS_CR_OLMT, 1588}, BothTemplates},
    {{"SYS:OFFSET:CRGS", IDC_GAS_CR_OFFSET, 1595, 0, 0}, MfcOnly},
    {{"SYS:MUGST", IDC_GAS_MU_TOL, 1589, IDC_GAS_MU_OLMT, 1590}, BothTemplates},
    {{"SYS:OFFSET:MUGS", IDC_GAS_MU_OFFSET, 1596, 0, 0}, MfcOnly},
    {{"SYS:OPGST", IDC_GAS_OP_TOL, 1591, IDC_GAS_OP_OLMT, 1592}, BothTemplates},
    {{"SYS:OFFSET:OPGS", IDC_GAS_OP_OFFSET, 1597, 0, 0}, MfcOnly},
    {{"PRTC:FLOW:PLDPV", IDC_GAS_PL_DPV, 1143, 0, 0}, AfcOnly},
    {{"PRTC:FLOW:AXDPV", IDC_GAS_AX_DPV, 1144, 0, 0}, AfcOnly},
    {{"PRTC:FLOW:CRDPV", IDC_GAS_CR_DPV, 1145, 0, 0}, AfcOnly},
    {{"PRTC:FLOW:MUDPV", IDC_GAS_MU_DPV, 1146, 0, 0}, AfcOnly},
    {{"PRTC:FLOW:PLBPV", IDC_GAS_PL_BPV, 1147, 0, 0}, AfcOnly},
    {{"PRTC:FLOW:AXBPV", IDC_GAS_AX_BPV, 1148, 0, 0}, AfcOnly},
    {{"PRTC:FLOW:CRBPV", IDC_GAS_CR_BPV, 1149, 0, 0}, AfcOnly},
    {{"PRTC:FLOW:MUBPV", IDC_GAS_MU_BPV, 1150, 0, 0}, AfcOnly},
};

/* Reads every stored parameter of the template's configuration (the
   Offset column is not in 336: its values are dropped). */
void ReadParameters(PluginHandle handle, HWND dialog)
{
    BOOL afc = Afc(dialog);
    for (const GasParameter &p : kParameters)
        if (p.scope != AfcOnly || afc)
            ShowStoredPair(handle, dialog, p.stored);
}

const GasParameter *FindParameter(int id)
{
    for (const GasParameter &p : kParameters)
        if (FindStoredPair(&p.stored, 1, id) != NULL)
            return &p;
    return NULL;
}

/* ---- inputs ---- */

struct GasDisplay {
    int field; /* of the reply */
    int id;
    const char *format;
    BOOL pressure; /* a negative pressure is shown as 0 */
};

const GasDisplay kLineMfc[] = {
    {1, IDC_GAS_PGAR, "%.1f", TRUE}, {2, IDC_GAS_PGCR, "%.1f", TRUE}, {3, IDC_GAS_CHKP5, "%.3f", FALSE}};
const GasDisplay kLineAfc[] = {{1, IDC_GAS_PGAR, "%.1f", TRUE}, {3, IDC_GAS_CHKP5, "%.3f", FALSE}};
const GasDisplay kOptional[] = {
    {1, IDC_GAS_PGOPS, "%.1f", TRUE}, {2, IDC_GAS_PGOP, "%.1f", TRUE}, {3, IDC_GAS_OPGS, "%.2f", FALSE}};
const GasDisplay kFlowsMfc[] = {{1, IDC_GAS_PLGS, "%.1f", FALSE}, {2, IDC_GAS_AXGS, "%.2f", FALSE},
                                {3, IDC_GAS_CRGS, "%.2f", FALSE}, {4, IDC_GAS_MUGS, "%.2f", FALSE},
                                {5, IDC_GAS_CHKVMF, "%.2f", FALSE}};
const GasDisplay kFlowsAfc[] = {{1, IDC_GAS_PLGS, "%.1f", FALSE}, {2, IDC_GAS_AXGS, "%.2f", FALSE},
                                {3, IDC_GAS_CRGS, "%.2f", FALSE}, {4, IDC_GAS_MUGS, "%.2f", FALSE},
                                {5, IDC_GAS_TMPGS, "%.1f", FALSE}};
const GasDisplay kDpPressures[] = {{1, IDC_GAS_PLDPKPA, "%.2f", FALSE}, {2, IDC_GAS_AXDPKPA, "%.2f", FALSE},
                                   {3, IDC_GAS_CRDPKPA, "%.2f", FALSE}, {4, IDC_GAS_MUDPKPA, "%.2f", FALSE}};
const GasDisplay kBpPressures[] = {{1, IDC_GAS_PLBPKPA, "%.0f", FALSE}, {2, IDC_GAS_AXBPKPA, "%.0f", FALSE},
                                   {3, IDC_GAS_CRBPKPA, "%.0f", FALSE}, {4, IDC_GAS_MUBPKPA, "%.0f", FALSE}};

template <size_t N>
void PollDisplays(PluginHandle handle, HWND dialog, const char *query, const GasDisplay (&displays)[N])
{
    const char *reply = QueryInstrument(dialog, query);
    for (const GasDisplay &d : displays) {
        double value = ReplyField(d.field, reply);
        if (d.pressure && !(value > 0.0))
            value = 0.0;
        SetNumberText(handle, dialog, d.id, d.format, value);
    }
}

void PollInputs(PluginHandle handle, HWND dialog)
{
    BOOL afc = Afc(dialog);
    if (afc)
        PollDisplays(handle, dialog, "PRTC:AIN:PGAR?;PGCR?;CHKP5?", kLineAfc);
    else
        PollDisplays(handle, dialog, "PRTC:AIN:PGAR?;PGCR?;CHKP5?", kLineMfc);
    if (IsWindowEnabled(GetDlgItem(dialog, IDC_GAS_PGOPS)))
        PollDisplays(handle, dialog, "PRTC:AIN:PGOPS?;PGOP?;OPGS?", kOptional);
    if (!afc) {
        PollDisplays(handle, dialog, "PRTC:AIN:PLGS?;AXGS?;CRGS?;MUGS?;CHKVMF?", kFlowsMfc);
        return;
    }
    PollDisplays(handle, dialog, "PRTC:AIN:PLGS?;AXGS?;CRGS?;MUGS?;TMPGS?", kFlowsAfc);
    PollDisplays(handle, dialog, "PRTC:AIN:PLDPKPA?;AXDPKPA?;CRDPKPA?;MUDPKPA?", kDpPressures);
    PollDisplays(handle, dialog, "PRTC:AIN:PLBPKPA?;AXBPKPA?;CRBPKPA?;MUBPKPA?", kBpPressures);
}

/* ---- the instrument's own flow adjustment (269) ---- */

/* The adjustment's status; when it reads 0 the adjustment is over: the
   instrument has stored new offsets, which are read, and the dialog is
   unlocked. */
int FlowAdjustmentStatus(PluginHandle handle, HWND dialog)
{
    int status = HostNumberToInt(ReplyField(1, QueryInstrument(dialog, "PRTC:FLOW:STAT?")));
    if (status != 0)
        return status;
    ReadParameters(handle, dialog);
    SetAdjustmentLock(dialog, TRUE, OptionalGas(dialog), Afc(dialog));
    Enable(dialog, IDC_GAS_ADJUST, TRUE);
    return 0;
}

/* "Offset Adjustment" without the AFC: everything closed and at zero, then
   the instrument adjusts on its own; the timer watches its status. */
void StartFlowAdjustment(PluginHandle handle, HWND dialog)
{
    BOOL optionalGas = OptionalGas(dialog);
    Enable(dialog, IDC_GAS_ADJUST, FALSE);
    for (const FrameOutput &valve : kValves)
        CheckDlgButton(dialog, valve.id, BST_UNCHECKED);
    InitGasFlowFields(handle, dialog, optionalGas);
    SetAdjustmentLock(dialog, FALSE, optionalGas, FALSE);
    RunGasValve(handle, dialog, GasValveAr);
    if (optionalGas)
        RunGasValve(handle, dialog, GasValveOp);
    RunGasValve(handle, dialog, GasValveVent);
    SendGasFlowFields(handle, dialog, optionalGas);
    SendCommand(dialog, "PRTC:FLOW:ADJ");
}

void TimerTick(PluginHandle handle, HWND dialog)
{
    if (!Afc(dialog) && DialogOpenState(dialog) != StateMonitor && !IsWindowEnabled(GetDlgItem(dialog, IDC_GAS_ADJUST)))
        FlowAdjustmentStatus(handle, dialog);
    PollInputs(handle, dialog);
}

/* ---- state ---- */

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    BOOL optionalGas = OptionalGas(dialog);
    BOOL afc = Afc(dialog);
    if (afc)
        for (const int *id = kOffsetLimitEdits; *id != 0; ++id)
            ShowWindow(GetDlgItem(dialog, *id), SW_HIDE);

    if (state == StateMonitor) {
        if (!opening) {
            SendCommand(dialog, "TUNE:HSET 1");
            return;
        }
        Enable(dialog, IDC_GAS_SVAG, FALSE);
        Enable(dialog, IDC_GAS_SVOP, FALSE);
        if (afc)
            EnableControls(dialog, kCarrierPressure, FALSE);
        else
            Enable(dialog, IDC_GAS_SVPRV, FALSE);
        EnableControls(dialog, kArgonFlowControls, FALSE);
        EnableControls(dialog, kOptionalFlowControls, FALSE);
        Enable(dialog, IDC_GAS_ADJUST, FALSE);
        CheckDlgButton(dialog, IDC_GAS_SVAG, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_GAS_SVOP, BST_UNCHECKED);
        if (!afc)
            CheckDlgButton(dialog, IDC_GAS_SVPRV, BST_UNCHECKED);
    } else {
        if (opening) {
            Enable(dialog, IDC_GAS_SVAG, TRUE);
            if (afc)
                EnableControls(dialog, kCarrierPressure, FALSE);
            else
                Enable(dialog, IDC_GAS_SVPRV, TRUE);
            EnableControls(dialog, kArgonFlowControls, TRUE);
            Enable(dialog, IDC_GAS_ADJUST, TRUE);
            EnableControls(dialog, kOptionalFlowControls, optionalGas);
            Enable(dialog, IDC_GAS_SVOP, optionalGas);
        }
        CheckDlgButton(dialog, IDC_GAS_SVAG, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_GAS_SVOP, BST_UNCHECKED);
        if (!afc)
            CheckDlgButton(dialog, IDC_GAS_SVPRV, BST_UNCHECKED);
        InitGasFlowFields(handle, dialog, optionalGas);
        SendGasFlowFields(handle, dialog, optionalGas);
        RunGasValve(handle, dialog, GasValveAr);
        if (optionalGas)
            RunGasValve(handle, dialog, GasValveOp);
        if (!afc)
            RunGasValve(handle, dialog, GasValveVent);
        if (!opening)
            return;
    }
    EnableControls(dialog, kOptionalGasDisplays, optionalGas);
    ReadParameters(handle, dialog);
    PollInputs(handle, dialog);

    /* An instrument-side flow adjustment may still be running from before:
       the dialog then starts locked and unlocks when it is over. */
    if (state != StateMonitor && !afc && FlowAdjustmentStatus(handle, dialog) == 1) {
        SetAdjustmentLock(dialog, FALSE, optionalGas, afc);
        Enable(dialog, IDC_GAS_ADJUST, FALSE);
    }
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    /* While the sensor offset adjustment holds Close disabled, Escape does
       not close the dialog either (its pauses let keys through). */
    if (id == IDCANCEL && !IsWindowEnabled(GetDlgItem(dialog, IDC_CLOSE)))
        return TRUE;
    if (code == EN_KILLFOCUS) {
        /* Focus handed to the dialog window itself is EndDialog's doing: a
           dialog being ended from outside its close path commits nothing. */
        if (GetFocus() == dialog)
            return TRUE;
        const GasParameter *p = FindParameter(id);
        if (p == NULL)
            return FALSE; /* an output field: the frame sends it */
        BOOL afc = Afc(dialog);
        if ((p->scope == MfcOnly && afc) || (p->scope == AfcOnly && !afc))
            return TRUE;
        WriteStoredPair(handle, dialog, p->stored);
        return TRUE;
    }
    if (code == EN_SETFOCUS) {
        /* The fields of a Tolerance/Offset Lmt pair select their text. */
        const GasParameter *p = FindParameter(id);
        if (p != NULL && p->stored.second != 0)
            SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        return TRUE;
    }
    if (id == IDC_GAS_ADJUST && code == BN_CLICKED) {
        if (Afc(dialog))
            AdjustGasOffsets(handle, dialog, OptionalGas(dialog));
        else
            StartFlowAdjustment(handle, dialog);
        return TRUE;
    }
    return FALSE;
}

const MaintDialogDesc kGas = {
    IDD_GAS_269, 2000, IDOK, FALSE, FALSE, TRUE,
    kValves, COUNT_OF(kValves),
    kFlowFields, COUNT_OF(kFlowFields),
    ApplyState, TimerTick, ExtraProperties, Command, NULL,
};

} // namespace

void RunGasValve(PluginHandle handle, HWND dialog, GasValve valve)
{
    RunOutput(handle, dialog, kValves[valve]);
}

void InitGasFlowFields(PluginHandle handle, HWND dialog, BOOL optionalGas)
{
    for (size_t i = 0; i < FlowFieldCount(optionalGas); ++i)
        InitParamField(handle, dialog, kFlowFields[i].id, kFlowFields[i].paramId);
}

void SendGasFlowFields(PluginHandle handle, HWND dialog, BOOL optionalGas)
{
    for (size_t i = 0; i < FlowFieldCount(optionalGas); ++i)
        SendParamField(handle, dialog, kFlowFields[i].id, kFlowFields[i].paramId);
}

void SetAdjustmentLock(HWND dialog, BOOL enable, BOOL optionalGas, BOOL afc)
{
    if (afc) {
        if (enable)
            GetSystemMenu(dialog, TRUE);
        else
            DeleteMenu(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
        DrawMenuBar(dialog);
        Enable(dialog, IDC_CLOSE, enable);
    }
    Enable(dialog, IDC_GAS_SVAG, enable);
    Enable(dialog, IDC_GAS_SVOP, enable && optionalGas);
    if (!afc)
        Enable(dialog, IDC_GAS_SVPRV, enable);
    EnableControls(dialog, kArgonFlowEdits, enable);
    Enable(dialog, IDC_GAS_SET_OP, enable && optionalGas);
    EnableControls(dialog, afc ? kSensorOffsetEdits : kMfcOffsetEdits, enable);
}

TORVEX_DLGPROC KtDlg269Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kGas, dialog, message, wParam, lParam);
}
