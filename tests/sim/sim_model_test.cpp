// Writes change the instrument; the instrument runs its own sequences.
#include "sim_fixture.h"

TEST_F(SimTest, WriteThenReadGivesTheWrittenValues)
{
    Say("SYS:TMP1 50.0,40.0");
    EXPECT_EQ(Value("SYS:TMP1?"), "50.0,40.0");
    Say("SYS:ADJ:LENS 5,1.00000,0.123");
    EXPECT_EQ(Value("SYS:ADJ:LENS? 5"), "1.00000,0.123");
    Say("SYS:PIBK:PGON 12.00, 60.00, 300, 120");  // blanks after the commas are dropped
    EXPECT_EQ(Value("SYS:PIBK:PGON?"), "12.00,60.00,300,120");
    Say("SYS:AUTOS OFF");
    EXPECT_EQ(Value("SYS:AUTOS?"), "0");
    Say("PRTC:AOUT:LENS 5, -25.0");
    EXPECT_NEAR(Number("PRTC:AIN:LENS? 5"), -25.0, 0.05);
    Say("FRCD:PER:PUMP1 0.25");
    EXPECT_EQ(Value("FRCD:PER:PUMP1?"), "0.25");
    Say("PRTC:FLOW:PLDPV 0.152");
    EXPECT_EQ(Value("PRTC:FLOW:PLDPV?"), "0.152");
    Say("PRTC:LENS:OPA 100.0");
    EXPECT_NEAR(Number("PRTC:AIN:OPA?"), 100.0, 0.05);
    Say("PRTC:MASS:PBIA 4.5");
    EXPECT_NEAR(Number("PRTC:AIN:PBMON?"), 4.5, 1e-6);
    Say("PRTC:BOUT:PBCLR ON");
    EXPECT_NEAR(Number("PRTC:AIN:PBMON?"), 24.5, 1e-6);
    Say("PRTC:AOUT:SRPS 1.234");
    EXPECT_EQ(Value("PRTC:AIN:PF?;PR?;SRPS?").substr(4), "1.234");
}

TEST_F(SimTest, MassDrivesTheMassFilterVoltages)
{
    double vLow = Number("PRTC:AIN:UVPOS?;UVNEG?;VV?", 3);
    Say("PRTC:MASS:MASS 15, 115.00");
    EXPECT_EQ(Value("PRTC:MASS:MASS?"), "15,115.00");
    EXPECT_GT(Number("PRTC:AIN:UVPOS?;UVNEG?;VV?", 3), vLow + 500);
    EXPECT_LT(Number("PRTC:AIN:UVPOS?;UVNEG?;VV?", 2), -100);
}

TEST_F(SimTest, SwitchesChangeTheInputsThatDependOnThem)
{
    Say("PRTC:BOUT:LHVEN OFF");
    EXPECT_EQ(Value("PRTC:AIN:LENS? 1"), "0.0");
    EXPECT_LT(Number("PRTC:AIN:HVP?"), 1.0);
    Say("PRTC:BOUT:LHVEN ON");
    EXPECT_NEAR(Number("PRTC:AIN:LENS? 1"), -120.0, 0.05);

    Say("PRTC:BOUT:SVW OFF");
    EXPECT_LT(Number("PRTC:AIN:FSIF?"), 0.1);
    Say("PRTC:BOUT:SVW ON");
    EXPECT_GT(Number("PRTC:AIN:FSIF?"), 1.0);

    Say("PRTC:BOUT:SVIF OFF");
    EXPECT_EQ(Value("PRTC:BIN:IFVOPN?"), "0");
    Say("FRCD:BOUT:S75ON OFF");
    EXPECT_LT(Number("PRTC:AIN:VP75?"), 1.0);
    Say("PRTC:BOUT:OPRFEN OFF");
    EXPECT_LT(Number("PRTC:AIN:OPID?"), 0.01);

    // The RF generator by hand: power only with both enables.
    Say("PRTC:AOUT:PF 800");
    EXPECT_EQ(Value("PRTC:AIN:PF?"), "0");
    Say("PRTC:BOUT:RFOSC ON");
    Say("PRTC:BOUT:RFON ON");
    EXPECT_EQ(Value("PRTC:AIN:PF?"), "800");
    EXPECT_GT(Number("PRTC:AIN:PF?;PR?;SRPS?;SHPS?;ID1?", 5), 3.0);
}

