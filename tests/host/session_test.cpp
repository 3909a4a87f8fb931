// Host sessions: a script (or beginSession..endSession) is one session, the
// plug-in loaded once and one instrument whose memory carries over from
// command to command; --fresh isolates a line; leftovers are named.
#include <gtest/gtest.h>

#include "host_support.h"

using cphost::Host;

namespace {

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// A backup of 32 bytes at 0100 unlike the instrument's default memory.
const char kRom[] = "#H0100,16,#H00,#H07,#H0E,#H15,#H1C,#H23,#H2A,#H31,#H38,#H3F,#H46,#H4D,#H54,#H5B,#H62,#H69\r\n"
                    "#H0110,16,#H70,#H77,#H7E,#H85,#H8C,#H93,#H9A,#HA1,#HA8,#HAF,#HB6,#HBD,#HC4,#HCB,#HD2,#HD9\r\n";

}  // namespace

TEST(Session, RestoreThenBackupGivesTheRestoredBytesAndFreshIsolates)
{
    if (!fileExists("TORVEX2.dll") || !fileExists("TELVOR.dll"))
        GTEST_SKIP() << "TORVEX2.dll or TELVOR.dll not built";
    writeFile("session_r.txt", kRom);
    writeFile("session_script.txt", "WriteRom session_r.txt\n"
                                    "ReadRom \"#H0100\" 32 session_b.txt\n"
                                    "--fresh ReadRom \"#H0100\" 32 session_f.txt\n");
    std::string err;
    auto program = [&](const char *option, const char *value, std::vector<std::string> words) {
        words.insert(words.begin(), {"--plugin", "TORVEX2.dll", option, value});
        return runProgram(words, &err);
    };
    ASSERT_EQ(program("--script", "session_script.txt", {}), 0) << err;
    EXPECT_EQ(err, "");  // nothing left behind
    EXPECT_EQ(readFile("session_b.txt"), kRom);
    // Reloaded plug-in, reset instrument: the default memory (0100 holds E0).
    EXPECT_EQ(readFile("session_f.txt").substr(0, 14), "#H0100,16,#HE0");

    // Restore and comparison as separate programs, the memory image between them.
    DeleteFileA("session_m.bin");
    const std::vector<std::string> readRom = {"ReadRom", "#H0100", "32", "session_c.txt"};
    ASSERT_EQ(program("--save-memory", "session_m.bin", {"WriteRom", "session_r.txt"}), 0) << err;
    ASSERT_EQ(program("--load-memory", "session_m.bin", readRom), 0) << err;
    EXPECT_EQ(readFile("session_c.txt"), kRom);
    EXPECT_EQ(program("--load-memory", "no-such.bin", readRom), cphost::kHostFailure);
    EXPECT_EQ(err.compare(0, 33, "cphost: memory image no-such.bin:"), 0) << err;
    for (const char *f : {"session_r.txt", "session_b.txt", "session_f.txt", "session_c.txt", "session_m.bin",
                          "session_script.txt"})
        DeleteFileA(f);
}

TEST(Session, VariablesStaySetLineRepliesAndOptionsApplyToTheirLine)
{
    if (!fileExists("TELVOR.dll"))
        GTEST_SKIP() << "TELVOR.dll not built";
    const std::string box = "box \"Maintenance\" \"Panel cannot be run now.\" -> OK";
    const struct {
        const char *line;
        std::vector<std::string> lines;  // between the line's begin and end markers
    } script[] = {
        {"--set gate=1 --do \"answer OK\" TestPanel", {box}},
        {"--do \"answer OK\" TestPanel", {box}},
        {"--fresh TestOption", {"status 0 \"OPT_X=0 OPT_Y=1\""}},
        {"--fresh TestSend PRTC:AIN:PF?", {"? PRTC:AIN:PF?", "< 5"}},
        {"--option OPT_X=3 TestOption", {"status 0 \"OPT_X=3 OPT_Y=1\""}},
        {"TestOption", {"status 0 \"OPT_X=0 OPT_Y=1\""}},
        {"TestSend PRTC:AIN:PF?", {"? PRTC:AIN:PF?", "< 5"}},
        // no override of its own: part by part, each part its override
        {"TestSend \"PRTC:AIN:PF?;PR?\"", {"? PRTC:AIN:PF?;PR?", "< 5;7"}},
        // its own override wins; PR?'s list does not advance
        {"--reply \"PRTC:AIN:PF?;PR?=1;2\" TestSend \"PRTC:AIN:PF?;PR?\"", {"? PRTC:AIN:PF?;PR?", "< 1;2"}},
        {"TestSend PRTC:AIN:PR?", {"? PRTC:AIN:PR?", "< 8"}},
        {"--reply PRTC:AIN:PF?=6 TestSend PRTC:AIN:PF?", {"? PRTC:AIN:PF?", "< 6"}},
        // the line's override is gone, the script's is back
        {"TestSend PRTC:AIN:PF?", {"? PRTC:AIN:PF?", "< 5"}},
        {"TestSend \"PRTC:BOUT:SVW OFF\"", {"> PRTC:BOUT:SVW OFF"}},
        {"TestSend PRTC:BOUT:SVW?", {"? PRTC:BOUT:SVW?", "< 0"}},
    };
    std::string text;
    std::vector<std::string> expected;
    for (const auto &l : script) {
        text += std::string(l.line) + "\n";
        std::string n = std::to_string(&l - script + 1);
        expected.push_back("line " + n + " begin " + l.line);
        expected.insert(expected.end(), l.lines.begin(), l.lines.end());
        expected.push_back("line " + n + " end 0");
    }
    writeFile("session_script.txt", text);
    std::string err;
    ASSERT_EQ(runProgram({"--plugin", "testplug.dll", "--trace", "session_trace.txt", "--option", "OPT_Y=1", "--reply",
                          "PRTC:AIN:PF?=5", "--reply", "PRTC:AIN:PR?=7|8", "--script", "session_script.txt"}, &err), 0)
        << err;
    EXPECT_EQ(only(splitLines(readFile("session_trace.txt")), {"line", "box", "status", "?", "<", ">"}), expected);
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
