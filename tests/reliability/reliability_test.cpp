// Every panel row under the instrument's faults, refused in both transition
// states, and opened and closed many times in one process (short forms here;
// TORVEX_RELIABILITY=full and TORVEX_SOAK_CYCLES for the long ones). The same
// judgement for every panel: no crash or hang, nothing left behind by a
// dialog, nothing malformed written, a failed read shown as 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <set>

#include "../dialogs/panel_support.h"
#include "panel_rows.h"

namespace {

using namespace panels;
using reliability::kPanelRows;
using reliability::PanelRow;

std::string Name(const PanelRow &row) { return std::string(row.command) + " [" + row.variables + "]"; }

// A write the instrument may receive: a command seen in the healthy run, or
// one of its headers with values that are each a plain number, ON, OFF or a
// "#H" hexadecimal code. An empty or non-numeric value is malformed.
bool WellFormed(const std::string &write, const std::set<std::string> &headers)
{
    static const std::regex value(" *([-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?|ON|OFF|#H[0-9A-Fa-f]+) *");
    size_t blank = write.find(' ');
    if (blank == std::string::npos || headers.count(write.substr(0, blank)) == 0)
        return blank == std::string::npos && headers.count(write) != 0;
    std::string rest = write.substr(blank + 1) + ",";
    for (size_t start = 0, comma; (comma = rest.find(',', start)) != std::string::npos; start = comma + 1)
        if (!std::regex_match(rest.substr(start, comma - start), value))
            return false;
    return true;
}

// What a run under a fault must equal: a reply cut or without its line feed
// reads as the healthy one; a failed, empty or non-numeric reply reads as 0.
enum Expect { Healthy, ReadsZero, Anything };
const struct Fault {
    const char *name, *rule;
    Expect expect;
} kFaults[] = {
    {"failing queries", "fail * on=query", ReadsZero},
    {"failing writes", "fail * on=write status=7", Anything},
    {"every third exchange failing", "fail * every=3", Anything},
    {"empty replies", "empty *", ReadsZero},
    {"replies without line feed", "nolf *", Healthy},
    {"replies of 256 characters", "long * length=256", Healthy},
    {"replies of 400, length as sent", "long * length=400 report=full", Healthy},
    {"replies ERR", "nan *", ReadsZero},
    {"replies nan", "nan * text=nan", Anything},
    {"replies -inf", "nan * text=-inf", Anything},
    {"replies 1e999", "nan * text=1e999", Anything},
    {"replies -1e999", "nan * text=-1e999", Anything},
    {"replies 0x7FFFFFFF", "nan * text=0x7FFFFFFF", Anything},
    {"replies of separators", "nan * text=;;;,,,", ReadsZero},
    {"slow exchanges", "slow * ms=3", Healthy},
};
const size_t kRows = sizeof kPanelRows / sizeof kPanelRows[0], kKinds = sizeof kFaults / sizeof kFaults[0];

struct Outcome {
    Lines writes, shows, stray;  // stray: what a dialog left behind, commands the instrument does not know
};

// One run of a row under a fault rule (none when empty), from a scenario file.
Outcome RunRow(const PanelRow &row, const std::string &rule)
{
    cphost::Host host;
    Set(host, row.variables);
    std::string scenario = "reliability-" + std::to_string(GetCurrentProcessId()) + ".ini";
    if (!rule.empty()) {
        std::ofstream(scenario) << "[faults]\nf = " << rule << "\n";
        host.setScenario(scenario);
    }
    if (host.run(row.command, {}, row.script) != 0)
        ADD_FAILURE() << Name(row) << " with " << rule << ": " << host.error();
    DeleteFileA(scenario.c_str());
    return {Writes(host), only(host.transcript(), {"show ", "box "}),
            only(host.transcript(), {"# left ", "# unknown "})};
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId()) {
        ++*reinterpret_cast<long *>(count);
        EnumChildWindows(window, CountWindow, count);
    }
    return TRUE;
}

