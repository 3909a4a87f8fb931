// Faults on demand: each kind, each trigger, and how they show in the trace.
#include "sim_fixture.h"

#include <chrono>
#include <functional>

using Lines = std::vector<std::string>;

namespace {

double MillisecondsOf(const std::function<void()> &work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST_F(SimTest, FailingQueryOnEveryCall)
{
    ASSERT_EQ(tvsim_AddFault("fail PRTC:AIN:PIBK? status=7"), 0) << tvsim_LastError();
    for (int i = 0; i < 2; ++i) {
        Exchange e = Ask("PRTC:AIN:PIBK?");
        EXPECT_EQ(e.status, 7u);
        EXPECT_EQ(e.text, "");
        EXPECT_EQ(e.length, 0u);
    }
    EXPECT_EQ(Ask("PRTC:AIN:PIIF?").status, 0u);
    EXPECT_EQ(transcript[0], "? PRTC:AIN:PIBK?");
    EXPECT_EQ(transcript[1], "! 7");
    EXPECT_EQ(transcript[2], "# fault fail");
}

TEST_F(SimTest, FailingWriteIsNotCarriedOut)
{
    ASSERT_EQ(tvsim_AddFault("fail \"PRTC:BOUT:SVW *\" on=write"), 0) << tvsim_LastError();
    EXPECT_EQ(Say("PRTC:BOUT:SVW OFF"), 5u);
    EXPECT_EQ(Value("PRTC:BOUT:SVW?"), "1");
    EXPECT_EQ(transcript, (Lines{"> PRTC:BOUT:SVW OFF", "! 5", "# fault fail", "? PRTC:BOUT:SVW?", "< 1"}));
}

TEST_F(SimTest, TriggersNthAndEveryNth)
{
    ASSERT_EQ(tvsim_AddFault("fail trns:stat? nth=3"), 0);
    ASSERT_EQ(tvsim_AddFault("empty PRTC:AIN:TMP1? every=2"), 0);
    std::string statuses, lengths;
    for (int i = 1; i <= 5; ++i) {
        statuses += std::to_string(Ask("TRNS:STAT?").status) + " ";
        lengths += std::to_string(Ask("PRTC:AIN:TMP1?").length) + " ";
    }
    EXPECT_EQ(statuses, "0 0 5 0 0 ");
    EXPECT_EQ(lengths, "5 0 5 0 5 ");
}

// Replies that arrive but are not what was asked for: each as stored and traced.
TEST_F(SimTest, EmptyNoLineFeedAndNotANumberReplies)
{
    const struct {
        const char *rule, *query, *text, *traced;
    } cases[] = {
        {"empty PLSM:STAT?", "PLSM:STAT?", "", "<"},
        {"nolf PRTC:AIN:TMP*", "PRTC:AIN:TMP1?", "24.3", "< 24.3"},
        {"nan PRTC:AIN:PGAN?", "PRTC:AIN:PGAN?", "ERR\n", "< ERR"},
        {"nan trns:stat? text=\"-- busy --\"", "trns:stat?", "-- busy --\n", "< -- busy --"},
    };
    for (const auto &c : cases) {
        tvsim_ClearFaults();
        transcript.clear();
        ASSERT_EQ(tvsim_AddFault(c.rule), 0) << c.rule;
        Exchange e = Ask(c.query);
        EXPECT_EQ(e.status, 0u) << c.rule;
        EXPECT_EQ(e.text, c.text) << c.rule;
        EXPECT_EQ(e.length, e.text.size()) << c.rule;
        std::string kind = std::string(c.rule).substr(0, std::string(c.rule).find(' '));
        EXPECT_EQ(transcript, (Lines{std::string("? ") + c.query, c.traced, "# fault " + kind})) << c.rule;
    }
    EXPECT_EQ(Ask("PRTC:AIN:PIBK?").text, "2.600\n");  // only the rule's query
}

TEST_F(SimTest, LongReplyIsCutToTheBufferAndItsLengthReported)
{
    ASSERT_EQ(tvsim_AddFault("long PRTC:AIN:PIBK? length=300"), 0);
    Exchange e = Ask("PRTC:AIN:PIBK?");
    EXPECT_TRUE(e.intact);
    EXPECT_EQ(e.status, 0u);
    EXPECT_EQ(e.text.size(), 255u);
    EXPECT_EQ(e.length, 255u);  // what was stored, never more than the buffer holds
    EXPECT_EQ(e.text.substr(0, 12), "2.600;2.600;");
    EXPECT_EQ(transcript.back(), "# fault long");
    EXPECT_EQ(transcript[1], "< " + e.text);

    // Reported as sent, on request; 256 characters exactly also get cut.
    tvsim_ClearFaults();
    ASSERT_EQ(tvsim_AddFault("long PRTC:AIN:PIBK? length=256 report=full"), 0);
    e = Ask("PRTC:AIN:PIBK?");
    EXPECT_TRUE(e.intact);
    EXPECT_EQ(e.text.size(), 255u);
    EXPECT_EQ(e.length, 256u);
    EXPECT_EQ(e.text.back(), '6');  // the line feed was the 256th character
}

TEST_F(SimTest, SlowReplyAndLatency)
{
    ASSERT_EQ(tvsim_AddFault("slow PRTC:AIN:TMP3? ms=150"), 0);
    std::string v;
    double ms = MillisecondsOf([&] { v = Ask("PRTC:AIN:TMP3?").text; });
    EXPECT_EQ(v, "31.8\n");
    EXPECT_GE(ms, 140.0);
    EXPECT_EQ(transcript.back(), "# fault slow");
    EXPECT_LT(MillisecondsOf([&] { Ask("PRTC:AIN:TMP1?"); }), 100.0);

    tvsim_SetLatency(40);
    double before = tvsim_BusyMicroseconds();
    EXPECT_GE(MillisecondsOf([&] { Say("PRTC:BOUT:SVW ON"); }), 35.0);
    EXPECT_GE(MillisecondsOf([&] { Ask("PRTC:AIN:TMP1?"); }), 35.0);
    EXPECT_GE(tvsim_BusyMicroseconds() - before, 70000.0);
}

TEST_F(SimTest, FaultsCombineAndUnknownCommandsStillShow)
{
    ASSERT_EQ(tvsim_AddFault("nolf PRTC:AIN:TMP1?"), 0);
    ASSERT_EQ(tvsim_AddFault("slow PRTC:AIN:TMP1? ms=1"), 0);
    ASSERT_EQ(tvsim_AddFault("fail PRTC:XXX*"), 0);
    Ask("PRTC:AIN:TMP1?");
    Ask("PRTC:XXX:YYY?");
    Say("PRTC:XXX:ZZZ ON");
    EXPECT_EQ(transcript,
              (Lines{"? PRTC:AIN:TMP1?", "< 24.3", "# fault nolf", "# fault slow", "? PRTC:XXX:YYY?",
                     "# unknown PRTC:XXX:YYY?", "! 5", "# fault fail", "> PRTC:XXX:ZZZ ON", "# unknown PRTC:XXX:ZZZ ON",
                     "! 5", "# fault fail"}));
}

TEST_F(SimTest, WildcardsAndDirectionsSelectTheCalls)
{
    ASSERT_EQ(tvsim_AddFault("fail PRTC:AIN:* on=query"), 0);
    ASSERT_EQ(tvsim_AddFault("fail \"PRTC:AIN:LENS? 5\" status=9"), 0);
    EXPECT_EQ(Ask("PRTC:AIN:PGAN?").status, 5u);
    EXPECT_EQ(Ask("PRTC:AIN:LENS? 5").status, 5u);  // the first rule that fires gives the status
    EXPECT_EQ(Ask("trns:stat?").status, 0u);
    EXPECT_EQ(Say("PRTC:BOUT:SVW ON"), 0u);
    tvsim_ClearFaults();
    EXPECT_EQ(Ask("PRTC:AIN:PGAN?").status, 0u);
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
