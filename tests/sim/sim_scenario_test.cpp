// Scenario files: the shipped ones, the syntax, the timed phases and the hostile ones.
#include "sim_fixture.h"

#include <chrono>

static std::string Scenario(const std::string &name) { return TORVEX_SOURCE_DIR "/scenarios/" + name; }

TEST_F(SimTest, ShippedScenarios)
{
    auto answers = [&] {  // "query = reply" lines
        Lines out;
        for (const char *q : {"trns:stat?", "PRTC:AIN:PIBK?", "PRTC:AIN:PGAN?", "PLSM:STAT?", "PRTC:BIN:TRCLST?"})
            out.push_back(q + (" = " + Value(q)));
        return out;
    };
    const Lines builtIn = answers();
    ASSERT_EQ(tvsim_LoadScenario(Scenario("healthy.ini").c_str()), 0) << tvsim_LastError();
    EXPECT_EQ(answers(), builtIn);

    tvsim_Reset();
    ASSERT_EQ(tvsim_LoadScenario(Scenario("vacuum-trouble.ini").c_str()), 0) << tvsim_LastError();
    Play({{nullptr, "trns:stat?", "0"}, {nullptr, "PRTC:BIN:ERRBRK?;VAON?", "1;0"},
          {nullptr, "PRTC:AIN:PIBK?", ">1330"}, {nullptr, "PRTC:AIN:PIIF?", ">1330"},
          {nullptr, "PRTC:AIN:PIIFBK?", ">1330"}, {nullptr, "PRTC:AIN:PGAN?", ">1"}, {nullptr, "PRTC:AIN:RTPI?", "<35"},
          {"PRTC:BOUT:RPBK ON", "PRTC:AIN:PIBK?", ">1330"}});  // no help while the breaker is tripped

    tvsim_Reset();
    ASSERT_EQ(tvsim_LoadScenario(Scenario("plasma-running.ini").c_str()), 0) << tvsim_LastError();
    Play({{nullptr, "trns:stat?;:PLSM:STAT?", "2;3"}, {nullptr, "PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?", "1;0;0;0"},
          {nullptr, "PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?", "0;0;0;1"}, {nullptr, "PRTC:AIN:PF?", ">999.9"},
          {nullptr, "PRTC:BIN:ISOV1?;ISOV2?;EMPRA?;EMPRP?", "0;1;1;1"}, {nullptr, "PRTC:AIN:PGAN?", ">1e-4"},
          {nullptr, "PRTC:AIN:PGAN?", "<1"}, {nullptr, "PRTC:AIN:PLGS?", ">10"}, {"PLSM:EXTN", "PLSM:STAT?", "0"}});

    tvsim_Reset();
    ASSERT_EQ(tvsim_LoadScenario(Scenario("silent.ini").c_str()), 0) << tvsim_LastError();
    EXPECT_EQ(Run({"PEC:EROM? #H0000,16", "PRTC:AIN:PF?;PR?", "> PRTC:BOUT:SVW OFF"}),
              (Lines{"? PEC:EROM? #H0000,16", "! 5", "# fault fail", "= status 5", "? PRTC:AIN:PF?;PR?", "! 5",
                     "# fault fail", "= status 5", "> PRTC:BOUT:SVW OFF"}));
}

// One section a line here; a scenario's switch is settled at once, and
// an ignition phase of no polls and no time is skipped.
TEST_F(SimTest, ScenarioSectionsApplyInOrder)
{
    std::string path = Scratch(".ini");
    WriteFile(path, "\xEF\xBB\xBF; a comment\n# another\n[Instrument]\nstate = 6\nlatency_ms = 0\n"
                    "[values]\nSYS:TMP1 = 47.5,42.0\nPRTC:BOUT:TMP = OFF\nPRTC:AOUT:LENS 5 = -25.0\n"
                    "SYS:ADJ:LENS 3 = 1.01000,0.250\nPRTC:AIN:TMP1 = 38.5\n"
                    "[replies]\nPRTC:AIN:PF?;PR? = 1;2|3;4\nVENDOR:EXTRA? = \"quoted reply\"\n"
                    "[sequences]\nplasma_purge_polls = 1\nplasma_ignite_polls = 0\nplasma_ignite_ms = 0\n"
                    "[faults]\nf1 = nolf PRTC:AIN:TMP3?\n[host]\n_AFC = 1\n");
    ASSERT_EQ(tvsim_LoadScenario(path.c_str()), 0) << tvsim_LastError();
    Play({{nullptr, "trns:stat?", "6"}, {nullptr, "SYS:TMP1?", "47.5,42.0"}, {nullptr, "PRTC:BOUT:TMP?", "0"},
          {nullptr, "PRTC:AIN:RTMP?", "0.0"}, {nullptr, "PRTC:AIN:LENS? 5", "-25.0"},
          {nullptr, "SYS:ADJ:LENS? 3", "1.01000,0.250"}, {nullptr, "PRTC:AIN:TMP1?", "38.5"},
          {nullptr, "PRTC:AIN:PF?;PR?", "1;2"}, {nullptr, "prtc:ain:pf?;pr?", "3;4"},
          {nullptr, "VENDOR:EXTRA?", "quoted reply"}, {"PLSM:IGNT", "PLSM:STAT?", "1"}, {nullptr, "PLSM:STAT?", "3"}});
    EXPECT_EQ(Ask("PRTC:AIN:TMP3?").text, "31.8");
}

