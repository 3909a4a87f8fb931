/*
 * command_procs.cpp -- the twelve maintenance commands and CalLens: each
 * gets the host window, picks its dialog template for the installation,
 * runs the dialog modally and hands the result to the host in "_BUTTON".
 */
#include <windows.h>

#include "commands.h"
#include "dialogs/dialog_procs.h"
#include "dialogs/lens_calibration.h"
#include "host_services.h"
#include "link/instrument_state.h"
#include "resources/resource.h"

namespace {

struct DialogChoice {
    UINT templateId;
    DLGPROC procedure;
};

PluginHandle AsHandle(HostWord handle)
{
    return reinterpret_cast<PluginHandle>(handle);
}

BOOL OptionSet(PluginHandle handle, UINT nameId)
{
    /* LoadResString's buffer is reused: copy the option name first. */
    char name[64];
    lstrcpynA(name, LoadResString(nameId), sizeof name);
    return (OptionValue(handle, name) & 0xFFFF) != 0;
}

/* Runs one maintenance dialog; the shared body of every maintenance command. */
uint16_t RunDialogCommand(HostWord rawHandle, DialogChoice (*choose)(PluginHandle), LPARAM (*parameter)(PluginHandle, void *),
                          void *scratch)
{
    PluginHandle handle = AsHandle(rawHandle);
    HWND owner = NULL;
    if (HostCall(handle, HOSTSVC_GET_WINDOW, HOST_WINDOW_SELECTOR, reinterpret_cast<HostWord>(&owner)) != 0)
        return 1;
    DialogChoice choice = choose(handle);
    LPARAM init = parameter != NULL ? parameter(handle, scratch) : reinterpret_cast<LPARAM>(handle);
    INT_PTR result = DialogBoxParamA(g_module, MAKEINTRESOURCEA(choice.templateId), owner, choice.procedure, init);
    double value = static_cast<double>(result);
    HostSetVariableById(handle, IDS_BUTTON_VARIABLE, &value);
    return 0;
}

template <UINT Template, DLGPROC Procedure>
DialogChoice Always(PluginHandle)
{
    return DialogChoice{Template, Procedure};
}

DialogChoice ChooseLens(PluginHandle handle)
{
    if (!HostFlagSet(handle, IDS_LENS_VARIABLE))
        return {IDD_LENS_289, KtDlg289Proc};
    if (HostFlagSet(handle, IDS_LENS2_VARIABLE))
        return {IDD_LENS_320, KtDlg320Proc};
    return {IDD_LENS_263, KtDlg263Proc};
}

DialogChoice ChooseRF(PluginHandle handle)
{
    return {static_cast<UINT>(OptionSet(handle, IDS_OPT_NEW_RF) ? IDD_RF_314 : IDD_RF_226), KtDlg226Proc};
}

DialogChoice ChooseGas(PluginHandle handle)
{
    return {static_cast<UINT>(OptionSet(handle, IDS_AFC_VARIABLE) ? IDD_GAS_336 : IDD_GAS_269), KtDlg269Proc};
}

DialogChoice ChooseCalLens(PluginHandle handle)
{
    if (!HostFlagSet(handle, IDS_LENS_VARIABLE))
        return {IDD_CALLENS_293, KtDlg293Proc};
    return {static_cast<UINT>(HostFlagSet(handle, IDS_LENS2_VARIABLE) ? IDD_CALLENS_321 : IDD_CALLENS_294), KtDlg293Proc};
}

LPARAM CalLensParameter(PluginHandle handle, void *scratch)
{
    CalLensRecord *record = static_cast<CalLensRecord *>(scratch);
    record->handle = reinterpret_cast<HostWord>(handle);
    record->lensFlag = HostFlagSet(handle, IDS_LENS_VARIABLE) ? 1 : 0;
    return reinterpret_cast<LPARAM>(record);
}

} // namespace

/* A maintenance command whose dialog is the same in every installation. */
#define FIXED_DIALOG_COMMAND(name, templateId, procedure)                                  \
    TORVEX_COMMAND name(HostWord, HostWord handle)                                         \
    {                                                                                     \
        return RunDialogCommand(handle, Always<templateId, procedure>, NULL, NULL);       \
    }

TORVEX_COMMAND MaintLensProc(HostWord, HostWord handle) { return RunDialogCommand(handle, ChooseLens, NULL, NULL); }
TORVEX_COMMAND MaintRFProc(HostWord, HostWord handle) { return RunDialogCommand(handle, ChooseRF, NULL, NULL); }
TORVEX_COMMAND MaintGasProc(HostWord, HostWord handle) { return RunDialogCommand(handle, ChooseGas, NULL, NULL); }
FIXED_DIALOG_COMMAND(MaintVacuumProc, IDD_VACUUM, KtDlg225Proc)
FIXED_DIALOG_COMMAND(MaintQPProc, IDD_QP, KtDlg261Proc)
FIXED_DIALOG_COMMAND(MaintDetectorProc, IDD_DETECTOR, KtDlg267Proc)
FIXED_DIALOG_COMMAND(MaintOctPoleProc, IDD_OCTOPOLE, KtDlg266Proc)
FIXED_DIALOG_COMMAND(MaintWaterProc, IDD_WATER, KtDlg268Proc)
FIXED_DIALOG_COMMAND(MaintSCProc, IDD_CHILLER, KtDlg270Proc)
FIXED_DIALOG_COMMAND(MaintPeriPumpProc, IDD_PERIPUMP, KtDlg271Proc)
FIXED_DIALOG_COMMAND(MaintXYZProc, IDD_XYZ, KtDlg272Proc)
FIXED_DIALOG_COMMAND(MaintHousingProc, IDD_HOUSING, KtDlg274Proc)
TORVEX_COMMAND CalLensProc(HostWord, HostWord handle)
{
    CalLensRecord record = {0, 0};
    return RunDialogCommand(handle, ChooseCalLens, CalLensParameter, &record);
}
