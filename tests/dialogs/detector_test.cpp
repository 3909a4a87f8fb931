// "Detector Maintenance" end to end: the real DLL in the in-process host
// against the simulated instrument. The detector takes kilovolts: what goes
// out at open and close, and what a high voltage needs before it is sent,
// are compared command for command.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "panel_support.h"

namespace {

using namespace panels;

const char kQuestion[] = "box \"Maintenance\" \"Be careful about excessive input to the detector. Continue?\" -> ";

const Lines kGateVoltages = {"PRTC:AOUT:EMEL -12.0", "PRTC:AOUT:EMGVA 185.0"};
// Both high voltages 0, discriminator 0.0 mV, both gates closed and the mass parked.
const Lines kSafe = {"PRTC:AOUT:EMHVA 0", "PRTC:AOUT:EMHVP 0", "PRTC:MASS:DSCR 0.0", "ACQ:AXIS 1",
                     "PRTC:MASS:MASS 15, -2"};

Lines StandbyRow(bool opening)
{
    Lines switches = {opening ? "PRTC:BOUT:S24ON ON" : "PRTC:BOUT:S24ON OFF", "PRTC:BOUT:LHVEN OFF",
                      "PRTC:MASS:TLOGSW ON"};
    return Concat({opening ? kGateVoltages : Lines{}, kSafe, switches});
}
Lines MonitorRow(bool opening)
{
    return Concat({opening ? kGateVoltages : Lines{}, kSafe, {"PRTC:BOUT:LHVEN ON", "PRTC:MASS:TLOGSW ON"},
                   opening ? Lines{} : Lines{"TUNE:HSET 1"}});
}
const Lines kIdleRow = {"PRTC:MASS:DSCR 0.0", "PRTC:MASS:TLOGSW OFF"};

// Closing stores both gate voltages before the state's row.
Lines Stored(const char *open = "-12.0", const char *close = "185.0")
{
    return {std::string("SYS:EMEL ") + open, std::string("SYS:EMGVA ") + close};
}

int Questions(const cphost::Host &host)
{
    const Lines &t = host.transcript();
    return static_cast<int>(std::count_if(t.begin(), t.end(), [](const std::string &line) {
        return line.rfind(kQuestion, 0) == 0;
    }));
}

} // namespace

TEST(Detector, OpenAndCloseRowsPerState)
{
    const struct {
        const char *stateReplies;  // "trns:stat?" at open, then at close
        const char *script;
        Lines writes;
    } cases[] = {
        {"1", "expect S24V checked; expect Enable HV unchecked; expect Enable LogAmp Temp Control checked; "
              "expect Outputs/Discriminator: = 0.0; expect Dead Time: = 3.800E-08; expect Gain: = 128; escape",
         Concat({StandbyRow(true), Stored(), StandbyRow(false)})},
        {"2", "expect S24V disabled; expect Enable HV checked; expect Outputs/Analog HV: enabled; escape",
         Concat({MonitorRow(true), Stored(), MonitorRow(false)})},
        {"0", "expect Open EM Gate disabled; expect Outputs/Pulse HV: disabled; expect Discriminator: enabled; "
              "expect EM Gate (Open): enabled; escape",
         Concat({kIdleRow, Stored(), kIdleRow})},
        // The close works from the state read again: opened in Standby, closed in state 2.
        {"1|2", "escape", Concat({StandbyRow(true), Stored(), MonitorRow(false)})},
        {"2|0", "escape", Concat({MonitorRow(true), Stored(), kIdleRow})},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.addReply("trns:stat?", c.stateReplies);
        ASSERT_EQ(host.run("MaintDetector", {}, c.script), 0) << c.stateReplies << ": " << host.error();
        EXPECT_EQ(Writes(host), c.writes) << "states " << c.stateReplies;
        EXPECT_EQ(Unknown(host), Lines{}) << c.stateReplies;
    }
}

