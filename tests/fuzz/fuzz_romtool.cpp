// The backup checker on files of any bytes, fed whole and in pieces of
// sizes drawn from the input: it never reads past its buffers, tells the same problems
// however the file is cut into pieces, counts what it saw, and says a file
// restores exactly only when its 91-byte records are exactly its lines.
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "fuzz_fail.h"
#include "memory/rom_format.h"

namespace {

struct Told {
    std::string text;
    uint64_t count = 0;
};

void Collect(const RomProblem &p, void *context)
{
    Told &told = *static_cast<Told *>(context);
    if (strnlen(p.text, sizeof p.text) >= sizeof p.text || (p.line == 0 && p.kind != RomProblemKind::EmptyFile))
        FUZZ_FAIL();
    ++told.count;
    told.text += std::to_string(p.line) + ' ' + std::to_string(p.offset) + ' ' + p.text + '\n';
}

// Runs the checker over `file` in pieces of 1 to 97 bytes (from `seed`), or
// in one piece when `seed` is 0.
RomCheckSummary Check(const std::vector<unsigned char> &file, uint32_t seed, Told *told, bool *exact)
{
    RomChecker checker(&Collect, told);
    size_t at = 0;
    while (at < file.size()) {
        size_t piece = file.size();
        if (seed) {
            seed = seed * 1103515245u + 12345u;
            piece = 1 + (seed >> 16) % 97;
        }
        if (piece > file.size() - at) piece = file.size() - at;
        // Each piece is a heap copy of its exact size: a read past it is caught.
        std::vector<unsigned char> copy(file.begin() + at, file.begin() + at + piece);
        checker.Feed(copy.data(), copy.size());
        at += piece;
    }
    checker.Finish();
    *exact = checker.RestoresExactly();
    return checker.summary();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<unsigned char> file(data, data + size);
    const uint32_t seed = static_cast<uint32_t>(size * 2654435761u) ^ (size ? data[size / 2] : 0u) | 1u;

    Told whole, pieces;
    bool exactWhole = false, exactPieces = false;
    RomCheckSummary s = Check(file, 0, &whole, &exactWhole);
    RomCheckSummary p = Check(file, seed, &pieces, &exactPieces);
    if (whole.text != pieces.text || exactWhole != exactPieces || s.lines != p.lines || s.records != p.records ||
        s.recordsMatching != p.recordsMatching)
        FUZZ_FAIL();
    if (s.problems != whole.count || s.bytes != file.size() || s.records != file.size() / kRomRecordBytes ||
        s.ignoredBytes != file.size() % kRomRecordBytes || s.recordsMatching > s.records || s.blocks > s.lines)
        FUZZ_FAIL();

    if (exactWhole) {
        // Every 91-byte record is one line: it ends in its CR LF and holds
        // no other CR or LF, and it is a backup line with the address after
        // the one before.
        if (file.empty() || file.size() % kRomRecordBytes != 0 || s.lines != s.records || s.recordsMatching != s.records)
            FUZZ_FAIL();
        uint32_t previous = 0;
        for (size_t r = 0; r < file.size() / kRomRecordBytes; ++r) {
            const unsigned char *rec = file.data() + r * kRomRecordBytes;
            if (rec[89] != '\r' || rec[90] != '\n' || memcmp(rec, "#H", 2) != 0 || memcmp(rec + 6, ",16,", 4) != 0)
                FUZZ_FAIL();
            for (size_t i = 0; i < 89; ++i)
                if (rec[i] < 0x20 || rec[i] > 0x7E) FUZZ_FAIL();
            uint8_t bytes[kRomBlockBytes];
            if (!RomReadDataBytes(reinterpret_cast<const char *>(rec + 10), kRomDataChars, bytes)) FUZZ_FAIL();
            char address[8] = {};
            memcpy(address, rec, 6);
            uint32_t a = RomParseAddress(address);
            if (r > 0 && a != previous + kRomBlockBytes) FUZZ_FAIL();
            previous = a;
        }
    } else if (whole.count == 0) {
        FUZZ_FAIL();  // a file that does not restore exactly has a problem told
    }

    // Quoting stays inside its buffer for every small size.
    char out[40];
    for (size_t outSize : {size_t(1), size_t(4), size_t(5), size_t(39)}) {
        out[outSize] = '\x7e';
        size_t n = RomQuoted(reinterpret_cast<const char *>(file.data()), file.size() < 64 ? file.size() : 64, out, outSize);
        if (n >= outSize || strlen(out) != n || out[outSize] != '\x7e') FUZZ_FAIL();
    }
    return 0;
}
