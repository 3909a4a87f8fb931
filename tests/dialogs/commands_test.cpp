// Which template each command opens for the installation, and how the state is read.
#include <gtest/gtest.h>

#include <string>

#include "panel_support.h"

namespace {

using panels::Ran;

// The template of the dialog the command opens, or 0.
int Opens(cphost::Host &host, const char *command)
{
    EXPECT_TRUE(Ran(host, command, "escape"));
    const panels::Lines dialogs = panels::Starting(host, "dialog ", 7);
    return dialogs.empty() ? 0 : std::stoi(dialogs.front());
}

} // namespace

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

    // An option file value counts whole when it is not 0.
    host.setOption("OPT_PMP2", 2);
    ASSERT_TRUE(Ran(host, "MaintPeriPump", "expect Sample Pump: enabled; escape"));
    host.setOption("OPT_PMP2", 0);
    ASSERT_TRUE(Ran(host, "MaintPeriPump", "expect Sample Pump: disabled; escape"));
}

TEST(InstrumentState, FakeStatusWinsAndOnlyTheFirstCharacterOfTheReplyCounts)
{
    cphost::Host host;
    // "12" reads as state 1: the vacuum outputs are disabled and nothing is switched.
    host.addReply("trns:stat?", "12");
    ASSERT_TRUE(Ran(host, "MaintVacuum", "expect Rotary Pump(1) On disabled; escape"));
    EXPECT_EQ(host.transcript()[1], "? trns:stat?");
    // A reply starting with a letter reads as 0: manual control.
    host.clearReplies();
    host.addReply("trns:stat?", "A5");
    ASSERT_TRUE(Ran(host, "MaintPeriPump", "expect Nebulizer Pump: enabled; escape"));
    // "fakestatus" is taken without asking the instrument; -0.95 is state -1.
    host.setVariable("fakestatus", -0.95);
    ASSERT_TRUE(Ran(host, "MaintHousing", "expect S24V enabled; escape"));
    EXPECT_FALSE(panels::Has(host, "? trns:stat?"));
    // In a transition state the panel only says so (every panel: the reliability tests).
    host.setVariable("fakestatus", 6);
    ASSERT_TRUE(Ran(host, "MaintVacuum", "answer OK"));
    EXPECT_TRUE(panels::Has(host, "box \"Maintenance\" \"Maintenance cannot be run in transition between "
                                  "Standby mode and Analysis mode.\" -> OK"));
    EXPECT_TRUE(panels::Writes(host).empty());
}