// In state 2 a high voltage other than 0 goes out only after Yes; No puts the
// field back to 0 and sends that. Elsewhere the clamped value goes at once.
TEST(Detector, HighVoltageConfirmation)
{
    const struct {
        double state;
        const char *script;
        Lines writes;
        int questions;
    } cases[] = {
        {2, "type Outputs/Analog HV: = 1500; enter; answer Yes; expect Outputs/Analog HV: = 1500",
         {"PRTC:AOUT:EMHVA 1500"}, 1},
        {2, "type Outputs/Analog HV: = 1500; enter; answer No; expect Outputs/Analog HV: = 0",
         {"PRTC:AOUT:EMHVA 0"}, 1},
        {2, "type Outputs/Pulse HV: = 3000; enter; answer Yes", {"PRTC:AOUT:EMHVP 2048"}, 1},
        {2, "type Outputs/Pulse HV: = 0.4; enter", {"PRTC:AOUT:EMHVP 0"}, 0},
        // The question takes the focus from the field just tabbed into: that
        // field commits (and asks) only when the engineer leaves it.
        {2, "type Outputs/Pulse HV: = 900; enter; answer Yes; set Outputs/Analog HV: = 1500; answer Yes; "
            "click Enter; answer Yes",
         {"PRTC:AOUT:EMHVP 900", "PRTC:AOUT:EMHVA 1500", "PRTC:AOUT:EMHVP 900"}, 3},
        {1, "type Outputs/Analog HV: = 6000; enter; expect Outputs/Analog HV: = 5120", {"PRTC:AOUT:EMHVA 5120"}, 0},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        ASSERT_EQ(host.run("MaintDetector", {}, std::string(c.script) + "; escape"), 0) << c.script << ": "
                                                                                        << host.error();
        bool monitor = c.state == 2;
        Lines open = monitor ? MonitorRow(true) : StandbyRow(true);
        Lines close = monitor ? MonitorRow(false) : StandbyRow(false);
        EXPECT_EQ(Writes(host), Concat({open, c.writes, Stored(), close})) << c.script;
        EXPECT_EQ(Questions(host), c.questions) << c.script;
    }

    // A value typed and the panel closed: asked, sent, then the close makes it safe.
    cphost::Host host;
    host.setVariable("fakestatus", 2);
    ASSERT_EQ(host.run("MaintDetector", {}, "type Outputs/Analog HV: = 1200; click Close; answer Yes"), 0)
        << host.error();
    EXPECT_EQ(Writes(host), Concat({MonitorRow(true), {"PRTC:AOUT:EMHVA 1200"}, Stored(), MonitorRow(false)}));
}

// The gate boxes send the code of both boxes as they stand; the instrument's
// gate bits follow it.
TEST(Detector, GateCodesFollowBothBoxes)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    ASSERT_EQ(host.run("MaintDetector", {},
                       "click Open Pulse Gate; click Open EM Gate; tick; expect EM Gate Open: = 1; "
                       "expect Pulse Gate Open: = 1; click Open Pulse Gate; tick; expect Pulse Gate Open: = 0; "
                       "click Open EM Gate; click Enable LogAmp Temp Control; escape"),
              0)
        << host.error();
    Lines middle;
    for (const char *code : {"7", "3", "11", "15"})
        middle = Concat({middle, {"ACQ:AXIS 1", std::string("PRTC:MASS:MASS ") + code + ", -2"}});
    middle.push_back("PRTC:MASS:TLOGSW OFF");
    EXPECT_EQ(Writes(host), Concat({StandbyRow(true), middle, Stored(), StandbyRow(false)}));
    EXPECT_EQ(Unknown(host), Lines{});
}

