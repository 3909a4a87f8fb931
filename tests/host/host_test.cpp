// The host's run statuses, its services to the plug-in, and the installation
// it sets up for a run, through testplug.dll.
#include <gtest/gtest.h>

#include "host_support.h"

using cphost::Host;

TEST(HostRun, StatusesAndReasons)
{
    const struct {
        const char *command;
        std::vector<std::string> args;
        const char *actions;
        int status;
        const char *error;
    } cases[] = {
        {"TestArgs", {"a", "12x"}, "", cphost::kUsageError, "argument 2 of TestArgs must be a number, not '12x'"},
        {"TestArgs", {"a", "1", "b", "c"}, "", cphost::kUsageError, "TestArgs takes 3 argument(s), 4 given"},
        {"NoSuch", {}, "", cphost::kUsageError,
         "unknown command 'NoSuch' (the plug-in registers: TestPanel, TestArgs, TestFormat, TestOption, TestFail, "
         "TestSend)"},
        {"TestPanel", {}, "click", cphost::kUsageError, "action 'click': a caption is needed"},
        {"TestFail", {}, "", 1, ""},
    };
    Host host;
    useTestPlugin(host);
    for (const auto &c : cases) {
        EXPECT_EQ(host.run(c.command, c.args, c.actions), c.status) << c.command;
        EXPECT_EQ(host.error(), c.error) << c.command;
        EXPECT_TRUE(host.transcript().empty()) << c.command;
    }
    ASSERT_EQ(host.commands().size(), 6u);
    EXPECT_EQ(host.commands()[1].argumentTypes, (std::vector<uint8_t>{1, 0, 1}));
    host.setPluginPath("no-such-plugin.dll");
    EXPECT_EQ(host.run("TestFail", {}, ""), cphost::kHostFailure);
    EXPECT_NE(host.error().find("cannot be loaded"), std::string::npos) << host.error();
}

TEST(HostServices, FormattingThroughTheHostWindow)
{
    Host host;
    useTestPlugin(host);
    ASSERT_EQ(host.run("TestFormat", {}, ""), 0);
    const std::string cut(63, '0');  // "%070.1f" of 1.0 is 67 zeros and "1.0": the first 63 are zeros
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"text \"[42% done] 8\"", "text \"[" + cut + "] 63\""}));
}

// The option file is written for the run; the installation path value is put
// back as it was (or removed again), and keys the host made are removed.
TEST(Installation, OptionsAndThePathValuePutBack)
{
    const char *const key = "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista\\CurrentVersion";
    auto deleteTree = [&] {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies");
    };
    auto path = [&](char *value, DWORD size) {  // the Path value's status
        HKEY k;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &k) != ERROR_SUCCESS)
            return (LONG)-1;
        LONG status = RegQueryValueExA(k, "Path", nullptr, nullptr, (BYTE *)value, value ? &size : nullptr);
        RegCloseKey(k);
        return status;
    };
    deleteTree();
    Host host;
    useTestPlugin(host);
    host.setOption("OPT_X", 2);
    ASSERT_EQ(host.run("TestOption", {}, ""), 0) << host.error();
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"status 0 \"OPT_X=2 OPT_Y=0\""}));
    HKEY k;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies", 0, KEY_READ, &k), ERROR_SUCCESS);

    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, "Path", 0, REG_SZ, (const BYTE *)"C:\\Ionvista", 12);
    RegSetValueExA(k, "Other", 0, REG_SZ, (const BYTE *)"x", 2);
    host.setOption("OPT_X", 0);
    host.setOption("OPT_Y", 5);
    ASSERT_EQ(host.run("TestOption", {}, ""), 0) << host.error();
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"status 0 \"OPT_X=0 OPT_Y=5\""}));
    char value[64] = "";
    EXPECT_EQ(path(value, sizeof value), ERROR_SUCCESS);
    EXPECT_STREQ(value, "C:\\Ionvista");

    RegDeleteValueA(k, "Path");  // a key without the value: the value is removed again, the key stays
    RegCloseKey(k);
    ASSERT_EQ(host.run("TestOption", {}, ""), 0);
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"status 0 \"OPT_X=0 OPT_Y=5\""}));
    EXPECT_EQ(path(nullptr, 0), ERROR_FILE_NOT_FOUND);
    deleteTree();
}
