// Host sessions: a script (or beginSession..endSession) is one session as in
// the data system -- the plug-in loaded once, one instrument whose state and
// memory carry over from command to command; --fresh isolates a line; and
// what the plug-in leaves behind shows.
#include <gtest/gtest.h>

#include "host_support.h"

using cphost::Host;

namespace {

bool realPluginBuilt() { return fileExists("TORVEX2.dll") && fileExists("TELVOR.dll"); }

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

/* A backup of 32 bytes at 0100 unlike the instrument's default memory. */
std::string romFile()
{
    std::string out;
    for (int block = 0; block < 2; ++block) {
        char text[16];
        snprintf(text, sizeof text, "#H%04X,16,", 0x100 + 16 * block);
        out += text;
        for (int i = 0; i < 16; ++i) {
            snprintf(text, sizeof text, "%s#H%02X", i ? "," : "", ((block * 16 + i) * 7) & 0xFF);
            out += text;
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace

TEST(Session, RestoreThenBackupGivesTheRestoredBytesAndFreshIsolates)
{
    if (!realPluginBuilt())
        GTEST_SKIP() << "TORVEX2.dll or TELVOR.dll not built";
    writeFile("session_r.txt", romFile());
    writeFile("session_script.txt", "WriteRom session_r.txt\n"
                                    "ReadRom \"#H0100\" 32 session_b.txt\n"
                                    "--fresh ReadRom \"#H0100\" 32 session_f.txt\n");
    std::string err;
    ASSERT_EQ(runProgram({"--plugin", "TORVEX2.dll", "--trace", "session_trace.txt", "--script", "session_script.txt"},
                         &err),
              0)
        << err;
    EXPECT_EQ(readFile("session_b.txt"), romFile());
    // Reloaded plug-in, reset instrument: the default memory (0100 holds E0).
    EXPECT_EQ(readFile("session_f.txt").substr(0, 14), "#H0100,16,#HE0");

    // The markers say which line sent what.
    std::vector<std::string> seen;
    for (const std::string &l : splitLines(readFile("session_trace.txt")))
        if (l.compare(0, 5, "line ") == 0)
            seen.push_back(l);
        else if (l.compare(0, 5, "> POC") == 0 || l.compare(0, 5, "? PEC") == 0)
            seen.push_back(l.substr(0, 19));
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "line 1 begin WriteRom session_r.txt", "> POC:EROM #H0100,1", "> POC:EROM #H0110,1",
                        "line 1 end 0", "line 2 begin ReadRom \"#H0100\" 32 session_b.txt", "? PEC:EROM? #H0100,",
                        "? PEC:EROM? #H0110,", "line 2 end 0",
                        "line 3 begin --fresh ReadRom \"#H0100\" 32 session_f.txt", "? PEC:EROM? #H0100,",
                        "? PEC:EROM? #H0110,", "line 3 end 0"}));

    // Restore and comparison as separate programs, the memory image between them.
    DeleteFileA("session_m.bin");
    ASSERT_EQ(runProgram({"--plugin", "TORVEX2.dll", "--save-memory", "session_m.bin", "WriteRom", "session_r.txt"}, &err),
              0)
        << err;
    ASSERT_EQ(runProgram({"--plugin", "TORVEX2.dll", "--load-memory", "session_m.bin", "ReadRom", "#H0100", "32",
                          "session_c.txt"},
                         &err),
              0)
        << err;
    EXPECT_EQ(readFile("session_c.txt"), romFile());
    EXPECT_EQ(runProgram({"--plugin", "TORVEX2.dll", "--load-memory", "no-such.bin", "ReadRom", "#H0100", "32",
                          "session_c.txt"},
                         &err),
              cphost::kHostFailure);
    EXPECT_EQ(err.compare(0, 33, "cphost: memory image no-such.bin:"), 0) << err;
    for (const char *f : {"session_r.txt", "session_b.txt", "session_f.txt", "session_c.txt", "session_m.bin",
                          "session_script.txt", "session_trace.txt"})
        DeleteFileA(f);
}

TEST(Session, APanelSwitchedByOneLineIsSeenByTheNext)
{
    if (!realPluginBuilt())
        GTEST_SKIP() << "TORVEX2.dll or TELVOR.dll not built";
    writeFile("session_script.txt", "--do \"click Ignore Timeout; escape\" MaintVacuum\n"
                                    "--do \"expect Ignore Timeout checked; escape\" MaintVacuum\n"
                                    "--fresh --do \"expect Ignore Timeout unchecked; escape\" MaintVacuum\n");
    std::string err;
    EXPECT_EQ(runProgram({"--plugin", "TORVEX2.dll", "--script", "session_script.txt"}, &err), 0) << err;
    DeleteFileA("session_script.txt");
}

TEST(Session, VariablesStaySetLineRepliesAndOptionsApplyToTheirLine)
{
    if (!fileExists("TELVOR.dll"))
        GTEST_SKIP() << "TELVOR.dll not built";
    writeFile("session_script.txt",
              "--set gate=1 --do \"answer OK\" TestPanel\n"
              "--do \"answer OK\" TestPanel\n"
              "--fresh TestOption\n"
              "--option OPT_X=3 TestOption\n"
              "TestOption\n"
              "TestSend PRTC:AIN:PF?\n"
              "TestSend \"PRTC:AIN:PF?;PR?\"\n"
              "--reply \"PRTC:AIN:PF?;PR?=1;2\" TestSend \"PRTC:AIN:PF?;PR?\"\n"
              "TestSend PRTC:AIN:PR?\n"
              "--reply PRTC:AIN:PF?=6 TestSend PRTC:AIN:PF?\n"
              "TestSend PRTC:AIN:PF?\n"
              "TestSend \"PRTC:BOUT:SVW OFF\"\n"
              "TestSend PRTC:BOUT:SVW?\n");
    std::string err;
    ASSERT_EQ(runProgram({"--plugin", "testplug.dll", "--trace", "session_trace.txt", "--option", "OPT_Y=1", "--reply",
                          "PRTC:AIN:PF?=5", "--reply", "PRTC:AIN:PR?=7|8", "--script", "session_script.txt"},
                         &err),
              0)
        << err;
    std::vector<std::string> t = only(splitLines(readFile("session_trace.txt")), {"line", "box", "status", "?", "<", ">"});
    const std::string box = "box \"Maintenance\" \"Panel cannot be run now.\" -> OK";
    EXPECT_EQ(t, (std::vector<std::string>{
                     "line 1 begin --set gate=1 --do \"answer OK\" TestPanel", box, "line 1 end 0",
                     "line 2 begin --do \"answer OK\" TestPanel", box, "line 2 end 0",
                     "line 3 begin --fresh TestOption", "status 0 \"OPT_X=0 OPT_Y=1\"", "line 3 end 0",
                     "line 4 begin --option OPT_X=3 TestOption", "status 0 \"OPT_X=3 OPT_Y=1\"", "line 4 end 0",
                     "line 5 begin TestOption", "status 0 \"OPT_X=0 OPT_Y=1\"", "line 5 end 0",
                     "line 6 begin TestSend PRTC:AIN:PF?", "? PRTC:AIN:PF?", "< 5", "line 6 end 0",
                     // no override of its own: part by part, each part its override
                     "line 7 begin TestSend \"PRTC:AIN:PF?;PR?\"", "? PRTC:AIN:PF?;PR?", "< 5;7", "line 7 end 0",
                     // its own override wins; PR?'s list does not advance
                     "line 8 begin --reply \"PRTC:AIN:PF?;PR?=1;2\" TestSend \"PRTC:AIN:PF?;PR?\"",
                     "? PRTC:AIN:PF?;PR?", "< 1;2", "line 8 end 0",
                     "line 9 begin TestSend PRTC:AIN:PR?", "? PRTC:AIN:PR?", "< 8", "line 9 end 0",
                     "line 10 begin --reply PRTC:AIN:PF?=6 TestSend PRTC:AIN:PF?", "? PRTC:AIN:PF?", "< 6",
                     "line 10 end 0",
                     // the line's override is gone, the script's is back
                     "line 11 begin TestSend PRTC:AIN:PF?", "? PRTC:AIN:PF?", "< 5", "line 11 end 0",
                     "line 12 begin TestSend \"PRTC:BOUT:SVW OFF\"", "> PRTC:BOUT:SVW OFF", "line 12 end 0",
                     "line 13 begin TestSend PRTC:BOUT:SVW?", "? PRTC:BOUT:SVW?", "< 0", "line 13 end 0"}));
    EXPECT_TRUE(err.empty()) << err;
    DeleteFileA("session_script.txt");
    DeleteFileA("session_trace.txt");
}

TEST(Session, LeftoversOfAnUntidyPluginAreNamed)
{
    Host host;
    useTestPlugin(host);
    host.setVariable("leak", 1);
    ASSERT_EQ(host.beginSession(), 0) << host.error();
    ASSERT_EQ(host.run("TestPanel", {}, "escape"), 0) << host.error();
    EXPECT_EQ(only(host.transcript(), {"# left", "end"}),
              (std::vector<std::string>{"# left timer 1 901", "# left property testPanel 901", "end 901 1"}));
    ASSERT_EQ(host.run("TestArgs", {"a"}, ""), 0) << host.error();  // the same plug-in, still loaded
    EXPECT_EQ(host.endSession(), 0);
    EXPECT_EQ(host.leftovers(), (std::vector<std::string>{"dialog 901: timer 1 not killed",
                                                          "dialog 901: property testPanel not removed",
                                                          "TestPanel: 1 local memory block(s) allocated and not freed",
                                                          "2 local memory block(s) still held after message 6"}));
    // A run outside a session is a session of its own again.
    host.setVariable("leak", 0);
    EXPECT_FALSE(host.inSession());
    ASSERT_EQ(host.run("TestPanel", {}, "escape"), 0) << host.error();
    EXPECT_TRUE(host.leftovers().empty());
}

TEST(Session, FiftyCommandsLeaveNothingBehind)
{
    if (!realPluginBuilt())
        GTEST_SKIP() << "TORVEX2.dll or TELVOR.dll not built";
    struct Line {
        const char *command;
        std::vector<std::string> args;
        const char *actions;
    };
    const Line kRound[] = {
        {"MaintVacuum", {}, "click Ignore Timeout; click System Parameters...; click Cancel; escape"},
        {"MaintHousing", {}, "escape"},
        {"MaintPeriPump", {}, "escape"},
        {"ReadRom", {"#H0200", "16", "session_rom.txt"}, ""},
        {"WriteRom", {"session_rom.txt"}, ""},
    };
    Host host;
    host.setPluginPath("TORVEX2.dll");
    ASSERT_EQ(host.beginSession(), 0) << host.error();
    for (int i = 0; i < 50; ++i) {
        const Line &l = kRound[i % 5];
        ASSERT_EQ(host.run(l.command, l.args, l.actions), 0) << "command " << i << ": " << host.error();
    }
    EXPECT_EQ(host.endSession(), 0) << host.error();
    EXPECT_TRUE(host.leftovers().empty()) << host.leftovers().front();
    DeleteFileA("session_rom.txt");
}

TEST(Session, ATakenBackReplyLeavesTheScenariosAndAScenarioAppliesOnTop)
{
    if (!fileExists("TELVOR.dll"))
        GTEST_SKIP() << "TELVOR.dll not built";
    writeFile("session_a.ini", "[replies]\nPRTC:AIN:PF? = 3|4\n");
    writeFile("session_b.ini", "[replies]\nprtc:ain:pf? = 6\n");
    Host host;
    useTestPlugin(host);
    host.setSimulatorPath("TELVOR.dll");
    host.setScenario("session_a.ini");
    ASSERT_EQ(host.beginSession(), 0) << host.error();
    auto ask = [&]() {
        EXPECT_EQ(host.run("TestSend", {"PRTC:AIN:PF?"}, ""), 0) << host.error();
        return host.transcript().empty() ? std::string() : host.transcript().back();
    };
    EXPECT_EQ(ask(), "< 3");
    host.addReply("PRTC:AIN:PF?", "9");
    EXPECT_EQ(ask(), "< 9");
    host.removeReply("PRTC:AIN:PF?");
    EXPECT_EQ(ask(), "< 3");  // the scenario's list, from its first reply
    EXPECT_EQ(host.applyScenario("session_b.ini"), 0) << host.error();
    EXPECT_EQ(ask(), "< 6");
    EXPECT_EQ(host.endSession(), 0);
    EXPECT_EQ(host.applyScenario("session_b.ini"), cphost::kHostFailure);  // no session open
    DeleteFileA("session_a.ini");
    DeleteFileA("session_b.ini");
}