TEST_F(SimTest, TimedPhasesEndAfterTheirMilliseconds)
{
    std::string path = Scratch(".ini");
    WriteFile(path, "[sequences]\nlens_calibration_polls = 0\nlens_calibration_ms = 300\n");
    ASSERT_EQ(tvsim_LoadScenario(path.c_str()), 0) << tvsim_LastError();
    Say("PRTC:LENS:ADJ");
    auto start = std::chrono::steady_clock::now();
    int polls = 0;
    while (Value("PRTC:LENS:STAT?") != "0" && polls < 100000)
        ++polls;
    EXPECT_GT(polls, 10);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(280));
}

// Bad and hostile scenario files: each is refused naming the file and the
// line that is wrong (the lines before it applied), or applies without harm;
// none may crash, hang the exchanges that follow or exhaust memory.
TEST_F(SimTest, BadScenarioFilesAreRefusedAtTheirLine)
{
    EXPECT_EQ(tvsim_LoadScenario("no-such-scenario.ini"), 1);
    EXPECT_NE(std::string(tvsim_LastError()).find("no-such-scenario.ini"), std::string::npos);

    std::string path = Scratch(".ini");
    struct Case { std::string text; int badLine; };  // 0: applies
    const Case cases[] = {
        {"[values]\nSYS:NOSUCH = 1\n", 2}, {"[values]\nSYS:TMP1 = 50.0\n", 2}, {"[bogus]\nx = 1\n", 2},
        {"state = 1\n", 1}, {"[faults]\nf = explode X\n", 2}, {"[instrument]\nturbos = 3\n", 2},
        {"[sequences]\nnever_polls = 2\n", 2}, {"[memory]\nload = missing.bin\n", 2}, {"[values\n", 1},
        {std::string("[instrument]\nstate = 1\n\0\x01\xff\xfe = 7\n", 28), 3},
        {"[values]\nSYS:TMP1 = " + std::string(100000, '9') + "\n", 2},
        {"[replies]\ntrns:stat? = " + std::string(100000, 'x') + "\n", 0},
        {"[instrument]\nlatency_ms = 99999999999999999999\n", 2}, {"[instrument]\nlatency_ms = 3600000\n", 2},
        {"[instrument]\nstate = -2147483649\n", 2}, {"[faults]\na = long * length=4294967295\n", 2},
        {"[faults]\na = long * length=2000000\n", 2}, {"[faults]\na = slow * ms=86400000\n", 2},
        {"[faults]\na = fail \"unterminated\n", 2}, {"[faults]\na = nan * text=" + std::string(200, '9') + "\n", 0},
        {"[memory]\nload = .\n", 2}, {"[memory]\nsave = /no/such/folder/x.bin\n", 2},
        {"[values]\nPRTC:AOUT:LENS 99999999999 = 1\n", 2}, {"[values]\nSYS:ADJ:LENS -1 = 1,1\n", 2},
        {"[" + std::string(70000, '[') + "\n", 1},
        {"\xEF\xBB\xBF\r\n\r\n[sequences]\r\nplasma_purge_ms = 99999999999999999999\r\n", 4},
    };
    for (const Case &c : cases) {
        tvsim_Reset();
        WriteFile(path, c.text);
        int rc = tvsim_LoadScenario(path.c_str());
        std::string error = tvsim_LastError(), shown = c.text.substr(0, 60) + ": " + error;
        EXPECT_EQ(rc, c.badLine ? 2 : 0) << shown;
        std::string where = path + ":" + std::to_string(c.badLine) + ":";
        EXPECT_TRUE(!c.badLine || error.find(where) != std::string::npos) << shown;
        EXPECT_FALSE(Value("*IDN?").empty()) << shown;
    }
}

TEST_F(SimTest, SetValueChangesTheModelLikeAScenarioLine)
{
    Play({{"set SYS:TMP3 60.0,55.0", "SYS:TMP3?", "60.0,55.0"}, {"set prtc:ain:tmp3 33.3", "PRTC:AIN:TMP3?", "33.3"}});
    EXPECT_NE(tvsim_SetValue("PRTC:AIN:TMP3", "warm"), 0);
    EXPECT_NE(tvsim_SetValue("NO:SUCH", "1"), 0);
    EXPECT_NE(std::string(tvsim_LastError()).find("NO:SUCH"), std::string::npos);
}
