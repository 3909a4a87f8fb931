// Water Controller and Spray Chamber Chiller Maintenance end to end: the
// traffic of each state and layout, the stored limit pairs, and the chiller's
// start and stop with the water valve.
#include <gtest/gtest.h>

#include <string>

#include "panel_support.h"

namespace {

using namespace panels;

struct Case {
    double state;
    double styleB;
    const char *script;
    Lines writes;
    Lines queries;
};

// Runs each case in a fresh host; a case that clicks Help must ask for the
// help of the command's template.
void RunCases(const char *command, const char *help, const Case *cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Case &c = cases[i];
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        host.setVariable("_StyleB", c.styleB);
        ASSERT_EQ(host.run(command, {}, c.script), 0) << command << " case " << i << ": " << host.error();
        EXPECT_EQ(Writes(host), c.writes) << command << " case " << i;
        if (!c.queries.empty()) {
            EXPECT_EQ(Queries(host), c.queries) << command << " case " << i;
        }
        EXPECT_EQ(Unknown(host), Lines{}) << command << " case " << i;
        EXPECT_EQ(Has(host, help), std::string(c.script).find("click Help") != std::string::npos)
            << command << " case " << i;
    }
}

} // namespace

TEST(Water, EachStateAndLayoutOpensAndClosesWithItsOwnTraffic)
{
    const Case cases[] = {
        {1, 0,
         "expect WC / IF: = 0.012; expect RF Gen / TP: = 0.010; expect Water Temp: = 27.5; expect WC / IF = 0.800; "
         "expect #1008 = 1.000; expect Water Temp = 10.0; expect #1011 = 30.0; expect #1012 = 35.0; "
         "expect Open Water Valve enabled; escape",
         {"PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW OFF"},
         {"SYS:FSIF?", "SYS:FSRF?", "SYS:TMPCL?", "SYS:TMPC?", "PRTC:AIN:FSIF?", "PRTC:AIN:FSRF?", "PRTC:AIN:TMPC?"}},
        {2, 0, "expect Open Water Valve disabled; expect WC / IF: = 1.850; click Help; escape", {"TUNE:HSET 1"}, {}},
        {1, 1,
         "expect RF/WC/IF: = 0.015; expect RF/WC/IF = 0.800; expect #1004 = ---; expect #1007 = ---; "
         "expect #1009 disabled; expect #1015 disabled; tick; expect #1004 = ---; escape",
         {"PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW OFF"},
         {"SYS:RFWCIF?", "SYS:TMPCL?", "SYS:TMPC?", "PRTC:AIN:RFWCIF?", "PRTC:AIN:TMPC?", "PRTC:AIN:RFWCIF?",
          "PRTC:AIN:TMPC?"}},
        {2, 1, "expect RF/WC/IF: = 4.150; escape", {"TUNE:HSET 1"}, {}},
        {0, 0, "click Open Water Valve; tick; expect WC / IF: = 1.850; expect Water Temp: = 21.5; escape",
         {"PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW ON", "PRTC:BOUT:SVW OFF"}, {}},
    };
    RunCases("MaintWater", "help 268", cases, sizeof cases / sizeof cases[0]);
}

TEST(Water, LeavingALimitFieldWritesItsWholePairInRange)
{
    const Case cases[] = {
        // Leaving either field of a pair writes the pair; the tab lands in
        // its partner, which writes it again when it is left.
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
    const Lines stop = {"PRTC:TMPS:STOP", "PRTC:BOUT:SVW OFF"};
    const Case cases[] = {
        {1, 0,
         "expect Temperature: = 2; expect Tolerance: = 2.00; expect Upper Limit: = 40.0; expect Lower Limit: = -10.0; "
         "expect Enable Temp Control unchecked; expect Peltier Voltage: = 0.1; escape",
         Twice(stop),
         {"SYS:TMPST?", "SYS:TMPSH?", "PRTC:AIN:TMPSH?", "PRTC:AIN:TMPS?", "PRTC:AIN:CHKPEL?"}},
        {0, 0, "expect Enable Temp Control enabled; escape", Twice(stop), {}},
        {2, 0,
         "expect Enable Temp Control disabled; expect Temperature: disabled; expect Peltier Voltage: = 8.5; "
         "expect Temperature(L): = 2.05; expect Tolerance: enabled; click Help; escape",
         {"TUNE:HSET 1"},
         {"SYS:TMPST?", "SYS:TMPSH?", "PRTC:AIN:TMPSH?", "PRTC:AIN:TMPS?", "PRTC:AIN:CHKPEL?"}},
    };
    RunCases("MaintSC", "help 270", cases, sizeof cases / sizeof cases[0]);
}

TEST(Chiller, ControlStartsWithTheWaterAndFollowsTheSetPoint)
{
    const Lines stop = {"PRTC:TMPS:STOP", "PRTC:BOUT:SVW OFF"};
    const Case cases[] = {
        // A set point reaches the instrument only while the control runs.
        {1, 0, "set Temperature: = 15; click Enable Temp Control; set Temperature: = 120; expect Temperature: = 100; "
               "set Temperature: = 7.6; expect Temperature: = 7; click Enable Temp Control; escape",
         Concat({stop,
                 {"PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT 15", "PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT 100",
                  "PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT 7"},
                 stop, stop}),
         {}},
        // The simulated chamber cools toward the set point with the water on.
        {1, 0, "set Temperature: = -20; click Enable Temp Control; tick 40; expect Peltier Voltage: = 8.5; "
               "expect Temperature(L): = -19.95; escape",
         Concat({stop, {"PRTC:BOUT:SVW ON", "PRTC:TMPS:STRT -20"}, stop}), {}},
        // Limits: the upper limit is kept first; tolerance alone.
        {1, 0, "set Tolerance: = 9; set Lower Limit: = -70; expect Lower Limit: = -60.0; click Close",
         Concat({stop, {"SYS:TMPST 5.00", "SYS:TMPSH 40.0,-60.0", "SYS:TMPSH 40.0,-60.0"}, stop}), {}},
        {2, 0, "set Upper Limit: = 12.345; escape", {"SYS:TMPSH 12.3,-10.0", "TUNE:HSET 1"}, {}},
    };
    RunCases("MaintSC", "help 270", cases, sizeof cases / sizeof cases[0]);
}
