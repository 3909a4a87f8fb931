// The command language: compound queries and path continuation, unknown and
// malformed commands as the trace flags them, and calls that must not touch
// the caller's memory. (What the panels send and read back, case and fixed
// replies included, the panel and host tests compare whole.)
#include "sim_fixture.h"

using Lines = std::vector<std::string>;

TEST_F(SimTest, CompoundQueryContinuesThePathOfItsFirstPart)
{
    // One message, one line feed; a part with an argument continues the path
    // too, and a part starting with ':' starts from the root. (The panels'
    // compound queries show their parts' values in the panel tests.)
    Exchange e = Ask("PRTC:AIN:LENS? 1;LENS? 2");
    EXPECT_EQ(e.text, Value("PRTC:AIN:LENS? 1") + ";" + Value("PRTC:AIN:LENS? 2") + "\n");
    EXPECT_EQ(Value("PRTC:AIN:TMP1?;:TRNS:STAT?"), Value("PRTC:AIN:TMP1?") + ";1");
}

TEST_F(SimTest, UnknownQueryFailsAndIsFlaggedRightAfterIt)
{
    Exchange e = Ask("PRTC:AIN:PIBX?");
    EXPECT_EQ(e.status, 5u);
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(e.length, 0u);
    EXPECT_EQ(transcript, (Lines{"? PRTC:AIN:PIBX?", "# unknown PRTC:AIN:PIBX?", "! 5"}));
}

TEST_F(SimTest, UnknownWriteSucceedsSilentlyButIsFlagged)
{
    EXPECT_EQ(Say("PRTC:BOUT:TMPP ON"), 0u);
    EXPECT_EQ(transcript, (Lines{"> PRTC:BOUT:TMPP ON", "# unknown PRTC:BOUT:TMPP ON"}));
}

TEST_F(SimTest, MalformedArgumentsAreFlaggedAndChangeNothing)
{
    std::string before = Value("SYS:TMP1?");
    transcript.clear();
    EXPECT_EQ(Say("SYS:TMP1 50.0"), 0u);         // two values expected
    EXPECT_EQ(Say("SYS:TMP1 abc,40.0"), 0u);     // not a number
    EXPECT_EQ(Say("PRTC:BOUT:TMP MAYBE"), 0u);   // ON or OFF
    EXPECT_EQ(Say("PRTC:AOUT:LENS 11, 3.0"), 0u);  // no lens 11
    EXPECT_EQ(transcript, (Lines{"> SYS:TMP1 50.0", "# unknown SYS:TMP1 50.0", "> SYS:TMP1 abc,40.0",
                                 "# unknown SYS:TMP1 abc,40.0", "> PRTC:BOUT:TMP MAYBE", "# unknown PRTC:BOUT:TMP MAYBE",
                                 "> PRTC:AOUT:LENS 11, 3.0", "# unknown PRTC:AOUT:LENS 11, 3.0"}));
    EXPECT_EQ(Value("SYS:TMP1?"), before);
    EXPECT_EQ(Value("PRTC:BOUT:TMP?"), "1");
    // The instrument's error queue keeps them.
    EXPECT_EQ(Value("SYST:ERR?"), "-224,\"Illegal parameter value\"");
}

TEST_F(SimTest, CompoundQueryWithOneUnknownPartFailsAsAWhole)
{
    Exchange e = Ask("PRTC:AIN:PF?;PRX?;SRPS?");
    EXPECT_EQ(e.status, 5u);
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(transcript, (Lines{"? PRTC:AIN:PF?;PRX?;SRPS?", "# unknown PRTC:AIN:PRX?", "! 5"}));
}

TEST_F(SimTest, AQueryThatIsOnlyACommandGetsNoReply)
{
    Exchange e = Ask("PRTC:BOUT:SVW OFF");
    EXPECT_EQ(e.status, 5u);
    EXPECT_EQ(Value("PRTC:BOUT:SVW?"), "0");  // carried out all the same
    EXPECT_EQ(Value("PRTC:BOUT:SVW ON;SVW?"), "1");
}

TEST_F(SimTest, BadCallsAreRefusedWithoutTouchingMemory)
{
    uint32_t length = 99;
    char one[1] = {'x'};
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, &length, 0, "TRNS:STAT?", 10, nullptr, 256) & 0xFFFF, 3u);
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, &length, 0, "TRNS:STAT?", 10, one, 0) & 0xFFFF, 3u);
    EXPECT_EQ(one[0], 'x');
    // A one-byte buffer holds the NUL only.
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, &length, 0, "TRNS:STAT?", 10, one, 1) & 0xFFFF, 0u);
    EXPECT_EQ(one[0], 0);
    EXPECT_EQ(length, 0u);
    // No length pointer is fine.
    char buffer[256];
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, nullptr, 0, "TRNS:STAT?", 10, buffer, 256) & 0xFFFF, 0u);
    EXPECT_STREQ(buffer, "1\n");
}
