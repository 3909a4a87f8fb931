// Vacuum, peristaltic pump and housing panels against the simulated instrument.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "panel_support.h"

namespace {

using namespace panels;

const Lines kVacuumSwitchOff = {
    "PRTC:BOUT:SVVAC OFF", "PRTC:BOUT:TPI OFF", "PRTC:BOUT:TPA OFF", "PRTC:BOUT:PGON OFF", "PRTC:BOUT:SVIF OFF",
    "PRTC:BOUT:RPBK OFF", "MNTE:SVC:PICDIS 4, #H0", "FRCD:BOUT:ISOV OFF", "PRTC:BOUT:S24ON OFF",
    "PRTC:BOUT:RPIF OFF", "PRTC:BOUT:SVPRG OFF", "PRTC:BOUT:SVPRV OFF", "PRTC:BOUT:SVAG OFF",
    "FRCD:BOUT:S75ON OFF",
};
// Single turbo with the automatic flow controller: TMP for TPI and TPA, the fan and the assist valve.
const Lines kSingleTurboSwitchOff = {
    "PRTC:BOUT:SVVAC OFF", "PRTC:BOUT:TMP OFF", "PRTC:BOUT:PGON OFF", "PRTC:BOUT:SVIF OFF", "PRTC:BOUT:RPBK OFF",
    "MNTE:SVC:PICDIS 4, #H0", "FRCD:BOUT:ISOV OFF", "PRTC:BOUT:S24ON OFF", "PRTC:BOUT:RPIF OFF",
    "PRTC:BOUT:SVPRG OFF", "FRCD:BOUT:S75ON OFF", "FRCD:BOUT:TFAN OFF", "FRCD:BOUT:SVCR 0",
};

} // namespace

TEST(PeriPump, StopsThePumpsAtOpenAndCloseAndSendsATypedSpeedInRange)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    ASSERT_TRUE(Ran(host, "MaintPeriPump", "expect Sample Pump: disabled; set Nebulizer Pump: = 0.75; escape"));
    EXPECT_EQ(Writes(host), (Lines{"FRCD:PER:PUMP1 0.00", "FRCD:PER:PUMP1 0.50", "FRCD:PER:PUMP1 0.00"}));

    host.setVariable("OPT_PMP2", 1);
    ASSERT_TRUE(Ran(host, "MaintPeriPump", "expect Sample Pump: enabled; escape"));
    EXPECT_EQ(Writes(host), Twice({"FRCD:PER:PUMP1 0.00", "FRCD:PER:PUMP2 0.00"}));

    host.setVariable("fakestatus", 2);
    ASSERT_TRUE(Ran(host, "MaintPeriPump", "expect Nebulizer Pump: disabled; escape"));
    EXPECT_EQ(Writes(host), (Lines{"TUNE:HSET 1"}));
    double button = 0;
    ASSERT_TRUE(host.variable("_BUTTON", &button));
    EXPECT_EQ(button, 1.0);
}

TEST(Housing, S24IsForcedOffAndLimitPairsAreWrittenErrorFirst)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("SYS:TMP1?", "50.0,40.0");
    host.addReply("SYS:TMP3?", "55.0,50.0");
    ASSERT_TRUE(Ran(host, "MaintHousing", "set #27428 = 45; set #27433 = 120; escape"));
    // The tab lands in the inlet error field; leaving that one writes the inlet pair again.
    EXPECT_EQ(Writes(host), (Lines{"PRTC:BOUT:S24ON OFF", "SYS:TMP1 50.0,45.0", "SYS:TMP1 50.0,45.0",
                                   "SYS:TMP3 100.0,50.0", "PRTC:BOUT:S24ON OFF"}));

    host.setVariable("fakestatus", 2);
    ASSERT_TRUE(Ran(host, "MaintHousing", "expect S24V checked; expect S24V disabled; escape"));
    EXPECT_EQ(Writes(host), (Lines{"TUNE:HSET 1"}));

    // Every limit field reaches 100 degC, its maximum, and no further.
    host.setVariable("fakestatus", 1);
    for (auto [field, typed, pair] : {std::tuple<int, const char *, const char *>{27428, "100", "SYS:TMP1 50.0,100.0"},
                                      {27429, "100.1", "SYS:TMP1 100.0,40.0"}, {27432, "100", "SYS:TMP3 55.0,100.0"},
                                      {27433, "99.9", "SYS:TMP3 99.9,50.0"}}) {
        ASSERT_TRUE(Ran(host, "MaintHousing", "type #" + std::to_string(field) + " = " + typed + "; click Help; escape"));
        EXPECT_EQ(Writes(host), (Lines{"PRTC:BOUT:S24ON OFF", pair, "PRTC:BOUT:S24ON OFF"})) << field << " " << typed;
    }
}

