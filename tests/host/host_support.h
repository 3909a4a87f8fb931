// Shared helpers of the host tests. The tests run in the bin folder, where
// testplug.dll, KTCUSTOM.dll and (once built) TORVEX2.dll and TELVOR.dll lie.
#ifndef HOST_SUPPORT_H
#define HOST_SUPPORT_H

#include <windows.h>

#include <algorithm>
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

/* Lines of `lines` that start with one of the prefixes, in order. */
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

inline bool contains(const std::vector<std::string> &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

#endif
