// The host's services to the plug-in, the actions on a panel and the
// installation it sets up for a run, through testplug.dll.
#include <gtest/gtest.h>

#include "host_support.h"

using cphost::Host;

TEST(HostServices, FormattingThroughTheHostWindow)
{
    Host host;
    useTestPlugin(host);
    ASSERT_EQ(host.run("TestFormat", {}, ""), 0);
    const std::string cut(63, '0');  // "%070.1f" of 1.0 is 67 zeros and "1.0": the first 63 are zeros
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"text \"[42% done] 8\"", "text \"[" + cut + "] 63\""}));
}

// The --do actions on the panel: what each run writes (the trace sink gets the
// same lines), and how a failing action is named.
TEST(Actions, TranscriptsAndFailures)
{
    const std::string done = "end 901 1|set _BUTTON 1", closed = "end 901 2|set _BUTTON 2";  // closed by the host
    const struct {
        const char *actions, *error;
        std::string transcript;  // the lines after the panel's "dialog" line, joined by '|'
    } cases[] = {
        // Typing commits nothing until the click moves the focus.
        {"type Set Point: = 12.5; expect Set Point: = 12.5; click Help; escape", "",
         "do type Set Point: = 12.5|do expect Set Point: = 12.5|do click Help|text \"commit 12.5\"|help 901|"
         "do escape|" + done},
        {"click Help; set Set Point: = 7; escape", "",
         "do click Help|help 901|do set Set Point: = 7|text \"commit 7\"|do escape|" + done},
        // Verbs in any case, blanks around the parts, a quoted text holding a ';'.
        {"SET Set Point: = \" b;c \" ;EXPECT  Set Point: =  \" b;c \"; type Set Point: = 12.5 ;Enter;tick 3 ; "
         "expect Inputs/Value: = 3; escape", "",
         "do SET Set Point: = \" b;c \"|text \"commit  b;c \"|do EXPECT  Set Point: =  \" b;c \"|"
         "do type Set Point: = 12.5|do Enter|text \"commit 12.5\"|do tick 3|do expect Inputs/Value: = 3|"
         "do escape|" + done},
        // Ticks reach the panel while its question is up; "if asked" answers only a box.
        {"answer Close if asked; click Pump On; tick 2; answer No if asked; expect Inputs/Value: = 2; escape", "",
         "do click Pump On|do tick 2|do answer No if asked|box \"Maintenance\" \"Switch the \"\"pump\"\" on?\" -> No|"
         "set pump 0|do expect Inputs/Value: = 2|do escape|" + done},
        {"expect Value: = 1",
         "action 'expect Value: = 1': 'Value:' is ambiguous in \"Test Panel\": 'Inputs/Value:' (#301), "
         "'Outputs/Value:' (#302)",
         closed},
        {"click Start",
         "action 'click Start': no control 'Start' in \"Test Panel\"; candidates: 'Outputs/Pump On', 'Outputs/Valve', "
         "'Sub...', 'Enter', 'Close', 'Help'",
         closed},
        {"click Sub...; click Help",
         "action 'click Help': 'Help' is in \"Test Panel\", which is under the modal window \"Sub Panel\"",
         "do click Sub...|dialog 902 \"Sub Panel\"|end 902 2|" + closed},
        {"expect Pump On checked", "action 'expect Pump On checked': 'Pump On' is unchecked",
         "do expect Pump On checked|" + closed},
        {"expect Set Point: = 4", "action 'expect Set Point: = 4': 'Set Point:' shows \"\", not \"4\"",
         "do expect Set Point: = 4|" + closed},
        {"escape; tick", "action 'tick': the command ended before it (no window is open)", "do escape|" + done},
        {"", "no action left for the open window \"Test Panel\"", closed},
        {"wait 50; shot host_test_shot.png; escape", "", "do wait 50|do shot host_test_shot.png|do escape|" + done},
    };
    DeleteFileA("host_test_shot.png");
    Host host;
    useTestPlugin(host);
    std::string seen;
    host.setTraceSink([&](const std::string &l) { seen += (seen.empty() ? "" : "|") + l; });
    for (const auto &c : cases) {
        seen.clear();
        EXPECT_EQ(host.run("TestPanel", {}, c.actions), *c.error ? cphost::kActionFailed : 0) << c.actions;
        EXPECT_EQ(host.error(), c.error) << c.actions;
        std::string all;
        for (const std::string &l : host.transcript())
            all += (all.empty() ? "" : "|") + l;
        EXPECT_EQ(all, "dialog 901 \"Test Panel\"|" + c.transcript) << c.actions;
        EXPECT_EQ(seen, all) << c.actions;
    }
    std::string png = readFile("host_test_shot.png");  // the panel, more than 100 pixels wide
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.compare(0, 4, "\x89PNG"), 0);
    EXPECT_GT((uint8_t)png[16] << 24 | (uint8_t)png[17] << 16 | (uint8_t)png[18] << 8 | (uint8_t)png[19], 100);
    DeleteFileA("host_test_shot.png");
}

// The option file is written for the run; the installation path value is put
// back as it was (or removed again), and keys the host made are removed.
TEST(Installation, OptionsAndThePathValuePutBack)
{
    const char *const key = "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista\\CurrentVersion";
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies");
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
    DWORD size = sizeof value;
    EXPECT_EQ(RegGetValueA(k, nullptr, "Path", RRF_RT_REG_SZ, nullptr, value, &size), ERROR_SUCCESS);
    EXPECT_STREQ(value, "C:\\Ionvista");

    RegDeleteValueA(k, "Path");  // a key without the value: the value is removed again, the key stays
    ASSERT_EQ(host.run("TestOption", {}, ""), 0);
    EXPECT_EQ(host.transcript(), (std::vector<std::string>{"status 0 \"OPT_X=0 OPT_Y=5\""}));
    RegCloseKey(k);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &k), ERROR_SUCCESS);
    EXPECT_EQ(RegGetValueA(k, nullptr, "Path", RRF_RT_ANY, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    RegCloseKey(k);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies");
}
