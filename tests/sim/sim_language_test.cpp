// The command language: compound queries, path continuation, arguments,
// case, fixed replies, unknown commands and the order of trace events.
#include "sim_fixture.h"

using Lines = std::vector<std::string>;

TEST_F(SimTest, QueryIsCaseInsensitiveAndEndsInOneLineFeed)
{
    Exchange e = Ask("trns:stat?");
    EXPECT_EQ(e.status, 0u);
    EXPECT_EQ(e.text, "1\n");
    EXPECT_EQ(e.length, 2u);
    EXPECT_EQ(Value("TRNS:STAT?"), "1");
    EXPECT_EQ(Value("Prtc:Ain:Pibk?"), Value("PRTC:AIN:PIBK?"));
}

TEST_F(SimTest, CompoundQueryContinuesThePathOfItsFirstPart)
{
    std::string both = Value("PRTC:AIN:PF?;PR?");
    EXPECT_EQ(both, Value("PRTC:AIN:PF?") + ";" + Value("PRTC:AIN:PR?"));

    std::string six = Value("PRTC:AIN:PF?;PR?;SRPS?;SHPS?;ID1?;ID2?");
    EXPECT_EQ(std::count(six.begin(), six.end(), ';'), 5);
    EXPECT_NEAR(Field(six, 3), 1.850, 1e-9);  // the series capacitor where it stands
    EXPECT_NEAR(Field(six, 4), 2.120, 1e-9);

    // One message, one line feed; a part with an argument continues the path too.
    Exchange e = Ask("PRTC:AIN:LENS? 1;LENS? 2");
    EXPECT_EQ(e.text, Value("PRTC:AIN:LENS? 1") + ";" + Value("PRTC:AIN:LENS? 2") + "\n");
    // A later part from the root.
    EXPECT_EQ(Value("PRTC:AIN:TMP1?;:TRNS:STAT?"), Value("PRTC:AIN:TMP1?") + ";1");
    EXPECT_TRUE(transcript.end() == std::find(transcript.begin(), transcript.end(), "# unknown PRTC:AIN:PR?"));
}