TEST(Vacuum, EnableRulesByStateAndConfiguration)
{
    const struct {
        int state, styleB, evac;
        const char *expect;
    } cases[] = {
        {0, 0, 1, "TPI (Big) On enabled; Open Gate Valve enabled; TMP Fan On disabled; #22512 disabled"},
        {0, 1, 0, "TMP On enabled; TPI (Big) On disabled; TMP Fan On enabled; #22512 disabled"},
        {0, 1, 1, "TMP Fan On enabled; #22512 enabled"},
        {1, 1, 1, "TMP On disabled; Open Gate Valve disabled; TMP Fan On disabled; #22512 enabled"},
        {1, 0, 0, "TPI (Big) On disabled; TMP Fan On disabled; #22512 disabled"},
        {2, 1, 1, "TMP Fan On disabled; #22512 disabled; Ignore Timeout enabled"},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        host.setVariable("_StyleB", c.styleB);
        host.setVariable("_H2LINE", c.evac);
        host.setVariable("_EVAC_VALVE", c.evac);
        std::string expects;
        for (std::string rest = c.expect; !rest.empty();) {
            size_t end = rest.find("; ");
            expects += "expect " + rest.substr(0, end) + "; ";
            rest = end == std::string::npos ? "" : rest.substr(end + 2);
        }
        EXPECT_TRUE(Ran(host, "MaintVacuum", expects + "escape")) << c.expect;
    }
}

// Each manual output in state 0, ticked and cleared: its ON and its OFF
// commands, for both turbo configurations (the purge without the automatic
// flow controller opens the argon path around it).
TEST(Vacuum, EveryOutputSendsItsOnAndOffCommands)
{
    auto onOff = [](const char *word) { return Lines{std::string(word) + " ON", std::string(word) + " OFF"}; };
    const struct {
        const char *variables;
        const Lines &reset;  // the switch-off at open (and again at close)
        const char *boxes;
        Lines middle;
    } cases[] = {
        {"", kVacuumSwitchOff,
         "Rotary Pump(1) On|Rotary Pump(2) On|Open Backing Valve|TPI (Big) On|TPA (Small) On|Penning Gage On|"
         "Open I/F Valve|Open Purge Gas Valve|+75V (TP)",
         Concat({onOff("PRTC:BOUT:RPBK"), onOff("PRTC:BOUT:RPIF"), onOff("PRTC:BOUT:SVVAC"), onOff("PRTC:BOUT:TPI"),
                 onOff("PRTC:BOUT:TPA"), onOff("PRTC:BOUT:PGON"), onOff("PRTC:BOUT:SVIF"),
                 {"PRTC:BOUT:SVAG ON", "PRTC:BOUT:SVPRV ON", "PRTC:BOUT:SVPRG ON", "PRTC:BOUT:SVPRG OFF",
                  "PRTC:BOUT:SVPRV OFF", "PRTC:BOUT:SVAG OFF"},
                 onOff("FRCD:BOUT:S75ON")})},
        {"_StyleB=1 _AFC=1", kSingleTurboSwitchOff, "TMP On|TMP Fan On|Open Purge Gas Valve|#22512",
         Concat({onOff("PRTC:BOUT:TMP"), onOff("FRCD:BOUT:TFAN"), onOff("PRTC:BOUT:SVPRG"),
                 {"FRCD:BOUT:SVCR 1", "FRCD:BOUT:SVCR 0"}})},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        Set(host, std::string("fakestatus=0 _H2LINE=1 _EVAC_VALVE=1 ") + c.variables);
        std::string script;
        for (std::string rest = c.boxes; !rest.empty();) {
            size_t end = rest.find('|');
            script += "click " + rest.substr(0, end) + "; click " + rest.substr(0, end) + "; ";
            rest = end == std::string::npos ? "" : rest.substr(end + 1);
        }
        ASSERT_TRUE(Ran(host, "MaintVacuum", script + "escape")) << c.boxes;
        EXPECT_EQ(Writes(host), Concat({c.reset, c.middle, c.reset})) << c.boxes;
    }
}