TEST(Detector, StoredParameterEdits)
{
    const struct {
        double state;
        const char *script;
        Lines writes;
        Lines stored;
    } cases[] = {
        // Several fields, one command, in the instrument's order.
        {1, "type Correction Factor: = 1e-8; enter", {"SYS:DTIME 115,3.800E-08,1.000E-08"}, Stored()},
        {1, "type Pulse Lmt: = 6e7; enter", {"SYS:EMLMT 6.000000E+07,1.000000E+11"}, Stored()},
        {1, "type CrossOver Lower Lmt: = 4000; enter", {"SYS:EMPA 5.0E+06,4.0E+03"}, Stored()},
        {1, "type LogAmp Temp Lmt: = 150; enter; expect LogAmp Temp Lmt: = 100", {"SYS:LOGTLMT 100"}, Stored()},
        {1, "type Outputs/Discriminator: = 5; enter", {"PRTC:MASS:DSCR 5.0"}, Stored()},
        // The pulse gate takes effect at once: the pulse HV is sent again.
        {1, "type System Parameters/Pulse Gate: = 30; enter", {"SYS:EMGVP 30.0", "PRTC:AOUT:EMHVP 0"}, Stored()},
        {1, "type EM Gate (Open): = -20; enter", {"PRTC:AOUT:EMEL -20.0"}, Stored("-20.0")},
        // The states that leave the outputs alone (0, 3, 4) only store; any
        // other state that opens (7) drives them like Standby.
        {0, "type System Parameters/Pulse Gate: = 30; enter", {"SYS:EMGVP 30.0"}, Stored()},
        {0, "type EM Gate (Close): = 250; enter", {}, Stored("-12.0", "200.0")},
        {3, "type EM Gate (Open): = -20; enter", {}, Stored("-20.0")},
        {4, "type EM Gate (Open): = -20; enter", {}, Stored("-20.0")},
        {4, "type System Parameters/Pulse Gate: = 30; enter", {"SYS:EMGVP 30.0"}, Stored()},
        {7, "type EM Gate (Open): = -20; enter", {"PRTC:AOUT:EMEL -20.0"}, Stored("-20.0")},
        {7, "type EM Gate (Close): = 250; enter", {"PRTC:AOUT:EMGVA 200.0"}, Stored("-12.0", "200.0")},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        ASSERT_EQ(host.run("MaintDetector", {}, std::string(c.script) + "; escape"), 0) << c.script << ": "
                                                                                        << host.error();
        Lines open = c.state == 1 ? StandbyRow(true) : kIdleRow;
        Lines close = c.state == 1 ? StandbyRow(false) : kIdleRow;
        EXPECT_EQ(Writes(host), Concat({open, c.writes, c.stored, close})) << c.script;
        EXPECT_EQ(Unknown(host), Lines{}) << c.script;
    }
}

// Only instrument type 2 has analog alert and wait, EM tune and the
// discriminator limit: elsewhere they are neither read nor editable.
TEST(Detector, InstrumentType2Parameters)
{
    const Lines type2Queries = {"SYS:EMWAIT?", "SYS:EMTUNE?", "SYS:DSCRLMT?"};
    for (double type : {0.0, 1.0, 3.0}) {
        cphost::Host host;
        host.setVariable("fakestatus", 1);
        host.setVariable("ICPMS_TYPE", type);
        ASSERT_EQ(host.run("MaintDetector", {},
                           "expect Analog Alert: disabled; expect EM Tune: disabled; expect Analog Wait: disabled; "
                           "expect Discriminator Limit: disabled; escape"),
                  0)
            << type << ": " << host.error();
        for (const std::string &query : Queries(host))
            EXPECT_EQ(std::find(type2Queries.begin(), type2Queries.end(), query), type2Queries.end()) << query;
    }

    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.setVariable("ICPMS_TYPE", 1.95);  // the host's rounding makes it 2
    ASSERT_EQ(host.run("MaintDetector", {},
                       "expect Analog Alert: = 1.000000E+09; type Analog Wait: = 70; enter; "
                       "type EM Tune: = 10; enter; type Discriminator Limit: = 50; enter; click Help; escape"),
              0)
        << host.error();
    Lines queries = Queries(host);
    EXPECT_EQ(Lines(queries.begin() + 9, queries.begin() + 12), type2Queries);
    EXPECT_EQ(Writes(host), Concat({StandbyRow(true), {"SYS:EMWAIT 1.000000E+09,65.0", "SYS:EMTUNE 30.0",
                                                       "SYS:DSCRLMT 50.0"},
                                    Stored(), StandbyRow(false)}));
    EXPECT_TRUE(Has(host, "help 267"));
    EXPECT_EQ(Unknown(host), Lines{});
}
