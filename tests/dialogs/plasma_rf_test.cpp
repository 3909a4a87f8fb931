// The plasma RF panel (226 classic, 314 new generator) and its ignition recipe (258).
#include <gtest/gtest.h>

#include <string>

#include "panel_support.h"

namespace {

using namespace panels;

const Lines kClassicPoll = {
    "PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", "PRTC:BIN:UNBLER?;DCNCER?;RFLVER?",
    "PRTC:BIN:RFFANER?;MNBFAN?;SRLMTA?",       "PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?",
    "PRTC:AIN:PF?;PR?;SRPS?;SHPS?;ID1?;ID2?",  "PRTC:AIN:ID3?;ID4?;TTA?;TTB?;VDA?;VDB?",
    "PRTC:AIN:IDD?;RFV12?;RFBI?;RFBIAS?",      "PRTC:AIN:IGNT?;CHK12V?;CHKP5?;CHKPH?",
};
const Lines kNewPoll = {
    "PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", "PRTC:BIN:UNBLER?;DCNCER?;RFFBER?",
    "PRTC:BIN:RFFANER?;MNBFAN?;SRLMTA?",       "PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?",
    "PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?",   "PRTC:AIN:PF?;PR?;SRPS?;SHPS?;ID1?;ID2?",
    "PRTC:AIN:ID3?;ID4?;TTA?;TTB?;VD?;RF48V?", "PRTC:AIN:IDD?;RFDV?;RFTH?;RFTHS?",
    "PRTC:AIN:IGNT?;CHK12V?;CHKP5?;CHKPH?",    "PRTC:AIN:RFDVS?;UNBL?",
};

// What every reset writes; the capacitors are held where they were read.
Lines Reset(bool optionalGas, bool samplePump, const std::string &series = "1.850",
            const std::string &shunt = "2.120")
{
    Lines w = {"PRTC:BOUT:RFOSC OFF", "PRTC:BOUT:RFON OFF",   "PRTC:BOUT:IGNT OFF",
               "PRTC:AOUT:PF 0",      "PRTC:AOUT:PRLMT 0",    "PRTC:AOUT:PLGS 0.00",
               "PRTC:AOUT:AXGS 0.000", "PRTC:AOUT:CRGS 0.000", "PRTC:AOUT:MUGS 0.000"};
    if (optionalGas)
        w.push_back("FRCD:AOUT:OPGS 0.00");
    w.push_back("PRTC:AOUT:SRPS " + series);
    w.push_back("PRTC:AOUT:SHPS " + shunt);
    w.push_back("FRCD:PER:PUMP1 0.00");
    if (samplePump)
        w.push_back("FRCD:PER:PUMP2 0.00");
    w.push_back("PRTC:BOUT:SVAG OFF");
    if (optionalGas)
        w.push_back("FRCD:BOUT:SVOP OFF");
    for (const char *c : {"PRTC:BOUT:SVW OFF", "PRTC:BOUT:S24ON OFF", "PRTC:BOUT:RFFAN OFF", "PRTC:BOUT:SRRM OFF"})
        w.push_back(c);
    return w;
}

}  // namespace

