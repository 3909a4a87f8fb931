/*
 * lenses.cpp -- "Lenses Maintenance" (templates 263, 289 and 320, one per
 * lens-stack generation): the lens voltages, the lens high-voltage and
 * +24 V supplies, the lens readbacks and the lens driver's supply voltages
 * every two seconds.
 *
 * The three templates behave alike; they differ in which lenses they carry
 * and in which order. The same caption can drive different lenses in
 * different stacks ("Einzel 1,3:" is lens 2 in 263 and lens 4 in 289), so
 * each template has its own row table.
 */
#include <windows.h>
#include <stdio.h>

#include "analyser.h"
#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/instrument_state.h"
#include "link/reply_field.h"
#include "resources/resource.h"

namespace {

/* One lens row: its output caption, field and unit, its readback row. */
struct LensRow {
    int lens;
    int paramId;
    int caption, field, unit;
    int inputCaption, readback;
};

struct LensPanel {
    int templateId;
    const LensRow *rows;
    size_t rowCount;
    const FrameOutput *outputs; /* "S24V", "Enable HV" */
    int s24Readback;
    const int *supplies;        /* readbacks of +5V, +12V, +250V, -250V, +550V */
};

#define LENS_ROW(t, r, lens, def) \
    {lens, def, IDC_L##t##_CAP##r, IDC_L##t##_FIELD##r, IDC_L##t##_UNIT##r, IDC_L##t##_INCAP##r, IDC_L##t##_READ##r}

const LensRow kRows263[] = {
    LENS_ROW(263, 0, 1, 1754), LENS_ROW(263, 1, 2, 1755), LENS_ROW(263, 2, 3, 1756),
    LENS_ROW(263, 3, 5, 1758), LENS_ROW(263, 4, 6, 1759), LENS_ROW(263, 5, 7, 1764),
};
const LensRow kRows289[] = {
    LENS_ROW(289, 0, 1, 1754), LENS_ROW(289, 1, 2, 1755), LENS_ROW(289, 2, 4, 1757),
    LENS_ROW(289, 3, 3, 1756), LENS_ROW(289, 4, 5, 1758), LENS_ROW(289, 5, 6, 1759),
    LENS_ROW(289, 6, 7, 1764), LENS_ROW(289, 7, 10, 1785), LENS_ROW(289, 8, 9, 1763),
};
const LensRow kRows320[] = {
    LENS_ROW(320, 0, 1, 1754), LENS_ROW(320, 1, 3, 1756), LENS_ROW(320, 2, 4, 1757),
    LENS_ROW(320, 3, 2, 1755), LENS_ROW(320, 4, 5, 1758), LENS_ROW(320, 5, 6, 1759),
    LENS_ROW(320, 6, 7, 1764),
};

#define LENS_OUTPUTS(t)                                   \
    {                                                     \
        {IDC_L##t##_S24, NULL, NULL, NULL, SendS24Switch}, \
        {IDC_L##t##_HV, NULL, NULL, NULL, SendHvSwitch},  \
    }
const FrameOutput kOutputs263[] = LENS_OUTPUTS(263);
const FrameOutput kOutputs289[] = LENS_OUTPUTS(289);
const FrameOutput kOutputs320[] = LENS_OUTPUTS(320);
enum { OutS24, OutHv };

const int kSupplies263[] = {IDC_L263_HVL5, IDC_L263_HVL12, IDC_L263_MVP, IDC_L263_MVN, IDC_L263_HVP};
const int kSupplies289[] = {IDC_L289_HVL5, IDC_L289_HVL12, IDC_L289_MVP, IDC_L289_MVN, IDC_L289_HVP};
const int kSupplies320[] = {IDC_L320_HVL5, IDC_L320_HVL12, IDC_L320_MVP, IDC_L320_MVN, IDC_L320_HVP};

const LensPanel kPanel263 = {IDD_LENS_263, kRows263, COUNT_OF(kRows263), kOutputs263, IDC_L263_S24_V,
                              kSupplies263};
const LensPanel kPanel289 = {IDD_LENS_289, kRows289, COUNT_OF(kRows289), kOutputs289, IDC_L289_S24_V,
                              kSupplies289};
const LensPanel kPanel320 = {IDD_LENS_320, kRows320, COUNT_OF(kRows320), kOutputs320, IDC_L320_S24_V,
                              kSupplies320};

/* The lens driver's supplies, after the lens readbacks. */
const struct {
    const char *query;
    const char *format;
} kSupplyInputs[] = {
    {"PRTC:AIN:HVL5?", "%.3f"}, {"PRTC:AIN:HVL12?", "%.2f"}, {"PRTC:AIN:MVP?", "%.3f"},
    {"PRTC:AIN:MVN?", "%.3f"},  {"PRTC:AIN:HVP?", "%.3f"},
};

void PollLenses(const LensPanel &panel, PluginHandle handle, HWND dialog)
{
    for (size_t i = 0; i < panel.rowCount; ++i) {
        char query[32];
        snprintf(query, sizeof query, "PRTC:AIN:LENS? %d", panel.rows[i].lens);
        const char *reply = QueryInstrument(dialog, query);
        SetNumberText(handle, dialog, panel.rows[i].readback, "%.1f", ReplyField(1, reply));
    }
    for (size_t i = 0; i < COUNT_OF(kSupplyInputs); ++i) {
        const char *reply = QueryInstrument(dialog, kSupplyInputs[i].query);
        SetNumberText(handle, dialog, panel.supplies[i], kSupplyInputs[i].format, ReplyField(1, reply));
    }
}

void PollInputs(const LensPanel &panel, PluginHandle handle, HWND dialog)
{
    PollLenses(panel, handle, dialog);
    PollS24Voltage(handle, dialog, panel.s24Readback);
}

void EnableLensRows(const LensPanel &panel, HWND dialog, BOOL enable)
{
    for (size_t i = 0; i < panel.rowCount; ++i) {
        EnableWindow(GetDlgItem(dialog, panel.rows[i].caption), enable);
        EnableWindow(GetDlgItem(dialog, panel.rows[i].field), enable);
        EnableWindow(GetDlgItem(dialog, panel.rows[i].unit), enable);
    }
}

/* Every lens back to its default (0.0 V), sent top to bottom. */
void ZeroLenses(const LensPanel &panel, PluginHandle handle, HWND dialog)
{
    for (size_t i = 0; i < panel.rowCount; ++i)
        InitParamField(handle, dialog, panel.rows[i].field, panel.rows[i].paramId);
    for (size_t i = 0; i < panel.rowCount; ++i)
        SendParamField(handle, dialog, panel.rows[i].field, panel.rows[i].paramId);
}

/* The stack with the "ce" omega lens names lens 2 and lens 4 differently. */
void NameOmegaLenses(const LensPanel &panel, PluginHandle handle, HWND dialog)
{
    if (panel.templateId != IDD_LENS_320 || !HostFlagSet(handle, IDS_LENS_VARIABLE) ||
        !HostFlagSet(handle, IDS_LENS2_VARIABLE) || !HostFlagSet(handle, IDS_LENS3_VARIABLE))
        return;
    for (size_t i = 0; i < panel.rowCount; ++i) {
        UINT name = panel.rows[i].lens == 2 ? IDS_OMEGA_LENS_CE : panel.rows[i].lens == 4 ? IDS_OMEGA_BIAS_CE : 0;
        if (name == 0)
            continue;
        char text[64];
        lstrcpynA(text, LoadResString(name), sizeof text);
        SetControlText(dialog, panel.rows[i].caption, text);
        SetControlText(dialog, panel.rows[i].inputCaption, text);
    }
}

/* Standby takes the lens driver from off to on at opening and back at
   closing; state 2 zeroes the lenses with the high voltage kept on and lets
   "TUNE:HSET 1" restore the tune; any other state only watches. */
void ApplyState(const LensPanel &panel, PluginHandle handle, HWND dialog, int state, int opening)
{
    HWND s24 = GetDlgItem(dialog, panel.outputs[OutS24].id);
    HWND hv = GetDlgItem(dialog, panel.outputs[OutHv].id);
    if (state == StateStandby) {
        if (opening) {
            EnableWindow(s24, TRUE);
            EnableWindow(hv, TRUE);
            EnableLensRows(panel, dialog, TRUE);
        }
        CheckDlgButton(dialog, panel.outputs[OutS24].id, opening ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(dialog, panel.outputs[OutHv].id, opening ? BST_CHECKED : BST_UNCHECKED);
        ZeroLenses(panel, handle, dialog);
        RunOutput(handle, dialog, panel.outputs[OutS24]);
        RunOutput(handle, dialog, panel.outputs[OutHv]);
    } else if (state == StateMonitor) {
        if (opening) {
            EnableWindow(s24, FALSE);
            EnableWindow(hv, TRUE);
            EnableLensRows(panel, dialog, TRUE);
        }
        CheckDlgButton(dialog, panel.outputs[OutHv].id, BST_CHECKED);
        ZeroLenses(panel, handle, dialog);
        RunOutput(handle, dialog, panel.outputs[OutHv]);
        if (!opening)
            SendCommand(dialog, "TUNE:HSET 1");
    } else if (opening) {
        EnableWindow(s24, FALSE);
        EnableWindow(hv, FALSE);
        EnableLensRows(panel, dialog, FALSE);
    }
    if (opening) {
        PollLenses(panel, handle, dialog);
        NameOmegaLenses(panel, handle, dialog);
    }
}

/* A lens field that loses the focus sends its voltage. */
BOOL Command(const LensPanel &panel, PluginHandle handle, HWND dialog, int id, int code)
{
    if (code != EN_KILLFOCUS)
        return FALSE;
    for (size_t i = 0; i < panel.rowCount; ++i)
        if (panel.rows[i].field == id) {
            SendParamField(handle, dialog, id, panel.rows[i].paramId);
            return TRUE;
        }
    return FALSE;
}

#define LENS_DIALOG(t)                                                                                  \
    void ApplyState##t(PluginHandle h, HWND d, int state, int opening)                                  \
    {                                                                                                   \
        ApplyState(kPanel##t, h, d, state, opening);                                                    \
    }                                                                                                   \
    void PollInputs##t(PluginHandle h, HWND d) { PollInputs(kPanel##t, h, d); }                          \
    BOOL Command##t(PluginHandle h, HWND d, int id, int code) { return Command(kPanel##t, h, d, id, code); } \
    const MaintDialogDesc kDesc##t = {                                                                  \
        IDD_LENS_##t, 2000, IDOK, TRUE, FALSE, TRUE, kOutputs##t, COUNT_OF(kOutputs##t), NULL, 0,       \
        ApplyState##t, PollInputs##t, NULL, Command##t, NULL,                                           \
    };

LENS_DIALOG(263)
LENS_DIALOG(289)
LENS_DIALOG(320)

} // namespace

TORVEX_DLGPROC KtDlg263Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kDesc263, dialog, message, wParam, lParam);
}

TORVEX_DLGPROC KtDlg289Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kDesc289, dialog, message, wParam, lParam);
}

TORVEX_DLGPROC KtDlg320Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MaintDialogProc(kDesc320, dialog, message, wParam, lParam);
}