TEST(Vacuum, GateValveAsksFirstAndOnlyYesOpensIt)
{
    cphost::Host host;
    host.setVariable("fakestatus", 0);
    ASSERT_TRUE(Ran(host, "MaintVacuum", "click Open Gate Valve; answer No; expect Open Gate Valve unchecked; "
                    "click Open Gate Valve; answer Yes; click Open Gate Valve; escape"));
    Lines expected = kVacuumSwitchOff;
    for (const char *c : {"MNTE:SVC:PICDIS 4, #H60", "PRTC:BOUT:S24ON ON", "FRCD:BOUT:ISOV ON",
                          "MNTE:SVC:PICDIS 4, #H0", "FRCD:BOUT:ISOV OFF", "PRTC:BOUT:S24ON OFF"})
        expected.push_back(c);
    expected.insert(expected.end(), kVacuumSwitchOff.begin(), kVacuumSwitchOff.end());
    EXPECT_EQ(Writes(host), expected);
    EXPECT_TRUE(Has(host, "? MNTE:SVC:STB?"));
}

TEST(Vacuum, OtherStatesOnlyMonitorAndState2EndsWithHset)
{
    cphost::Host host;
    host.setVariable("fakestatus", 2);
    host.addReply("MNTE:SVC:STB?", "1");  // timeout not ignored: the box starts cleared
    ASSERT_TRUE(Ran(host, "MaintVacuum", "expect Rotary Pump(1) On disabled; click Ignore Timeout; escape"));
    EXPECT_EQ(Writes(host), (Lines{"MNTE:SVC:STB OFF", "TUNE:HSET 1"}));

    Set(host, "fakestatus=1 _StyleB=1");
    ASSERT_TRUE(Ran(host, "MaintVacuum", "escape"));
    EXPECT_EQ(Writes(host), (Lines{"FRCD:BOUT:SVCR 0", "FRCD:BOUT:SVCR 0"}));
}

TEST(Vacuum, PressuresOutsideTheirRangeShowDashes)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("PRTC:AIN:PIBK?", "1330.0|1330.5");
    host.addReply("PRTC:AIN:PIIF?", "0.1");
    host.addReply("PRTC:BIN:ERRBRK?", "0.95");
    ASSERT_TRUE(Ran(host, "MaintVacuum", "expect Backing Press: = 1330.000; expect I/F Press: = --------; "
                    "expect RP Breaker Trip: = 1; tick; expect Backing Press: = --------; escape"));
}

TEST(VacuumParameters, UpdateWritesAll14RecordsAndCancelNothing)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("SYS:PIBK:PGON?", "20.0,500.0,300");
    host.addReply("SYS:AUTOS?", "1");
    ASSERT_TRUE(Ran(host, "MaintVacuum", "click System Parameters...; click Update; escape"));
    const Lines records = {"SYS:PIBK:TPON 100.00,500.00,600",  "SYS:PIBK:PGON 20.00,500.00,300,120",
                           "SYS:PGAN:STB 1.000E-03,5.000E-03,600,1800", "SYS:PIIF:ISOV 200.00,400.00,60,5",
                           "SYS:PGAN:ANA 5.000E-03,1.000E-02,600", "SYS:PIIF:ANA 500.00,150.00,450.00",
                           "SYS:PGAN:TBSLOW 2.000E-04",         "SYS:TDISOV 5",
                           "SYS:TPRT 90,80,90,80",              "SYS:TPRTSTB 80,80",
                           "SYS:AUTOS ON",                      "SYS:PIBK:COLTPON 50.00",
                           "SYS:PGAN:COLSTB 2.000E-03,1.000E-03,600", "SYS:PGAN:COLANA 1.000E-02,5.000E-03,600"};
    EXPECT_EQ(Writes(host), records);
    const Lines queries = Starting(host, "? SYS:", 2);
    ASSERT_EQ(queries.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(queries[i], records[i].substr(0, records[i].find(' ')) + "?");

    ASSERT_TRUE(Ran(host, "MaintVacuum", "click System Parameters...; set #25943 = 2; click Cancel; escape"));
    EXPECT_TRUE(Writes(host).empty());

    host.setVariable("fakestatus", 2);
    ASSERT_TRUE(Ran(host, "MaintVacuum", "click System Parameters...; expect Update disabled; click Cancel; escape"));
}

