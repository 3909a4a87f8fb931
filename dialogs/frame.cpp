/*
 * frame.cpp -- the MaintDialog frame: life cycle, message decoding and
 * dispatch for every maintenance dialog, and the System Parameters pattern.
 */
#include <windows.h>
#include <string.h>

#include "fields/numeric.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/channel.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "plugin/host_number.h"
#include "resources/resource.h"

/* KTCUSTOM.dll, imported by ordinal: 20 pauses while messages flow. */
extern "C" __declspec(dllimport) int WINAPI KtCustomPause(HWND window, int count);

namespace {

const char kPasskey[] = "srvPasskey";
const char kData[] = "hData";
const char kData2[] = "hData2";
const char kData3[] = "hData3";
const char kOutOfRange[] = "--------";
const UINT_PTR kPollTimer = 1;

void RemoveFrameProperties(HWND dialog)
{
    RemovePropA(dialog, kPasskey);
    RemovePropA(dialog, kData);
    RemovePropA(dialog, kData2);
    RemovePropA(dialog, kData3);
}

void WriteList(HWND dialog, const char *const *commands)
{
    for (; commands != NULL && *commands != NULL; ++commands)
        SendCommand(dialog, *commands);
}

BOOL IsEditControl(HWND control)
{
    char name[16];
    return control != NULL && GetClassNameA(control, name, sizeof name) > 0 && lstrcmpiA(name, "Edit") == 0;
}

BOOL CloseDialog(const MaintDialogDesc &desc, PluginHandle handle, HWND dialog)
{
    /* An edit field holding the focus commits its value (EN_KILLFOCUS) now,
       before anything of the close runs. */
    SetFocus(GetDlgItem(dialog, IDC_CLOSE));
    int state = desc.closeStateFromOpen ? DialogOpenState(dialog) : InstrumentState(handle, dialog);
    desc.applyState(handle, dialog, state, 0);
    if (desc.timerMs != 0)
        KillTimer(dialog, kPollTimer);
    RemoveFrameProperties(dialog);
    EndDialog(dialog, 1);
    return TRUE;
}

/* A sub-dialog field validated exactly as leaving it validates it: brought
   into its definition's range with the beep, rewritten in its format, then
   the dialog's own step (mirror cells). */
void ValidateSystemField(const SystemParametersDesc &desc, PluginHandle handle, HWND dialog, const FrameField &field)
{
    ValidateParamField(handle, dialog, field.id, field.paramId);
    if (desc.validated != NULL)
        desc.validated(handle, dialog, field.id);
}

} // namespace

PluginHandle DialogPluginHandle(HWND dialog)
{
    return static_cast<PluginHandle>(GetPropA(dialog, kPasskey));
}

int DialogOpenState(HWND dialog)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(dialog, kData)));
}

void SendCommand(HWND dialog, const char *command)
{
    InstrumentWrite(GetParent(dialog), command, ReplyBuffer);
}

const char *QueryInstrument(HWND dialog, const char *query)
{
    InstrumentQuery(GetParent(dialog), query, ReplyBuffer);
    return ReplyBuffer;
}

void EnableControls(HWND dialog, const int *ids, BOOL enable)
{
    for (; *ids != 0; ++ids)
        EnableWindow(GetDlgItem(dialog, *ids), enable);
}

const FrameOutput *FindOutput(const FrameOutput *outputs, size_t count, int id)
{
    for (size_t i = 0; i < count; ++i)
        if (outputs[i].id == id)
            return &outputs[i];
    return NULL;
}

void FieldText(HWND dialog, int id, char (&text)[20])
{
    text[0] = '\0';
    GetDlgItemTextA(dialog, id, text, sizeof text);
}

BOOL FieldNumber(HWND dialog, int id, char (&text)[20])
{
    FieldText(dialog, id, text);
    return IsNumberText(text) ? TRUE : FALSE;
}

void WaitWithMessages(HWND dialog, int tenths)
{
    KtCustomPause(dialog, tenths);
}

