/*
 * limit_pair.cpp -- the stored values and limit pairs of the gas, water,
 * chiller, housing and QP panels, read and written the same way.
 */
#include "limit_pair.h"

#include <stdio.h>

#include "fields/param_fields.h"
#include "link/reply_field.h"

namespace {

void ShowValue(PluginHandle handle, HWND dialog, int field, int paramDef, double value)
{
    if (GetDlgItem(dialog, field) == NULL)
        return;
    SetNumberText(handle, dialog, field, "%E", value);
    ValidateParamField(handle, dialog, field, paramDef);
}

}  // namespace

void ShowStoredPair(PluginHandle handle, HWND dialog, const StoredPair &pair)
{
    char query[64];
    snprintf(query, sizeof query, "%s?", pair.command);
    const char *reply = QueryInstrument(dialog, query);
    double first = ReplyField(1, reply), second = ReplyField(2, reply);
    ShowValue(handle, dialog, pair.first, pair.firstDef, first);
    if (pair.second != 0)
        ShowValue(handle, dialog, pair.second, pair.secondDef, second);
}

BOOL WriteStoredPair(PluginHandle handle, HWND dialog, const StoredPair &pair)
{
    ValidateParamField(handle, dialog, pair.first, pair.firstDef);
    if (pair.second != 0)
        ValidateParamField(handle, dialog, pair.second, pair.secondDef);
    char first[20], second[20], line[64];
    if (!FieldNumber(dialog, pair.first, first))
        return FALSE;
    if (pair.second == 0) {
        snprintf(line, sizeof line, "%s %s", pair.command, first);
    } else {
        if (!FieldNumber(dialog, pair.second, second))
            return FALSE;
        snprintf(line, sizeof line, "%s %s,%s", pair.command, first, second);
    }
    SendCommand(dialog, line);
    return TRUE;
}

const StoredPair *FindStoredPair(const StoredPair *pairs, size_t count, int id)
{
    for (size_t i = 0; i < count; ++i)
        if (id == pairs[i].first || (pairs[i].second != 0 && id == pairs[i].second))
            return &pairs[i];
    return NULL;
}
