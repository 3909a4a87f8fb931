/*
 * gas_offset.cpp -- the sensor offset adjustment of the gas controller with
 * the automatic flow controller (template 336), and its report dialog
 * "Offset Adjustment" (template 343).
 *
 * Each argon channel measures its flow with a differential-pressure (DP)
 * and a back-pressure (BP) sensor whose zero offsets (volts) the instrument
 * stores. The adjustment closes the main argon valve, vents the lines
 * through the flow controllers, checks that the line pressure has fallen,
 * reads the eight sensors at zero flow and, when the engineer accepts the
 * report, stores the readings as the new offsets.
 */
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "gas.h"
#include "link/reply_field.h"
#include "resources/resource.h"

namespace {

/* The sensors in the order they are measured, stored and reported. Sensor
   i that reads out of range ends the measurement with code i + 2 and
   message IDS_OFFSET_RANGE_PLDP + i. */
struct GasSensor {
    const char *measure;
    const char *storedQuery;
    int field;    /* its offset field in the gas dialog */
    int paramDef; /* prefix "PRTC:FLOW:..V ": the stored-offset command */
};
const GasSensor kSensors[] = {
    {"PRTC:AIN:PLDP?", "PRTC:FLOW:PLDPV?", IDC_GAS_PL_DPV, 1143},
    {"PRTC:AIN:AXDP?", "PRTC:FLOW:AXDPV?", IDC_GAS_AX_DPV, 1144},
    {"PRTC:AIN:CRDP?", "PRTC:FLOW:CRDPV?", IDC_GAS_CR_DPV, 1145},
    {"PRTC:AIN:MUDP?", "PRTC:FLOW:MUDPV?", IDC_GAS_MU_DPV, 1146},
    {"PRTC:AIN:PLBP?", "PRTC:FLOW:PLBPV?", IDC_GAS_PL_BPV, 1147},
    {"PRTC:AIN:AXBP?", "PRTC:FLOW:AXBPV?", IDC_GAS_AX_BPV, 1148},
    {"PRTC:AIN:CRBP?", "PRTC:FLOW:CRBPV?", IDC_GAS_CR_BPV, 1149},
    {"PRTC:AIN:MUBP?", "PRTC:FLOW:MUBPV?", IDC_GAS_MU_BPV, 1150},
};
const int kSensorCount = static_cast<int>(COUNT_OF(kSensors));

/* A sensor offset is good from 0.025 V to 0.373 V, both included. */
const double kOffsetMin = 0.025;
const double kOffsetMax = 0.373;
/* With the main valve closed and the lines vented the argon line must read
   at most this (kPa). */
const double kLineVented = 50.0;
/* Each pause lets the flows just set take effect (KTCUSTOM, 5 x 100 ms). */
const int kSettleTenths = 5;

/* Flows that vent the lines, L/min. */
struct VentFlow {
    const char *command;
    double vent;
};
const VentFlow kVentFlows[] = {
    {"PRTC:AOUT:PLGS", 20.0}, {"PRTC:AOUT:AXGS", 2.0}, {"PRTC:AOUT:CRGS", 2.0}, {"PRTC:AOUT:MUGS", 2.0}};

enum MeasureResult {
    MeasureDeclined = -1,
    MeasureStored = 0,
    MeasureLineNotVented = 1
    /* 2 .. 9: the sensor (code - 2) of kSensors out of range */
};

/* The report dialog's creation record. */
#pragma pack(push, 4)
struct OffsetReport {
    PluginHandle handle;
    double stored[8];
    double measured[8];
};
#pragma pack(pop)

void WriteFlows(HWND dialog, BOOL vent)
{
    for (const VentFlow &flow : kVentFlows) {
        char command[64];
        snprintf(command, sizeof command, "%s %f", flow.command, vent ? flow.vent : 0.0);
        SendCommand(dialog, command);
    }
}

double QueryValue(HWND dialog, const char *query)
{
    return ReplyField(1, QueryInstrument(dialog, query));
}

/* Vents, checks the line, measures the eight sensors and, when the engineer
   accepts the report, stores them. Answers a MeasureResult or a sensor's
   code, with its reading in *bad. */
int MeasureGasOffsets(HWND dialog, PluginHandle handle, double *bad)
{
    SendCommand(dialog, "PRTC:BOUT:SVAG OFF");
    WriteFlows(dialog, TRUE);
    WaitWithMessages(dialog, kSettleTenths);
    WriteFlows(dialog, FALSE);
    WaitWithMessages(dialog, kSettleTenths);

    /* One reading above the limit is taken again at once. */
    if (QueryValue(dialog, "PRTC:AIN:PGAR?") > kLineVented && QueryValue(dialog, "PRTC:AIN:PGAR?") > kLineVented)
        return MeasureLineNotVented;

    OffsetReport report;
    report.handle = handle;
    for (int i = 0; i < kSensorCount; ++i) {
        double v = QueryValue(dialog, kSensors[i].measure);
        if (v > kOffsetMax || v < kOffsetMin) {
            *bad = v;
            return i + 2;
        }
        report.measured[i] = v;
    }
    for (int i = 0; i < kSensorCount; ++i)
        report.stored[i] = QueryValue(dialog, kSensors[i].storedQuery);

    if (DialogBoxParamA(g_module, MAKEINTRESOURCEA(IDD_GAS_OFFSET), dialog, KtDlg343Proc,
                        reinterpret_cast<LPARAM>(&report)) != IDYES)
        return MeasureDeclined;

    for (int i = 0; i < kSensorCount; ++i) {
        SetNumberText(handle, dialog, kSensors[i].field, "%.3f", report.measured[i]);
        ValidateParamField(handle, dialog, kSensors[i].field, kSensors[i].paramDef);
        SendParamField(handle, dialog, kSensors[i].field, kSensors[i].paramDef);
    }
    return MeasureStored;
}

/* The message of a failed measurement, "" for none. The host formats the
   reading ("%.3f" in the message); the text around it is put together here,
   since a host may write no more than 64 characters. */
void FailureText(PluginHandle handle, int code, double bad, char (&text)[256])
{
    text[0] = '\0';
    if (code == MeasureLineNotVented) {
        lstrcpynA(text, LoadResString(IDS_AR_LINE_FAULT), sizeof text);
        return;
    }
    if (code < 2 || code > kSensorCount + 1)
        return;
    char message[256];
    lstrcpynA(message, LoadResString(IDS_OFFSET_RANGE_PLDP + code - 2), sizeof message);
    char *conversion = strstr(message, "%.3f");
    if (conversion == NULL) {
        lstrcpynA(text, message, sizeof text);
        return;
    }
    char number[64];
    HostFormat(handle, number, "%.3f", bad);
    *conversion = '\0';
    snprintf(text, sizeof text, "%s%s%s", message, number, conversion + 4);
}

} // namespace

