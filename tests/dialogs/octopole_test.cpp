// The octopole panel against the simulated instrument.
#include <gtest/gtest.h>

#include <string>

#include "panel_support.h"

namespace {

using namespace panels;

const Lines kParkMass = {"ACQ:AXIS 1", "PRTC:MASS:MASS 15, -2"};
const Lines kResetFields = {"PRTC:AOUT:LENS 9, 0.0", "PRTC:LENS:OPA 25.0", "PRTC:LENS:OPFETB 0.0"};

Lines StandbyRow(const char *onOff)
{
    const std::string s = onOff;
    return Concat({{"PRTC:BOUT:S24ON " + s}, kResetFields, {"PRTC:BOUT:OPFB ON", "PRTC:BOUT:LHVEN " + s},
                   kParkMass, {"PRTC:BOUT:OPRFEN " + s}});
}
// State 2: the same resets with feedback, RF enable and HV on, in that order.
const Lines kMonitorRow = Concat({kResetFields, {"PRTC:BOUT:OPFB ON", "PRTC:BOUT:OPRFEN ON", "PRTC:BOUT:LHVEN ON"},
                                  kParkMass});

// What closing stores: frequency, oscillator level and scan enable as they stand.
Lines Stored(const char *frequency = "9.000", const char *level = "25.0", const char *scan = "1")
{
    return {std::string("SYS:OPFRQ ") + frequency, std::string("SYS:OPRFL ") + level,
            std::string("SYS:OCPENB ") + scan};
}

} // namespace

TEST(Octopole, OpenAndCloseRowsPerState)
{
    const struct {
        const char *stateReplies;  // "trns:stat?" at open, then at close
        const char *script;
        Lines writes;
    } cases[] = {
        {"1", "expect S24V checked; expect Enable HV checked; expect Frequency Tuning Mode unchecked; escape",
         Concat({StandbyRow("ON"), Stored(), StandbyRow("OFF")})},
        {"2", "expect S24V disabled; expect Enable RF (Error Reset) checked; expect FET Bias: enabled; escape",
         Concat({kMonitorRow, Stored(), kMonitorRow, {"TUNE:HSET 1"}})},
        // Any other state only watches, but closing still stores the parameters.
        {"0", "expect Enable HV disabled; expect Outputs/OctP Bias: disabled; expect Frequency: enabled; escape",
         Stored()},
        {"3", "click Close", Stored()},
        // The state at open decides the close: the instrument is not asked again.
        {"1|2", "escape", Concat({StandbyRow("ON"), Stored(), StandbyRow("OFF")})},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.addReply("trns:stat?", c.stateReplies);
        ASSERT_TRUE(Ran(host, "MaintOctPole", c.script)) << c.stateReplies;
        EXPECT_EQ(Writes(host), c.writes) << "states " << c.stateReplies;
    }
}

TEST(Octopole, EditsAndSwitchesInStandby)
{
    const struct {
        const char *script;
        Lines writes;
        Lines stored = Stored();
    } cases[] = {
        {"click Frequency Tuning Mode; click Frequency Tuning Mode", {"PRTC:BOUT:OPFB OFF", "PRTC:BOUT:OPFB ON"}},
        {"click Enable RF (Error Reset); click Enable HV; click S24V",
         {"PRTC:BOUT:OPRFEN OFF", "PRTC:BOUT:LHVEN OFF", "PRTC:BOUT:S24ON OFF"}},
        {"type Outputs/OctP RF: = 100; enter", Concat({{"PRTC:LENS:OPA 100.0"}, kParkMass})},
        {"type FET Bias: = 9; enter; expect FET Bias: = 5.0", Concat({{"PRTC:LENS:OPFETB 5.0"}, kParkMass})},
        {"type Outputs/OctP Bias: = -300; enter", {"PRTC:AOUT:LENS 9, -222.8"}},
        // The partner of the edited field goes as it stands.
        {"type Bend Mass: = 300; enter; expect Bend Mass: = 260", {"SYS:OCP 45.0,260"}},
        {"type Ramp Offset: = 12; enter", {"SYS:OCP 30.0,7"}},
        // Frequency and level are outputs now and the stored values at close.
        {"type Frequency: = 10.5; enter", {"PRTC:LENS:OPFRQ 10.500"}, Stored("10.500")},
        {"type Oscillator Level: = 55; enter", {"PRTC:LENS:OPRFL 55.0"}, Stored("9.000", "55.0")},
        {"type OctP Scan Enable: = 0; enter", {"SYS:OCPENB 0"}, Stored("9.000", "25.0", "0")},
        // Typed and closed: the field commits before the close step.
        {"type Oscillator Level: = 30", {"PRTC:LENS:OPRFL 30.0"}, Stored("9.000", "30.0")},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", 1);
        ASSERT_TRUE(Ran(host, "MaintOctPole", std::string(c.script) + "; escape")) << c.script;
        EXPECT_EQ(Writes(host), Concat({StandbyRow("ON"), c.writes, c.stored, StandbyRow("OFF")})) << c.script;
    }
}

TEST(Octopole, PollsShowTheReadbacksAndHelpNamesThePanel)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("PRTC:BIN:OPIDER?", "0.95");
    ASSERT_TRUE(Ran(host, "MaintOctPole", "expect OctP RF (Avg): = 25.0; expect Drain I Error: = 1; "
                    "expect PWR AMP Drain I: = 0.850; expect #26601 = ------; click Enable RF (Error Reset); tick; "
                    "expect OctP RF (Avg): = 0.1; expect PWR AMP Drain I: = 0.005; expect #26601 = 24.1; "
                    "click Help; escape"));
    const Lines polls = {"PRTC:BIN:OPFBER?", "PRTC:BIN:OPIDER?", "PRTC:AIN:LENS? 9", "PRTC:AIN:OPAP?",
                         "PRTC:AIN:OPAN?",   "PRTC:AIN:OPA?",    "PRTC:AIN:OPBIA?",  "PRTC:AIN:OPID?"};
    const Lines stored = {"SYS:OCP?", "SYS:OPFRQ?", "SYS:OPRFL?", "SYS:OCPENB?"};
    // The +24 V readback waits for the timer and comes last on a tick.
    EXPECT_EQ(Queries(host), Concat({stored, polls, polls, {"PRTC:AIN:HVS24?"}}));
    EXPECT_TRUE(Has(host, "help 266"));
}
