// Memory backup and restore texts: hostile address and count arguments,
// instrument replies of any bytes, file records of any bytes, and output
// buffers of every small size. Every output is NUL-terminated inside its
// buffer and the stated length is what is there.
#include <math.h>
#include <stdint.h>
#include <string.h>

#include <vector>

#include "fuzz_fail.h"
#include "memory/rom_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    uint32_t address = RomParseAddress(text.data());
    if (address > 0xFFFF)
        FUZZ_FAIL();

    double count = 0;
    if (size >= sizeof count)
        memcpy(&count, data, sizeof count);
    int32_t whole = RomRoundCount(count);
    if (RomCountAccepted(whole) && (whole < kRomMinCount || whole > kRomMaxCount))
        FUZZ_FAIL();
    if (RomBlockCount(whole) < 0 || RomBlockCount(whole) > 0x7FFFFFFF / kRomBlockBytes + 1)
        FUZZ_FAIL();

    uint32_t anyAddress = 0;
    if (size >= 4)
        memcpy(&anyAddress, data + size - 4, 4);
    unsigned char record[kRomRecordBytes];
    for (size_t i = 0; i < kRomRecordBytes; ++i)
        record[i] = size ? data[i % size] : 0;

    char out[kRomLineSize + 1];
    for (size_t outSize : {size_t(1), size_t(7), size_t(12), kRomQuerySize, kRomCommandSize, kRomLineSize}) {
        out[outSize] = '\x7e';
        auto check = [&](size_t length) {  // called right after each writer
            if (length >= outSize || out[length] != '\0' || strlen(out) != length || out[outSize] != '\x7e')
                FUZZ_FAIL();
        };
        check(RomQueryText(anyAddress, out, outSize));
        check(RomFileLine(anyAddress, text.data(), out, outSize));
        check(RomProgressText(anyAddress, whole, static_cast<int32_t>(anyAddress), out, outSize));
        check(RomWriteCommand(record, out, outSize));
        check(RomRecordLabel(record, out, outSize));
    }
    if (RomFileLine(anyAddress, text.data(), out, kRomLineSize) >= kRomLineSize ||
        RomWriteCommand(record, out, kRomCommandSize) > 99 || RomQueryText(anyAddress, out, kRomQuerySize) >= kRomQuerySize)
        FUZZ_FAIL();
    return 0;
}