void RunOutput(PluginHandle handle, HWND dialog, const FrameOutput &output)
{
    if (output.handler != NULL) {
        output.handler(handle, dialog, output);
        return;
    }
    BOOL ticked = IsDlgButtonChecked(dialog, output.id) == BST_CHECKED;
    if (output.command != NULL) {
        char command[64];
        lstrcpynA(command, output.command, 60);
        lstrcatA(command, ticked ? " ON" : " OFF");
        SendCommand(dialog, command);
        return;
    }
    WriteList(dialog, ticked ? output.on : output.off);
}

void ResetOutput(PluginHandle handle, HWND dialog, const FrameOutput &output)
{
    CheckDlgButton(dialog, output.id, BST_UNCHECKED);
    RunOutput(handle, dialog, output);
}

void SendS24Switch(PluginHandle, HWND dialog, const FrameOutput &output)
{
    SendCommand(dialog, IsDlgButtonChecked(dialog, output.id) == BST_CHECKED ? "PRTC:BOUT:S24ON ON"
                                                                             : "PRTC:BOUT:S24ON OFF");
}

void ShowInput(PluginHandle handle, HWND dialog, const FrameInput &input, double value)
{
    switch (input.kind) {
    case InputAnalog: {
        char text[64];
        ParamDef range;
        if (input.rangeParamId != 0 && LoadParamDef(g_module, input.rangeParamId, &range) &&
            !(value >= range.minimum && value <= range.maximum))
            lstrcpynA(text, kOutOfRange, sizeof text);
        else
            FormatNumberText(handle, text, input.format, value);
        SetControlText(dialog, input.controlId, text);
        break;
    }
    case InputOnOff: {
        char text[16];
        wsprintfA(text, "%u", static_cast<UINT>(HostNumberToInt(value)));
        SetControlText(dialog, input.controlId, text);
        break;
    }
    case InputCheck:
        CheckDlgButton(dialog, input.controlId, HostNumberToInt(value) != 0 ? BST_CHECKED : BST_UNCHECKED);
        break;
    }
}

void PollInputTable(PluginHandle handle, HWND dialog, const FrameInput *inputs, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (i == 0 || strcmp(inputs[i].query, inputs[i - 1].query) != 0)
            QueryInstrument(dialog, inputs[i].query);
        ShowInput(handle, dialog, inputs[i], ReplyField(inputs[i].field, ReplyBuffer));
    }
}

