/*
 * xyz.cpp -- "XYZ Stage Maintenance" (template 272): the motorised stage
 * that puts the torch against the sampling interface. X is the sampling
 * depth, Y the horizontal and Z the vertical torch position.
 *
 * The target fields command the stage only while it knows where it stands
 * ("On Track:" non-zero); "Initialize" homes it. Opening always commands a
 * position (where the stage stands, or the defaults) so the stage and the
 * panel agree. The stored origins are written field by field as they are
 * left; there is no Update step.
 */
#include <windows.h>
#include <stdio.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "resources/resource.h"

namespace {

const int kTargetXDef = 1100;
const int kTargetYDef = 1101;
const int kTargetZDef = 1102;

const FrameField kTargets[] = {
    {IDC_XYZ_X, kTargetXDef},
    {IDC_XYZ_Y, kTargetYDef},
    {IDC_XYZ_Z, kTargetZDef},
};

/* A stored origin: read and written one axis at a time. */
struct Origin {
    int field;
    int paramId;
    const char *query;
    const char *command;
};
const Origin kOrigins[] = {
    {IDC_XYZ_XORG, 1569, "SYS:ADJ:XPOS?", "SYS:ADJ:XPOS"},
    {IDC_XYZ_YORG, 1570, "SYS:ADJ:YPOS?", "SYS:ADJ:YPOS"},
    {IDC_XYZ_ZORG, 1571, "SYS:ADJ:ZPOS?", "SYS:ADJ:ZPOS"},
};

const FrameInput kInputs[] = {
    {"PRTC:BIN:XLMTL?", 1, IDC_XYZ_XLMTL, InputOnOff, NULL, 0},
    {"PRTC:BIN:XLMTH?", 1, IDC_XYZ_XLMTH, InputOnOff, NULL, 0},
    {"PRTC:BIN:YLMTL?", 1, IDC_XYZ_YLMTL, InputOnOff, NULL, 0},
    {"PRTC:BIN:YLMTH?", 1, IDC_XYZ_YLMTH, InputOnOff, NULL, 0},
    {"PRTC:BIN:ZLMTL?", 1, IDC_XYZ_ZLMTL, InputOnOff, NULL, 0},
    {"PRTC:BIN:XINIERR?", 1, IDC_XYZ_XINIERR, InputOnOff, NULL, 0},
    {"PRTC:BIN:YINIERR?", 1, IDC_XYZ_YINIERR, InputOnOff, NULL, 0},
    {"PRTC:BIN:ZINIERR?", 1, IDC_XYZ_ZINIERR, InputOnOff, NULL, 0},
    {"PRTC:BIN:XYZERR?", 1, IDC_XYZ_XYZERR, InputOnOff, NULL, 0},
    {"PRTC:BIN:TRCLST?", 1, IDC_XYZ_TRCLST, InputOnOff, NULL, 0},
    {"PRTC:BIN:XYZMNT?", 1, IDC_XYZ_XYZMNT, InputOnOff, NULL, 0},
    /* One status query: busy, error, then the three positions. */
    {"PRTC:XYZ:STAT?", 3, IDC_XYZ_POSX, InputAnalog, "%.4f", 0},
    {"PRTC:XYZ:STAT?", 4, IDC_XYZ_POSY, InputAnalog, "%.4f", 0},
    {"PRTC:XYZ:STAT?", 5, IDC_XYZ_POSZ, InputAnalog, "%.5f", 0},
};

/* The "Outputs" group: labels, target fields, units and "Initialize". */
const int kOutputGroup[] = {IDC_XYZ_X_L, IDC_XYZ_X, IDC_XYZ_X_U, IDC_XYZ_Y_L, IDC_XYZ_Y, IDC_XYZ_Y_U,
                            IDC_XYZ_Z_L, IDC_XYZ_Z, IDC_XYZ_Z_U, IDC_XYZ_INIT, 0};
const int kTargetFields[] = {IDC_XYZ_X, IDC_XYZ_Y, IDC_XYZ_Z, 0};

/* Where the stage stands, shown in "Inputs", for each target field. */
const int kPositionOf[] = {IDC_XYZ_POSX, IDC_XYZ_POSY, IDC_XYZ_POSZ};

/* The stage knows its position: "On Track:" as shown, read back unsigned. */
BOOL OnTrack(HWND dialog)
{
    return GetDlgItemInt(dialog, IDC_XYZ_TRCLST, NULL, FALSE) != 0;
}

void PollInputs(PluginHandle handle, HWND dialog)
{
    PollInputTable(handle, dialog, kInputs, COUNT_OF(kInputs));
}

/* The timer's poll: the target fields follow "On Track:" (never in the
   monitoring state, where they stay disabled). */
void PollAndFollowTrack(PluginHandle handle, HWND dialog)
{
    PollInputs(handle, dialog);
    if (DialogOpenState(dialog) != StateMonitor)
        EnableControls(dialog, kTargetFields, OnTrack(dialog));
}

void ShowOrigins(PluginHandle handle, HWND dialog)
{
    for (const Origin &origin : kOrigins) {
        const char *reply = QueryInstrument(dialog, origin.query);
        SetNumberText(handle, dialog, origin.field, "%E", ReplyField(1, reply));
        ValidateParamField(handle, dialog, origin.field, origin.paramId);
    }
}

/* Puts the position to command at open into the target fields: where the
   stage stands when it knows it, else the defaults (X at 0 in Standby). */
void SetOpeningTargets(PluginHandle handle, HWND dialog, int state)
{
    if (OnTrack(dialog)) {
        for (size_t i = 0; i < COUNT_OF(kTargets); ++i) {
            char position[30];
            position[0] = '\0';
            GetDlgItemTextA(dialog, kPositionOf[i], position, sizeof position);
            SetControlText(dialog, kTargets[i].id, position);
        }
        return;
    }
    for (const FrameField &target : kTargets)
        InitParamField(handle, dialog, target.id, target.paramId);
    if (state == StateStandby)
        SetControlText(dialog, IDC_XYZ_X, "0.0000");
}

void ApplyState(PluginHandle handle, HWND dialog, int state, int opening)
{
    if (opening) {
        ShowOrigins(handle, dialog);
        PollInputs(handle, dialog);
    }
    if (state == StateMonitor) {
        if (opening)
            EnableControls(dialog, kOutputGroup, FALSE);
        else
            SendCommand(dialog, "TUNE:HSET 1");
        return;
    }
    if (!opening)
        return;
    EnableControls(dialog, kOutputGroup, TRUE);
    SetOpeningTargets(handle, dialog, state);
    for (const FrameField &target : kTargets)
        SendParamField(handle, dialog, target.id, target.paramId);
}

/* Leaving an origin field stores that origin at once. */
void WriteOrigin(PluginHandle handle, HWND dialog, const Origin &origin)
{
    ValidateParamField(handle, dialog, origin.field, origin.paramId);
    char text[20], command[64];
    if (!FieldNumber(dialog, origin.field, text))
        return;
    snprintf(command, sizeof command, "%s %s", origin.command, text);
    SendCommand(dialog, command);
}

BOOL Command(PluginHandle handle, HWND dialog, int id, int code)
{
    if (code == EN_KILLFOCUS) {
        for (const Origin &origin : kOrigins)
            if (id == origin.field) {
                WriteOrigin(handle, dialog, origin);
                return TRUE;
            }
        return FALSE; /* the target fields are the frame's */
    }
    if (id == IDC_XYZ_INIT) {
        SendCommand(dialog, "PRTC:XYZ:INI");
        return TRUE;
    }
    return FALSE;
}

const MaintDialogDesc kStage = {
    IDD_XYZ, 2000, IDOK, FALSE, FALSE, TRUE,
    NULL, 0,
    kTargets, COUNT_OF(kTargets),
    ApplyState, PollAndFollowTrack, NULL, Command, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg272Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    INT_PTR result = MaintDialogProc(kStage, dialog, message, wParam, lParam);
    /* Once the panel is up (not refused), a stage that does not know its
       position is pointed out; the box has no caption of its own. */
    if (message == WM_INITDIALOG && DialogPluginHandle(dialog) != NULL && DialogOpenState(dialog) != StateMonitor &&
        !OnTrack(dialog))
        ResMessageBox(dialog, IDS_TORCH_NOT_INIT, 0, MB_OK | MB_ICONEXCLAMATION);
    return result;
}