// Options from the host variable or the option file, the host variable winning.
TEST(PlasmaRf, OpeningAndClosingByStateAndOptions)
{
    struct Case {
        double state;
        const char *variables;
        std::string actions;
        Lines writes;
    };
    const Case cases[] = {
        {1, "",
         "expect Outputs/Forward Power: disabled; expect Optional Gas: disabled; "
         "expect Open Optional Gas Valve disabled; expect Sample Pump: disabled; expect Plasma Off disabled; escape",
         Twice(Reset(false, false))},
        {0, "OPT_OPGS=1 file:OPT_PMP2=1",
         "expect Optional Gas: enabled; expect Sample Pump: enabled; expect Open Optional Gas Valve enabled; "
         "expect Outputs/Forward Power: disabled; escape",
         Twice(Reset(true, true))},
        {1, "OPT_PMP2=0 file:OPT_OPGS=1 file:OPT_PMP2=1",
         "expect Optional Gas: enabled; expect Sample Pump: disabled; escape", Twice(Reset(true, false))},
        {2, "OPT_OPGS=1",
         "expect Enter disabled; expect Plasma On disabled; expect Plasma Off disabled; expect Open Ar Gas Valve "
         "disabled; expect RF Oscilation On disabled; expect Nebulizer Pump: disabled; expect Optional Gas: disabled; "
         "expect System Parameters... enabled; expect #22620 disabled; expect #22622 disabled; escape",
         {"TUNE:HSET 1"}},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        Set(host, c.variables);
        ASSERT_TRUE(Ran(host, "MaintRF", c.actions)) << "state " << c.state;
        EXPECT_EQ(Writes(host), c.writes) << "state " << c.state;
        Lines polls = c.state == 2 ? kClassicPoll : Concat({kClassicPoll, {"PLSM:STAT?"}});
        EXPECT_EQ(Queries(host), polls) << "state " << c.state;
    }

    // Offline every reading is 0 and the sequence reads idle; nothing is sent.
    cphost::Host offline;
    Set(offline, "fakestatus=1 _offline=1");
    ASSERT_TRUE(Ran(offline, "MaintRF", "expect Plasma On enabled; expect Inputs/Series C Pos: = 0.000; "
                    "expect Igniter: = 0.000; expect Plasma Sensor: = 0; escape"));
    EXPECT_TRUE(Writes(offline).empty());
    EXPECT_TRUE(Queries(offline).empty());

    // The capacitors are held as displayed, then validated like a typed value.
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("PRTC:AIN:PF?;PR?;SRPS?;SHPS?;ID1?;ID2?", "0;0;1.2345;4.5;0;0");
    ASSERT_TRUE(Ran(host, "MaintRF", "expect Outputs/Shunt C Pos: = 4.096; escape"));
    EXPECT_EQ(Writes(host), Twice(Reset(false, false, "1.234", "4.096")));
}

// "Voltage too Low:" shows only behind a supply or drain-voltage error.
TEST(PlasmaRf, ClassicAndNewGeneratorQuerySets)
{
    cphost::Host classic;
    classic.setVariable("fakestatus", 1);
    classic.addReply("PRTC:AIN:IDD?;RFV12?;RFBI?;RFBIAS?", "0.1234;12.346;1.2345;-1.5");
    classic.addReply("PRTC:BIN:UNBLER?;DCNCER?;RFLVER?", "0.95;0.85;1");
    ASSERT_TRUE(Ran(classic, "MaintRF", "expect Unbalance: = 1; expect Directional Coupler: = 0; "
                    "expect Error Inputs/RF Driver +12V: = 1; expect Phase Detector: = 3; tick; click Help; escape"));
    EXPECT_TRUE(Has(classic, "help 226"));
    EXPECT_EQ(Queries(classic), Twice(Concat({kClassicPoll, {"PLSM:STAT?"}})));

    cphost::Host fresh;
    Set(fresh, "fakestatus=1 OPT_New_RF=1");
    fresh.addReply("PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", "0;0;0;0|0;1.2;0;0|0;0.95;0;0");
    fresh.addReply("PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?", "0;0.95;1;1|0;0;1;1|0;1;0;0.95");
    fresh.addReply("PRTC:AIN:IDD?;RFDV?;RFTH?;RFTHS?", "0.1234;11.951;0.5126;0.5");
    ASSERT_TRUE(Ran(fresh, "MaintRF", "expect Voltage too Low: = ---; expect Error Inputs/RF PS +48V: = 1; "
                    "expect Inputs/RF PS +48V: = 48.05; expect Drain Volt.(max): = 47.85; "
                    "expect Driver Volt. Set: = 12.00; expect Unbalance Curr.: = 0.012; tick; "
                    "expect Voltage too Low: = 1; expect Drain Voltage: = 1; expect Inputs/RF PS +48V: = 0.31; "
                    "expect Drain Volt.(max): = 0.30; tick; expect Voltage too Low: = 1; click Help; escape"));
    EXPECT_TRUE(Has(fresh, "help 314"));
    EXPECT_EQ(Queries(fresh), Concat({kNewPoll, {"PLSM:STAT?"}, kNewPoll, {"PLSM:STAT?"}, kNewPoll, {"PLSM:STAT?"}}));
}