void AdjustGasOffsets(PluginHandle handle, HWND dialog, BOOL optionalGas)
{
    char question[256];
    lstrcpynA(question, LoadResString(IDS_OFFSET_CONFIRM), sizeof question);
    if (MessageBoxA(dialog, question, "", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    LONG_PTR cursor = SetClassLongPtrA(dialog, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursor(NULL, IDC_WAIT)));
    DeleteMenu(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
    DrawMenuBar(dialog);
    /* The focus waits on Enter while the button is disabled, so that the
       modal boxes hand it back there and not into an edit field, which
       would then commit its value when the dialog closes. */
    HWND button = GetDlgItem(dialog, IDC_GAS_ADJUST);
    BOOL buttonHadFocus = GetFocus() == button;
    if (buttonHadFocus)
        SetFocus(GetDlgItem(dialog, IDOK));
    EnableWindow(button, FALSE);
    CheckDlgButton(dialog, IDC_GAS_SVAG, BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_GAS_SVOP, BST_UNCHECKED);
    InitGasFlowFields(handle, dialog, optionalGas);
    SetAdjustmentLock(dialog, FALSE, optionalGas, TRUE);
    RunGasValve(handle, dialog, GasValveAr);
    if (optionalGas)
        RunGasValve(handle, dialog, GasValveOp);
    SendGasFlowFields(handle, dialog, optionalGas);

    SendCommand(dialog, "MNTE:SVC:SVAG 1");
    double bad = 0.0;
    int code = MeasureGasOffsets(dialog, handle, &bad);
    SendCommand(dialog, "MNTE:SVC:SVAG 0");

    char text[256];
    FailureText(handle, code, bad, text);
    if (text[0] != '\0')
        MessageBoxA(dialog, text, "", MB_OK | MB_ICONINFORMATION);

    SetAdjustmentLock(dialog, TRUE, optionalGas, TRUE);
    GetSystemMenu(dialog, TRUE);
    DrawMenuBar(dialog);
    SetClassLongPtrA(dialog, GCLP_HCURSOR, cursor);
    EnableWindow(button, TRUE);
    if (buttonHadFocus && GetFocus() == GetDlgItem(dialog, IDOK))
        SetFocus(button);
}

/* "Offset Adjustment" report: stored offsets left, measured ones right.
   Only "Yes" (6) or "No" (7) ends it; Escape and the system menu's Close
   are ignored. */
TORVEX_DLGPROC KtDlg343Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const OffsetReport *report = reinterpret_cast<const OffsetReport *>(lParam);
        for (int i = 0; i < kSensorCount; ++i) {
            SetNumberText(report->handle, window, IDC_GASREP_OLD + i, "%.3f", report->stored[i]);
            SetNumberText(report->handle, window, IDC_GASREP_NEW + i, "%.3f", report->measured[i]);
        }
    } else if (message == WM_COMMAND && (LOWORD(wParam) == IDC_GASREP_YES || LOWORD(wParam) == IDC_GASREP_NO)) {
        EndDialog(window, LOWORD(wParam));
    }
    return FALSE;
}
