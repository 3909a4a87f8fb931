// The model behind the replies where no panel test reads it back. (The panel
// tests show the plasma ignition to a lit plasma and its failing scenario
// (PlasmaRf.PlasmaOnIgnites...), the stage homing (XyzStage.Targets...), the
// water valve's flow (Water), a lens output's readback (IonOptics, Plate Bias)
// and the octopole's RF error reset (Octopole).)
#include "sim_fixture.h"

TEST_F(SimTest, WritesAreReadBack)
{
    Play({{"SYS:PIBK:PGON 12.00, 60.00, 300, 120", "SYS:PIBK:PGON?", "12.00,60.00,300,120"},  // blanks dropped
          {"SYS:AUTOS OFF", "SYS:AUTOS?", "0"}, {"FRCD:PER:PUMP1 0.25", "FRCD:PER:PUMP1?", "0.25"},
          {"PRTC:MASS:PBIA 4.5", "PRTC:AIN:PBMON?", "~4.5"}, {"PRTC:BOUT:PBCLR ON", "PRTC:AIN:PBMON?", "~24.5"},
          {"PRTC:AOUT:SRPS 1.234", "PRTC:AIN:SRPS?", "1.234"},
          // The mass drives the mass filter voltages.
          {nullptr, "PRTC:AIN:VV?", "<200"}, {"PRTC:MASS:MASS 15, 115.00", "PRTC:MASS:MASS?", "15,115.00"},
          {nullptr, "PRTC:AIN:VV?", ">500"}, {nullptr, "PRTC:AIN:UVNEG?", "<-100"}});
}

TEST_F(SimTest, SwitchesChangeTheInputsThatFollowThem)
{
    Play({{"PRTC:BOUT:LHVEN OFF", "PRTC:AIN:LENS? 1", "0.0"}, {nullptr, "PRTC:AIN:HVP?", "<1"},
          {"PRTC:BOUT:LHVEN ON", "PRTC:AIN:LENS? 1", "~-120.0"},
          {"PRTC:BOUT:SVIF OFF", "PRTC:BIN:IFVOPN?", "0"}, {"FRCD:BOUT:S75ON OFF", "PRTC:AIN:VP75?", "<1"},
          // The RF generator by hand: power only with both enables.
          {"PRTC:AOUT:PF 800", "PRTC:AIN:PF?", "0"}, {"PRTC:BOUT:RFOSC ON", "PRTC:AIN:PF?", "0"},
          {"PRTC:BOUT:RFON ON", "PRTC:AIN:PF?", "800"}, {nullptr, "PRTC:AIN:ID1?", ">3"},
          // Without feedback (frequency tuning) the octopole's RF follows the level.
          {"PRTC:LENS:OPA 120.0", "PRTC:AIN:OPA?", "120.0"}, {"PRTC:LENS:OPRFL 40.0", "PRTC:AIN:OPA?", "120.0"},
          {"PRTC:BOUT:OPFB OFF", "PRTC:AIN:OPA?", "100.0"}, {"PRTC:LENS:OPRFL 60.0", "PRTC:AIN:OPA?", "150.0"}});
}

TEST_F(SimTest, VacuumRunsOverTheFollowingPolls)
{
    Play({// A turbo does not stop at once; its analyser pressure rises.
          {"PRTC:BOUT:TPA OFF", "PRTC:AIN:RTPA?", ">90"}, {nullptr, "PRTC:BOUT:TPSD?", "1"},
          {nullptr, "PRTC:AIN:RTPA?", "0.0", 50}, {nullptr, "PRTC:BOUT:TPSD?", "0"},
          {nullptr, "PRTC:AIN:ITPA?", "0.000"}, {nullptr, "PRTC:AIN:PGAN?", ">1"},
          // Accelerating draws more current than running.
          {"PRTC:BOUT:TPA ON", "PRTC:AIN:ITPA?", "1.800"}, {nullptr, "PRTC:AIN:RTPA?", "100.0", 10},
          {nullptr, "PRTC:AIN:ITPA?", "0.310"}, {nullptr, "PRTC:AIN:PGAN?", "<1e-4", 0},
          // The pumps and the breaker.
          {"PRTC:BOUT:RPBK OFF", "PRTC:BIN:VAON?", "0"}, {nullptr, "PRTC:AIN:PIBK?", ">1330", 1},
          {"PRTC:BOUT:RPBK ON", "PRTC:AIN:PIBK?", "<10", 1},
          {"set PRTC:BIN:ERRBRK 1", "PRTC:BIN:ERRBRK?;VAON?", "1;0"}, {nullptr, "PRTC:AIN:PIIF?", ">1330", 1},
          {nullptr, "PRTC:AIN:PGAN?", ">1", 1},  // the turbos slow down without a backing vacuum
          {"PRTC:BOUT:PGON OFF", "PRTC:AIN:PGAN?", "0.00E+00"}});
    tvsim_Reset();
    Play({// The gate valve travels: neither end on the way.
          {"MNTE:SVC:PICDIS 4, #H60", "PRTC:BIN:ISOV1?;ISOV2?", "1;0"},
          {"PRTC:BOUT:S24ON ON", "PRTC:BIN:ISOV1?;ISOV2?", "1;0"},
          {"FRCD:BOUT:ISOV ON", "PRTC:BIN:ISOV1?;ISOV2?", "0;0"}, {nullptr, "PRTC:AIN:MVM?", ">20"},
          {nullptr, "PRTC:BIN:ISOV1?;ISOV2?", "0;1", 1}, {nullptr, "PRTC:AIN:CVM?", ">20"},
          {nullptr, "PRTC:AIN:MVM?", "<1"}, {"MNTE:SVC:PICDIS 4, #H0", "PRTC:BIN:ISOV1?;ISOV2?", "0;1"},
          {"FRCD:BOUT:ISOV OFF", "PRTC:BIN:ISOV1?;ISOV2?", "0;0"}, {nullptr, "PRTC:BIN:ISOV1?;ISOV2?", "1;0", 1}});
}

