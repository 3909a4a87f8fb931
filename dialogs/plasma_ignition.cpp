/*
 * plasma_ignition.cpp -- "Plasma Ignition System Parameters" (template 258),
 * opened by "System Parameters..." of the plasma RF dialog: the ignition
 * recipe the instrument keeps under "SYS:IGNT:" -- flows, capacitor
 * positions, RF power, reflected-power limits and times of each phase (purge,
 * pre-ignition, ramp, at ignition, post), the organic-sample values, the
 * torch position and the capacitor time-outs and tolerances.
 *
 * Read in full at open, validated field by field (mirror cells repeat the
 * field they depend on), written back in full only by Update. The
 * post-ignition carrier, makeup and optional gas come from the instrument's
 * tuning: the recipe carries 0.00 for them.
 */
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "dialog_procs.h"
#include "fields/param_fields.h"
#include "frame.h"
#include "link/reply_field.h"
#include "resources/resource.h"

namespace {

const FrameField kFields[] = {
    {IDC_IGN_PLGS1, 1700},     {IDC_IGN_PLGS2, 1701},    {IDC_IGN_PLGS5, 1702},     {IDC_IGN_AXGS1, 1703},
    {IDC_IGN_AXGS2, 1704},     {IDC_IGN_AXGS5, 1705},    {IDC_IGN_CRGS1, 1706},     {IDC_IGN_CRGS2, 1707},
    {IDC_IGN_CRGSORGN2, 1737}, {IDC_IGN_MUGS1, 1709},    {IDC_IGN_MUGS2, 1710},     {IDC_IGN_OPGS1, 1712},
    {IDC_IGN_OPGS2, 1713},     {IDC_IGN_SRPS1, 1716},    {IDC_IGN_SHPS1, 1719},     {IDC_IGN_SHPS5, 1720},
    {IDC_IGN_PF2, 1723},       {IDC_IGN_PF3, 1730},      {IDC_IGN_PF4, 1724},       {IDC_IGN_PF5, 1732},
    {IDC_IGN_PFORGN5, 1735},   {IDC_IGN_PRLMT2, 1725},   {IDC_IGN_PRLMT5, 1726},    {IDC_IGN_PR2, 1727},
    {IDC_IGN_TIME1, 1715},     {IDC_IGN_TIME2, 1728},    {IDC_IGN_TIME4, 1729},     {IDC_IGN_XPOS4, 1733},
    {IDC_IGN_SRPS_TOUT, 1718}, {IDC_IGN_SRPS_TOL, 1717}, {IDC_IGN_SHPS_TOUT, 1722}, {IDC_IGN_SHPS_TOL, 1721},
};

/* One stored record: its command and its fields in reply order. A record
   with `tunedPost` ends in the post-ignition value the tuning supplies: it is
   not read, and written as 0.00. */
struct RecipeRecord {
    const char *command;
    int fields[4];
    BOOL tunedPost;
};

const RecipeRecord kRecipe[] = {
    {"SYS:IGNT:PLGS", {IDC_IGN_PLGS1, IDC_IGN_PLGS2, IDC_IGN_PLGS5}, FALSE},
    {"SYS:IGNT:AXGS", {IDC_IGN_AXGS1, IDC_IGN_AXGS2, IDC_IGN_AXGS5}, FALSE},
    {"SYS:IGNT:CRGS", {IDC_IGN_CRGS1, IDC_IGN_CRGS2}, TRUE},
    {"SYS:IGNT:CRGSORGN", {IDC_IGN_CRGSORGN2}, FALSE},
    {"SYS:IGNT:MUGS", {IDC_IGN_MUGS1, IDC_IGN_MUGS2}, TRUE},
    {"SYS:IGNT:OPGS", {IDC_IGN_OPGS1, IDC_IGN_OPGS2}, TRUE},
    {"SYS:IGNT:SRPS", {IDC_IGN_SRPS1, IDC_IGN_SRPS_TOL, IDC_IGN_SRPS_TOUT}, FALSE},
    {"SYS:IGNT:SHPS", {IDC_IGN_SHPS1, IDC_IGN_SHPS5, IDC_IGN_SHPS_TOL, IDC_IGN_SHPS_TOUT}, FALSE},
    {"SYS:IGNT:PF", {IDC_IGN_PF2, IDC_IGN_PF4, IDC_IGN_PF5}, FALSE},
    {"SYS:IGNT:PFJMP", {IDC_IGN_PF3}, FALSE},
    {"SYS:IGNT:PFORGN", {IDC_IGN_PFORGN5}, FALSE},
    {"SYS:IGNT:PRLMT", {IDC_IGN_PRLMT2, IDC_IGN_PRLMT5}, FALSE},
    {"SYS:IGNT:PR", {IDC_IGN_PR2, IDC_IGN_TIME2}, FALSE},
    {"SYS:IGNT:PURG", {IDC_IGN_TIME1}, FALSE},
    {"SYS:IGNT:IGWT", {IDC_IGN_TIME4}, FALSE},
    {"SYS:IGNT:XPOS", {IDC_IGN_XPOS4}, FALSE},
};
const char kTunedPost[] = ",0.00";

/* A field and the static cells that repeat it. */
struct Mirror {
    int source;
    int cells[3];
};

const Mirror kMirrors[] = {
    {IDC_IGN_PLGS2, {IDC_IGN_PLGS3_M, IDC_IGN_PLGS4_M}},
    {IDC_IGN_AXGS2, {IDC_IGN_AXGS3_M, IDC_IGN_AXGS4_M}},
    {IDC_IGN_CRGS1, {IDC_IGN_CRGSORGN1_M}},
    {IDC_IGN_CRGS2, {IDC_IGN_CRGS3_M, IDC_IGN_CRGS4_M}},
    {IDC_IGN_CRGSORGN2, {IDC_IGN_CRGSORGN3_M, IDC_IGN_CRGSORGN4_M}},
    {IDC_IGN_MUGS2, {IDC_IGN_MUGS3_M, IDC_IGN_MUGS4_M}},
    {IDC_IGN_OPGS2, {IDC_IGN_OPGS3_M, IDC_IGN_OPGS4_M}},
    {IDC_IGN_SHPS1, {IDC_IGN_SHPS2_M, IDC_IGN_SHPS3_M, IDC_IGN_SHPS4_M}},
    {IDC_IGN_PF2, {IDC_IGN_PFORGN2_M}},
    {IDC_IGN_PF3, {IDC_IGN_PFORGN3_M}},
    {IDC_IGN_PF4, {IDC_IGN_PFORGN4_M}},
    {IDC_IGN_PRLMT2, {IDC_IGN_PRLMT3_M, IDC_IGN_PRLMT4_M}},
};

int ParamFor(int id)
{
    for (const FrameField &field : kFields)
        if (field.id == id)
            return field.paramId;
    return 0;
}

/* Copies the field's text (as validated) into the cells that repeat it. */
void RefreshMirrors(PluginHandle, HWND dialog, int id)
{
    for (const Mirror &mirror : kMirrors) {
        if (mirror.source != id)
            continue;
        char text[20];
        FieldText(dialog, id, text);
        for (int cell : mirror.cells)
            if (cell != 0)
                SetControlText(dialog, cell, text);
    }
}

/* The channel names the host window, the owner of the plasma RF dialog:
   SendCommand and QueryInstrument take the parent of the window they get. */
HWND ChannelOwner(HWND dialog)
{
    return GetParent(dialog);
}

void Load(PluginHandle handle, HWND dialog)
{
    for (const RecipeRecord &record : kRecipe) {
        char query[32];
        snprintf(query, sizeof query, "%s?", record.command);
        const char *reply = QueryInstrument(ChannelOwner(dialog), query);
        for (int n = 0; n < 4 && record.fields[n] != 0; ++n) {
            SetNumberText(handle, dialog, record.fields[n], "%f", ReplyField(n + 1, reply));
            ValidateParamField(handle, dialog, record.fields[n], ParamFor(record.fields[n]));
        }
        for (int n = 0; n < 4 && record.fields[n] != 0; ++n)
            RefreshMirrors(handle, dialog, record.fields[n]);
    }
}

/* Each record as the command, a blank and its values joined by commas. The
   frame has validated every field first; a record is held back only when a
   text is still no plain number (no host window to format it). */
void Update(PluginHandle, HWND dialog)
{
    for (const RecipeRecord &record : kRecipe) {
        char command[64];
        size_t length = (size_t)snprintf(command, sizeof command, "%s ", record.command);
        BOOL numbers = TRUE;
        for (int n = 0; n < 4 && record.fields[n] != 0; ++n) {
            char text[20];
            numbers = FieldNumber(dialog, record.fields[n], text) && numbers;
            if (length < sizeof command)
                length += (size_t)snprintf(command + length, sizeof command - length, "%s%s", n > 0 ? "," : "",
                                           text);
        }
        if (record.tunedPost && length < sizeof command)
            length += (size_t)snprintf(command + length, sizeof command - length, "%s", kTunedPost);
        if (numbers && length < sizeof command)
            SendCommand(ChannelOwner(dialog), command);
    }
}

const SystemParametersDesc kIgnitionParameters = {
    IDD_IGNITION, kFields, COUNT_OF(kFields), Load, Update, RefreshMirrors, NULL,
};

} // namespace

TORVEX_DLGPROC KtDlg258Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SystemParametersProc(kIgnitionParameters, dialog, message, wParam, lParam);
}
