// The command language: compound queries and path continuation, unknown and
// malformed commands as the trace flags them, and calls that must not touch
// the caller's memory. (What the panels send and read back, case and fixed
// replies included, the panel and host tests compare whole.)
#include "sim_fixture.h"

TEST_F(SimTest, CommandLanguageAsTraced)
{
    const struct {
        Lines calls, expected;
    } cases[] = {
        // One message, one line feed; a part with an argument continues the
        // path too, and a part starting with ':' starts from the root.
        {{"PRTC:AIN:LENS? 1;LENS? 5", "PRTC:AIN:TMP1?;:TRNS:STAT?"},
         {"? PRTC:AIN:LENS? 1;LENS? 5", "< -120.0;-20.0", "= -120.0;-20.0$", "? PRTC:AIN:TMP1?;:TRNS:STAT?", "< 24.3;1",
          "= 24.3;1$"}},
        // An unknown query fails and is flagged before the failure; an unknown
        // write succeeds silently but is flagged.
        {{"PRTC:AIN:PIBX?", "> PRTC:BOUT:TMPP ON"},
         {"? PRTC:AIN:PIBX?", "# unknown PRTC:AIN:PIBX?", "! 5", "= status 5", "> PRTC:BOUT:TMPP ON",
          "# unknown PRTC:BOUT:TMPP ON"}},
        // One unknown part fails the compound query as a whole.
        {{"PRTC:AIN:PF?;PRX?;SRPS?"}, {"? PRTC:AIN:PF?;PRX?;SRPS?", "# unknown PRTC:AIN:PRX?", "! 5", "= status 5"}},
        // Malformed arguments are flagged, change nothing and go to the error queue.
        {{"> SYS:TMP1 50.0", "> SYS:TMP1 abc,40.0", "> PRTC:BOUT:TMP MAYBE", "> PRTC:AOUT:LENS 11, 3.0",
          "SYS:TMP1?;:PRTC:BOUT:TMP?", "SYST:ERR?"},
         {"> SYS:TMP1 50.0", "# unknown SYS:TMP1 50.0", "> SYS:TMP1 abc,40.0", "# unknown SYS:TMP1 abc,40.0",
          "> PRTC:BOUT:TMP MAYBE", "# unknown PRTC:BOUT:TMP MAYBE", "> PRTC:AOUT:LENS 11, 3.0",
          "# unknown PRTC:AOUT:LENS 11, 3.0", "? SYS:TMP1?;:PRTC:BOUT:TMP?", "< 45.0,40.0;1", "= 45.0,40.0;1$",
          "? SYST:ERR?", "< -224,\"Illegal parameter value\"", "= -224,\"Illegal parameter value\"$"}},
        // A query that is only a command gets no reply but is carried out.
        {{"PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW?", "PRTC:BOUT:SVW ON;SVW?"},
         {"? PRTC:BOUT:SVW OFF", "! 5", "= status 5", "? PRTC:BOUT:SVW?", "< 0", "= 0$", "? PRTC:BOUT:SVW ON;SVW?",
          "< 1", "= 1$"}},
    };
    for (const auto &c : cases) {
        tvsim_Reset();
        EXPECT_EQ(Run(c.calls), c.expected) << c.calls[0];
    }
}

TEST_F(SimTest, BadCallsAreRefusedWithoutTouchingMemory)
{
    // No buffer or none of it: refused; one byte holds the NUL only; no length pointer is fine.
    uint32_t length = 99;
    char one[1] = {'x'}, buffer[256];
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, &length, 0, "TRNS:STAT?", 10, nullptr, 256) & 0xFFFF, 3u);
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, &length, 0, "TRNS:STAT?", 10, one, 0) & 0xFFFF, 3u);
    EXPECT_EQ(one[0], 'x');
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, &length, 0, "TRNS:STAT?", 10, one, 1) & 0xFFFF, 0u);
    EXPECT_TRUE(one[0] == 0 && length == 0) << length;
    EXPECT_EQ(_tvl_QueryString(0, 0, 0, nullptr, 0, "TRNS:STAT?", 10, buffer, 256) & 0xFFFF, 0u);
    EXPECT_STREQ(buffer, "1\n");
}