TEST_F(SimTest, TurboSpinsDownAndUpOverFollowingPolls)
{
    Say("PRTC:BOUT:TPA OFF");
    double first = Number("PRTC:AIN:RTPA?");
    EXPECT_LT(first, 100.0);
    EXPECT_GT(first, 90.0);  // a turbo does not stop at once
    EXPECT_EQ(Value("PRTC:BOUT:TPSD?"), "1");
    EXPECT_GT(PollUntil("PRTC:AIN:RTPA?", [](double v) { return v == 0; }, 400), 50);
    EXPECT_EQ(Value("PRTC:BOUT:TPSD?"), "0");
    EXPECT_EQ(Value("PRTC:AIN:ITPA?"), "0.000");
    // The analyser pressure rose without the small turbo.
    EXPECT_GT(Number("PRTC:AIN:PGAN?"), 1.0);

    Say("PRTC:BOUT:TPA ON");
    double last = 0;
    int polls = 0;
    for (; polls < 300 && last < 100.0; ++polls) {
        double v = Number("PRTC:AIN:RTPA?");
        EXPECT_GE(v, last);
        if (v < 100.0) {
            EXPECT_NEAR(Number("PRTC:AIN:ITPA?"), 1.8, 1e-9);  // accelerating draws more current
        }
        last = v;
    }
    EXPECT_EQ(last, 100.0);
    EXPECT_GT(polls, 10);
    EXPECT_NEAR(Number("PRTC:AIN:ITPA?"), 0.31, 1e-9);
    EXPECT_GT(PollUntil("PRTC:AIN:PGAN?", [](double v) { return v < 1e-4; }), 0);
}

TEST_F(SimTest, PressuresFollowThePumpsAndTheBreaker)
{
    Say("PRTC:BOUT:RPBK OFF");
    EXPECT_EQ(Value("PRTC:BIN:VAON?"), "0");
    EXPECT_GT(PollUntil("PRTC:AIN:PIBK?", [](double v) { return v > 1330.0; }), 1);
    Say("PRTC:BOUT:RPBK ON");
    EXPECT_GT(PollUntil("PRTC:AIN:PIBK?", [](double v) { return v < 10.0; }), 1);

    ASSERT_EQ(tvsim_SetValue("PRTC:BIN:ERRBRK", "1"), 0);
    EXPECT_EQ(Value("PRTC:BIN:ERRBRK?"), "1");
    EXPECT_EQ(Value("PRTC:BIN:VAON?"), "0");
    EXPECT_GT(PollUntil("PRTC:AIN:PIIF?", [](double v) { return v > 1330.0; }), 1);
    // Without a backing vacuum the turbos slow down and the analyser pressure leaves its range.
    EXPECT_GT(PollUntil("PRTC:AIN:PGAN?", [](double v) { return v > 1.0; }, 1000), 1);

    Say("PRTC:BOUT:PGON OFF");
    EXPECT_EQ(Number("PRTC:AIN:PGAN?"), 0.0);
}

TEST_F(SimTest, GateValvePositionBitsFollowTheGateValve)
{
    EXPECT_EQ(Value("PRTC:BIN:ISOV1?;:PRTC:BIN:ISOV2?"), "1;0");
    Say("MNTE:SVC:PICDIS 4, #H60");
    Say("PRTC:BOUT:S24ON ON");
    Say("FRCD:BOUT:ISOV ON");
    EXPECT_EQ(Value("PRTC:BIN:ISOV1?;ISOV2?"), "0;0");  // on its way
    EXPECT_GT(Number("PRTC:AIN:MVM?"), 20.0);
    EXPECT_GT(PollUntil("PRTC:BIN:ISOV2?", [](double v) { return v == 1; }), 2);
    EXPECT_EQ(Value("PRTC:BIN:ISOV1?"), "0");
    EXPECT_GT(Number("PRTC:AIN:CVM?"), 20.0);
    EXPECT_LT(Number("PRTC:AIN:MVM?"), 1.0);

    Say("MNTE:SVC:PICDIS 4, #H0");
    Say("FRCD:BOUT:ISOV OFF");
    EXPECT_EQ(Value("PRTC:BIN:ISOV2?"), "0");
    EXPECT_GT(PollUntil("PRTC:BIN:ISOV1?", [](double v) { return v == 1; }), 2);
}

TEST_F(SimTest, PlasmaIgnitionRunsOneTwoThreeAndExtinctionGoesBackToZero)
{
    // Oscillating without the +48 V supply: low supply and a drain-voltage error.
    Say("PRTC:BOUT:S24ON OFF");
    Say("PRTC:BOUT:RFOSC ON");
    EXPECT_EQ(Value("PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?"), "0;1;0;0");
    EXPECT_EQ(Value("PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?"), "0;0;0;1");
    Say("PRTC:BOUT:RFOSC OFF");
    Say("PLSM:IGNT");
    std::string seen;
    for (int i = 0; i < 6; ++i)
        seen += Value("PLSM:STAT?");
    EXPECT_EQ(seen, "112233");
    Say("PRTC:BOUT:S24ON OFF");  // the burning plasma keeps its supply
    EXPECT_EQ(Value("PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?"), "0;0;0;0");
    EXPECT_GT(Number("PRTC:AIN:ID3?;ID4?;TTA?;TTB?;VD?;RF48V?", 6), 40.0);

    // Extinction in the middle of an ignition, and a plasma set on directly.
    Say("PLSM:EXTN");
    Say("PLSM:IGNT");
    EXPECT_EQ(Value("PLSM:STAT?"), "1");
    Say("PLSM:EXTN");
    EXPECT_EQ(Value("PLSM:STAT?"), "0");
    ASSERT_EQ(tvsim_SetValue("PLSM:STAT", "3"), 0);
    EXPECT_EQ(Value("PRTC:BIN:PSON?"), "1");
}

