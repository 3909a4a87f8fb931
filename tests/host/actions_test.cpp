// The --do actions and the naming of controls, on testplug's panel.
#include <gtest/gtest.h>

#include <stdio.h>

#include "host_support.h"

using cphost::Host;

namespace {

struct Panel : ::testing::Test {
    Host host;
    void SetUp() override { useTestPlugin(host); }
    int run(const std::string &actions) { return host.run("TestPanel", {}, actions); }
    std::vector<std::string> lines(std::vector<std::string> prefixes) { return only(host.transcript(), prefixes); }
};

}  // namespace

TEST_F(Panel, TypeCommitsOnlyWhenTheFocusLeaves)
{
    // Typing alone commits nothing; the click moves the focus first, so the
    // field commits before the button's own work.
    ASSERT_EQ(run("type Set Point: = 12.5; expect Set Point: = 12.5; click Help; escape"), 0) << host.error();
    EXPECT_EQ(lines({"do", "text", "help"}),
              (std::vector<std::string>{"do type Set Point: = 12.5", "do expect Set Point: = 12.5", "do click Help",
                                        "text \"commit 12.5\"", "help 901", "do escape"}));
}

TEST_F(Panel, TicksReachTheDialogWhileItsQuestionIsUpAndIfAskedAnswersOnlyABox)
{
    ASSERT_EQ(run("answer Close if asked; click Pump On; tick 2; answer No if asked; expect Inputs/Value: = 2; escape"), 0)
        << host.error();
    EXPECT_EQ(lines({"do answer", "box"}), (std::vector<std::string>{"do answer No if asked",
                                                                     "box \"Maintenance\" \"Switch the \"\"pump\"\" on?\" -> No"}));
}

TEST_F(Panel, AnAmbiguousNameFailsWithItsCandidates)
{
    EXPECT_EQ(run("expect Value: = 1"), cphost::kActionFailed);
    EXPECT_EQ(host.error(), "action 'expect Value: = 1': 'Value:' is ambiguous in \"Test Panel\": "
                            "'Inputs/Value:' (#301), 'Outputs/Value:' (#302)");
    // The panel was closed without its Close path: no line of the plug-in's own.
    EXPECT_TRUE(contains(host.transcript(), "end 901 2"));
}

TEST_F(Panel, AnUnknownNameFailsAfterWaitingAndListsTheCandidates)
{
    EXPECT_EQ(run("click Start"), cphost::kActionFailed);
    EXPECT_NE(host.error().find("no control 'Start' in \"Test Panel\"; candidates: 'Outputs/Pump On', 'Outputs/Valve', "
                                "'Sub...', 'Enter', 'Close', 'Help'"),
              std::string::npos)
        << host.error();
}

TEST_F(Panel, ActionsOnDisabledOrCoveredControlsFail)
{
    EXPECT_EQ(run("click Valve"), cphost::kActionFailed);
    EXPECT_EQ(host.error(), "action 'click Valve': 'Valve' is disabled");
    EXPECT_FALSE(contains(host.transcript(), "do click Valve"));

    EXPECT_EQ(run("click Sub...; click Help"), cphost::kActionFailed);
    EXPECT_EQ(host.error(), "action 'click Help': 'Help' is in \"Test Panel\", which is under the modal window \"Sub Panel\"");
    EXPECT_EQ(lines({"dialog", "end"}),
              (std::vector<std::string>{"dialog 901 \"Test Panel\"", "dialog 902 \"Sub Panel\"", "end 902 2", "end 901 2"}));
}

TEST_F(Panel, FailedExpectationAndLeftoversGiveThree)
{
    EXPECT_EQ(run("expect Pump On checked"), cphost::kActionFailed);
    EXPECT_EQ(host.error(), "action 'expect Pump On checked': 'Pump On' is unchecked");
    EXPECT_EQ(run("expect Set Point: = 4"), cphost::kActionFailed);
    EXPECT_EQ(host.error(), "action 'expect Set Point: = 4': 'Set Point:' shows \"\", not \"4\"");
    EXPECT_EQ(run("escape; tick"), cphost::kActionFailed);
    EXPECT_EQ(host.error(), "action 'tick': the command ended before it (no window is open)");
    EXPECT_EQ(run(""), cphost::kActionFailed);
    EXPECT_EQ(host.error(), "no action left for the open window \"Test Panel\"");
}

TEST_F(Panel, WaitAndShot)
{
    const char *file = "host_test_shot.png";
    DeleteFileA(file);
    ASSERT_EQ(run("wait 50; shot host_test_shot.png; escape"), 0) << host.error();
    FILE *f = fopen(file, "rb");
    ASSERT_NE(f, nullptr);
    unsigned char head[24];
    ASSERT_EQ(fread(head, 1, sizeof head, f), sizeof head);
    fclose(f);
    EXPECT_EQ(memcmp(head, "\x89PNG", 4), 0);
    unsigned width = head[16] << 24 | head[17] << 16 | head[18] << 8 | head[19];
    EXPECT_GT(width, 100u);
    DeleteFileA(file);
}

TEST_F(Panel, SameActionsGiveTheSameTranscript)
{
    const char *actions = "tick; click Pump On; tick; answer Yes; set Set Point: = 4; tick 2; escape";
    ASSERT_EQ(run(actions), 0) << host.error();
    std::vector<std::string> first = host.transcript();
    ASSERT_EQ(run(actions), 0) << host.error();
    EXPECT_EQ(host.transcript(), first);
}