TEST_F(SimTest, PlasmaStageAndDetectorOverTheFollowingPolls)
{
    Play({// Oscillating without the +48 V supply: low supply and a drain-voltage error.
          {"PRTC:BOUT:S24ON OFF", "PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", "0;0;0;0"},
          {"PRTC:BOUT:RFOSC ON", "PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", "0;1;0;0"},
          {nullptr, "PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?", "0;0;0;1"},
          // The burning plasma keeps its supply; extinction in mid-ignition.
          {"PRTC:BOUT:RFOSC OFF", "PLSM:STAT?", "0"}, {"PLSM:IGNT", "PLSM:STAT?", "3", 4},
          {"PRTC:BOUT:S24ON OFF", "PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?", "0;0;0;0"},
          {nullptr, "PRTC:AIN:RF48V?", ">40"},
          {"PLSM:EXTN", "PLSM:STAT?", "0"}, {"PLSM:IGNT", "PLSM:STAT?", "1"}, {"PLSM:EXTN", "PLSM:STAT?", "0"}});
    tvsim_Reset();
    Play({// The stage: 0.5 mm per exchange in X, stopping on the target, the end
          // sensor at the end of its travel; off track it does not move.
          {"FRCD:XYZ:XPOS 7.5000", "PRTC:XYZ:STAT?", "0,0,5.5000,0.2500,-0.12500"},
          {nullptr, "PRTC:XYZ:STAT?", "0,0,7.5000,0.2500,-0.12500", 3},
          {nullptr, "PRTC:XYZ:STAT?", "0,0,7.5000,0.2500,-0.12500"}, {nullptr, "PRTC:BIN:XLMTH?", "0"},
          {"FRCD:XYZ:XPOS 40.0000", "PRTC:BIN:XLMTH?", "1", 50},
          {"set PRTC:BIN:TRCLST 0", "PRTC:XYZ:STAT?", "0,0,40.0000,0.2500,-0.12500"},
          {"FRCD:XYZ:ZPOS 0.25000", "PRTC:XYZ:STAT?", "0,0,40.0000,0.2500,-0.12500"}});
    tvsim_Reset();
    Play({// The detector's high voltages move at the supply's slew (60 V an
          // exchange) and discharge with the supply disabled.
          {"PRTC:AOUT:EMHVA 0", "PRTC:AIN:EMHVA?", "0.0", 25},
          {"PRTC:AOUT:EMHVA 1500", "PRTC:AIN:EMHVA?", "1500.0", 20},
          {"PRTC:BOUT:LHVEN OFF", "PRTC:AIN:EMHVP?", ">100"}, {nullptr, "PRTC:AIN:EMHVP?", "<1250"},
          {nullptr, "PRTC:AIN:EMGVP?", "<300"}, {nullptr, "PRTC:AIN:EMHVP?", "0.0", 2}});
    tvsim_Reset();
    Play({// The tune settings come back.
          {"PRTC:AOUT:LENS 1, 0.0", "PRTC:AIN:LENS? 1", "0.0"}, {"PRTC:AOUT:EMHVA 0", "PRTC:AIN:EMHVA?", "<1850"},
          {"PRTC:BOUT:LHVEN OFF", "PRTC:AIN:LENS? 1", "0.0"}, {"TUNE:HSET 1", "PRTC:AIN:LENS? 1", "~-120.0"},
          {nullptr, "PRTC:AIN:EMHVA?", "1850.0", 0}});
}
