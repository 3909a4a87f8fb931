/*
 * limit_pair.h -- a stored parameter the instrument keeps under one
 * command: one value, or a pair such as an error and a warning limit. It is
 * read with one query (reply fields 1 and 2) into its edit fields, and
 * written whole, "COMMAND first,second", whichever of its fields was left.
 */
#ifndef TORVEX_LIMIT_PAIR_H
#define TORVEX_LIMIT_PAIR_H

#include <windows.h>

#include <stddef.h>

#include "frame.h"

struct StoredPair {
    const char *command;   /* "SYS:TMP1": read with "SYS:TMP1?", written with a blank and the values */
    int first, firstDef;   /* field and parameter definition of reply field 1 */
    int second, secondDef; /* of reply field 2; 0: a single value */
};

/* Queries the parameter and shows its values in its fields through their
   definitions. A field the template does not have drops its value. */
void ShowStoredPair(PluginHandle handle, HWND dialog, const StoredPair &pair);
/* Validates the parameter's fields and writes "COMMAND first[,second]".
   FALSE, and nothing written, unless every value is a plain number. */
BOOL WriteStoredPair(PluginHandle handle, HWND dialog, const StoredPair &pair);
/* The entry with `id` as one of its fields, or NULL. */
const StoredPair *FindStoredPair(const StoredPair *pairs, size_t count, int id);

#endif
