// Water controller and spray chamber chiller panels.
#include <gtest/gtest.h>

#include <string>

#include "panel_support.h"

namespace {

using namespace panels;

const Lines kStop = {"PRTC:TMPS:STOP", "PRTC:BOUT:SVW OFF"};

struct Case {
    double state;
    double styleB;
    const char *script;
    Lines writes;
    Lines queries;
};

void RunCases(const char *command, const char *help, const Case *cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Case &c = cases[i];
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        host.setVariable("_StyleB", c.styleB);
        ASSERT_TRUE(Ran(host, command, c.script)) << command << " case " << i;
        EXPECT_EQ(Writes(host), c.writes) << command << " case " << i;
        if (!c.queries.empty()) {
            EXPECT_EQ(Queries(host), c.queries) << command << " case " << i;
        }
        EXPECT_EQ(Has(host, help), std::string(c.script).find("click Help") != std::string::npos)
            << command << " case " << i;
    }
}

} // namespace

TEST(Water, EachStateAndLayoutOpensAndClosesWithItsOwnTraffic)
{
    const Case cases[] = {
        {1, 0, "expect Open Water Valve enabled; escape", {"PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW OFF"},
         {"SYS:FSIF?", "SYS:FSRF?", "SYS:TMPCL?", "SYS:TMPC?", "PRTC:AIN:FSIF?", "PRTC:AIN:FSRF?", "PRTC:AIN:TMPC?"}},
        {2, 0, "expect Open Water Valve disabled; expect WC / IF: = 1.850; click Help; escape", {"TUNE:HSET 1"}, {}},
        {1, 1, "expect #1004 = ---; expect #1007 = ---; expect #1009 = ---; expect #1009 disabled; "
               "expect #1015 disabled; tick; expect #1004 = ---; escape",
         {"PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW OFF"},
         {"SYS:RFWCIF?", "SYS:TMPCL?", "SYS:TMPC?", "PRTC:AIN:RFWCIF?", "PRTC:AIN:TMPC?", "PRTC:AIN:RFWCIF?",
          "PRTC:AIN:TMPC?"}},
        {2, 1, "expect RF/WC/IF: = 4.150; escape", {"TUNE:HSET 1"}, {}},
        {0, 0, "click Open Water Valve; tick; escape", {"PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW ON", "PRTC:BOUT:SVW OFF"},
         {}},
    };
    RunCases("MaintWater", "help 268", cases, sizeof cases / sizeof cases[0]);
}

TEST(Water, LeavingALimitFieldWritesItsWholePairInRange)
{
    const Case cases[] = {
        // The tab lands in the partner, which writes the pair again when left.
        {1, 0, "set WC / IF = 5; expect WC / IF = 3.000; escape",
         {"PRTC:BOUT:SVW OFF", "SYS:FSIF 3.000,1.000", "SYS:FSIF 3.000,1.000", "PRTC:BOUT:SVW OFF"}, {}},
        {1, 1, "set RF/WC/IF = 0.5; escape",
         {"PRTC:BOUT:SVW OFF", "SYS:RFWCIF 0.500,1.000", "SYS:RFWCIF 0.500,1.000", "PRTC:BOUT:SVW OFF"}, {}},
        {1, 0, "set #1009 = 1.23456; type #1007 = -1; click Close",
         {"PRTC:BOUT:SVW OFF", "SYS:FSRF 1.000,1.234", "SYS:TMPCL 10.0", "SYS:FSRF 0.000,1.234",
          "PRTC:BOUT:SVW OFF"},
         {}},
        // The high temperature pair is written error limit first.
        {2, 0, "set Water Temp = 25; set #1012 = 80; escape",
         {"SYS:TMPCL 20.0", "SYS:TMPC 35.0,30.0", "SYS:TMPC 70.0,30.0", "TUNE:HSET 1"}, {}},
    };
    RunCases("MaintWater", "help 268", cases, sizeof cases / sizeof cases[0]);
}

TEST(Chiller, EachStateOpensAndClosesWithItsOwnTraffic)
{
    const Case cases[] = {
        {1, 0, "expect Enable Temp Control unchecked; escape", Twice(kStop),
         {"SYS:TMPST?", "SYS:TMPSH?", "PRTC:AIN:TMPSH?", "PRTC:AIN:TMPS?", "PRTC:AIN:CHKPEL?"}},
        {0, 0, "expect Enable Temp Control enabled; escape", Twice(kStop), {}},
        {2, 0, "expect Enable Temp Control disabled; expect Temperature: disabled; expect Tolerance: enabled; "
               "click Help; escape",
         {"TUNE:HSET 1"},
         {"SYS:TMPST?", "SYS:TMPSH?", "PRTC:AIN:TMPSH?", "PRTC:AIN:TMPS?", "PRTC:AIN:CHKPEL?"}},
    };
    RunCases("MaintSC", "help 270", cases, sizeof cases / sizeof cases[0]);
}

TEST(Chiller, ControlStartsWithTheWaterAndFollowsTheSetPoint)
{
    const Case cases[] = {
        // A set point reaches the instrument only while the control runs.
        {1, 0, "set Temperature: = 15; click Enable Temp Control; set Temperature: = 120; expect Temperature: = 100; "
               "set Temperature: = 7.6; expect Temperature: = 7; click Enable Temp Control; escape",
         Concat({kStop,
                 {"PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT 15", "PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT 100",
                  "PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT 7"},
                 kStop, kStop}),
         {}},
        // The simulated chamber cools toward the set point with the water on.
        {1, 0, "set Temperature: = -20; click Enable Temp Control; tick 40; expect Peltier Voltage: = 8.5; "
               "expect Temperature(L): = -19.95; escape",
         Concat({kStop, {"PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT -20"}, kStop}), {}},
        // Limits: the upper limit is kept first; tolerance alone.
        {1, 0, "set Tolerance: = 9; set Lower Limit: = -70; expect Lower Limit: = -60.0; click Close",
         Concat({kStop, {"SYS:TMPST 5.00", "SYS:TMPSH 40.0,-60.0", "SYS:TMPSH 40.0,-60.0"}, kStop}), {}},
        {2, 0, "set Upper Limit: = 12.345; escape", {"SYS:TMPSH 12.3,-10.0", "TUNE:HSET 1"}, {}},
    };
    RunCases("MaintSC", "help 270", cases, sizeof cases / sizeof cases[0]);
}