// The windows this process owns: what the USER object count would show
// where GetGuiResources is not implemented (Wine).
long WindowCount()
{
    long count = 0;
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

// A row runs under every fault with TORVEX_RELIABILITY=full; otherwise the
// kinds are dealt out to the rows in turn (a row left without one takes one).
TEST(Reliability, EveryPanelUnderEveryFault)
{
    const char *form = std::getenv("TORVEX_RELIABILITY");
    const bool full = form && std::strcmp(form, "full") == 0;
    for (size_t i = 0; i < kRows; ++i) {
        const PanelRow &row = kPanelRows[i];
        Outcome healthy = RunRow(row, ""), zero = RunRow(row, "nan * text=0");
        std::set<std::string> headers;
        for (const std::string &w : Concat({healthy.writes, zero.writes}))
            headers.insert(w.substr(0, w.find(' ')));
        EXPECT_EQ(healthy.stray, Lines{}) << Name(row);
        EXPECT_FALSE(healthy.shows.empty()) << Name(row) << ": the script shows no display";
        for (size_t k = 0; k < kKinds; ++k) {
            if (!full && k % kRows != i && !(i >= kKinds && k == i % kKinds))
                continue;
            const Fault &fault = kFaults[k];
            std::string what = Name(row) + " with " + fault.name;
            Outcome o = RunRow(row, fault.rule);
            EXPECT_EQ(o.stray, Lines{}) << what;
            for (const std::string &w : o.writes)
                EXPECT_TRUE(WellFormed(w, headers)) << what << ": wrote \"" << w << "\"";
            const Outcome &like = fault.expect == Healthy ? healthy : zero;
            if (fault.expect != Anything) {
                EXPECT_EQ(o.writes, like.writes) << what;
                EXPECT_EQ(o.shows, like.shows) << what;
            }
        }
    }
}

// Refused in a transition state (told by the instrument or by the host's
// "fakestatus"), a panel asks the state, shows message 250 and does nothing
// else at all: not while opening, not while the refused window is torn down.
// The lens calibration has no state gate.
TEST(Reliability, EveryPanelRefusedInTransitionSendsNothing)
{
    const std::string kRefused = "box \"Maintenance\" \"Maintenance cannot be run in transition between Standby mode "
                                 "and Analysis mode.\" -> OK";
    std::set<std::string> done = {"CalLens"};
    for (const PanelRow &row : kPanelRows) {
        if (!done.insert(row.command).second)
            continue;
        for (const char *reply : {"5", "6", "5.0;1", "6\n\n", "fakestatus 5", "fakestatus 6", "fakestatus 4.95"}) {
            cphost::Host host;
            bool fake = std::strncmp(reply, "fakestatus ", 11) == 0;
            if (fake)
                host.setVariable("fakestatus", std::atof(reply + 11));
            else
                host.addReply("trns:stat?", reply);
            ASSERT_EQ(host.run(row.command, {}, "answer OK"), 0) << row.command << ": " << host.error();
            Lines seen = only(host.transcript(), {">", "?", "# left", "dialog"});
            for (std::string &line : seen)
                if (line.rfind("dialog", 0) == 0)
                    line = "dialog";
            EXPECT_EQ(seen, fake ? Lines{"dialog"} : (Lines{"dialog", "? trns:stat?"}))
                << row.command << " answered " << reply;
            EXPECT_EQ(std::count(host.transcript().begin(), host.transcript().end(), kRefused), 1) << row.command;
        }
    }
}

// Opening and closing every panel many times in one process (the first
// row of each command, the plug-in loaded and unloaded each time) leaves no
// windows, GDI objects or private memory behind.
TEST(Reliability, SoakEveryPanel)
{
    const char *env = std::getenv("TORVEX_SOAK_CYCLES");
    const int cycles = env ? std::atoi(env) : 10;
    std::vector<PanelRow> rows;
    std::set<std::string> commands;
    for (const PanelRow &row : kPanelRows)
        if (commands.insert(row.command).second)
            rows.push_back(row);
    cphost::Host host;
    auto runAll = [&host, &rows](int n) {
        for (int i = 0; i < n; ++i)
            for (const PanelRow &row : rows) {
                Set(host, row.variables);
                ASSERT_EQ(host.run(row.command, {}, row.script), 0) << Name(row) << ": " << host.error();
                ASSERT_TRUE(only(host.transcript(), {"# left "}).empty() && host.leftovers().empty()) << Name(row);
            }
    };
    runAll(5);  // warm-up: first loads, heaps grown to their working size
    HANDLE self = GetCurrentProcess();
    SetLastError(0);
    DWORD user0 = GetGuiResources(self, GR_USEROBJECTS), gdi0 = GetGuiResources(self, GR_GDIOBJECTS);
    bool counted = GetLastError() != ERROR_CALL_NOT_IMPLEMENTED && user0 != 0;
    long windows0 = WindowCount();
    long long private0 = privateBytes();
    DWORD start = GetTickCount();
    for (int done = 0; done < cycles && !HasFatalFailure(); done += 100) {
        runAll(std::min(cycles - done, 100));
        std::printf("soak: %d cycles, %.0f s, windows %ld, private bytes %lld KiB\n", std::min(done + 100, cycles),
                    (GetTickCount() - start) / 1000.0, WindowCount(), privateBytes() / 1024);
        std::fflush(stdout);
    }
    DWORD user1 = GetGuiResources(self, GR_USEROBJECTS), gdi1 = GetGuiResources(self, GR_GDIOBJECTS);
    long windows1 = WindowCount();
    long long private1 = privateBytes();
    std::printf("soak: %d cycles of %zu panels in %.1f s; USER objects %lu -> %lu, GDI objects %lu -> %lu%s; "
                "windows %ld -> %ld; private bytes %lld -> %lld KiB\n",
                cycles, rows.size(), (GetTickCount() - start) / 1000.0, user0, user1, gdi0, gdi1,
                counted ? "" : " (GetGuiResources not implemented here)", windows0, windows1, private0 / 1024,
                private1 / 1024);
    ::testing::Test::RecordProperty("private_kib_growth", static_cast<int>((private1 - private0) / 1024));
    EXPECT_LE(windows1, windows0);
    if (counted) {
        EXPECT_LE(user1, user0 + 2);
        EXPECT_LE(gdi1, gdi0 + 2);
    }
    // The allocator may keep a little; a leak of even 100 bytes per cycle
    // and row over 50 cycles would pass 1 MiB only in the long run, so the
    // bound is per cycle.
    EXPECT_LE(private1 - private0, 256LL * 1024 + cycles * 2048LL);
}
