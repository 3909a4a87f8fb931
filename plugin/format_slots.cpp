#include "format_slots.h"

#include <string.h>

size_t FormatSlotKinds(const char *format, enum FormatSlotKind *kinds, size_t maxSlots)
{
    static const char conversions[] = "%diuoxXfeEgGcsnp";
    size_t count = 0;
    if (format == NULL)
        return 0;
    const char *p = format;
    while (count < maxSlots) {
        const char *percent = strchr(p, '%');
        if (percent == NULL)
            break;
        const char *letter = strpbrk(percent + 1, conversions);
        if (letter == NULL)
            break;
        enum FormatSlotKind kind;
        switch (*letter) {
        case 'e': case 'E': case 'f': case 'g': case 'G':
            kind = SlotDouble;
            break;
        case 'd': case 'i': case 'o': case 'u': case 'x': case 'X':
            kind = letter[-1] == 'h' ? SlotInt16 : SlotInt32;
            break;
        case 'c': case 's': case 'p':
            kind = SlotPointer;
            break;
        default: /* '%' and 'n' */
            kind = SlotEmpty;
            break;
        }
        kinds[count++] = kind;
        p = letter + 1;
    }
    return count;
}
