/*
 * romtool.cpp -- check, diff and show for memory backup files.
 *
 * Every file is read through the memory-file code the plug-in uses
 * (memory/rom_format.h): the same lines, blocks and 91-byte records. Files
 * are read in pieces, so a check holds one record and one line at a time
 * whatever the file's size.
 */
#include "romtool/romtool.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "memory/rom_format.h"

namespace {

const char kUsage[] =
    "usage: romtool check [--all] FILE\n"
    "       romtool diff FILE_A FILE_B\n"
    "       romtool show FILE [ADDRESS]\n"
    "       romtool --help\n";

const char kHelp[] =
    "\n"
    "Checks, compares and shows instrument memory backups: the files that ReadRom\n"
    "writes (one 91-byte line per 16-byte block: #Haaaa,16,<sixteen #Hxx>, CR LF)\n"
    "and WriteRom sends back in records of exactly 91 bytes.\n"
    "\n"
    "  check FILE     reads FILE as lines and as WriteRom's 91-byte records and\n"
    "                 reports each problem on standard error (FILE:LINE: offset,\n"
    "                 record, what is wrong), then a summary on standard output.\n"
    "                 Status 0 when WriteRom sends exactly the backed-up blocks,\n"
    "                 1 when it would not. The first 20 problems are listed;\n"
    "                 --all lists every one.\n"
    "  diff A B       compares two backups block by block (by address): blocks\n"
    "                 only in A, only in B, and blocks whose data differ, naming\n"
    "                 the bytes. Status 0 when they hold the same blocks, 1 when not.\n"
    "  show FILE [ADDRESS]\n"
    "                 prints the blocks (or the one holding ADDRESS, e.g. #H00A0)\n"
    "                 as an address / hexadecimal / ASCII table. Status 1 when a\n"
    "                 line cannot be shown as sixteen bytes or no block holds ADDRESS.\n"
    "\n"
    "Status 2: a usage error or a file that cannot be read.\n";

constexpr unsigned long long kListedProblems = 20;

/* Reads a file in pieces; false (and a message) when it cannot be read. */
bool ReadFileInPieces(const char *path, FILE *err, const std::function<void(const unsigned char *, size_t)> &piece)
{
    FILE *f = fopen(path, "rb");
    if (f == nullptr) {
        fprintf(err, "romtool: %s: cannot open: %s\n", path, strerror(errno));
        return false;
    }
    static unsigned char buffer[64 * 1024];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) piece(buffer, n);
    bool failed = ferror(f) != 0;
    int error = errno;
    fclose(f);
    if (failed) {
        fprintf(err, "romtool: %s: cannot read: %s\n", path, strerror(error));
        return false;
    }
    return true;
}

/* "FILE:LINE: " or "FILE: " for the file as a whole. */
void Where(FILE *to, const char *path, unsigned long long line)
{
    if (line > 0)
        fprintf(to, "%s:%llu: ", path, line);
    else
        fprintf(to, "%s: ", path);
}

// ---- check ----

struct CheckRun {
    const char *path;
    FILE *err;
    bool all;
    unsigned long long listed = 0;
};

void PrintProblem(const RomProblem &p, void *context)
{
    CheckRun &run = *static_cast<CheckRun *>(context);
    if (!run.all && run.listed >= kListedProblems) return;
    ++run.listed;
    Where(run.err, run.path, p.line);
    if (p.kind == RomProblemKind::EmptyFile)
        fprintf(run.err, "%s\n", p.text);
    else
        fprintf(run.err, "offset %llu, record %llu: %s\n", static_cast<unsigned long long>(p.offset),
                static_cast<unsigned long long>(p.record), p.text);
}

int Check(const char *path, bool all, FILE *out, FILE *err)
{
    CheckRun run{path, err, all};
    RomChecker checker(&PrintProblem, &run);
    if (!ReadFileInPieces(path, err, [&](const unsigned char *d, size_t n) { checker.Feed(d, n); })) return 2;
    checker.Finish();
    const RomCheckSummary &s = checker.summary();
    if (s.problems > run.listed)
        fprintf(err, "%s: %llu more problems not listed (--all lists every one)\n", path,
                static_cast<unsigned long long>(s.problems - run.listed));

    fprintf(out, "%s: %llu line%s, %llu bytes; %llu record%s", path, static_cast<unsigned long long>(s.lines),
            s.lines == 1 ? "" : "s", static_cast<unsigned long long>(s.bytes),
            static_cast<unsigned long long>(s.records), s.records == 1 ? "" : "s");
    if (s.records > 0 && s.recordsMatching == s.records)
        fprintf(out, ", each one whole line");
    else if (s.records > 0)
        fprintf(out, ", %llu of them one whole line", static_cast<unsigned long long>(s.recordsMatching));
    if (s.ignoredBytes > 0)
        fprintf(out, ", %llu byte%s never sent", static_cast<unsigned long long>(s.ignoredBytes),
                s.ignoredBytes == 1 ? "" : "s");
    if (s.haveAddress)
        fprintf(out, "; blocks #H%04X to #H%04X", static_cast<unsigned>(s.lowestAddress),
                static_cast<unsigned>(s.highestAddress));
    if (checker.RestoresExactly()) {
        fprintf(out, "; no problems: WriteRom sends exactly the backed-up blocks\n");
        return 0;
    }
    fprintf(out, "; %llu problem%s: WriteRom would not send the backed-up blocks as they are\n",
            static_cast<unsigned long long>(s.problems), s.problems == 1 ? "" : "s");
    return 1;
}

