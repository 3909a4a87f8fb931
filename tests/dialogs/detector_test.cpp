// The detector panel: its open and close rows and the high-voltage confirmation.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "panel_support.h"

namespace {

using namespace panels;

const char kQuestion[] = "box \"Maintenance\" \"Be careful about excessive input to the detector. Continue?\" -> ";

const Lines kGateVoltages = {"PRTC:AOUT:EMEL -12.0", "PRTC:AOUT:EMGVA 185.0"};
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

} // namespace

TEST(Detector, OpenAndCloseRowsPerState)
{
    const struct {
        const char *stateReplies;  // "trns:stat?" at open, then at close
        const char *script;
        Lines writes;
    } cases[] = {
        {"1", "expect S24V checked; expect Enable HV unchecked; expect Enable LogAmp Temp Control checked; escape",
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
        ASSERT_TRUE(Ran(host, "MaintDetector", c.script)) << c.stateReplies;
        EXPECT_EQ(Writes(host), c.writes) << "states " << c.stateReplies;
    }
}

// Several fields, one command, in the instrument's order. The high voltages: in
// state 2 only after Yes (No sends 0); elsewhere the clamped value at once.
TEST(Detector, EditsGatesAndTheHighVoltageQuestionPerState)
{
    const struct {
        double state;
        const char *script;
        Lines writes;
        size_t questions = 0;
        Lines stored = Stored();
    } cases[] = {
        {1, "type Correction Factor: = 1e-8; enter", {"SYS:DTIME 115,3.800E-08,1.000E-08"}},
        {1, "type Pulse Lmt: = 6e7; enter", {"SYS:EMLMT 6.000000E+07,1.000000E+11"}},
        {1, "type CrossOver Lower Lmt: = 4000; enter", {"SYS:EMPA 5.0E+06,4.0E+03"}},
        {1, "type LogAmp Temp Lmt: = 150; enter; expect LogAmp Temp Lmt: = 100", {"SYS:LOGTLMT 100"}},
        {1, "type Outputs/Discriminator: = 5; enter", {"PRTC:MASS:DSCR 5.0"}},
        // The pulse gate takes effect at once: the pulse HV is sent again.
        {1, "type System Parameters/Pulse Gate: = 30; enter", {"SYS:EMGVP 30.0", "PRTC:AOUT:EMHVP 0"}},
        {1, "type EM Gate (Open): = -20; enter", {"PRTC:AOUT:EMEL -20.0"}, 0, Stored("-20.0")},
        // States 0, 3 and 4 only store; any other (7) drives the outputs like Standby.
        {0, "type System Parameters/Pulse Gate: = 30; enter", {"SYS:EMGVP 30.0"}},
        {0, "type EM Gate (Close): = 250; enter", {}, 0, Stored("-12.0", "200.0")},
        {3, "type EM Gate (Open): = -20; enter", {}, 0, Stored("-20.0")},
        {4, "type EM Gate (Open): = -20; enter", {}, 0, Stored("-20.0")},
        {4, "type System Parameters/Pulse Gate: = 30; enter", {"SYS:EMGVP 30.0"}},
        {7, "type EM Gate (Open): = -20; enter", {"PRTC:AOUT:EMEL -20.0"}, 0, Stored("-20.0")},
        {7, "type EM Gate (Close): = 250; enter", {"PRTC:AOUT:EMGVA 200.0"}, 0, Stored("-12.0", "200.0")},
        // The gate code follows both boxes.
        {1, "click Open Pulse Gate; click Open EM Gate; tick; expect EM Gate Open: = 1; expect Pulse Gate Open: = 1; "
            "click Open Pulse Gate; tick; expect Pulse Gate Open: = 0; click Open EM Gate; "
            "click Enable LogAmp Temp Control",
         {"ACQ:AXIS 1", "PRTC:MASS:MASS 7, -2", "ACQ:AXIS 1", "PRTC:MASS:MASS 3, -2", "ACQ:AXIS 1",
          "PRTC:MASS:MASS 11, -2", "ACQ:AXIS 1", "PRTC:MASS:MASS 15, -2", "PRTC:MASS:TLOGSW OFF"}},
        {2, "type Outputs/Analog HV: = 1500; enter; answer Yes; expect Outputs/Analog HV: = 1500",
         {"PRTC:AOUT:EMHVA 1500"}, 1},
        {2, "type Outputs/Analog HV: = 1500; enter; answer No; expect Outputs/Analog HV: = 0",
         {"PRTC:AOUT:EMHVA 0"}, 1},
        {2, "type Outputs/Pulse HV: = 3000; enter; answer Yes", {"PRTC:AOUT:EMHVP 2048"}, 1},
        {2, "type Outputs/Pulse HV: = 0.4; enter", {"PRTC:AOUT:EMHVP 0"}},
        // The field tabbed into loses the focus to the question: it commits when left.
        {2, "type Outputs/Pulse HV: = 900; enter; answer Yes; set Outputs/Analog HV: = 1500; answer Yes; "
            "click Enter; answer Yes",
         {"PRTC:AOUT:EMHVP 900", "PRTC:AOUT:EMHVA 1500", "PRTC:AOUT:EMHVP 900"}, 3},
        {1, "type Outputs/Analog HV: = 6000; enter; expect Outputs/Analog HV: = 5120", {"PRTC:AOUT:EMHVA 5120"}},
    };
    auto row = [](double state, bool opening) {
        return state == 1 ? StandbyRow(opening) : state == 2 ? MonitorRow(opening) : kIdleRow;
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        ASSERT_TRUE(Ran(host, "MaintDetector", std::string(c.script) + "; escape")) << c.script;
        EXPECT_EQ(Writes(host), Concat({row(c.state, true), c.writes, c.stored, row(c.state, false)})) << c.script;
        EXPECT_EQ(Starting(host, kQuestion).size(), c.questions) << c.script;
    }

    // A value typed and the panel closed: asked, sent, then the close makes it safe.
    cphost::Host host;
    host.setVariable("fakestatus", 2);
    ASSERT_TRUE(Ran(host, "MaintDetector", "type Outputs/Analog HV: = 1200; click Close; answer Yes"));
    EXPECT_EQ(Writes(host), Concat({MonitorRow(true), {"PRTC:AOUT:EMHVA 1200"}, Stored(), MonitorRow(false)}));
}

TEST(Detector, InstrumentType2Parameters)
{
    const Lines type2Queries = {"SYS:EMWAIT?", "SYS:EMTUNE?", "SYS:DSCRLMT?"};
    for (double type : {0.0, 1.0, 3.0}) {
        cphost::Host host;
        host.setVariable("fakestatus", 1);
        host.setVariable("ICPMS_TYPE", type);
        ASSERT_TRUE(Ran(host, "MaintDetector", "expect Analog Alert: disabled; expect EM Tune: disabled; "
                        "expect Analog Wait: disabled; expect Discriminator Limit: disabled; escape")) << type;
        for (const std::string &query : Queries(host))
            EXPECT_EQ(std::find(type2Queries.begin(), type2Queries.end(), query), type2Queries.end()) << query;
    }

    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.setVariable("ICPMS_TYPE", 1.95);  // the host's rounding makes it 2
    ASSERT_TRUE(Ran(host, "MaintDetector", "expect Analog Alert: = 1.000000E+09; type Analog Wait: = 70; enter; "
                    "type EM Tune: = 10; enter; type Discriminator Limit: = 50; enter; click Help; escape"));
    Lines queries = Queries(host);
    EXPECT_EQ(Lines(queries.begin() + 9, queries.begin() + 12), type2Queries);
    EXPECT_EQ(Writes(host), Concat({StandbyRow(true), {"SYS:EMWAIT 1.000000E+09,65.0", "SYS:EMTUNE 30.0",
                                                       "SYS:DSCRLMT 50.0"},
                                    Stored(), StandbyRow(false)}));
    EXPECT_TRUE(Has(host, "help 267"));
}
