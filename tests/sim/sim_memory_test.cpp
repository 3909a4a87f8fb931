// The 64 KiB parameter memory: its text forms, its images and a backup
// restored byte for byte in a later run.
#include "sim_fixture.h"

namespace {

std::string Hex(const unsigned char *bytes, unsigned count)
{
    std::string text;
    char item[8];
    for (unsigned i = 0; i < count; ++i) {
        std::snprintf(item, sizeof item, "%s#H%02X", i ? "," : "", bytes[i]);
        text += item;
    }
    return text;
}

bool MemoryEquals(const std::vector<unsigned char> &expected)
{
    std::vector<unsigned char> now(65536);
    tvsim_ReadMemory(0, now.data(), 65536);
    return now == expected;
}

std::vector<unsigned char> Snapshot()
{
    std::vector<unsigned char> bytes(65536);
    tvsim_ReadMemory(0, bytes.data(), 65536);
    return bytes;
}

}  // namespace

TEST_F(SimTest, MemoryQueryAnswersSixteenBytesInSeventyNineCharacters)
{
    std::string v = Value("PEC:EROM? #H00A0,16");
    unsigned char bytes[16];
    tvsim_ReadMemory(0xA0, bytes, 16);
    EXPECT_EQ(v, Hex(bytes, 16));
    EXPECT_EQ(v.size(), 79u);
    EXPECT_EQ(Value("pec:erom? #h00a0,16"), v);
    EXPECT_EQ(Value("PEC:EROM? #H0000,4").size(), 19u);
}

TEST_F(SimTest, DefaultMemoryIsADeterministicNonTrivialPattern)
{
    std::vector<unsigned char> first = Snapshot();
    std::vector<int> seen(256, 0);
    for (unsigned char b : first)
        ++seen[b];
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 0), 0);  // every byte value occurs
    EXPECT_NE(Value("PEC:EROM? #H0000,16"), Value("PEC:EROM? #H0010,16"));
    EXPECT_NE(Value("PEC:EROM? #H0000,16"), Value("PEC:EROM? #H0100,16"));
    EXPECT_EQ(first[0], 0xA5);
    EXPECT_EQ(first[0x0101], (unsigned char)(0xA5 + 0x1D + 0x3B));
    unsigned char zero[64] = {0};
    tvsim_WriteMemory(0, zero, 64);
    tvsim_Reset();
    EXPECT_TRUE(MemoryEquals(first));
}

TEST_F(SimTest, MemoryWriteTakesAFileRecordWithItsCarriageReturn)
{
    const char *data = "#H00,#H1A,#H22,#H33,#H44,#H55,#H66,#H77,#H88,#H99,#HAA,#HBB,#HCC,#HDD,#HEE,#HFF";
    ASSERT_EQ(std::strlen(data), 79u);
    EXPECT_EQ(Say(std::string("POC:EROM #H00A0,16,") + data + "\r"), 0u);
    EXPECT_EQ(Value("PEC:EROM? #H00A0,16"), data);
    unsigned char b[1];
    // The last block wraps to the start.
    EXPECT_EQ(Say(std::string("POC:EROM #HFFF8,16,") + data), 0u);
    tvsim_ReadMemory(0, b, 1);
    EXPECT_EQ(b[0], 0x88);
    EXPECT_FALSE(std::any_of(transcript.begin(), transcript.end(),
                             [](const std::string &l) { return l.rfind("# unknown", 0) == 0; }));
}

TEST_F(SimTest, MalformedMemoryRecordsAreFlaggedAndNotWritten)
{
    std::vector<unsigned char> before = Snapshot();
    // The line of a read that got no reply, a short record, a bad byte.
    EXPECT_EQ(Say("POC:EROM #H00A0,16,\r"), 0u);
    EXPECT_EQ(Say("POC:EROM #H00A0,16,#H00,#H01"), 0u);
    EXPECT_EQ(Say("POC:EROM #H00A0,2,#H00,#HZZ"), 0u);
    EXPECT_EQ(Ask("PEC:EROM? #H00A0,17").status, 5u);
    EXPECT_EQ(std::count_if(transcript.begin(), transcript.end(),
                            [](const std::string &l) { return l.rfind("# unknown POC:EROM", 0) == 0; }),
              3);
    EXPECT_TRUE(MemoryEquals(before));
}

TEST_F(SimTest, MemoryImagesSaveAndLoadByteForByte)
{
    std::string path = TempPath(".bin");
    unsigned char mark[3] = {1, 2, 3};
    tvsim_WriteMemory(0x1234, mark, 3);
    std::vector<unsigned char> written = Snapshot();
    ASSERT_EQ(tvsim_SaveMemory(path.c_str()), 0);
    EXPECT_EQ(ReadFile(path), std::string(written.begin(), written.end()));
    tvsim_Reset();
    EXPECT_FALSE(MemoryEquals(written));
    ASSERT_EQ(tvsim_LoadMemory(path.c_str()), 0);
    EXPECT_TRUE(MemoryEquals(written));

    WriteFile(path, "too short");
    EXPECT_NE(tvsim_LoadMemory(path.c_str()), 0);
    EXPECT_NE(std::string(tvsim_LastError()).find("bytes"), std::string::npos);
    EXPECT_NE(tvsim_LoadMemory("no/such/folder/image.bin"), 0);
    std::remove(path.c_str());
}

TEST_F(SimTest, ScenarioMemoryImageKeepsTheMemoryAcrossRuns)
{
    std::string image = TempPath(".bin"), scenario = TempPath(".ini");
    std::remove(image.c_str());
    WriteFile(scenario, "[memory]\nimage = " + image + "\n");
    ASSERT_EQ(tvsim_LoadScenario(scenario.c_str()), 0) << tvsim_LastError();
    EXPECT_EQ(ReadFile(image).size(), 65536u);  // made at once, with the pattern
    Say("POC:EROM #H0010,2,#HDE,#HAD");
    unsigned char b[2];

    tvsim_Reset();  // another run
    tvsim_ReadMemory(0x10, b, 2);
    EXPECT_NE(b[0], 0xDE);
    ASSERT_EQ(tvsim_LoadScenario(scenario.c_str()), 0) << tvsim_LastError();
    tvsim_ReadMemory(0x10, b, 2);
    EXPECT_EQ(b[0], 0xDE);
    EXPECT_EQ(b[1], 0xAD);
    std::remove(image.c_str());
    std::remove(scenario.c_str());
}