// ---- reading every line of a file as a block ----

struct Entry {
    unsigned long long line = 0;
    RomBlock block;
    bool whole = true;   /* the line fits the head, so its text is all there */
    std::string header;  /* address and count as written, with their commas */
    std::string data;    /* the data part as written */
    std::string start;   /* the line's first characters, for a line that is no block */
};

bool ReadEntries(const char *path, FILE *err, std::vector<Entry> *entries)
{
    struct Collect {
        std::vector<Entry> *entries;
    } collect{entries};
    RomLineReader reader(
        [](const RomLine &line, void *context) {
            Entry e;
            e.line = line.number;
            RomReadBlock(line, &e.block);
            e.whole = line.contentLength <= kRomLineHead;
            size_t head = line.headLength();
            if (e.block.hasCount) {
                e.header.assign(line.head, e.block.dataOffset);
                e.data.assign(line.head + e.block.dataOffset, head - e.block.dataOffset);
            } else {
                e.start.assign(line.head, head < 24 ? head : 24);
            }
            static_cast<Collect *>(context)->entries->push_back(std::move(e));
        },
        &collect);
    if (!ReadFileInPieces(path, err, [&](const unsigned char *d, size_t n) { reader.Feed(d, n); })) return false;
    reader.Finish();
    return true;
}

std::string Quoted(const std::string &text, size_t limit = 100)
{
    std::vector<char> out(limit + 1);
    RomQuoted(text.data(), text.size(), out.data(), out.size());
    return "\"" + std::string(out.data()) + "\"";
}

// ---- diff ----

int Diff(const char *pathA, const char *pathB, FILE *out, FILE *err)
{
    std::vector<Entry> a, b;
    if (!ReadEntries(pathA, err, &a) || !ReadEntries(pathB, err, &b)) return 2;

    unsigned long long onlyA = 0, onlyB = 0, differ = 0, notBlocks = 0, again = 0, alike = 0;
    std::map<uint32_t, const Entry *> byA, byB;
    auto index = [&](const char *path, const std::vector<Entry> &entries, std::map<uint32_t, const Entry *> &by) {
        for (const Entry &e : entries) {
            if (!e.block.hasCount) {
                fprintf(out, "%s:%llu: not a block line (%s), not compared\n", path, e.line, Quoted(e.start).c_str());
                ++notBlocks;
                continue;
            }
            auto placed = by.emplace(e.block.address, &e);
            if (!placed.second) {
                fprintf(out, "%s:%llu: block #H%04X again (first at line %llu), not compared\n", path, e.line,
                        static_cast<unsigned>(e.block.address), placed.first->second->line);
                ++again;
            }
        }
    };
    index(pathA, a, byA);
    index(pathB, b, byB);

    auto ia = byA.begin(), ib = byB.begin();
    while (ia != byA.end() || ib != byB.end()) {
        if (ib == byB.end() || (ia != byA.end() && ia->first < ib->first)) {
            fprintf(out, "only in %s: #H%04X (line %llu)\n", pathA, static_cast<unsigned>(ia->first), ia->second->line);
            ++onlyA, ++ia;
            continue;
        }
        if (ia == byA.end() || ib->first < ia->first) {
            fprintf(out, "only in %s: #H%04X (line %llu)\n", pathB, static_cast<unsigned>(ib->first), ib->second->line);
            ++onlyB, ++ib;
            continue;
        }
        const Entry &x = *ia->second, &y = *ib->second;
        const unsigned address = ia->first;
        ++ia, ++ib;
        if (x.whole && y.whole && x.header == y.header && x.data == y.data) {
            ++alike;
            continue;
        }
        ++differ;
        fprintf(out, "#H%04X: %s:%llu and %s:%llu ", address, pathA, x.line, pathB, y.line);
        if (x.block.dataBytes && y.block.dataBytes) {
            std::string bytes;
            int count = 0;
            for (int i = 0; i < kRomBlockBytes; ++i) {
                if (x.block.bytes[i] == y.block.bytes[i]) continue;
                char item[16];
                snprintf(item, sizeof item, "%s+%X %02X/%02X", count ? ", " : "", i, x.block.bytes[i], y.block.bytes[i]);
                bytes += item;
                ++count;
            }
            if (count > 0)
                fprintf(out, "differ in %d byte%s: %s\n", count, count == 1 ? "" : "s", bytes.c_str());
            else
                fprintf(out, "hold the same bytes, written differently: %s and %s\n", Quoted(x.header).c_str(),
                        Quoted(y.header).c_str());
        } else if (!x.whole || !y.whole) {
            fprintf(out, "cannot be compared: a line longer than %u bytes\n", static_cast<unsigned>(kRomLineHead));
        } else {
            fprintf(out, "differ: %s and %s\n", Quoted(x.header + x.data).c_str(), Quoted(y.header + y.data).c_str());
        }
    }

    if (onlyA + onlyB + differ + notBlocks + again == 0) {
        fprintf(out, "%s and %s hold the same %llu block%s\n", pathA, pathB, alike, alike == 1 ? "" : "s");
        return 0;
    }
    fprintf(out, "%s and %s differ: %llu block%s only in the first, %llu only in the second, %llu differing, %llu alike",
            pathA, pathB, onlyA, onlyA == 1 ? "" : "s", onlyB, differ, alike);
    if (notBlocks + again > 0)
        fprintf(out, "; %llu line%s not compared", notBlocks + again, notBlocks + again == 1 ? "" : "s");
    fprintf(out, "\n");
    return 1;
}