TEST_F(SimTest, TorchStageTravelsToItsTargets)
{
    // 0.5 mm per exchange in X: from 5 to 7.5 takes five exchanges, and the
    // stage stops on the target; at the end of its travel the end sensor is on.
    Say("FRCD:XYZ:XPOS 7.5000");
    EXPECT_EQ(Value("PRTC:XYZ:STAT?"), "0,0,5.5000,0.2500,-0.12500");
    for (int i = 0; i < 3; ++i)
        Value("PRTC:BIN:TRCLST?");
    EXPECT_EQ(Value("PRTC:XYZ:STAT?"), "0,0,7.5000,0.2500,-0.12500");
    EXPECT_EQ(Value("PRTC:XYZ:STAT?"), "0,0,7.5000,0.2500,-0.12500");
    EXPECT_EQ(Value("PRTC:BIN:XLMTH?"), "0");
    Say("FRCD:XYZ:XPOS 40.0000");
    for (int i = 0; i < 70; ++i)
        Value("PRTC:BIN:TRCLST?");
    EXPECT_EQ(Value("PRTC:BIN:XLMTH?"), "1");

    // A stage that lost its position does not move until initialised.
    ASSERT_EQ(tvsim_SetValue("PRTC:BIN:TRCLST", "0"), 0);
    double x = Field(Value("PRTC:XYZ:STAT?"), 3);
    Say("FRCD:XYZ:ZPOS 0.25000");
    EXPECT_EQ(Field(Value("PRTC:XYZ:STAT?"), 3), x);
    EXPECT_EQ(Field(Value("PRTC:XYZ:STAT?"), 5), -0.125);
}

TEST_F(SimTest, TuneRestoresTheTunedSettings)
{
    Say("PRTC:AOUT:LENS 1, 0.0");
    Say("PRTC:AOUT:EMHVA 0");
    Say("PRTC:BOUT:LHVEN OFF");
    Say("TUNE:HSET 1");
    EXPECT_NEAR(Number("PRTC:AIN:LENS? 1"), -120.0, 0.05);
    EXPECT_GT(PollUntil("PRTC:AIN:EMHVA?", [](double v) { return v == 1850.0; }), 0);
}

// The detector's high voltages move at the supply's slew, never jump: up to
// a new set point, down with the supply disabled, and the pulse gate's
// closed voltage follows the pulse HV as it stands.
TEST_F(SimTest, DetectorHighVoltagesRampAndDischarge)
{
    Say("PRTC:AOUT:EMHVA 0");
    int down = PollUntil("PRTC:AIN:EMHVA?", [](double v) { return v == 0.0; });
    EXPECT_GT(down, 25);  // 1850 V at 60 V per exchange
    Say("PRTC:AOUT:EMHVA 1500");
    double previous = 0;
    for (int i = 0; i < 40; ++i) {
        double v = Number("PRTC:AIN:EMHVA?");
        EXPECT_LE(v - previous, 60.0 + 1e-9);
        EXPECT_GE(v, previous);
        previous = v;
    }
    EXPECT_EQ(previous, 1500.0);

    Say("PRTC:BOUT:LHVEN OFF");
    double first = Number("PRTC:AIN:EMHVP?");
    EXPECT_GT(first, 100.0);  // discharging, not gone
    EXPECT_LT(first, 1250.0);
    EXPECT_LT(Number("PRTC:AIN:EMGVP?"), first * 0.23 + 0.1);
    EXPECT_GT(PollUntil("PRTC:AIN:EMHVP?", [](double v) { return v == 0.0; }), 3);
}

// Without feedback (frequency tuning mode) the octopole's RF follows the
// oscillator level, not its set point.
TEST_F(SimTest, OctopoleRfFollowsTheLevelWithoutFeedback)
{
    Say("PRTC:LENS:OPA 120.0");
    Say("PRTC:LENS:OPRFL 40.0");
    EXPECT_EQ(Value("PRTC:AIN:OPA?"), "120.0");
    Say("PRTC:BOUT:OPFB OFF");
    EXPECT_EQ(Value("PRTC:AIN:OPA?"), "100.0");
    Say("PRTC:LENS:OPRFL 60.0");
    EXPECT_EQ(Value("PRTC:AIN:OPA?"), "150.0");
}
