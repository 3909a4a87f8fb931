/*
 * format_slots.h -- how a printf format maps onto the argument slots of a
 * FormatRecord. Portable: no Windows.
 */
#ifndef TORVEX_FORMAT_SLOTS_H
#define TORVEX_FORMAT_SLOTS_H

#include <stddef.h>

enum FormatSlotKind {
    SlotEmpty,    /* "%%" and "%n": the slot is taken, nothing goes into it */
    SlotDouble,   /* e E f g G: an 8-byte double */
    SlotInt16,    /* d i o u x X with "h" right before the letter */
    SlotInt32,    /* d i o u x X otherwise */
    SlotPointer   /* c s p: a 32-bit value */
};

/* Walks `format`: from each '%' the next character out of "%diuoxXfeEgGcsnp"
   is the conversion, and each conversion takes the next slot. Writes at most
   `maxSlots` kinds into `kinds` and answers how many were written. The walk
   stops when no further '%' or conversion letter is found. */
size_t FormatSlotKinds(const char *format, enum FormatSlotKind *kinds, size_t maxSlots);

#endif
