// The table of backup files that romtool is judged on, natively and against
// the simulated instrument: each file, the status `romtool check` answers,
// the lines its messages name and a phrase they must contain; and romtool
// run in this process.
#ifndef TORVEX_ROMTOOL_CASES_H
#define TORVEX_ROMTOOL_CASES_H

#include <stdio.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "romtool/romtool.h"

namespace romcases {

// The simulated instrument's memory when nothing has written it.
inline unsigned PatternByte(unsigned a) { return (0xA5u + 0x1Du * (a & 0xFFu) + 0x3Bu * ((a >> 8) & 0xFFu)) & 0xFFu; }

// One line as a backup writes it: address (printf form), ",16,", the
// instrument's sixteen bytes, then `end`.
inline std::string Line(unsigned address, const char *end = "\r\n", const char *form = "#H%04X")
{
    char text[16];
    snprintf(text, sizeof text, form, address);
    std::string line = std::string(text) + ",16,";
    for (unsigned i = 0; i < 16; ++i) {
        snprintf(text, sizeof text, "%s#H%02X", i ? "," : "", PatternByte(address + i));
        line += text;
    }
    return line + end;
}

inline std::string Backup(unsigned from, unsigned blocks, const char *end = "\r\n")
{
    std::string text;
    for (unsigned i = 0; i < blocks; ++i) text += Line(from + 16 * i, end);
    return text;
}

// status: of romtool check; lines: named on standard error, "1-8" or "4 8"; phrase: in the messages.
struct Case { const char *name; std::string file; int status; const char *lines, *phrase; };

inline std::vector<Case> Table()
{
    const std::string good8 = Backup(0x100, 8);
    std::string offline, binary = good8, fiveDigit, gap, count = good8;
    for (unsigned i = 0; i < 8; ++i) {
        offline += Line(0x100 + 16 * i).substr(0, 10) + "\r\n";
        fiveDigit += i == 3 ? Line(0x130, "\r\n", "#H%05X") : Line(0x100 + 16 * i);
        gap += Line(0x100 + 16 * i + (i >= 4 ? 16 : 0));
    }
    binary[2 * 91 + 40] = '\0';
    binary[2 * 91 + 50] = '\xFF';
    count.replace(91 + 6, 4, ",08,");
    std::string pastFFFF = Backup(0xFFC0, 4);
    for (unsigned a = 0x10000; a < 0x10040; a += 16) pastFFFF += Line(a, "\r\n", "#H%05X");
    return {
        {"good", Backup(0x0000, 512), 0, "", ""},
        {"offline", offline, 1, "1-8", "empty data part"},
        {"past-ffff", pastFFFF, 1, "5-8", "five digits: a read past FFFF"},
        {"lf-only", Backup(0x100, 8, "\n"), 1, "1-8", "LF without CR"},
        {"cr-only", Backup(0x100, 8, "\r"), 1, "1-8", "CR without LF"},
        {"cut", good8.substr(0, good8.size() - 40), 1, "8", "no line end"},
        {"five-digit", fiveDigit, 1, "4 8", "\"#H00130\" is not #H and four"},
        {"binary", binary, 1, "3", "byte 0x00 at column 41 is not printable"},
        {"empty", "", 1, "", "empty file"},
        {"gap", gap, 1, "5", "#H0150 does not follow #H0130"},
        {"count", count, 1, "2", "byte count \",08,\""},
    };
}

// Lines named by messages "FILE:LINE: ..." of `err` about `path`, as "1-3 5".
inline std::string NamedLines(const std::string &err, const std::string &path)
{
    std::set<unsigned long long> lines;
    for (size_t at = 0; (at = err.find(path + ":", at)) != std::string::npos; ++at) {
        unsigned long long n;
        char colon;
        if ((at == 0 || err[at - 1] == '\n') && sscanf(err.c_str() + at + path.size() + 1, "%llu%c", &n, &colon) == 2 &&
            colon == ':')
            lines.insert(n);
    }
    std::string text;
    for (auto it = lines.begin(); it != lines.end();) {
        unsigned long long first = *it, last = first;
        while (++it != lines.end() && *it == last + 1) last = *it;
        text += (text.empty() ? "" : " ") + std::to_string(first) + (last > first ? "-" + std::to_string(last) : "");
    }
    return text;
}

struct Result {
    int status;
    std::string out, err;
};

// romtool in this process, its standard output and error caught.
inline Result Romtool(std::vector<std::string> words)
{
    words.insert(words.begin(), "romtool");
    std::vector<char *> argv;
    for (std::string &w : words) argv.push_back(&w[0]);
    FILE *files[2] = {tmpfile(), tmpfile()};
    Result r{RomtoolMain(static_cast<int>(argv.size()), argv.data(), files[0], files[1]), "", ""};
    for (int i = 0; i < 2; ++i) {
        rewind(files[i]);
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, files[i])) > 0;) (i ? r.err : r.out).append(buffer, n);
        fclose(files[i]);
    }
    return r;
}

inline std::string WriteFile(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace romcases

#endif