// Rounded by +/-0.1: 0 idle, 2 and 3 plasma on, anything else locks.
TEST(PlasmaRf, SequenceStatusEnablesByItsRoundedValue)
{
    const std::string idle = "expect Plasma On enabled; expect Plasma Off disabled; expect Enter enabled; "
                             "expect Open Ar Gas Valve enabled; expect Optional Gas: enabled; expect #22620 enabled; "
                             "expect Outputs/Forward Power: disabled; expect Nebulizer Pump: enabled; "
                             "expect Sample Pump: enabled; ";
    const std::string on = "expect Plasma On disabled; expect Plasma Off enabled; expect Enter disabled; "
                           "expect Outputs/Series C Pos: disabled; expect Optional Gas: disabled; "
                           "expect Igniter On disabled; expect Nebulizer Pump: disabled; expect Sample Pump: disabled; "
                           "expect System Parameters... enabled; expect Outputs/Forward Power: disabled; "
                           "expect #22622 enabled; ";
    const std::string locked = "expect Plasma On disabled; expect Plasma Off disabled; expect Enter disabled; "
                               "expect Plasma Gas: disabled; ";
    cphost::Host host;
    Set(host, "fakestatus=1 OPT_OPGS=1 OPT_PMP2=1");
    host.addReply("PLSM:STAT?", "2.95|0.05|1|-1|4|1.95|-0.05");
    ASSERT_TRUE(Ran(host, "MaintRF", on + "tick; " + idle + "tick; " + locked + "tick; " + locked + "tick; " + locked +
                                         "tick; " + on + "tick; " + idle + "escape"));
    EXPECT_EQ(Writes(host), Twice(Reset(true, true)));
}

// Nothing is sent for the 0 "Forward Power:" shows while the oscillator is off. The gate
// greys and enables the field alone: its caption and its "W" keep what opening gave them.
TEST(PlasmaRf, OutputsAndTheForwardPowerGate)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    ASSERT_TRUE(Ran(host, "MaintRF", "click RF Oscilation On; expect Outputs/Forward Power: enabled; "
                    "type Outputs/Forward Power: = 2500.7; click RF Oscilation On; "
                    "expect Outputs/Forward Power: disabled; expect #22620 enabled; expect #22622 enabled; "
                    "expect Outputs/Forward Power: = 0; "
                    "click RF Oscilation On; expect Outputs/Forward Power: = 0; click Enable SR Remote; "
                    "click Cooling Fan On; click +48V PS (S24V) On; click Igniter On; click Open Ar Gas Valve; "
                    "click Open Water Valve; click Initialize XYZ Stage; type Reflected Power Lmt: = 600; "
                    "type Aux Gas: = -1; type Nebulizer Pump: = 0.25; escape"));
    Lines used = {"PRTC:BOUT:RFOSC ON",  "PRTC:BOUT:RFON ON",    "PRTC:AOUT:PF 2000",  "PRTC:BOUT:RFOSC OFF",
                  "PRTC:BOUT:RFON OFF",  "PRTC:BOUT:RFOSC ON",   "PRTC:BOUT:RFON ON",  "PRTC:BOUT:SRRM ON",
                  "PRTC:BOUT:RFFAN ON",  "PRTC:BOUT:S24ON ON",   "PRTC:BOUT:IGNT ON",  "PRTC:BOUT:SVAG ON",
                  "PRTC:BOUT:SVW ON",    "PRTC:XYZ:INI",         "PRTC:AOUT:PRLMT 500", "PRTC:AOUT:AXGS -0.819",
                  "FRCD:PER:PUMP1 0.25"};
    EXPECT_EQ(Writes(host), Concat({Reset(false, false), used, Reset(false, false)}));
}

