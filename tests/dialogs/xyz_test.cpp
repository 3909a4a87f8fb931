// The XYZ stage panel against the simulated stage.
#include <gtest/gtest.h>

#include <string>

#include "panel_support.h"

namespace {

using namespace panels;

const char kNotInitialised[] = "box \"Error\" \"Torch position hasn't initialized. Please initialize first.\" -> OK";

struct OpenCase {
    double state;
    const char *onTrack;  // the stage's "On Track" replies
    const char *script;
    Lines writes;
    bool box;
    const char *status = nullptr;  // "PRTC:XYZ:STAT?": busy, error, X, Y, Z (nullptr: the simulated stage)
};

} // namespace

TEST(XyzStage, OpeningCommandsAPositionForTheStateAndTheStage)
{
    const Lines here = {"FRCD:XYZ:XPOS 5.0000", "FRCD:XYZ:YPOS 0.2500", "FRCD:XYZ:ZPOS -0.12500"};
    const OpenCase cases[] = {
        // On track: back to where the simulated stage stands.
        {1, "1", "escape", here, false},
        // Every decimal of the readback counts: Z to 0.00001, X and Y to 0.0001.
        {1, "1", "escape", {"FRCD:XYZ:XPOS 5.0125", "FRCD:XYZ:YPOS -0.2625", "FRCD:XYZ:ZPOS 0.26875"}, false,
         "0;0;5.0125;-0.2625;0.26875"},
        // Not initialised: the defaults, X at 0 in Standby, then the note.
        {0, "0", "answer OK; expect Outputs/Torch-V (Z): = 0.00000; escape",
         {"FRCD:XYZ:XPOS 30.0000", "FRCD:XYZ:YPOS 0.0000", "FRCD:XYZ:ZPOS 0.00000"}, true},
        {1, "0", "answer OK; escape", {"FRCD:XYZ:XPOS 0.0000", "FRCD:XYZ:YPOS 0.0000", "FRCD:XYZ:ZPOS 0.00000"}, true},
        // Monitoring: nothing commanded, no note, the targets stay disabled.
        {2, "1", "expect Initialize disabled; tick; expect Outputs/Smpl Depth (X): disabled; escape", {"TUNE:HSET 1"},
         false},
        {2, "0", "escape", {"TUNE:HSET 1"}, false},
    };
    for (const OpenCase &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", c.state);
        host.addReply("PRTC:BIN:TRCLST?", c.onTrack);
        if (c.status != nullptr)
            host.addReply("PRTC:XYZ:STAT?", c.status);
        ASSERT_TRUE(Ran(host, "MaintXYZ", c.script)) << c.state << "/" << c.onTrack;
        EXPECT_EQ(Writes(host), c.writes) << c.state << "/" << c.onTrack;
        EXPECT_EQ(Has(host, kNotInitialised), c.box) << c.state << "/" << c.onTrack;
        EXPECT_EQ(Queries(host).front(), "SYS:ADJ:XPOS?");
    }
}

TEST(XyzStage, TargetsFollowOnTrackAndInitializeHomesTheStage)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("PRTC:BIN:TRCLST?", "1|0|1");
    ASSERT_TRUE(Ran(host, "MaintXYZ", "tick; expect Outputs/Torch-H (Y): disabled; expect Initialize enabled; tick; "
                    "expect Outputs/Torch-H (Y): enabled; escape"));

    // The simulated stage homes (sensors on, off track, at 0), then travels back on track.
    host.clearReplies();
    ASSERT_TRUE(Ran(host, "MaintXYZ", "click Initialize; tick; expect X Start Sensor: = 1; expect On Track: = 0; "
                    "expect Inputs/Smpl Depth (X): = 0.0000; expect Outputs/Smpl Depth (X): disabled; tick 4; "
                    "expect On Track: = 1; expect X Start Sensor: = 0; expect Outputs/Smpl Depth (X): enabled; "
                    "click Help; escape"));
    EXPECT_EQ(Writes(host), (Lines{"FRCD:XYZ:XPOS 5.0000", "FRCD:XYZ:YPOS 0.2500", "FRCD:XYZ:ZPOS -0.12500",
                                   "PRTC:XYZ:INI"}));
    EXPECT_TRUE(Has(host, "help 272"));
}

TEST(XyzStage, TargetsAreSentInRangeAndOriginsStoredFieldByField)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    ASSERT_TRUE(Ran(host, "MaintXYZ", "set Outputs/Smpl Depth (X): = -50; set Outputs/Torch-V (Z): = 0.01; "
                    "set Z Origin: = 25; set X Origin: = 1.23456; type Y Origin: = abc; click Close"));
    EXPECT_EQ(Writes(host), (Lines{"FRCD:XYZ:XPOS 5.0000", "FRCD:XYZ:YPOS 0.2500", "FRCD:XYZ:ZPOS -0.12500",
                                   "FRCD:XYZ:XPOS -40.0000", "FRCD:XYZ:YPOS 0.2500", "FRCD:XYZ:ZPOS 0.00625",
                                   "SYS:ADJ:ZPOS 20.0", "SYS:ADJ:XPOS 1.2345", "SYS:ADJ:YPOS 0.0000"}));
}
