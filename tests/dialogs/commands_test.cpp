// The command procedures end to end: which template each command opens for
// the installation (host switches, option file found through the registry),
// what goes back in "_BUTTON", and how the instrument state is read.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "cphost/host.h"
#include "resources/resource.h"

namespace {

// The template of the dialog the last run opened, or 0.
int OpenedTemplate(const cphost::Host &host)
{
    for (const std::string &line : host.transcript())
        if (line.rfind("dialog ", 0) == 0)
            return std::stoi(line.substr(7));
    return 0;
}

int Opens(cphost::Host &host, const char *command)
{
    EXPECT_EQ(host.run(command, {}, "escape"), 0) << command << ": " << host.error();
    return OpenedTemplate(host);
}

} // namespace

TEST(CommandProcedures, FixedTemplatesAndTheResultInButton)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    const std::pair<const char *, int> fixed[] = {
        {"MaintVacuum", 225}, {"MaintQP", 261}, {"MaintDetector", 267}, {"MaintOctPole", 266}, {"MaintWater", 268},
        {"MaintSC", 270},     {"MaintPeriPump", 271}, {"MaintXYZ", 272}, {"MaintHousing", 274}};
    for (const auto &c : fixed) {
        EXPECT_EQ(Opens(host, c.first), c.second) << c.first;
        double button = 0;
        ASSERT_TRUE(host.variable("_BUTTON", &button));
        EXPECT_EQ(button, 1.0) << c.first;
    }
}

static INT_PTR CALLBACK InertDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Every registered command that opens a dialog opens a working panel: its
// template holds controls of its own beside DLGINFO, Enter, Close and Help.
TEST(CommandProcedures, EveryDialogCommandOpensARealPanel)
{
    const std::set<std::string> withoutDialog = {"ReadRom", "WriteRom"};
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    ASSERT_EQ(Opens(host, "MaintHousing"), 274);
    std::vector<std::pair<std::string, int>> opened;
    for (const cphost::CommandInfo &command : std::vector<cphost::CommandInfo>(host.commands())) {
        if (withoutDialog.count(command.name) == 0)
            opened.emplace_back(command.name, Opens(host, command.name.c_str()));
    }
    EXPECT_EQ(host.commands().size(), 15u);
    EXPECT_EQ(opened.size(), 15u - withoutDialog.size());

    HMODULE plugin = LoadLibraryA("TORVEX2.dll");
    ASSERT_NE(plugin, nullptr);
    const std::set<int> frameOnly = {IDOK, IDCANCEL, IDC_CLOSE, IDC_HELPBTN, IDC_DLGINFO};
    for (const auto &command : opened) {
        HWND dialog = CreateDialogParamA(plugin, MAKEINTRESOURCEA(command.second), nullptr, InertDialog, 0);
        ASSERT_NE(dialog, nullptr) << command.first << " " << command.second;
        int own = 0;
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
            own += frameOnly.count(GetDlgCtrlID(c)) == 0 ? 1 : 0;
        EXPECT_GT(own, 3) << command.first << " opens template " << command.second;
        DestroyWindow(dialog);
    }
    FreeLibrary(plugin);
}

TEST(CommandProcedures, HostVariableOfAnOptionOverridesTheOptionFile)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    EXPECT_EQ(Opens(host, "MaintRF"), 226);  // no variable, no option file entry
    EXPECT_EQ(Opens(host, "MaintGas"), 269);

    host.setOption("OPT_New_RF", 1);  // the installation's option file, found through the registry
    host.setOption("_AFC", 2);
    EXPECT_EQ(Opens(host, "MaintRF"), 314);
    EXPECT_EQ(Opens(host, "MaintGas"), 336);

    host.setVariable("OPT_New_RF", 0.0);  // the host variable wins over the file
    EXPECT_EQ(Opens(host, "MaintRF"), 226);
    host.setVariable("_AFC", 0.0);
    EXPECT_EQ(Opens(host, "MaintGas"), 269);
    host.setVariable("_AFC", 0.95);
    EXPECT_EQ(Opens(host, "MaintGas"), 336);
}

TEST(CommandProcedures, OptionFileValueIsUsedUnchangedWhenNonZero)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.setOption("OPT_PMP2", 2);
    ASSERT_EQ(host.run("MaintPeriPump", {}, "expect Sample Pump: enabled; escape"), 0) << host.error();
    host.setOption("OPT_PMP2", 0);
    ASSERT_EQ(host.run("MaintPeriPump", {}, "expect Sample Pump: disabled; escape"), 0) << host.error();
}

TEST(InstrumentState, FakeStatusWinsAndOnlyTheFirstCharacterOfTheReplyCounts)
{
    cphost::Host host;
    // "12" reads as state 1: the vacuum outputs are disabled and nothing is switched.
    host.addReply("trns:stat?", "12");
    ASSERT_EQ(host.run("MaintVacuum", {}, "expect Rotary Pump(1) On disabled; escape"), 0) << host.error();
    EXPECT_EQ(host.transcript()[1], "? trns:stat?");
    // A reply starting with a letter reads as 0: manual control.
    host.clearReplies();
    host.addReply("trns:stat?", "A5");
    ASSERT_EQ(host.run("MaintPeriPump", {}, "expect Nebulizer Pump: enabled; escape"), 0) << host.error();
    // "fakestatus" is taken without asking the instrument; -0.95 is state -1.
    host.setVariable("fakestatus", -0.95);
    ASSERT_EQ(host.run("MaintHousing", {}, "expect S24V enabled; escape"), 0) << host.error();
    for (const std::string &line : host.transcript())
        EXPECT_NE(line, "? trns:stat?");
}
