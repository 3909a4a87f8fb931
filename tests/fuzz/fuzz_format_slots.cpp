// Format texts handed to the host's formatting message: the plug-in's walk
// over the argument slots and the host's own formatter must agree on the
// slots and never read or write past them.
#include <stdint.h>
#include <string.h>

#include <string>

#include "fuzz_fail.h"
#include "cphost/format.h"
#include "plugin/format_slots.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 512)
        return 0;
    // First 64 bytes: slot contents; the rest: the format.
    size_t head = size < 64 ? size : 64;
    std::string format(reinterpret_cast<const char *>(data) + head, size - head);
    enum { kSlots = 20 };
    FormatSlotKind kinds[kSlots];
    size_t count = 0;  // ends as the count of all kSlots
    for (size_t max : {size_t(0), size_t(1), size_t(3), size_t(kSlots)})
        if ((count = FormatSlotKinds(format.c_str(), kinds, max)) > max)
            FUZZ_FAIL();
    uint8_t slots[kSlots][8] = {};
    for (size_t i = 0; i < count; ++i)
        if (kinds[i] != SlotPointer)  // text pointers stay null: "(null)"
            for (size_t b = 0; b < 8; ++b)
                slots[i][b] = head ? data[(i * 8 + b) % head] : 0;
    char out[cphost::kFormatOutputLimit + 8];
    memset(out, 0x7e, sizeof out);
    size_t n = cphost::formatSlots(out, cphost::kFormatOutputLimit, format.c_str(), slots, kSlots);
    if (n >= cphost::kFormatOutputLimit || out[n] != '\0' || out[cphost::kFormatOutputLimit] != 0x7e)
        FUZZ_FAIL();
    return 0;
}
