// The host's services and its transcript, through testplug.dll (and TELVOR.dll
// where it is built).
#include <gtest/gtest.h>

#include "host_support.h"

using cphost::Host;

TEST(HostRun, UsageErrorsAnswerTwoWithAReason)
{
    Host host;
    useTestPlugin(host);
    EXPECT_EQ(host.run("TestArgs", {"a", "12x"}, ""), cphost::kUsageError);
    EXPECT_EQ(host.error(), "argument 2 of TestArgs must be a number, not '12x'");
    EXPECT_EQ(host.run("TestArgs", {"a", "1", "b", "c"}, ""), cphost::kUsageError);
    EXPECT_EQ(host.error(), "TestArgs takes 3 argument(s), 4 given");
    EXPECT_EQ(host.run("NoSuch", {}, ""), cphost::kUsageError);
    EXPECT_NE(host.error().find("unknown command 'NoSuch'"), std::string::npos);
    EXPECT_NE(host.error().find("TestPanel, TestArgs"), std::string::npos);
    EXPECT_EQ(host.run("TestPanel", {}, "click"), cphost::kUsageError);
    EXPECT_TRUE(host.transcript().empty());
}

TEST(HostRun, CommandStatusAndLoadFailure)
{
    Host host;
    useTestPlugin(host);
    EXPECT_EQ(host.run("TestFail", {}, ""), 1);
    EXPECT_TRUE(host.error().empty());
    ASSERT_EQ(host.commands().size(), 6u);
    EXPECT_EQ(host.commands()[1].argumentTypes, (std::vector<uint8_t>{1, 0, 1}));
    host.setPluginPath("no-such-plugin.dll");
    EXPECT_EQ(host.run("TestFail", {}, ""), cphost::kHostFailure);
    EXPECT_NE(host.error().find("cannot be loaded"), std::string::npos);
}

TEST(HostServices, FormattingThroughTheHostWindow)
{
    Host host;
    useTestPlugin(host);
    ASSERT_EQ(host.run("TestFormat", {}, ""), 0);
    const std::string cut(63, '0');  // "%070.1f" of 1.0 is 67 zeros and "1.0": the first 63 are zeros
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"text \"[42% done] 8\"", "text \"[9029 pump]\"",
                                                           "text \"[1.235]\"", "text \"[" + cut + "] 63\""}));
}

// The transcript lines the host writes itself, and the instrument lines.
TEST(Transcript, HelpStatusAndTextLines)
{
    Host host;
    useTestPlugin(host);
    ASSERT_EQ(host.run("TestPanel", {}, "click Help; set Set Point: = 7; escape"), 0) << host.error();
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"dialog 901 \"Test Panel\"", "do click Help", "help 901",
                                                           "do set Set Point: = 7", "text \"commit 7\"", "do escape",
                                                           "end 901 1", "set _BUTTON 1"}));
}

TEST(Transcript, InstrumentLinesOfAQueryWithItsReply)
{
    if (!fileExists("TELVOR.dll"))
        GTEST_SKIP() << "TELVOR.dll not built";
    // testplug's poll asks the simulated instrument through TELVOR's own entries.
    Host host;
    useTestPlugin(host);
    host.setSimulatorPath("TELVOR.dll");
    host.addReply("PRTC:AIN:PIBK?", "55|49.9");
    ASSERT_EQ(host.run("TestPanel", {}, "tick 2; expect Outputs/Value: = 49.900; click Pump On; answer Yes; escape"), 0)
        << host.error();
    // Each "do" line comes before what its action causes.
    EXPECT_EQ(host.transcript(),
              (std::vector<std::string>{"dialog 901 \"Test Panel\"", "do tick 2", "? PRTC:AIN:PIBK?", "< 55",
                                        "? PRTC:AIN:PIBK?", "< 49.9", "do expect Outputs/Value: = 49.900",
                                        "do click Pump On", "do answer Yes",
                                        "box \"Maintenance\" \"Switch the \"\"pump\"\" on?\" -> Yes", "set pump 1",
                                        "> PRTC:BOUT:RPBK ON", "do escape", "end 901 1", "set _BUTTON 1"}));
}

TEST(Transcript, SinkSeesEveryLineInOrder)
{
    Host host;
    useTestPlugin(host);
    std::vector<std::string> seen;
    host.setTraceSink([&](const std::string &l) { seen.push_back(l); });
    ASSERT_EQ(host.run("TestPanel", {}, "escape"), 0);
    EXPECT_EQ(seen, host.transcript());
}

namespace {

const char kKey[] = "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista\\CurrentVersion";

bool keyExists(const char *path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void deleteTree()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies");
}

}  // namespace

TEST(Installation, OptionsAreReadFromTheFileAndMissingKeysAreRemovedAgain)
{
    deleteTree();
    ASSERT_FALSE(keyExists("SOFTWARE\\Korvane Technologies"));
    Host host;
    useTestPlugin(host);
    host.setOption("OPT_X", 2);
    ASSERT_EQ(host.run("TestOption", {}, ""), 0) << host.error();
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"status 0 \"OPT_X=2 OPT_Y=0\""}));
    EXPECT_FALSE(keyExists("SOFTWARE\\Korvane Technologies"));
}

TEST(Installation, AnExistingPathValueIsPutBack)
{
    deleteTree();
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char before[] = "C:\\Ionvista";
    RegSetValueExA(key, "Path", 0, REG_SZ, (const BYTE *)before, sizeof before);
    RegSetValueExA(key, "Other", 0, REG_SZ, (const BYTE *)"x", 2);
    RegCloseKey(key);

    Host host;
    useTestPlugin(host);
    host.setOption("OPT_Y", 5);
    ASSERT_EQ(host.run("TestOption", {}, ""), 0) << host.error();
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"status 0 \"OPT_X=0 OPT_Y=5\""}));

    char value[64] = "";
    DWORD size = sizeof value;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(key, "Path", nullptr, nullptr, (BYTE *)value, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_STREQ(value, before);

    // A key without the value: the value is removed again, the key stays.
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueA(key, "Path");
    RegCloseKey(key);
    ASSERT_EQ(host.run("TestOption", {}, ""), 0);
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"status 0 \"OPT_X=0 OPT_Y=5\""}));
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_NE(RegQueryValueExA(key, "Path", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(key);
    deleteTree();
}
