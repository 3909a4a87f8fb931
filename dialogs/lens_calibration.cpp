/*
 * lens_calibration.cpp -- "Lenses Calibration" (templates 293, 294 and 321,
 * one procedure): the slope and offset the instrument applies to each ion
 * lens voltage and to the detector's two gate voltages, edited pair by pair,
 * and the instrument's own lens calibration, run in Standby.
 *
 * No state gate, no timer: the dialog reads the pairs when it opens and
 * after a calibration. Its "hData" holds the lens flag of the creation
 * record (not the state), "hData2" whether "_Lens2" is set.
 */
#include <windows.h>
#include <stdio.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "lens_calibration.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "plugin/host_number.h"
#include "resources/resource.h"

namespace {

const char kPasskey[] = "srvPasskey";
const char kData[] = "hData";
const char kData2[] = "hData2";

/* A calibration pair: lens n is read with "SYS:ADJ:LENS? n" and written as
   "SYS:ADJ:LENS n,slope,offset"; a gate pair has a command of its own. */
struct CalPair {
    int lens;             /* 0 for a gate pair */
    const char *command;  /* gate pairs: "SYS:ADJ:EMEL" ... */
    int slope, slopeDef;
    int offset, offsetDef;
};

const int kLensSlopeDef = 1740;
const int kLensOffsetDef = 1741;
#define LENS_PAIR(n) {n, NULL, IDC_CAL_LENS##n##_SLOPE, kLensSlopeDef, IDC_CAL_LENS##n##_OFFSET, kLensOffsetDef}

/* Lens 8 has no calibration; lens 10 exists only in the first lens stack. */
const int kLens10 = 10;
const CalPair kPairs[] = {
    LENS_PAIR(1), LENS_PAIR(2), LENS_PAIR(3), LENS_PAIR(4), LENS_PAIR(5), LENS_PAIR(6), LENS_PAIR(7),
    LENS_PAIR(9), LENS_PAIR(10),
    {0, "SYS:ADJ:EMEL", IDC_CAL_GATE_OPEN_SLOPE, 1744, IDC_CAL_GATE_OPEN_OFFSET, 1745},
    {0, "SYS:ADJ:EMGVA", IDC_CAL_GATE_CLOSE_SLOPE, 1742, IDC_CAL_GATE_CLOSE_OFFSET, 1743},
};

/* Controls that a running calibration greys, the lens-4 and lens-10 rows
   only where the stack has them. */
const int kCalibrationControls[] = {
    IDOK, IDC_CLOSE, IDC_CAL_CALIBRATE,
    IDC_CAL_LENS1_SLOPE, IDC_CAL_LENS2_SLOPE, IDC_CAL_LENS3_SLOPE, IDC_CAL_LENS5_SLOPE, IDC_CAL_LENS6_SLOPE,
    IDC_CAL_LENS7_SLOPE, IDC_CAL_LENS9_SLOPE, IDC_CAL_GATE_OPEN_SLOPE, IDC_CAL_GATE_CLOSE_SLOPE,
    IDC_CAL_LENS1_OFFSET, IDC_CAL_LENS2_OFFSET, IDC_CAL_LENS3_OFFSET, IDC_CAL_LENS5_OFFSET, IDC_CAL_LENS6_OFFSET,
    IDC_CAL_LENS7_OFFSET, IDC_CAL_LENS9_OFFSET, IDC_CAL_GATE_OPEN_OFFSET, IDC_CAL_GATE_CLOSE_OFFSET, 0,
};
const int kLens4Controls[] = {IDC_CAL_LENS4_SLOPE, IDC_CAL_LENS4_OFFSET, 0};
const int kLens10Controls[] = {IDC_CAL_LENS10_SLOPE, IDC_CAL_LENS10_OFFSET, 0};

int Property(HWND dialog, const char *name)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(dialog, name)));
}

BOOL Skipped(const CalPair &pair, int lensFlag)
{
    return pair.lens == kLens10 && lensFlag == 1;
}

/* Shows one stored value in its field and normalises it; a template without
   the row has no field and nothing to show. */
void ShowValue(PluginHandle handle, HWND dialog, int id, int def, double value)
{
    if (GetDlgItem(dialog, id) == NULL)
        return;
    SetNumberText(handle, dialog, id, "%E", value);
    ValidateParamField(handle, dialog, id, def);
}

void ShowCalibration(PluginHandle handle, HWND dialog, int lensFlag)
{
    for (const CalPair &pair : kPairs) {
        if (Skipped(pair, lensFlag))
            continue;
        char query[32];
        if (pair.lens != 0)
            snprintf(query, sizeof query, "SYS:ADJ:LENS? %d", pair.lens);
        else
            snprintf(query, sizeof query, "%s?", pair.command);
        const char *reply = QueryInstrument(dialog, query);
        double slope = ReplyField(1, reply);
        double offset = ReplyField(2, reply);
        ShowValue(handle, dialog, pair.slope, pair.slopeDef, slope);
        ShowValue(handle, dialog, pair.offset, pair.offsetDef, offset);
    }
}

/* Validates both fields of the pair and writes the whole pair. Nothing is
   sent unless both texts are plain numbers. */
void SendLensPair(PluginHandle handle, HWND dialog, const CalPair &pair)
{
    ValidateParamField(handle, dialog, pair.slope, pair.slopeDef);
    ValidateParamField(handle, dialog, pair.offset, pair.offsetDef);
    char slope[20], offset[20], command[64];
    if (!FieldNumber(dialog, pair.slope, slope) || !FieldNumber(dialog, pair.offset, offset))
        return;
    if (pair.lens != 0)
        snprintf(command, sizeof command, "SYS:ADJ:LENS %d,%s,%s", pair.lens, slope, offset);
    else
        snprintf(command, sizeof command, "%s %s,%s", pair.command, slope, offset);
    SendCommand(dialog, command);
}

