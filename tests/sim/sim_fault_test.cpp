// Faults on demand: the calls each rule selects, what each kind does to the
// status and the reply as stored, and how it shows in the trace.
#include "sim_fixture.h"

#include <chrono>
#include <functional>

TEST_F(SimTest, FaultKindsAsStoredAndTraced)
{
    const struct {
        Lines rules, calls, expected;
    } cases[] = {
        // Every call fails with the rule's status; other queries are untouched.
        {{"fail PRTC:AIN:PIBK? status=7"}, {"PRTC:AIN:PIBK?", "PRTC:AIN:PIBK?", "PRTC:AIN:PIIF?"},
         {"? PRTC:AIN:PIBK?", "! 7", "# fault fail", "= status 7", "? PRTC:AIN:PIBK?", "! 7", "# fault fail",
          "= status 7", "? PRTC:AIN:PIIF?", "< 85.300", "= 85.300$"}},
        // A failing write is not carried out.
        {{"fail \"PRTC:BOUT:SVW *\" on=write"}, {"> PRTC:BOUT:SVW OFF", "PRTC:BOUT:SVW?"},
         {"> PRTC:BOUT:SVW OFF", "! 5", "# fault fail", "? PRTC:BOUT:SVW?", "< 1", "= 1$"}},
        // Replies that arrive but are not what was asked for.
        {{"empty PLSM:STAT?"}, {"PLSM:STAT?"}, {"? PLSM:STAT?", "<", "# fault empty", "= "}},
        {{"nolf PRTC:AIN:TMP*"}, {"PRTC:AIN:TMP1?"}, {"? PRTC:AIN:TMP1?", "< 24.3", "# fault nolf", "= 24.3"}},
        {{"nan PRTC:AIN:PGAN?"}, {"PRTC:AIN:PGAN?"}, {"? PRTC:AIN:PGAN?", "< ERR", "# fault nan", "= ERR$"}},
        {{"nan trns:stat? text=\"-- busy --\""}, {"trns:stat?"},
         {"? trns:stat?", "< -- busy --", "# fault nan", "= -- busy --$"}},
        // Kinds combine on one call; unknown commands still show as such.
        {{"nolf PRTC:AIN:TMP1?", "slow PRTC:AIN:TMP1? ms=1", "fail PRTC:XXX*"},
         {"PRTC:AIN:TMP1?", "PRTC:XXX:YYY?", "> PRTC:XXX:ZZZ ON"},
         {"? PRTC:AIN:TMP1?", "< 24.3", "# fault nolf", "# fault slow", "= 24.3", "? PRTC:XXX:YYY?",
          "# unknown PRTC:XXX:YYY?", "! 5", "# fault fail", "= status 5", "> PRTC:XXX:ZZZ ON",
          "# unknown PRTC:XXX:ZZZ ON", "! 5", "# fault fail"}},
        // Wildcards and directions; the first rule that fires gives the status.
        {{"fail PRTC:AIN:* on=query", "fail \"PRTC:AIN:LENS? 5\" status=9"},
         {"PRTC:AIN:LENS? 5", "trns:stat?", "> PRTC:BOUT:SVW ON"},
         {"? PRTC:AIN:LENS? 5", "! 5", "# fault fail", "= status 5", "? trns:stat?", "< 1", "= 1$",
          "> PRTC:BOUT:SVW ON"}},
    };
    for (const auto &c : cases) {
        tvsim_ClearFaults();
        for (const std::string &rule : c.rules)
            ASSERT_EQ(tvsim_AddFault(rule.c_str()), 0) << rule << ": " << tvsim_LastError();
        EXPECT_EQ(Run(c.calls), c.expected) << c.rules[0];
    }
}

TEST_F(SimTest, TriggersNthAndEveryNth)
{
    ASSERT_EQ(tvsim_AddFault("fail trns:stat? nth=3"), 0);
    ASSERT_EQ(tvsim_AddFault("empty PRTC:AIN:TMP1? every=2"), 0);
    std::string seen;  // the status of each TRNS:STAT? and the length of each TMP1 reply
    for (int i = 1; i <= 5; ++i) {
        seen += std::to_string(Ask("TRNS:STAT?").status) + "/";
        seen += std::to_string(Ask("PRTC:AIN:TMP1?").length) + " ";
    }
    EXPECT_EQ(seen, "0/5 0/0 5/5 0/0 0/5 ");
}

// A long reply is cut to the buffer; the length reported is what was stored,
// or on request what was sent (256 characters exactly also get cut).
TEST_F(SimTest, LongReplyIsCutToTheBuffer)
{
    ASSERT_EQ(tvsim_AddFault("long PRTC:AIN:PIBK? length=300"), 0);
    Exchange e = Ask("PRTC:AIN:PIBK?");
    EXPECT_TRUE(e.intact && e.status == 0 && e.text.size() == 255 && e.length == 255) << e.length;
    EXPECT_EQ(e.text.substr(0, 12), "2.600;2.600;");
    EXPECT_EQ(transcript, (Lines{"? PRTC:AIN:PIBK?", "< " + e.text, "# fault long"}));
    tvsim_ClearFaults();
    ASSERT_EQ(tvsim_AddFault("long PRTC:AIN:PIBK? length=256 report=full"), 0);
    e = Ask("PRTC:AIN:PIBK?");
    EXPECT_TRUE(e.intact && e.text.size() == 255 && e.length == 256) << e.length;
    EXPECT_EQ(e.text.back(), '6');  // the line feed was the 256th character
}

TEST_F(SimTest, SlowReplyAndLatency)
{
    auto ms = [](const std::function<void()> &work) {
        auto start = std::chrono::steady_clock::now();
        work();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    ASSERT_EQ(tvsim_AddFault("slow PRTC:AIN:TMP3? ms=150"), 0);
    EXPECT_GE(ms([&] { EXPECT_EQ(Ask("PRTC:AIN:TMP3?").text, "31.8\n"); }), 140.0);
    tvsim_SetLatency(40);
    double before = tvsim_BusyMicroseconds();
    unsigned exchanges = tvsim_ExchangeCount();
    EXPECT_GE(ms([&] { Say("PRTC:BOUT:SVW ON"); }), 35.0);
    EXPECT_GE(ms([&] { Ask("PRTC:AIN:TMP1?"); }), 35.0);
    EXPECT_GE(tvsim_BusyMicroseconds() - before, 70000.0);
    EXPECT_EQ(tvsim_ExchangeCount() - exchanges, 2u);
}

TEST_F(SimTest, BadFaultRulesAreRefused)
{
    for (const char *rule : {"explode PRTC:AIN:PIBK?", "fail", "fail X nth=0", "fail X every=-1", "slow X ms=abc",
                             "long X report=sometimes", "fail \"X", "fail X status=0", "fail X colour=red"}) {
        EXPECT_NE(tvsim_AddFault(rule), 0) << rule;
        EXPECT_STRNE(tvsim_LastError(), "") << rule;
    }
    EXPECT_EQ(Ask("PRTC:AIN:PIBK?").status, 0u);
}
