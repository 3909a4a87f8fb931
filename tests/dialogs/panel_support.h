// What the panel tests read from a run of the in-process host: the
// instrument writes in order, and whole transcript lines.
#ifndef TORVEX_PANEL_SUPPORT_H
#define TORVEX_PANEL_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cphost/host.h"
#include "tests/host/host_support.h"

namespace panels {

using Lines = std::vector<std::string>;

// Sets host variables from "NAME=NUMBER" words separated by blanks; a word
// "file:NAME=NUMBER" is an entry of the installation's option file instead.
inline void Set(cphost::Host &host, const std::string &words)
{
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const size_t eq = word.find('=');
        const double value = std::atof(word.c_str() + eq + 1);
        if (word.rfind("file:", 0) == 0)
            host.setOption(word.substr(5, eq - 5), static_cast<long>(value));
        else
            host.setVariable(word.substr(0, eq), value);
    }
}

// The transcript lines of the last run that start with `prefix`, in order, each
// without its first `cut` characters.
inline Lines Starting(const cphost::Host &host, const std::string &prefix, size_t cut = 0)
{
    Lines out = only(host.transcript(), {prefix});
    for (std::string &line : out)
        line.erase(0, cut);
    return out;
}

// The instrument writes ("> ...") and queries ("? ...") of the last run, in order.
inline Lines Writes(const cphost::Host &host) { return Starting(host, "> ", 2); }
inline Lines Queries(const cphost::Host &host) { return Starting(host, "? ", 2); }

// A transcript line of the last run, exactly.
inline bool Has(const cphost::Host &host, const std::string &wanted)
{
    for (const std::string &line : host.transcript())
        if (line == wanted)
            return true;
    return false;
}

// Transcript lines of commands or queries the instrument does not know.
inline Lines Unknown(const cphost::Host &host) { return Starting(host, "# unknown"); }

// Runs a command with a script: it must end normally, send the instrument
// nothing it does not know, and leave no window property, timer or memory
// block behind.
inline ::testing::AssertionResult Ran(cphost::Host &host, const char *command, const std::string &script)
{
    if (host.run(command, {}, script) != 0)
        return ::testing::AssertionFailure() << command << ": " << host.error();
    for (const std::string &line : Unknown(host))
        return ::testing::AssertionFailure() << command << ": " << line;
    for (const std::string &left : host.leftovers())
        return ::testing::AssertionFailure() << command << " left behind " << left;
    return ::testing::AssertionSuccess();
}

inline Lines Twice(const Lines &once)
{
    Lines both = once;
    both.insert(both.end(), once.begin(), once.end());
    return both;
}

inline Lines Concat(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace panels

#endif