TEST(Frame, FieldTextsAreSentAsNumbersInRangeWhenLeftOrOnReturn)
{
    auto pump = [](const std::string &speed) {
        return Lines{"FRCD:PER:PUMP1 0.00", "FRCD:PER:PUMP1 " + speed, "FRCD:PER:PUMP1 0.00"};
    };
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    const std::pair<std::string, const char *> cases[] = {
        {"nan", "0.00"}, {"1e999", "0.50"}, {"-1e999", "-0.50"}, {"0x1p4", "0.00"}, {"", "0.00"}, {"-0.123", "-0.12"},
        {std::string(200, '9'), "0.50"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(Ran(host, "MaintPeriPump", "set Nebulizer Pump: = " + c.first + "; escape"));
        EXPECT_EQ(Writes(host), pump(c.second)) << '"' << c.first << '"';
    }

    // Return commits the field and leaves the dialog open.
    ASSERT_TRUE(Ran(host, "MaintPeriPump", "type Nebulizer Pump: = 0.2; enter; expect Nebulizer Pump: = 0.20; "
                    "click Help; escape"));
    EXPECT_EQ(Writes(host), pump("0.20"));
    EXPECT_TRUE(Has(host, "help 271"));
}

TEST(VacuumParameters, SingleTurboFormsOnOpenAndUpdate)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.setVariable("_StyleB", 2);  // single turbo, but the labels stay: only 1 changes them
    ASSERT_TRUE(Ran(host, "MaintVacuum", "click System Parameters...; expect #25933 enabled; click Update; escape"));
    // The evacuation-assist valve closed at open and close (state 1, single turbo) around the
    // single-turbo words, and the TMP speed limits without the TPI column.
    EXPECT_EQ(Writes(host), (Lines{"FRCD:BOUT:SVCR 0", "SYS:PIIFBK:TPON 100.00,500.00,600",
                                   "SYS:PIIFBK:PGON 10.00,50.00,300,120", "SYS:PGAN:STB 1.000E-03,5.000E-03,600,1800",
                                   "SYS:PIIFBK:ISOV 200.00,400.00,60,5", "SYS:PGAN:ANA 5.000E-03,1.000E-02,600",
                                   "SYS:PIIFBK:ANA 500.00,150.00,450.00", "SYS:PGAN:TBSLOW 2.000E-04", "SYS:TDISOV 5",
                                   "SYS:TPRTMP 90,80", "SYS:TPRTMPSTB 80", "SYS:AUTOS ON", "SYS:PIIFBK:COLTPON 50.00",
                                   "SYS:PGAN:COLSTB 2.000E-03,1.000E-03,600", "SYS:PGAN:COLANA 1.000E-02,5.000E-03,600",
                                   "FRCD:BOUT:SVCR 0"}));
    EXPECT_TRUE(Has(host, "? SYS:PIIFBK:PGON?"));

    host.setVariable("_StyleB", 1);
    ASSERT_TRUE(Ran(host, "MaintVacuum", "click System Parameters...; expect #25933 disabled; expect #25965 = ---; "
                    "expect #25934 = TMP; expect #25910 = (PIIFBK); click Cancel; escape"));
}