// ---- show ----

/* "#H00A0", "#h00a0", "0x00A0" or "00A0": up to eight hexadecimal digits. */
bool ParseShownAddress(const char *text, uint32_t *address)
{
    if ((text[0] == '#' && (text[1] == 'H' || text[1] == 'h')) || (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')))
        text += 2;
    size_t n = strlen(text);
    if (n == 0 || n > 8 || strspn(text, "0123456789abcdefABCDEF") != n) return false;
    *address = static_cast<uint32_t>(strtoul(text, nullptr, 16));
    return true;
}

int Show(const char *path, const char *addressText, FILE *out, FILE *err)
{
    uint32_t wanted = 0;
    if (addressText && !ParseShownAddress(addressText, &wanted)) {
        fprintf(err, "romtool: show: %s is not an address (#H00A0, 00A0)\n%s", addressText, kUsage);
        return 2;
    }
    std::vector<Entry> entries;
    if (!ReadEntries(path, err, &entries)) return 2;

    int status = 0;
    bool shownAny = false;
    fprintf(out, "address   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F  ASCII\n");
    for (const Entry &e : entries) {
        if (!e.block.hasCount) {
            if (!addressText) {
                Where(err, path, e.line);
                fprintf(err, "not a block line: %s\n", Quoted(e.start).c_str());
                status = 1;
            }
            continue;
        }
        const uint32_t a = e.block.address;
        if (addressText && !(wanted >= a && wanted - a < static_cast<uint32_t>(kRomBlockBytes))) continue;
        shownAny = true;
        char label[16];
        snprintf(label, sizeof label, "#H%04X", static_cast<unsigned>(a));
        fprintf(out, "%-9s", label);
        if (e.block.dataBytes) {
            char ascii[kRomBlockBytes + 1];
            for (int i = 0; i < kRomBlockBytes; ++i) {
                uint8_t v = e.block.bytes[i];
                fprintf(out, " %02X", v);
                ascii[i] = v >= 0x20 && v <= 0x7E ? static_cast<char>(v) : '.';
            }
            ascii[kRomBlockBytes] = '\0';
            fprintf(out, "  %s\n", ascii);
            continue;
        }
        fprintf(out, " %s\n", e.block.dataLength == 0 ? "(no data: read without a reply)" : "(data not in sixteen bytes)");
        Where(err, path, e.line);
        fprintf(err, "block #H%04X: data %s does not read as sixteen bytes #Hxx,#Hxx,...\n", static_cast<unsigned>(a),
                Quoted(e.data, 60).c_str());
        status = 1;
    }
    if (addressText && !shownAny) {
        fprintf(err, "%s: no block holds #H%04X\n", path, static_cast<unsigned>(wanted));
        status = 1;
    }
    return status;
}

int Usage(FILE *err, const char *problem)
{
    fprintf(err, "romtool: %s\n%s", problem, kUsage);
    return 2;
}

}  // namespace

int RomtoolMain(int argc, char **argv, FILE *out, FILE *err)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) return Usage(err, "no command given");
    for (const std::string &w : words) {
        if (w == "--help" || w == "-h") {
            fprintf(out, "%s%s", kUsage, kHelp);
            return 0;
        }
    }
    const std::string command = words[0];
    std::vector<const char *> args;
    bool all = false, options = true;
    for (size_t i = 1; i < words.size(); ++i) {
        if (options && words[i] == "--")
            options = false;
        else if (options && words[i] == "--all" && command == "check")
            all = true;
        else if (options && words[i].size() > 1 && words[i][0] == '-')
            return Usage(err, ("unknown option " + words[i]).c_str());
        else
            args.push_back(argv[i + 1]);
    }
    if (command == "check") {
        if (args.size() != 1) return Usage(err, "check takes one file");
        return Check(args[0], all, out, err);
    }
    if (command == "diff") {
        if (args.size() != 2) return Usage(err, "diff takes two files");
        return Diff(args[0], args[1], out, err);
    }
    if (command == "show") {
        if (args.empty() || args.size() > 2) return Usage(err, "show takes a file and an optional address");
        return Show(args[0], args.size() == 2 ? args[1] : nullptr, out, err);
    }
    return Usage(err, ("unknown command " + command).c_str());
}
