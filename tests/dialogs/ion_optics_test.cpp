// The ion optics panels: QP, the three lens stacks and the lens calibration.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "panel_support.h"

namespace {

using namespace panels;

// "fakestatus" = state (negative: asked); nothing may be unknown to the instrument.
void Drive(cphost::Host &host, const char *command, double state, const std::string &actions)
{
    if (state >= 0)
        host.setVariable("fakestatus", state);
    ASSERT_TRUE(Ran(host, command, actions)) << actions;
}

const Lines kQpStoredReads = {
    "SYS:QPFRQ?", "SYS:AXIS?", "SYS:AMUGIN?", "SYS:AMUOFST?", "SYS:LINEAR?", "SYS:STBMS?",
    "SYS:QPERR:TPICKUP?", "SYS:QPERR:TPOWER?", "SYS:QPERR:HVP?", "SYS:QPERR:HVN?",
};
const Lines kQpPoll = {
    "PRTC:BIN:RFER?", "PRTC:BIN:QPFAN?", "PRTC:AIN:MSPF?;MSRF?", "PRTC:AIN:UVPOS?;UVNEG?;VV?;QPPHC?;PBMON?",
    "PRTC:AIN:P600V?;N600V?;TMPQP?;TMPQPP?",
};
const Lines kMassZero = {"ACQ:AXIS 1", "PRTC:MASS:MASS 15, 0.00"};
const Lines kPickupRow = {"MNTE:SVC:PICDIS 5, #H0000", "PRTC:BOUT:QPTC ON", "PRTC:BOUT:PBCLR OFF"};

TEST(QP, OpenAndCloseRowsPerState)
{
    struct Case {
        double state;
        Lines open, close;
    };
    const Case cases[] = {
        {1,
         Concat({{"PRTC:MASS:PBIA 0.0"}, kMassZero, {"PRTC:BOUT:S24ON ON"}, kPickupRow,
                 {"PRTC:BOUT:QPFAN ON", "PRTC:MASS:QPFRQ 2.950"}}),
         Concat({{"SYS:QPFRQ 2.950", "PRTC:MASS:PBIA 0.0"}, kMassZero, {"PRTC:BOUT:S24ON OFF"}, kPickupRow,
                 {"PRTC:BOUT:QPFAN OFF"}})},
        {2,
         Concat({{"PRTC:MASS:PBIA 0.0", "ACQ:AXIS 1", "PRTC:MASS:MASS 15, 5.00"}, kPickupRow,
                 {"PRTC:MASS:QPFRQ 2.950"}}),
         Concat({{"SYS:QPFRQ 2.950", "PRTC:MASS:PBIA 0.0", "ACQ:AXIS 1", "PRTC:MASS:MASS 15, 5.00"}, kPickupRow,
                 {"TUNE:HSET 1"}})},
        {0, {"PRTC:BOUT:QPFAN OFF", "PRTC:BOUT:QPTC OFF", "PRTC:MASS:QPFRQ 2.950"},
         {"SYS:QPFRQ 2.950", "PRTC:BOUT:QPFAN OFF", "PRTC:BOUT:QPTC OFF"}},
        {7, {"PRTC:BOUT:QPFAN OFF", "PRTC:BOUT:QPTC OFF", "PRTC:MASS:QPFRQ 2.950"},
         {"SYS:QPFRQ 2.950", "PRTC:BOUT:QPFAN OFF", "PRTC:BOUT:QPTC OFF"}},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        const char *grey = c.state == 1 || c.state == 2 ? "expect MASS: enabled" : "expect MASS: disabled";
        const char *s24 = c.state == 1 ? "expect S24V enabled" : "expect S24V disabled";
        Drive(host, "MaintQP", c.state, std::string(grey) + "; " + s24 + "; expect Cooling Fan On " +
                                          (c.state == 1 || c.state == 2 ? "disabled" : "enabled") + "; escape");
        EXPECT_EQ(Writes(host), Concat({c.open, c.close})) << "state " << c.state;
        EXPECT_EQ(Queries(host), Concat({kQpStoredReads, kQpPoll})) << "state " << c.state;
        EXPECT_TRUE(Has(host, "end 261 1"));
    }
}

TEST(QP, MassIsSnappedOntoTheSpecialLowMasses)
{
    struct Case {
        const char *typed, *shown, *sent;
    };
    const Case cases[] = {
        {"24", "24.00", "24.00"}, {"24.07", "24.05", "24.05"}, {"1.2", "0", "0"},     {"1.5", "0", "0"},
        {"1.55", "1.55", "1.55"}, {"0", "0.00", "0.00"},       {"-0.5", "-1", "-1"},  {"-1", "-1", "-1"},
        {"-1.5", "-2", "-2"},     {"-2", "-2", "-2"},          {"-3", "-2", "-2"},    {"300", "260.50", "260.50"},
        {"abc", "0.00", "0.00"},
    };
    std::string actions;
    Lines edits;
    for (const Case &c : cases) {
        actions += std::string("type MASS: = ") + c.typed + "; enter; expect MASS: = " + c.shown + "; ";
        edits.push_back("ACQ:AXIS 1");
        edits.push_back(std::string("PRTC:MASS:MASS 15, ") + c.sent);
    }
    cphost::Host host;
    Drive(host, "MaintQP", 1, actions + "click Reset MS; expect MASS: = -2; escape");
    Lines writes = Writes(host);
    ASSERT_GE(writes.size(), 9 + edits.size() + 2);
    EXPECT_EQ(Lines(writes.begin() + 9, writes.begin() + 9 + edits.size() + 2),
              Concat({edits, {"ACQ:AXIS 1", "PRTC:MASS:MASS 15, -2"}}));
}

Lines EditsOf(const cphost::Host &host, size_t openLines, size_t closeLines)
{
    Lines writes = Writes(host);
    if (writes.size() < openLines + closeLines)
        return writes;
    return Lines(writes.begin() + openLines, writes.end() - closeLines);
}

TEST(QP, OutputsAndStoredParametersAndTheMassAfterCalibrationEdits)
{
    struct Case {
        double state;
        const char *actions;
        Lines sent;
    };
    const Lines mass = kMassZero;
    const Case cases[] = {
        {1, "type Coarse Axis Offset: = 0.5; enter", Concat({{"SYS:AXIS 1.0250,0.50"}, mass})},
        {0, "type Coarse Axis Offset: = 0.5; enter", {"SYS:AXIS 1.0250,0.50"}},
        {1, "type Coarse Axis Gain: = 20; enter", Concat({{"SYS:AXIS 10.0000,-0.12"}, mass})},
        {1, "type Coarse AMU Gain: = 7.9; enter", Concat({{"SYS:AMUGIN 7"}, mass})},
        {1, "type Coarse AMU Offset: = -4; enter", Concat({{"SYS:AMUOFST -4"}, mass})},
        {1, "type Linearity Factor: = 0.01; enter", Concat({{"SYS:LINEAR 7,0.0100"}, mass})},
        {1, "type Standby Mass: = 6; enter", {"SYS:STBMS 6.00"}},
        {1, "type PickUp Temp Lmt: = 80; enter", {"SYS:QPERR:TPICKUP 80"}},
        {1, "type PWR AMP Temp Lmt: = 0.9; enter", {"SYS:QPERR:TPOWER 0.900"}},
        {1, "type |+600V| Upper Lmt: = 650; enter", {"SYS:QPERR:HVP 540,650"}},
        {1, "type |-600V| Lower Lmt: = 400; enter", {"SYS:QPERR:HVN 500,660"}},
        {1, "type Outputs/QP Bias: = 5.55; enter", Concat({{"PRTC:MASS:PBIA 5.5"}, mass})},
        {1, "type Frequency: = 3.1; enter", {"PRTC:MASS:QPFRQ 3.100"}},
        {1, "click Ignore Feedback Error (QP Bias); click QP Bias +20V; click Enable PickUp Temp Control",
         {"MNTE:SVC:PICDIS 5, #H0001", "PRTC:BOUT:PBCLR ON", "PRTC:BOUT:QPTC OFF"}},
        {0, "click Cooling Fan On", {"PRTC:BOUT:QPFAN ON"}},
        {1, "click S24V; tick", {"PRTC:BOUT:S24ON OFF"}},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        Drive(host, "MaintQP", c.state, std::string(c.actions) + "; escape");
        size_t open = c.state == 1 ? 9 : 3, close = c.state == 1 ? 9 : 3;
        EXPECT_EQ(EditsOf(host, open, close), c.sent) << c.actions;
    }
    // A frequency typed and left by Close is stored with the close step.
    cphost::Host host;
    Drive(host, "MaintQP", 0, "type Frequency: = 3.1; click Close");
    EXPECT_EQ(Writes(host), (Lines{"PRTC:BOUT:QPFAN OFF", "PRTC:BOUT:QPTC OFF", "PRTC:MASS:QPFRQ 2.950",
                                   "PRTC:MASS:QPFRQ 3.100", "SYS:QPFRQ 3.100", "PRTC:BOUT:QPFAN OFF",
                                   "PRTC:BOUT:QPTC OFF"}));
}

TEST(QP, FaderDriverReadsItsOwnInputsAndLinearity)
{
    cphost::Host host;
    host.setVariable("_QPType", 1);
    Drive(host, "MaintQP", 0,
        "expect Linearity Cor Mass: hidden; expect Forward Power: hidden; expect U Linearity: visible; "
        "expect Reflected Power: disabled; expect QP Fader: = 1.250; type U Linearity: = 0.5; enter; tick; escape");
    Lines queries = Queries(host);
    EXPECT_EQ(Lines(queries.begin() + 4, queries.begin() + 5), Lines{"SYS:QPLINEAR?"});
    EXPECT_EQ(std::count(queries.begin(), queries.end(), "PRTC:AIN:QPFAD?"), 2);
    EXPECT_EQ(std::count(queries.begin(), queries.end(), "PRTC:AIN:MSPF?;MSRF?"), 0);
    EXPECT_EQ(queries.back(), "PRTC:AIN:HVS24?");
    EXPECT_EQ(EditsOf(host, 3, 3), Lines{"SYS:QPLINEAR 0.5000,-0.0008"});

    // Only exactly 1 is the fader driver; not 0.95, which rounds to 1 for the lens switches.
    for (double type : {0.0, 0.95, 2.0}) {
        host.setVariable("_QPType", type);
        Drive(host, "MaintQP", 0, "expect U Linearity: hidden; expect QP Fader: hidden; escape");
        EXPECT_EQ(Queries(host), Concat({kQpStoredReads, kQpPoll})) << type;
    }
}

Lines LensPoll(std::initializer_list<int> lenses)
{
    Lines out;
    for (int n : lenses)
        out.push_back("PRTC:AIN:LENS? " + std::to_string(n));
    for (const char *q : {"PRTC:AIN:HVL5?", "PRTC:AIN:HVL12?", "PRTC:AIN:MVP?", "PRTC:AIN:MVN?", "PRTC:AIN:HVP?"})
        out.push_back(q);
    return out;
}

TEST(Lenses, EachStackZeroesItsLensesInItsOrderAndPollsThem)
{
    struct Case {
        double lens, lens2;
        int templ;
        std::initializer_list<int> lenses;
    };
    const Case cases[] = {
        {1, 0, 263, {1, 2, 3, 5, 6, 7}},
        {0, 1, 289, {1, 2, 4, 3, 5, 6, 7, 10, 9}},
        {1, 1, 320, {1, 3, 4, 2, 5, 6, 7}},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        host.setVariable("_Lens", c.lens);
        host.setVariable("_Lens2", c.lens2);
        Lines zeros;
        for (int n : c.lenses)
            zeros.push_back("PRTC:AOUT:LENS " + std::to_string(n) + ", 0.0");
        const std::string name = " template " + std::to_string(c.templ);

        Drive(host, "MaintLens", 1, "expect S24V checked; expect Enable HV checked; tick; click Help; escape");
        EXPECT_TRUE(Has(host, "help " + std::to_string(c.templ))) << name;
        EXPECT_EQ(Writes(host), Concat({zeros, {"PRTC:BOUT:S24ON ON", "PRTC:BOUT:LHVEN ON"}, zeros,
                                        {"PRTC:BOUT:S24ON OFF", "PRTC:BOUT:LHVEN OFF"}}))
            << name;
        EXPECT_EQ(Queries(host), Concat({LensPoll(c.lenses), LensPoll(c.lenses), {"PRTC:AIN:HVS24?"}})) << name;

        Drive(host, "MaintLens", 2, "expect S24V disabled; expect Enable HV enabled; escape");
        EXPECT_EQ(Writes(host), Concat({zeros, {"PRTC:BOUT:LHVEN ON"}, zeros, {"PRTC:BOUT:LHVEN ON", "TUNE:HSET 1"}}))
            << name;

        Drive(host, "MaintLens", 0, "expect Enable HV disabled; expect S24V disabled; tick; escape");
        EXPECT_EQ(Writes(host), Lines{}) << name;
        EXPECT_EQ(Queries(host), Concat({LensPoll(c.lenses), LensPoll(c.lenses), {"PRTC:AIN:HVS24?"}})) << name;
    }
}

TEST(Lenses, FieldsSendTheirOwnLensAndReadBack)
{
    struct Case {
        double lens, lens2;
        const char *actions;
        Lines sent;
    };
    const Case cases[] = {
        {1, 0, "type Outputs/Einzel 1,3: = -25; enter", {"PRTC:AOUT:LENS 2, -25.0"}},
        {0, 0, "type Outputs/Einzel 1,3: = -25; enter", {"PRTC:AOUT:LENS 4, -25.0"}},
        {0, 0, "type Outputs/QP Focus: = 12.34; enter", {"PRTC:AOUT:LENS 10, 12.3"}},
        {1, 1, "type Outputs/QP Focus: = 12.34; enter", {"PRTC:AOUT:LENS 6, 12.3"}},
        {1, 0, "type Outputs/Cell Entrance: = 300; enter; expect Outputs/Cell Entrance: = 222.8",
         {"PRTC:AOUT:LENS 5, 222.8"}},
        {0, 0, "type Outputs/Plate Bias: = -30; enter; tick; expect Analog Inputs/Plate Bias: = -30.0",
         {"PRTC:AOUT:LENS 9, -30.0"}},
        {1, 1, "click Enable HV; click S24V", {"PRTC:BOUT:LHVEN OFF", "PRTC:BOUT:S24ON OFF"}},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        host.setVariable("_Lens", c.lens);
        host.setVariable("_Lens2", c.lens2);
        Drive(host, "MaintLens", 1, std::string(c.actions) + "; escape");
        Lines writes = Writes(host);
        size_t lenses = c.lens == 0 ? 9 : c.lens2 == 1 ? 7 : 6;
        ASSERT_EQ(writes.size(), 2 * (lenses + 2) + c.sent.size()) << c.actions;
        EXPECT_EQ(Lines(writes.begin() + lenses + 2, writes.begin() + lenses + 2 + c.sent.size()), c.sent)
            << c.actions;
    }
}

TEST(Lenses, CeOmegaLensesAreRenamedOnlyWithAllThreeSwitches)
{
    cphost::Host host;
    Set(host, "_Lens=1 _Lens2=1 _Lens3=1");
    Drive(host, "MaintLens", 0,
        "expect #32032 = Omega Bias-ce:; expect #32033 = Omega Lens-ce:; expect #32062 = Omega Bias-ce:; "
        "expect #32063 = Omega Lens-ce:; escape");
    host.setVariable("_Lens3", 0);
    Drive(host, "MaintLens", 0, "expect #32032 = Omega Bias-cs:; expect #32063 = Omega Lens-cs:; escape");
}

Lines CalReads(std::initializer_list<int> lenses)
{
    Lines out;
    for (int n : lenses)
        out.push_back("SYS:ADJ:LENS? " + std::to_string(n));
    out.push_back("SYS:ADJ:EMEL?");
    out.push_back("SYS:ADJ:EMGVA?");
    return out;
}

TEST(LensCalibration, TemplatesReadTheirPairsAndWriteWholePairs)
{
    struct Case {
        double lens, lens2;
        int templ, help;
        std::initializer_list<int> lenses;
    };
    const Case cases[] = {
        {0, 0, 293, 293, {1, 2, 3, 4, 5, 6, 7, 9, 10}},
        {1, 0, 294, 294, {1, 2, 3, 4, 5, 6, 7, 9}},
        {1, 1, 321, 294, {1, 2, 3, 4, 5, 6, 7, 9}},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        host.setVariable("_Lens", c.lens);
        host.setVariable("_Lens2", c.lens2);
        Drive(host, "CalLens", -1,
            "type #1035 = 0.1234; enter; type #1012 = 1.5; enter; expect #1012 = 1.10000; "
            "type #1041 = -12; enter; type #1022 = 0.95; enter; click Help; escape");
        EXPECT_TRUE(Has(host, "dialog " + std::to_string(c.templ) + " \"Lenses Calibration\""));
        EXPECT_TRUE(Has(host, "help " + std::to_string(c.help)));
        EXPECT_EQ(Queries(host), Concat({CalReads(c.lenses), {"trns:stat?"}})) << c.templ;
        EXPECT_EQ(Writes(host), (Lines{"SYS:ADJ:LENS 5,1.00111,0.123", "SYS:ADJ:LENS 2,1.10000,0.022",
                                       "SYS:ADJ:EMEL 0.99850,-9.999", "SYS:ADJ:EMGVA 0.95000,-0.210"}))
            << c.templ;
        EXPECT_TRUE(Has(host, "end " + std::to_string(c.templ) + " 1"));
    }
    cphost::Host host;
    Set(host, "_Lens=1 _Lens2=1 _Lens3=1");
    Drive(host, "CalLens", 2, "expect #2000 = Omega Lens-ce:; expect #2001 = Omega Bias-ce:; escape");
    EXPECT_EQ(Writes(host), Lines{"TUNE:HSET 1"});
}

TEST(LensCalibration, CalibrateRunsOnlyInStandbyAfterYesAndRereadsThePairs)
{
    const Lines reads = CalReads({1, 2, 3, 4, 5, 6, 7, 9, 10});
    const std::string warning = "box \"Maintenance\" \"Be careful about excessive input to the detector. Continue? (It "
                                "takes about 15sec for Lenses Calibration.)\" -> ";
    {
        cphost::Host host;
        Drive(host, "CalLens", 1, "expect #1011 = 1.00037; click Calibrate; answer Yes; expect #1011 = 1.00148; escape");
        EXPECT_TRUE(Has(host, warning + "Yes"));
        EXPECT_EQ(Writes(host), Lines{"PRTC:LENS:ADJ"});
        Lines queries = Queries(host);
        Lines status(queries.begin() + reads.size(), queries.end() - reads.size());
        ASSERT_GE(status.size(), 2u);
        EXPECT_EQ(status, Lines(status.size(), "PRTC:LENS:STAT?"));
        EXPECT_EQ(Lines(queries.end() - reads.size(), queries.end()), reads);
    }
    // Declined, or outside Standby: the status read once, the pairs again, nothing run.
    const std::string standby = "box \"Maintenance\" \"Lenses Calibration must be run in Standby mode.\" -> OK";
    for (auto [state, answer, box] : {std::tuple<double, const char *, std::string>{1, "No", warning + "No"},
                                      {0, "OK", standby}, {2, "OK", standby}}) {
        cphost::Host host;
        Drive(host, "CalLens", state,
              std::string("click Calibrate; answer ") + answer + "; expect Calibrate enabled; escape");
        EXPECT_TRUE(Has(host, box)) << state;
        EXPECT_EQ(Queries(host), Concat({reads, {"PRTC:LENS:STAT?"}, reads})) << state;
        EXPECT_EQ(Writes(host), state == 2 ? Lines{"TUNE:HSET 1"} : Lines{}) << state;
    }
}

} // namespace
