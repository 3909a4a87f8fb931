// Shared helpers of the host tests. The tests run in the bin folder, where
// testplug.dll, KTCUSTOM.dll and (once built) TORVEX2.dll and TELVOR.dll lie.
#ifndef HOST_SUPPORT_H
#define HOST_SUPPORT_H

#include <windows.h>
#include <psapi.h>

#include <stdio.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cphost/host.h"

inline void useTestPlugin(cphost::Host &host)
{
    host.setPluginPath("testplug.dll");
    host.setSimulatorPath("no-simulator.dll");  // testplug's polls then read empty replies
    host.setActionTimeout(400);
}

inline bool fileExists(const char *path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

inline std::vector<std::string> only(const std::vector<std::string> &lines, std::vector<std::string> prefixes)
{
    std::vector<std::string> out;
    for (const std::string &l : lines)
        for (const std::string &p : prefixes)
            if (l.compare(0, p.size(), p) == 0) {
                out.push_back(l);
                break;
            }
    return out;
}

inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeFile(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Committed private memory (Wine fills only the basic record of the counters).
inline long long privateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long long>(counters.PagefileUsage);
}

/* The cphost program run in-process: its exit status, and its standard error in `err`. */
inline int runProgram(std::vector<std::string> words, std::string *err = nullptr)
{
    words.insert(words.begin(), "cphost");
    std::vector<char *> argv;
    for (std::string &w : words)
        argv.push_back(&w[0]);
    argv.push_back(nullptr);
    FILE *f = tmpfile();
    int status = cphost::cphostMain((int)words.size(), argv.data(), f);
    rewind(f);
    std::string text(4096, '\0');
    text.resize(fread(&text[0], 1, text.size(), f));
    fclose(f);
    if (err)
        *err = text;
    return status;
}

#endif