INT_PTR MaintDialogProc(const MaintDialogDesc &desc, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    PluginHandle handle = DialogPluginHandle(dialog);
    switch (message) {
    case WM_INITDIALOG: {
        handle = reinterpret_cast<PluginHandle>(lParam);
        SetPropA(dialog, kPasskey, handle);
        int state = InstrumentState(handle, dialog);
        SetPropA(dialog, kData, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(state)));
        if (state == StateTransition1 || state == StateTransition2) {
            ResMessageBox(dialog, IDS_IN_TRANSITION, IDS_MAINTENANCE, MB_OK | MB_ICONEXCLAMATION);
            RemoveFrameProperties(dialog);
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (desc.extraProperties != NULL)
            desc.extraProperties(handle, dialog);
        desc.applyState(handle, dialog, state, 1);
        if (desc.timerMs != 0)
            SetTimer(dialog, kPollTimer, desc.timerMs, NULL);
        SetFocus(GetDlgItem(dialog, desc.focusId));
        return FALSE;
    }
    case WM_COMMAND: {
        /* Without "srvPasskey" the dialog is refused or already closed: an
           edit field losing the focus while the window is torn down must
           not commit anything. */
        if (handle == NULL)
            return FALSE;
        int id = LOWORD(wParam);
        int code = HIWORD(wParam);
        if (desc.command != NULL && desc.command(handle, dialog, id, code))
            return TRUE;
        if (desc.fieldCount != 0 && code == EN_KILLFOCUS) {
            for (size_t i = 0; i < desc.fieldCount; ++i)
                if (desc.fields[i].id == id)
                    SendParamField(handle, dialog, id, desc.fields[i].paramId);
            return TRUE;
        }
        if (desc.selectAllOnFocus && code == EN_SETFOCUS) {
            HWND control = GetDlgItem(dialog, id);
            if (IsEditControl(control))
                SendMessageA(control, EM_SETSEL, 0, -1);
            return TRUE;
        }
        switch (id) {
        case IDC_CLOSE:
        case IDCANCEL:
            return CloseDialog(desc, handle, dialog);
        case IDOK:
            if (desc.hasEnter)
                SetFocus(GetDlgItem(dialog, IDOK));
            return TRUE;
        case IDC_HELPBTN:
            HostShowHelp(handle, 0, 1,
                         static_cast<uint16_t>(desc.helpNumber != NULL ? desc.helpNumber(handle, dialog) : desc.helpId));
            return TRUE;
        default: {
            const FrameOutput *output = FindOutput(desc.outputs, desc.outputCount, id);
            if (output == NULL)
                return FALSE;
            RunOutput(handle, dialog, *output);
            return TRUE;
        }
        }
    }
    case WM_TIMER:
        if (handle != NULL && desc.pollInputs != NULL)
            desc.pollInputs(handle, dialog);
        return TRUE;
    case WM_DESTROY:
        /* However the dialog goes -- closed, refused, or ended by its owner
           or the host without the close step -- it leaves no timer and no
           property behind, and nothing it receives afterwards is committed. */
        if (desc.timerMs != 0)
            KillTimer(dialog, kPollTimer);
        RemoveFrameProperties(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR SystemParametersProc(const SystemParametersDesc &desc, HWND dialog, UINT message, WPARAM wParam,
                             LPARAM lParam)
{
    PluginHandle handle = DialogPluginHandle(dialog);
    switch (message) {
    case WM_INITDIALOG:
        handle = reinterpret_cast<PluginHandle>(lParam);
        SetPropA(dialog, kPasskey, handle);
        desc.load(handle, dialog);
        SetFocus(GetDlgItem(dialog, IDCANCEL));
        return FALSE;
    case WM_COMMAND: {
        if (handle == NULL)
            return FALSE;
        int id = LOWORD(wParam);
        int code = HIWORD(wParam);
        if (code == EN_KILLFOCUS) {
            for (size_t i = 0; i < desc.fieldCount; ++i)
                if (desc.fields[i].id == id)
                    ValidateSystemField(desc, handle, dialog, desc.fields[i]);
            return TRUE;
        }
        switch (id) {
        case IDC_UPDATE:
            /* Update stays the default button: Return stores the sheet, as
               an engineer expects. But Return (like an accelerator) presses
               it while the field being edited keeps the focus, never left and
               never validated. So Update validates every field it reads
               itself, before the first command is built: what is written
               does not depend on how Update was pressed. */
            for (size_t i = 0; i < desc.fieldCount; ++i)
                if (desc.reads == NULL || desc.reads(handle, dialog, desc.fields[i].id))
                    ValidateSystemField(desc, handle, dialog, desc.fields[i]);
            desc.update(handle, dialog);
            RemovePropA(dialog, kPasskey);
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            SetFocus(GetDlgItem(dialog, IDCANCEL));
            RemovePropA(dialog, kPasskey);
            EndDialog(dialog, 0);
            return TRUE;
        case IDC_HELPBTN:
            HostShowHelp(handle, 0, 1, static_cast<uint16_t>(desc.helpId));
            return TRUE;
        default:
            return FALSE;
        }
    }
    case WM_DESTROY:
        RemovePropA(dialog, kPasskey);
        return FALSE;
    default:
        return FALSE;
    }
}

void OpenSystemParameters(HWND owner, int templateId, DLGPROC procedure)
{
    DialogBoxParamA(g_module, MAKEINTRESOURCEA(templateId), owner, procedure,
                    reinterpret_cast<LPARAM>(DialogPluginHandle(owner)));
}
