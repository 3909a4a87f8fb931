// The host with the real plug-in and the simulated instrument: the exact
// instrument traffic of a command as the transcript shows it. Skipped while
// TORVEX2.dll or TELVOR.dll is not built.
#include <gtest/gtest.h>

#include "host_support.h"

using cphost::Host;

namespace {

void needRealPlugin()
{
    if (!fileExists("TORVEX2.dll") || !fileExists("TELVOR.dll"))
        GTEST_SKIP() << "TORVEX2.dll or TELVOR.dll not built";
}

}  // namespace

TEST(RealPlugin, InstrumentLinesOfAQueryWithItsReply)
{
    if (!fileExists("TELVOR.dll"))
        GTEST_SKIP() << "TELVOR.dll not built";
    // testplug's poll asks the simulator through TELVOR's own entries.
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

TEST(RealPlugin, VacuumOpensAndClosesInStateTwo)
{
    needRealPlugin();
    Host host;
    host.setPluginPath("TORVEX2.dll");
    host.setVariable("fakestatus", 2);
    ASSERT_EQ(host.run("MaintVacuum", {}, "escape"), 0) << host.error();
    const std::vector<std::string> &t = host.transcript();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.front(), "dialog 225 \"Vacuum Maintenance\"");
    EXPECT_EQ(t[1], "? MNTE:SVC:STB?");
    EXPECT_TRUE(contains(t, "> TUNE:HSET 1"));
    EXPECT_EQ(t[t.size() - 2], "end 225 1");
    EXPECT_EQ(t.back(), "set _BUTTON 1");
}

TEST(RealPlugin, GatedDialogShowsMessage250)
{
    needRealPlugin();
    Host host;
    host.setPluginPath("TORVEX2.dll");
    host.setVariable("fakestatus", 5);
    ASSERT_EQ(host.run("MaintHousing", {}, "answer OK"), 0) << host.error();
    EXPECT_EQ(host.transcript(),
              (std::vector<std::string>{
                  "dialog 274 \"Housing Maintenance\"", "do answer OK",
                  "box \"Maintenance\" \"Maintenance cannot be run in transition between Standby mode and Analysis "
                  "mode.\" -> OK",
                  "end 274 1", "set _BUTTON 1"}));
}

TEST(RealPlugin, OfflineSendsNothing)
{
    needRealPlugin();
    Host host;
    host.setPluginPath("TORVEX2.dll");
    host.setVariable("_offline", 1);
    host.setVariable("fakestatus", 1);
    ASSERT_EQ(host.run("MaintVacuum", {}, "tick; escape"), 0) << host.error();
    EXPECT_TRUE(only(host.transcript(), {">", "?", "<"}).empty());
}

TEST(RealPlugin, ReadRomReportsMissingArguments)
{
    needRealPlugin();
    Host host;
    host.setPluginPath("TORVEX2.dll");
    ASSERT_EQ(host.run("ReadRom", {"#H0000"}, ""), 1) << host.error();
    EXPECT_TRUE(contains(host.transcript(), "status 1 \"Invalid Parameter!\""));
}
