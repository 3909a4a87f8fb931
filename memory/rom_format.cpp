/*
 * rom_format.cpp -- texts and checks of the memory backup and restore: what
 * ReadRom and WriteRom send and write. Reading and judging a whole memory
 * file (romtool) is rom_check.cpp, on the same record definitions.
 */
#include "memory/rom_format.h"

#include <cmath>
#include <stdio.h>
#include <string.h>

namespace {

/* snprintf that answers the length actually stored (0 without a buffer). */
size_t StoreFormatted(char *out, size_t outSize, int wanted)
{
    if (wanted < 0) {
        out[0] = '\0';
        return 0;
    }
    size_t length = static_cast<size_t>(wanted);
    return length < outSize ? length : outSize - 1;
}

/* Copies at most `limit` bytes of `source` up to its first NUL behind `out`
   starting at `at`, keeping room for the NUL. Answers the new length. */
size_t AppendBounded(char *out, size_t outSize, size_t at, const char *source, size_t limit)
{
    size_t n = 0;
    while (n < limit && source[n] != '\0' && at + 1 < outSize) {
        out[at++] = source[n++];
    }
    out[at] = '\0';
    return at;
}

}  // namespace

uint32_t RomParseAddress(const char *text)
{
    if (text == nullptr) return 0;
    /* The two prefix characters are not looked at, but the text must not end
       inside them: stop at the NUL so nothing past it is read. */
    for (int i = 0; i < 2; ++i) {
        if (text[i] == '\0') return 0;
    }
    uint32_t address = 0;
    for (int i = 2; i < 6; ++i) {
        int digit = RomHexDigit(text[i]);
        if (digit < 0) return 0;
        address = address * 16 + static_cast<uint32_t>(digit);
    }
    return address;
}

int32_t RomRoundCount(double value)
{
    if (std::isnan(value)) return 0;
    /* value - floor(value) is exact for every finite double, so halves are
       found without the error of floor(value + 0.5) (0.49999999999999994). */
    double whole = std::floor(value);
    if (std::isfinite(value) && value - whole >= 0.5) whole += 1.0;
    if (whole > 2147483647.0) return 2147483647;
    if (whole < -2147483647.0) return -2147483647;
    return static_cast<int32_t>(whole);
}

bool RomCountAccepted(int32_t count)
{
    return count >= kRomMinCount && count <= kRomMaxCount;
}

int32_t RomBlockCount(int32_t count)
{
    return count < kRomBlockBytes ? 0 : count / kRomBlockBytes;
}

size_t RomQueryText(uint32_t address, char *out, size_t outSize)
{
    if (out == nullptr || outSize == 0) return 0;
    return StoreFormatted(out, outSize, snprintf(out, outSize, "PEC:EROM? #H%04X,16", address));
}

size_t RomFileLine(uint32_t address, const char *reply, char *out, size_t outSize)
{
    if (out == nullptr || outSize == 0) return 0;
    size_t length = StoreFormatted(out, outSize, snprintf(out, outSize, "#H%04X,16,", address));
    if (reply != nullptr) length = AppendBounded(out, outSize, length, reply, kRomReplyChars);
    return AppendBounded(out, outSize, length, "\r\n", 2);
}

size_t RomProgressText(uint32_t address, int32_t done, int32_t total, char *out, size_t outSize)
{
    if (out == nullptr || outSize == 0) return 0;
    return StoreFormatted(out, outSize,
                          snprintf(out, outSize, "#H%04X %04d/%04d(Bytes)", address, static_cast<int>(done),
                                   static_cast<int>(total)));
}

size_t RomWriteCommand(const unsigned char *record, char *out, size_t outSize)
{
    if (out == nullptr || outSize == 0) return 0;
    size_t length = AppendBounded(out, outSize, 0, "POC:EROM ", 9);
    if (record == nullptr) return length;
    return AppendBounded(out, outSize, length, reinterpret_cast<const char *>(record), kRomRecordSent);
}

size_t RomRecordLabel(const unsigned char *record, char *out, size_t outSize)
{
    if (out == nullptr || outSize == 0) return 0;
    out[0] = '\0';
    if (record == nullptr) return 0;
    return AppendBounded(out, outSize, 0, reinterpret_cast<const char *>(record), 6);
}

int RomHexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
