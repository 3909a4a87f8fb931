// The table of backup files that romtool is judged on, natively and against
// the simulated instrument: each file, the status `romtool check` answers,
// the lines its messages name and a phrase they must contain.
#ifndef TORVEX_ROMTOOL_CASES_H
#define TORVEX_ROMTOOL_CASES_H

#include <stdio.h>

#include <set>
#include <string>
#include <vector>

namespace romcases {

// The simulated instrument's memory when nothing has written it.
inline unsigned PatternByte(unsigned a)
{
    return (0xA5u + 0x1Du * (a & 0xFFu) + 0x3Bu * ((a >> 8) & 0xFFu)) & 0xFFu;
}

// One line as a backup writes it: address (printf form), ",16,", the
// instrument's sixteen bytes, then `end`.
inline std::string Line(unsigned address, const char *end = "\r\n", const char *form = "#H%04X")
{
    char head[16];
    snprintf(head, sizeof head, form, address);
    std::string line = std::string(head) + ",16,";
    for (unsigned i = 0; i < 16; ++i) {
        char item[8];
        snprintf(item, sizeof item, "%s#H%02X", i ? "," : "", PatternByte(address + i));
        line += item;
    }
    return line + end;
}

inline std::string Backup(unsigned from, unsigned blocks, const char *end = "\r\n")
{
    std::string text;
    for (unsigned i = 0; i < blocks; ++i) text += Line(from + 16 * i, end);
    return text;
}

struct Case {
    const char *name;
    std::string file;
    int status;           // of romtool check
    const char *lines;    // lines named on standard error, "1-8" or "4 8"
    const char *phrase;   // in the messages
};

inline std::vector<Case> Table()
{
    const std::string good8 = Backup(0x100, 8);
    std::string offline, binary = good8, fiveDigit, gap, count = good8;
    for (unsigned i = 0; i < 8; ++i) {
        char line[32];
        snprintf(line, sizeof line, "#H%04X,16,\r\n", 0x100 + 16 * i);
        offline += line;
        fiveDigit += i == 3 ? Line(0x130, "\r\n", "#H%05X") : Line(0x100 + 16 * i);
        gap += Line(0x100 + 16 * i + (i >= 4 ? 16 : 0));
    }
    binary[2 * 91 + 40] = '\0';
    binary[2 * 91 + 50] = '\xFF';
    count.replace(91 + 6, 4, ",08,");
    return {
        {"good", Backup(0x0000, 512), 0, "", ""},
        {"offline", offline, 1, "1-8", "empty data part"},
        {"past-ffff", Backup(0xFFC0, 4) + Line(0x10000, "\r\n", "#H%05X") + Line(0x10010, "\r\n", "#H%05X") +
                          Line(0x10020, "\r\n", "#H%05X") + Line(0x10030, "\r\n", "#H%05X"),
         1, "5-8", "five digits: a read past FFFF"},
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

// "1-3 5" for {1, 2, 3, 5}.
inline std::string Ranges(const std::set<unsigned long long> &lines)
{
    std::string text;
    for (auto it = lines.begin(); it != lines.end();) {
        unsigned long long first = *it, last = first;
        while (++it != lines.end() && *it == last + 1) last = *it;
        text += (text.empty() ? "" : " ") + std::to_string(first) + (last > first ? "-" + std::to_string(last) : "");
    }
    return text;
}

// Lines named by messages "FILE:LINE: ..." of `err` about `path`.
inline std::string NamedLines(const std::string &err, const std::string &path)
{
    std::set<unsigned long long> lines;
    std::string prefix = path + ":";
    for (size_t at = 0; at < err.size();) {
        size_t end = err.find('\n', at);
        if (end == std::string::npos) end = err.size();
        std::string line = err.substr(at, end - at);
        at = end + 1;
        if (line.compare(0, prefix.size(), prefix) != 0) continue;
        unsigned long long n = 0;
        size_t i = prefix.size();
        bool digits = false;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9') n = n * 10 + (line[i++] - '0'), digits = true;
        if (digits && i < line.size() && line[i] == ':') lines.insert(n);
    }
    return Ranges(lines);
}

}  // namespace romcases

#endif