TEST_F(SimTest, ArgumentsAreUnderstood)
{
    EXPECT_NE(Value("SYS:ADJ:LENS? 3"), Value("SYS:ADJ:LENS? 4"));
    EXPECT_EQ(Value("PEC:EROM? #H00A0,16").size(), 79u);
    EXPECT_EQ(Say("PRTC:AOUT:LENS 5, -25.0"), 0u);
    EXPECT_EQ(Value("prtc:ain:lens? 5"), "-25.0");
    EXPECT_EQ(Say("MNTE:SVC:PICDIS 4, #H60"), 0u);
    EXPECT_EQ(Value("MNTE:SVC:PICDIS? 4"), "#H60");
    EXPECT_TRUE(transcript.end() ==
                std::find_if(transcript.begin(), transcript.end(), [](const std::string &l) { return l[0] == '#'; }));
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

TEST_F(SimTest, TranscriptOfAnOrdinaryExchange)
{
    Say("PRTC:BOUT:S24ON OFF");
    std::string v = Value("PRTC:AIN:HVS24?");
    EXPECT_EQ(transcript, (Lines{"> PRTC:BOUT:S24ON OFF", "? PRTC:AIN:HVS24?", "< " + v}));
    EXPECT_EQ(v, "0.2");
}

TEST_F(SimTest, FixedReplyMatchesTheTextAsSentAndAdvancesOnlyWhenAsked)
{
    ASSERT_EQ(tvsim_SetReply("prtc:ain:pibk?", "1.5|2.5|3.5"), 0);
    ASSERT_EQ(tvsim_SetReply("PRTC:AIN:PGAN?", "9.9E-01"), 0);
    EXPECT_EQ(Value("PRTC:AIN:PIBK?"), "1.5");
    EXPECT_EQ(Value("PRTC:AIN:PGAN?"), "9.9E-01");
    EXPECT_EQ(Value("PRTC:AIN:PIBK?"), "2.5");
    EXPECT_EQ(Value("PRTC:AIN:PIBK?"), "3.5");
    EXPECT_EQ(Value("PRTC:AIN:PIBK?"), "3.5");  // the last one repeats

    // A compound query without an override of its own: each part takes its own.
    ASSERT_EQ(tvsim_SetReply("PRTC:AIN:PR?", "7|8"), 0);
    std::string pf = Value("PRTC:AIN:PF?");
    EXPECT_EQ(Value("PRTC:AIN:PF?;PR?"), pf + ";7");
    // The whole line's override wins, and the part's list does not advance.
    ASSERT_EQ(tvsim_SetReply("PRTC:AIN:PF?;PR?", "1;2"), 0);
    EXPECT_EQ(Value("PRTC:AIN:PF?;PR?"), "1;2");
    EXPECT_EQ(Value("PRTC:AIN:PR?"), "8");

    // Fixed replies answer queries outside the command set, and can be removed.
    ASSERT_EQ(tvsim_SetReply("VENDOR:SECRET?", "42"), 0);
    EXPECT_EQ(Value("vendor:secret?"), "42");
    ASSERT_EQ(tvsim_SetReply("VENDOR:SECRET?", nullptr), 0);
    EXPECT_EQ(Ask("VENDOR:SECRET?").status, 5u);
}

TEST_F(SimTest, StateIsSetByTheScenarioSide)
{
    EXPECT_EQ(Value("trns:stat?"), "1");
    tvsim_SetState(2);
    EXPECT_EQ(Value("trns:stat?"), "2");
    tvsim_SetState(5);
    EXPECT_EQ(Value("trns:stat?"), "5");
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

// Every query that a maintenance panel sends: understood, answered with
// numbers only, inside the ranges the panels check.
TEST_F(SimTest, HealthyInstrumentAnswersEveryPanelQuery)
{
    static const char *const kQueries[] = {
        "trns:stat?", "MNTE:SVC:STB?", "PLSM:STAT?", "PRTC:LENS:STAT?", "PRTC:FLOW:STAT?", "PRTC:XYZ:STAT?",
        "PRTC:MASS:TLOGA?", "PRTC:BOUT:TPSD?", "PRTC:AIN:PIIF?", "PRTC:AIN:PIBK?", "PRTC:AIN:PIIFBK?",
        "PRTC:AIN:PGAN?", "PRTC:AIN:RTPI?", "PRTC:AIN:RTPA?", "PRTC:AIN:RTMP?", "PRTC:AIN:ITPI?", "PRTC:AIN:ITPA?",
        "PRTC:AIN:ITMP?", "PRTC:AIN:VP75?", "PRTC:AIN:MVM?", "PRTC:AIN:IISOV?", "PRTC:AIN:CVM?", "PRTC:AIN:CCM?",
        "PRTC:BIN:ERRBRK?", "PRTC:BIN:FNTP?", "PRTC:BIN:GVERR?", "PRTC:BIN:ISOV1?", "PRTC:BIN:ISOV2?",
        "PRTC:BIN:VAON?", "PRTC:BIN:IFVOPN?", "PRTC:BIN:IFVERR?", "PRTC:BIN:PSRAW?;RFVDER?;RFIDER?;RFTMPE?",
        "PRTC:BIN:UNBLER?;DCNCER?;RFLVER?", "PRTC:BIN:UNBLER?;DCNCER?;RFFBER?", "PRTC:BIN:RFFANER?;MNBFAN?;SRLMTA?",
        "PRTC:BIN:SRLMTB?;SHLMTA?;SHLMTB?;PSON?", "PRTC:BIN:PRER?;RF48VER?;RFPSNC?;VLOW?",
        "PRTC:AIN:PF?;PR?;SRPS?;SHPS?;ID1?;ID2?", "PRTC:AIN:ID3?;ID4?;TTA?;TTB?;VDA?;VDB?",
        "PRTC:AIN:ID3?;ID4?;TTA?;TTB?;VD?;RF48V?", "PRTC:AIN:IDD?;RFV12?;RFBI?;RFBIAS?",
        "PRTC:AIN:IDD?;RFDV?;RFTH?;RFTHS?", "PRTC:AIN:IGNT?;CHK12V?;CHKP5?;CHKPH?", "PRTC:AIN:RFDVS?;UNBL?",
        "PRTC:BIN:RFER?", "PRTC:BIN:QPFAN?", "PRTC:AIN:QPFAD?", "PRTC:AIN:MSPF?;MSRF?",
        "PRTC:AIN:UVPOS?;UVNEG?;VV?;QPPHC?;PBMON?", "PRTC:AIN:P600V?;N600V?;TMPQP?;TMPQPP?", "PRTC:AIN:HVS24?",
        "PRTC:AIN:LENS? 1", "PRTC:AIN:LENS? 2", "PRTC:AIN:LENS? 3", "PRTC:AIN:LENS? 4", "PRTC:AIN:LENS? 5",
        "PRTC:AIN:LENS? 6", "PRTC:AIN:LENS? 7", "PRTC:AIN:LENS? 9", "PRTC:AIN:LENS? 10", "PRTC:AIN:HVL5?",
        "PRTC:AIN:HVL12?", "PRTC:AIN:MVP?", "PRTC:AIN:MVN?", "PRTC:AIN:HVP?", "PRTC:BIN:OPFBER?", "PRTC:BIN:OPIDER?",
        "PRTC:AIN:OPAP?", "PRTC:AIN:OPAN?", "PRTC:AIN:OPA?", "PRTC:AIN:OPBIA?", "PRTC:AIN:OPID?", "PRTC:BIN:EMPRA?",
        "PRTC:BIN:EMPRP?", "PRTC:AIN:EMHVA?", "PRTC:AIN:EMHVP?", "PRTC:AIN:EMGVA?", "PRTC:AIN:EMGVP?",
        "PRTC:AIN:PGAR?;PGCR?;CHKP5?", "PRTC:AIN:PGOPS?;PGOP?;OPGS?", "PRTC:AIN:PLGS?;AXGS?;CRGS?;MUGS?;CHKVMF?",
        "PRTC:AIN:PLGS?;AXGS?;CRGS?;MUGS?;TMPGS?", "PRTC:AIN:PLDPKPA?;AXDPKPA?;CRDPKPA?;MUDPKPA?",
        "PRTC:AIN:PLBPKPA?;AXBPKPA?;CRBPKPA?;MUBPKPA?", "PRTC:AIN:PGAR?", "PRTC:AIN:PLDP?", "PRTC:AIN:AXDP?",
        "PRTC:AIN:CRDP?", "PRTC:AIN:MUDP?", "PRTC:AIN:PLBP?", "PRTC:AIN:AXBP?", "PRTC:AIN:CRBP?", "PRTC:AIN:MUBP?",
        "PRTC:AIN:FSIF?", "PRTC:AIN:FSRF?", "PRTC:AIN:RFWCIF?", "PRTC:AIN:TMPC?", "PRTC:AIN:TMPSH?",
        "PRTC:AIN:TMPS?", "PRTC:AIN:CHKPEL?", "PRTC:BIN:XLMTL?", "PRTC:BIN:XLMTH?", "PRTC:BIN:YLMTL?",
        "PRTC:BIN:YLMTH?", "PRTC:BIN:ZLMTL?", "PRTC:BIN:XINIERR?", "PRTC:BIN:YINIERR?", "PRTC:BIN:ZINIERR?",
        "PRTC:BIN:XYZERR?", "PRTC:BIN:TRCLST?", "PRTC:BIN:XYZMNT?", "PRTC:BIN:COVR?", "PRTC:BIN:CVOPNER?",
        "PRTC:BIN:ERRPW2?", "PRTC:BIN:V24ER?", "PRTC:BIN:ERRPW3?", "PRTC:BIN:ERRPW4?", "PRTC:BIN:ERRPW5?",
        "PRTC:AIN:TMP1?", "PRTC:AIN:TMP3?",
    };
    for (const char *q : kQueries) {
        std::string v = Value(q);
        ASSERT_FALSE(v.empty()) << q;
        size_t at = 0;
        while (at <= v.size()) {  // numbers only, separated by ';' or ','
            size_t next = v.find_first_of(";,", at);
            std::string one = v.substr(at, next == std::string::npos ? std::string::npos : next - at);
            char *end = nullptr;
            std::strtod(one.c_str(), &end);
            EXPECT_TRUE(!one.empty() && *end == 0) << q << " -> " << v;
            at = next == std::string::npos ? v.size() + 1 : next + 1;
        }
        // On/off inputs: 0, except what a healthy instrument in Standby has on.
        std::string query = q;
        if (query.rfind("PRTC:BIN:", 0) == 0) {
            bool set = query == "PRTC:BIN:ISOV1?" || query == "PRTC:BIN:VAON?" || query == "PRTC:BIN:IFVOPN?" ||
                       query == "PRTC:BIN:TRCLST?";
            std::string expected = set ? "1" : "0";
            for (size_t n = std::count(query.begin(), query.end(), ';'); n > 0; --n)
                expected += ";0";
            EXPECT_EQ(v, expected) << q;
        }
    }
    // The display ranges the vacuum panel checks.
    for (const char *q : {"PRTC:AIN:PIIF?", "PRTC:AIN:PIBK?", "PRTC:AIN:PIIFBK?"}) {
        EXPECT_GE(Number(q), 0.133) << q;
        EXPECT_LE(Number(q), 1330.0) << q;
    }
    EXPECT_GE(Number("PRTC:AIN:PGAN?"), 1e-6);
    EXPECT_LE(Number("PRTC:AIN:PGAN?"), 1.0);
    // Gas sensors at rest read inside the allowed offset range.
    for (const char *q : {"PRTC:AIN:PLDP?", "PRTC:AIN:AXDP?", "PRTC:AIN:CRDP?", "PRTC:AIN:MUDP?"}) {
        EXPECT_GE(Number(q), 0.025) << q;
        EXPECT_LE(Number(q), 0.373) << q;
    }
    EXPECT_EQ(Value("PRTC:BIN:TRCLST?"), "1");
    EXPECT_EQ(Value("PRTC:AIN:PGAN?"), "3.20E-05");  // two exponent digits, as the instrument writes them
    EXPECT_EQ(Number("PRTC:AIN:RTPI?"), 100.0);
    EXPECT_GT(Number("PRTC:AIN:TMP1?"), 15.0);
    EXPECT_GT(Number("PRTC:AIN:PGAR?"), 300.0);
    for (const auto &line : transcript)
        EXPECT_NE(line.rfind("# unknown", 0), 0u) << line;
}

// The stored parameters the panels read, each field inside the range its
// panel validates it against.
TEST_F(SimTest, StoredParametersLieInsideThePanelsRanges)
{
    struct Range {
        double low, high;
    };
    static const struct {
        const char *query;
        std::vector<Range> fields;
    } kParams[] = {
        {"SYS:PIBK:TPON?", {{0.14, 1330}, {0.14, 1330}, {10, 32767}}},
        {"SYS:PIIFBK:TPON?", {{0.14, 1330}, {0.14, 1330}, {10, 32767}}},
        {"SYS:PIBK:PGON?", {{0.14, 1330}, {0.14, 1330}, {5, 32767}}},
        {"SYS:PIIFBK:PGON?", {{0.14, 1330}, {0.14, 1330}, {5, 32767}}},
        {"SYS:PGAN:STB?", {{1e-6, 1}, {1e-6, 1}, {5, 32767}, {10, 32767}}},
        {"SYS:PIIF:ISOV?", {{1.33, 1330}, {1.33, 1330}, {5, 32767}, {1, 32767}}},
        {"SYS:PIIFBK:ISOV?", {{1.33, 1330}, {1.33, 1330}, {5, 32767}, {1, 32767}}},
        {"SYS:PGAN:ANA?", {{1e-6, 1}, {1e-6, 1}, {10, 32767}}},
        {"SYS:PIIF:ANA?", {{0.14, 1330}, {0.14, 1330}, {0.14, 1330}}},
        {"SYS:PIIFBK:ANA?", {{0.14, 1330}, {0.14, 1330}, {0.14, 1330}}},
        {"SYS:PGAN:TBSLOW?", {{1e-6, 1}}},
        {"SYS:TDISOV?", {{1, 32767}}},
        {"SYS:TPRT?", {{0, 100}, {0, 100}, {0, 100}, {0, 100}}},
        {"SYS:TPRTMP?", {{0, 100}, {0, 100}}},
        {"SYS:TPRTSTB?", {{0, 100}, {0, 100}}},
        {"SYS:TPRTMPSTB?", {{0, 100}}},
        {"SYS:AUTOS?", {{0, 1}}},
        {"SYS:PIBK:COLTPON?", {{0.14, 1330}}},
        {"SYS:PIIFBK:COLTPON?", {{0.14, 1330}}},
        {"SYS:PGAN:COLSTB?", {{1e-6, 1}, {1e-6, 1}, {10, 32767}}},
        {"SYS:PGAN:COLANA?", {{1e-6, 1}, {1e-6, 1}, {10, 32767}}},
        {"SYS:IGNT:PLGS?", {{0, 20}, {0, 20}, {0, 24.5}}},
        {"SYS:IGNT:AXGS?", {{0, 2}, {0, 2}, {0, 2.45}}},
        {"SYS:IGNT:CRGS?", {{0, 2}, {0, 2}}},
        {"SYS:IGNT:CRGSORGN?", {{0, 2}}},
        {"SYS:IGNT:MUGS?", {{0, 2}, {0, 2}}},
        {"SYS:IGNT:OPGS?", {{0, 100}, {0, 100}}},
        {"SYS:IGNT:SRPS?", {{0, 4}, {0, 4}, {0, 32767}}},
        {"SYS:IGNT:SHPS?", {{0, 4}, {0, 4}, {0, 4}, {0, 32767}}},
        {"SYS:IGNT:PF?", {{0, 2000}, {0, 2000}, {0, 2000}}},
        {"SYS:IGNT:PFJMP?", {{0, 2000}}},
        {"SYS:IGNT:PFORGN?", {{0, 2000}}},
        {"SYS:IGNT:PRLMT?", {{0, 500}, {0, 500}}},
        {"SYS:IGNT:PR?", {{0, 500}, {0, 32767}}},
        {"SYS:IGNT:PURG?", {{0, 32767}}},
        {"SYS:IGNT:IGWT?", {{0, 32767}}},
        {"SYS:IGNT:XPOS?", {{-40, 40}}},
        {"SYS:QPFRQ?", {{2, 4}}},
        {"SYS:AXIS?", {{0.1, 10}, {-5, 5}}},
        {"SYS:AMUGIN?", {{-5120, 5120}}},
        {"SYS:AMUOFST?", {{-1000, 1000}}},
        {"SYS:QPLINEAR?", {{-1, 1}, {-1, 1}}},
        {"SYS:LINEAR?", {{2, 260}, {-1, 1}}},
        {"SYS:STBMS?", {{1.55, 260.5}}},
        {"SYS:QPERR:TPICKUP?", {{0, 124}}},
        {"SYS:QPERR:TPOWER?", {{0, 4}}},
        {"SYS:QPERR:HVP?", {{500, 600}, {600, 700}}},
        {"SYS:QPERR:HVN?", {{500, 600}, {600, 700}}},
        {"SYS:OCP?", {{30, 200}, {1, 260}}},
        {"SYS:OPFRQ?", {{2, 25}}},
        {"SYS:OPRFL?", {{0, 100}}},
        {"SYS:OCPENB?", {{0, 1}}},
        {"SYS:EMEL?", {{-200, 200}}},
        {"SYS:EMGVA?", {{-200, 200}}},
        {"SYS:EMGVP?", {{0, 100}}},
        {"SYS:EMLMT?", {{0, 1e18}, {0, 1e18}}},
        {"SYS:DTIME?", {{1, 260}, {0, 1}, {0, 1}}},
        {"SYS:EMPA?", {{1, 1e15}, {1, 1e15}}},
        {"SYS:LOGTLMT?", {{0, 100}}},
        {"SYS:LOG?", {{0, 255}, {0, 255}}},
        {"SYS:LOGREF?", {{0, 255}}},
        {"SYS:EMWAIT?", {{0, 1e18}, {0, 65}}},
        {"SYS:EMTUNE?", {{30, 200}}},
        {"SYS:DSCRLMT?", {{0, 200}}},
        {"SYS:ADJ:EMEL?", {{0.9, 1.1}, {-9.999, 9.999}}},
        {"SYS:ADJ:EMGVA?", {{0.9, 1.1}, {-9.999, 9.999}}},
        {"SYS:PLGSL?", {{0, 20}}},
        {"SYS:PLGST?", {{0, 3.2}, {0, 2}}},
        {"SYS:AXGSL?", {{0, 2}}},
        {"SYS:AXGST?", {{0, 0.32}, {0, 2}}},
        {"SYS:CRGST?", {{0, 0.32}, {0, 2}}},
        {"SYS:MUGST?", {{0, 0.32}, {0, 2}}},
        {"SYS:OPGST?", {{0, 100}, {0, 2}}},
        {"SYS:OFFSET:PLGS?", {{-0.5, 0.5}}},
        {"SYS:OFFSET:AXGS?", {{-0.5, 0.5}}},
        {"SYS:OFFSET:CRGS?", {{-0.5, 0.5}}},
        {"SYS:OFFSET:MUGS?", {{-0.5, 0.5}}},
        {"SYS:OFFSET:OPGS?", {{-0.5, 0.5}}},
        {"PRTC:FLOW:PLDPV?", {{0.025, 0.373}}},
        {"PRTC:FLOW:AXDPV?", {{0.025, 0.373}}},
        {"PRTC:FLOW:CRDPV?", {{0.025, 0.373}}},
        {"PRTC:FLOW:MUDPV?", {{0.025, 0.373}}},
        {"PRTC:FLOW:PLBPV?", {{0.025, 0.373}}},
        {"PRTC:FLOW:AXBPV?", {{0.025, 0.373}}},
        {"PRTC:FLOW:CRBPV?", {{0.025, 0.373}}},
        {"PRTC:FLOW:MUBPV?", {{0.025, 0.373}}},
        {"SYS:FSIF?", {{0, 3}, {0, 3}}},
        {"SYS:FSRF?", {{0, 3}, {0, 3}}},
        {"SYS:RFWCIF?", {{0, 3}, {0, 3}}},
        {"SYS:TMPCL?", {{0, 20}}},
        {"SYS:TMPC?", {{0, 70}, {0, 70}}},
        {"SYS:TMPST?", {{0, 5}}},
        {"SYS:TMPSH?", {{0, 60}, {-60, 60}}},
        {"SYS:ADJ:XPOS?", {{-40, 40}}},
        {"SYS:ADJ:YPOS?", {{-20, 100}}},
        {"SYS:ADJ:ZPOS?", {{-20, 20}}},
        {"SYS:TMP1?", {{0, 100}, {0, 100}}},
        {"SYS:TMP3?", {{0, 100}, {0, 100}}},
    };
    for (const auto &p : kParams) {
        std::string v = Value(p.query);
        for (size_t i = 0; i < p.fields.size(); ++i) {
            double x = Field(v, (int)i + 1);
            EXPECT_GE(x, p.fields[i].low) << p.query << " field " << i + 1 << ": " << v;
            EXPECT_LE(x, p.fields[i].high) << p.query << " field " << i + 1 << ": " << v;
        }
    }
    for (int n = 1; n <= 10; ++n) {
        std::string v = Value("SYS:ADJ:LENS? " + std::to_string(n));
        EXPECT_GE(Field(v, 1), 0.9);
        EXPECT_LE(Field(v, 1), 1.1);
        EXPECT_LE(std::abs(Field(v, 2)), 9.999);
    }
}

// Every command a panel writes is in the command set.
TEST_F(SimTest, EveryPanelCommandIsUnderstood)
{
    static const char *const kCommands[] = {
        "ACQ:AXIS 1", "FRCD:AOUT:OPGS 0.00", "FRCD:BOUT:ISOV ON", "FRCD:BOUT:ISOV OFF", "FRCD:BOUT:S75ON ON",
        "FRCD:BOUT:SVCR 1", "FRCD:BOUT:SVCR 0", "FRCD:BOUT:SVOP OFF", "FRCD:BOUT:TFAN OFF", "FRCD:PER:PUMP1 0.00",
        "FRCD:PER:PUMP2 0.00", "FRCD:XYZ:XPOS 30.0000", "FRCD:XYZ:YPOS 0.0000", "FRCD:XYZ:ZPOS 0.00000",
        "MNTE:SVC:PICDIS 4, #H60", "MNTE:SVC:PICDIS 4, #H0", "MNTE:SVC:PICDIS 5, #H0001", "MNTE:SVC:STB OFF",
        "MNTE:SVC:STB ON", "MNTE:SVC:SVAG 1", "MNTE:SVC:SVAG 0", "OPT:SPRAY 1", "PLSM:SHLD 0", "PLSM:SMPL 1",
        "SYS:IMT:PUMP 0", "PLSM:IGNT", "PLSM:EXTN", "PRTC:AOUT:PF 0", "PRTC:AOUT:PRLMT 0", "PRTC:AOUT:SRPS 1.234",
        "PRTC:AOUT:SHPS 2.000", "PRTC:AOUT:PLGS 20.000000", "PRTC:AOUT:AXGS 0.000", "PRTC:AOUT:CRGS 0.000",
        "PRTC:AOUT:MUGS 0.000", "PRTC:AOUT:EMHVA 0", "PRTC:AOUT:EMHVP 0", "PRTC:AOUT:EMEL 0.0",
        "PRTC:AOUT:EMGVA 200.0", "PRTC:AOUT:EMGVP 23.0", "PRTC:AOUT:RFTH 0.500", "PRTC:AOUT:LENS 10, 0.0",
        "PRTC:BOUT:IGNT OFF", "PRTC:BOUT:LHVEN ON", "PRTC:BOUT:OPFB ON", "PRTC:BOUT:OPRFEN ON", "PRTC:BOUT:PBCLR OFF",
        "PRTC:BOUT:PGON OFF", "PRTC:BOUT:QPFAN ON", "PRTC:BOUT:QPTC ON", "PRTC:BOUT:RFFAN OFF", "PRTC:BOUT:RFON OFF",
        "PRTC:BOUT:RFOSC OFF", "PRTC:BOUT:RPBK ON", "PRTC:BOUT:RPIF ON", "PRTC:BOUT:S24ON ON", "PRTC:BOUT:SRRM OFF",
        "PRTC:BOUT:SVAG ON", "PRTC:BOUT:SVIF ON", "PRTC:BOUT:SVPRG OFF", "PRTC:BOUT:SVPRV OFF", "PRTC:BOUT:SVVAC ON",
        "PRTC:BOUT:SVW ON", "PRTC:BOUT:TMP ON", "PRTC:BOUT:TPA ON", "PRTC:BOUT:TPI ON", "PRTC:FLOW:PLDPV 0.152",
        "PRTC:LENS:OPA 25.0", "PRTC:LENS:OPFETB 0.0", "PRTC:LENS:OPFRQ 9.000", "PRTC:LENS:OPRFL 100.0",
        "PRTC:MASS:DSCR 0.0", "PRTC:MASS:MASS 15, -2", "PRTC:MASS:MASS 7, -2", "PRTC:MASS:MASS 15, 24.00",
        "PRTC:MASS:PBIA 0.0", "PRTC:MASS:QPFRQ 2.950", "PRTC:MASS:TLOGSW ON", "PRTC:TMPS:STRT 15",
        "PRTC:TMPS:STOP", "SYS:ADJ:EMEL 1.00000,0.000", "SYS:ADJ:EMGVA 1.00000,0.000", "SYS:ADJ:LENS 5,1.00000,0.123",
        "SYS:ADJ:XPOS 1.2500", "SYS:AMUGIN 12", "SYS:AMUOFST -3", "SYS:AUTOS ON", "SYS:AUTOS OFF",
        "SYS:AXGSL 0.60", "SYS:AXIS 1.0000,0.00", "SYS:DTIME 115,3.800E-08,8.000E-09", "SYS:EMEL 0.0",
        "SYS:EMPA 5.0E+06,5.0E+03", "SYS:EMWAIT 1.000000E+09,10.0", "SYS:IGNT:CRGS 0.60,0.40,0.00",
        "SYS:IGNT:PF 600,1200,1550", "SYS:IGNT:SHPS 2.120,2.350,0.050,30", "SYS:LINEAR 7,0.0012",
        "SYS:OCP 45.0,7", "SYS:OFFSET:PLGS 0.012", "SYS:PGAN:STB 1.000E-03,5.000E-03,600,1800",
        "SYS:PIBK:PGON 10.00,50.00,300,120", "SYS:PIIFBK:ISOV 200.00,400.00,60,5", "SYS:QPERR:HVP 540,650",
        "SYS:QPLINEAR 0.0015,-0.0008", "SYS:TMP1 50.0,40.0", "SYS:TMPSH 40.0,-60.0", "SYS:TPRT 90,80,90,80",
        "SYS:TPRTMPSTB 80", "TUNE:HSET 1", "PRTC:LENS:ADJ", "PRTC:FLOW:ADJ", "PRTC:XYZ:INI",
    };
    for (const char *c : kCommands)
        EXPECT_EQ(Say(c), 0u) << c;
    for (const auto &line : transcript)
        EXPECT_NE(line.rfind("# unknown", 0), 0u) << line;
}