// The four options come from the option file only; a failing ignition falls back to idle.
TEST(PlasmaRf, PlasmaOnIgnitesWithTheFileOptionsAndPlasmaOffExtinguishes)
{
    cphost::Host host;
    Set(host, "fakestatus=1 file:OPT_SC=2 file:OPT_ORGANIC=1 file:OPT_SHIELD=0 OPT_SC=0 OPT_SHIELD=1");
    ASSERT_TRUE(Ran(host, "MaintRF", "click Plasma On; tick; expect Plasma On disabled; expect Plasma Off disabled; "
                    "tick 4; expect Plasma Off enabled; expect Inputs/Forward Power: = 1550; "
                    "expect Plasma Stable: = 1; expect Plasma Sensor: = 1; expect Inputs/Shunt C Pos: = 2.350; "
                    "click Plasma Off; tick; expect Plasma On enabled; expect Inputs/Forward Power: = 0; escape"));
    Lines ignite = {"OPT:SPRAY 1", "PLSM:SHLD 0", "PLSM:SMPL 1", "SYS:IMT:PUMP 0", "PLSM:IGNT"};
    EXPECT_EQ(Writes(host), Concat({Reset(false, false), Reset(false, false), ignite, {"PLSM:EXTN"},
                                    Reset(false, false, "1.850", "2.350")}));

    cphost::Host failing;
    failing.setVariable("fakestatus", 1);
    failing.setScenario(std::string(TORVEX_SOURCE_DIR) + "/scenarios/plasma-fails.ini");
    ASSERT_TRUE(Ran(failing, "MaintRF", "click Plasma On; tick 5; expect Plasma On enabled; "
                    "expect Plasma Sensor: = 0; expect Inputs/Forward Power: = 0; escape"));
}

// Read with "%f" and validated; ",0.00" stands for the tuned post values.
TEST(PlasmaIgnition, RecipeRoundTripThroughUpdateAndCancel)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("SYS:IGNT:PF?", "100,1200,1300");
    host.addReply("SYS:IGNT:CRGS?", "0.60,0.40,0.77");
    host.addReply("SYS:IGNT:SRPS?", "1.8509,0.05,30.7");
    ASSERT_TRUE(Ran(host, "MaintRF", "click System Parameters...; expect #25856 = 100; expect #25858 = 1200; "
                    "expect #25857 = 900; set X Pos (At Ignition): = 3; set X Pos (At Ignition): = 50; "
                    "set Plasma Gas (Pre-Ignition): = 12.345; expect #25840 = 12.34; expect #25841 = 12.34; "
                    "set Carrier Gas (Purge): = 1.5; expect #25846 = 1.50; tick; click Help; click Update; escape"));
    Lines recipe = {"SYS:IGNT:PLGS 18.00,12.34,16.00",  "SYS:IGNT:AXGS 1.50,1.00,0.90",
                    "SYS:IGNT:CRGS 1.50,0.40,0.00",      "SYS:IGNT:CRGSORGN 0.30",
                    "SYS:IGNT:MUGS 0.20,0.10,0.00",      "SYS:IGNT:OPGS 0.00,2.50,0.00",
                    "SYS:IGNT:SRPS 1.850,0.050,30",      "SYS:IGNT:SHPS 2.120,2.350,0.050,30",
                    "SYS:IGNT:PF 100,1200,1300",         "SYS:IGNT:PFJMP 900",
                    "SYS:IGNT:PFORGN 1600",              "SYS:IGNT:PRLMT 200,100",
                    "SYS:IGNT:PR 300,5",                 "SYS:IGNT:PURG 20",
                    "SYS:IGNT:IGWT 3",                   "SYS:IGNT:XPOS 40.0000"};
    EXPECT_EQ(Writes(host), Concat({Reset(false, false), recipe, Reset(false, false)}));
    EXPECT_TRUE(Has(host, "help 258"));
    EXPECT_TRUE(Has(host, "end 258 1"));

    host.setVariable("fakestatus", 2);  // the recipe stays editable while the panel only monitors
    ASSERT_TRUE(Ran(host, "MaintRF", "click System Parameters...; expect Update enabled; set Time (Purge): = 7; "
                    "click Cancel; escape"));
    EXPECT_EQ(Writes(host), (Lines{"TUNE:HSET 1"}));
    EXPECT_TRUE(Has(host, "end 258 0"));
}