const CalPair *FindPair(int id)
{
    for (const CalPair &pair : kPairs)
        if (pair.slope == id || pair.offset == id)
            return &pair;
    return NULL;
}

void EnableCalibrationControls(HWND dialog, BOOL enable, int lensFlag, int lens2Flag)
{
    EnableControls(dialog, kCalibrationControls, enable);
    if (!(lensFlag == 1 && lens2Flag != 1))
        EnableControls(dialog, kLens4Controls, enable);
    if (lensFlag != 1)
        EnableControls(dialog, kLens10Controls, enable);
}

/* 0 while the instrument still calibrates; once it is done, the new pairs
   are shown, the controls come back and the answer is 1. */
int CalibrationDone(PluginHandle handle, HWND dialog, int lensFlag, int lens2Flag)
{
    const char *reply = QueryInstrument(dialog, "PRTC:LENS:STAT?");
    if (HostNumberToInt(ReplyField(1, reply)) != 0)
        return 0;
    ShowCalibration(handle, dialog, lensFlag);
    EnableCalibrationControls(dialog, TRUE, lensFlag, lens2Flag);
    return 1;
}

/* Starts the instrument's lens calibration (Standby only, after a warning
   about the detector) and waits for its end. The wait blocks the dialog's
   thread: nothing can be clicked while the lens voltages are being swept. */
void RunCalibration(PluginHandle handle, HWND dialog, int lensFlag, int lens2Flag)
{
    if (InstrumentState(handle, dialog) != StateStandby) {
        ResMessageBox(dialog, IDS_CAL_STANDBY_ONLY, IDS_MAINTENANCE, MB_OK | MB_ICONEXCLAMATION);
    } else {
        char text[256], caption[64];
        lstrcpynA(text, LoadResString(IDS_DETECTOR_HV), 128);
        lstrcatA(text, LoadResString(IDS_CAL_TAKES_15S));
        lstrcpynA(caption, LoadResString(IDS_MAINTENANCE), sizeof caption);
        if (MessageBoxA(dialog, text, caption, MB_YESNO | MB_ICONQUESTION) != IDNO) {
            EnableCalibrationControls(dialog, FALSE, lensFlag, lens2Flag);
            SendCommand(dialog, "PRTC:LENS:ADJ");
        }
    }
    while (!CalibrationDone(handle, dialog, lensFlag, lens2Flag))
        Sleep(1);
}

void Close(PluginHandle handle, HWND dialog)
{
    if (InstrumentState(handle, dialog) == StateMonitor)
        SendCommand(dialog, "TUNE:HSET 1");
    SetFocus(GetDlgItem(dialog, IDC_CLOSE));
    RemovePropA(dialog, kPasskey);
    RemovePropA(dialog, kData);
    RemovePropA(dialog, kData2);
    EndDialog(dialog, 1);
}

BOOL InitDialog(HWND dialog, const CalLensRecord *record)
{
    PluginHandle handle = reinterpret_cast<PluginHandle>(record->handle);
    int lensFlag = static_cast<int>(record->lensFlag);
    SetPropA(dialog, kPasskey, handle);
    SetPropA(dialog, kData, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(lensFlag)));
    BOOL lens2 = HostFlagSet(handle, IDS_LENS2_VARIABLE);
    SetPropA(dialog, kData2, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(lens2 ? 1 : 0)));
    BOOL lens3 = HostFlagSet(handle, IDS_LENS3_VARIABLE);
    if (lensFlag == 1 && lens2 && lens3) {
        char text[64];
        lstrcpynA(text, LoadResString(IDS_OMEGA_LENS_CE), sizeof text);
        SetControlText(dialog, IDC_CAL_LENS2_L, text);
        lstrcpynA(text, LoadResString(IDS_OMEGA_BIAS_CE), sizeof text);
        SetControlText(dialog, IDC_CAL_LENS4_L, text);
    }
    ShowCalibration(handle, dialog, lensFlag);
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
}

} // namespace

TORVEX_DLGPROC KtDlg293Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return InitDialog(dialog, reinterpret_cast<const CalLensRecord *>(lParam));
    if (message != WM_COMMAND)
        return FALSE;
    /* Without "srvPasskey" the dialog is closed: a field losing the focus
       while the window is torn down commits nothing. */
    PluginHandle handle = DialogPluginHandle(dialog);
    if (handle == NULL)
        return FALSE;
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    const CalPair *pair = FindPair(id);
    if (pair != NULL && code == EN_KILLFOCUS) {
        SendLensPair(handle, dialog, *pair);
        return TRUE;
    }
    if (pair != NULL && code == EN_SETFOCUS) {
        SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        return TRUE;
    }
    if (pair != NULL)
        return FALSE;
    switch (id) {
    case IDOK:
        SetFocus(GetDlgItem(dialog, IDOK));
        return TRUE;
    case IDC_CLOSE:
    case IDCANCEL:
        Close(handle, dialog);
        return TRUE;
    case IDC_HELPBTN:
        HostShowHelp(handle, 0, 1, Property(dialog, kData) != 1 ? IDD_CALLENS_293 : IDD_CALLENS_294);
        return TRUE;
    case IDC_CAL_CALIBRATE:
        RunCalibration(handle, dialog, Property(dialog, kData), Property(dialog, kData2));
        return TRUE;
    default:
        return FALSE;
    }
}
