// The backup checker on files of any bytes, fed whole and in pieces of
// sizes drawn from the input: it never reads past its buffers, tells the same problems
// however the file is cut into pieces, counts what it saw, and says a file
// restores exactly only when its 91-byte records are exactly its lines.
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_fail.h"
#include "memory/rom_format.h"

namespace {

struct Told {
    std::string text;
    uint64_t count = 0;
    bool exact = false;
    RomCheckSummary summary;
};

// The checker over `file` in pieces of 1 to 97 bytes (from `seed`), or in one
// piece when `seed` is 0; each piece a heap copy of its exact size, so a read
// past it is caught.
Told Check(const std::vector<unsigned char> &file, uint32_t seed)
{
    Told told;
    RomChecker checker(
        [](const RomProblem &p, void *context) {
            Told &told = *static_cast<Told *>(context);
            if (strnlen(p.text, sizeof p.text) >= sizeof p.text || (p.line == 0 && p.kind != RomProblemKind::EmptyFile))
                FUZZ_FAIL();
            ++told.count;
            told.text += std::to_string(p.line) + ' ' + std::to_string(p.offset) + ' ' + p.text + '\n';
        },
        &told);
    for (size_t at = 0, piece; at < file.size(); at += piece) {
        seed = seed ? seed * 1103515245u + 12345u : 0;
        piece = std::min(seed ? 1 + (seed >> 16) % 97 : file.size(), file.size() - at);
        std::vector<unsigned char> copy(file.begin() + at, file.begin() + at + piece);
        checker.Feed(copy.data(), copy.size());
    }
    checker.Finish();
    told.exact = checker.RestoresExactly();
    told.summary = checker.summary();
    return told;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<unsigned char> file(data, data + size);
    const Told whole = Check(file, 0);
    const Told pieces = Check(file, (static_cast<uint32_t>(size * 2654435761u) ^ (size ? data[size / 2] : 0u)) | 1u);
    const RomCheckSummary &s = whole.summary, &p = pieces.summary;
    if (whole.text != pieces.text || whole.exact != pieces.exact || s.lines != p.lines || s.records != p.records ||
        s.recordsMatching != p.recordsMatching || s.problems != whole.count || s.bytes != file.size() ||
        s.records != file.size() / kRomRecordBytes || s.ignoredBytes != file.size() % kRomRecordBytes ||
        s.recordsMatching > s.records || s.blocks > s.lines || (!whole.exact && whole.count == 0))
        FUZZ_FAIL();  // a file that does not restore exactly has a problem told

    // Restoring exactly: every 91-byte record is one printable backup line
    // ending in CR LF, its address the one before plus 16.
    if (whole.exact && (file.empty() || file.size() % kRomRecordBytes != 0 || s.lines != s.records || s.recordsMatching != s.records))
        FUZZ_FAIL();
    for (size_t r = 0, previous = 0; whole.exact && r < file.size() / kRomRecordBytes; ++r) {
        const unsigned char *rec = file.data() + r * kRomRecordBytes;
        if (rec[89] != '\r' || rec[90] != '\n' || memcmp(rec, "#H", 2) != 0 || memcmp(rec + 6, ",16,", 4) != 0) FUZZ_FAIL();
        for (size_t i = 0; i < 89; ++i)
            if (rec[i] < 0x20 || rec[i] > 0x7E) FUZZ_FAIL();
        uint8_t bytes[kRomBlockBytes];
        if (!RomReadDataBytes(reinterpret_cast<const char *>(rec + 10), kRomDataChars, bytes)) FUZZ_FAIL();
        char address[8] = {};
        memcpy(address, rec, 6);
        const uint32_t a = RomParseAddress(address);
        if (r > 0 && a != previous + kRomBlockBytes) FUZZ_FAIL();
        previous = a;
    }

    char out[40];
    for (size_t outSize : {size_t(1), size_t(4), size_t(5), size_t(39)}) {
        out[outSize] = '\x7e';
        size_t n = RomQuoted(reinterpret_cast<const char *>(file.data()), file.size() < 64 ? file.size() : 64, out, outSize);
        if (n >= outSize || strlen(out) != n || out[outSize] != '\x7e') FUZZ_FAIL();
    }
    return 0;
}
