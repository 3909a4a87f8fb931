#include "cphost/format.h"

#include <stdio.h>
#include <string.h>

#include <string>

namespace cphost {

namespace {

const char kConversions[] = "%diuoxXfeEgGcsnp";

template <typename T>
T slotAs(const uint8_t *slot)
{
    T value;
    memcpy(&value, slot, sizeof value);
    return value;
}

/* Appends `text` to out, keeping room for the NUL. */
void append(char *out, size_t outSize, size_t &used, const char *text, size_t length)
{
    if (used + 1 >= outSize)
        return;
    size_t room = outSize - 1 - used;
    if (length > room)
        length = room;
    memcpy(out + used, text, length);
    used += length;
    out[used] = '\0';
}

/* Renders one conversion `piece` ("%-8.3f", "%hd", ...) with its slot. */
std::string renderOne(std::string piece, char conversion, const uint8_t *slot)
{
    // Length modifiers are decided here from the slot layout, not by the text:
    // strip them and add back what the C library needs.
    bool isShort = piece.size() >= 3 && piece[piece.size() - 2] == 'h';
    // Only flags, a width and a precision (three digits at most each) reach
    // the C library; anything else in the piece (a '*', which the plug-in
    // takes no slot for, a wide conversion such as 'S', a '$' argument
    // number) would make it read what the slot does not hold: such a piece
    // is printed as it stands.
    std::string clean = "%";
    size_t digits = 0;
    for (size_t i = 1; i + 1 < piece.size(); ++i) {
        char c = piece[i];
        if (c == 'h' || c == 'l' || c == 'L' || c == 'q' || c == 'j' || c == 'z' || c == 't' || c == 'I')
            continue;
        bool digit = c >= '0' && c <= '9';
        digits = digit ? digits + 1 : 0;
        if ((!digit && !strchr("-+ #.", c)) || digits > 3)
            return piece;
        clean += c;
    }
    char buffer[512];
    buffer[0] = '\0';
    switch (conversion) {
    case 'e': case 'E': case 'f': case 'g': case 'G':
        clean += conversion;
        snprintf(buffer, sizeof buffer, clean.c_str(), slotAs<double>(slot));
        break;
    case 'd': case 'i':
        clean += conversion;
        if (isShort)
            snprintf(buffer, sizeof buffer, clean.c_str(), (int)slotAs<int16_t>(slot));
        else
            snprintf(buffer, sizeof buffer, clean.c_str(), (int)slotAs<int32_t>(slot));
        break;
    case 'o': case 'u': case 'x': case 'X':
        clean += conversion;
        if (isShort)
            snprintf(buffer, sizeof buffer, clean.c_str(), (unsigned)slotAs<uint16_t>(slot));
        else
            snprintf(buffer, sizeof buffer, clean.c_str(), (unsigned)slotAs<uint32_t>(slot));
        break;
    case 'c':
        clean += 'c';
        snprintf(buffer, sizeof buffer, clean.c_str(), (int)(unsigned char)slotAs<uint32_t>(slot));
        break;
    case 's': {
        uintptr_t address = slotAs<uintptr_t>(slot);
        const char *text = address ? reinterpret_cast<const char *>(address) : "(null)";
        clean += 's';
        snprintf(buffer, sizeof buffer, clean.c_str(), text);
        break;
    }
    case 'p': {
        // Pointers are 32-bit slots; print them as 8 upper-case hex digits, as
        // the 32-bit C library does.
        clean += 'X';
        if (clean == "%X")
            clean = "%08X";
        snprintf(buffer, sizeof buffer, clean.c_str(), (unsigned)slotAs<uint32_t>(slot));
        break;
    }
    default:
        break;
    }
    return buffer;
}

}  // namespace

size_t formatSlots(char *out, size_t outSize, const char *format, const uint8_t (*slots)[8], size_t slotCount)
{
    if (!out || outSize == 0)
        return 0;
    out[0] = '\0';
    if (!format)
        return 0;
    size_t used = 0;
    size_t slot = 0;
    const char *p = format;
    while (*p) {
        const char *percent = strchr(p, '%');
        if (!percent || slot >= slotCount) {
            append(out, outSize, used, p, strlen(p));
            break;
        }
        append(out, outSize, used, p, (size_t)(percent - p));
        const char *end = percent + 1;
        while (*end && !strchr(kConversions, *end))
            ++end;
        if (!*end) {  // no conversion letter: the rest is plain text
            append(out, outSize, used, percent, strlen(percent));
            break;
        }
        std::string piece(percent, (size_t)(end - percent + 1));
        const uint8_t *value = slots[slot++];
        if (*end == '%') {
            append(out, outSize, used, "%", 1);
        } else if (*end != 'n') {
            std::string text = renderOne(piece, *end, value);
            append(out, outSize, used, text.data(), text.size());
        }
        p = end + 1;
    }
    return used;
}

}  // namespace cphost
