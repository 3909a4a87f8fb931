// The 64 KiB parameter memory: the records of its commands, its images and a
// backup kept across runs. (Backup and restore through the plug-in are in
// memory_e2e_test.)
#include "sim_fixture.h"

#include <algorithm>

static std::vector<unsigned char> Snapshot()
{
    std::vector<unsigned char> bytes(65536);
    tvsim_ReadMemory(0, bytes.data(), 65536);
    return bytes;
}

// The default memory holds every byte value. A block reads the same in
// either case (what it reads: the write test below reads back what it wrote;
// the pattern back at a reset: the image test); 17 bytes is no block.
TEST_F(SimTest, DefaultMemoryAndItsBlocks)
{
    std::vector<unsigned char> first = Snapshot();
    for (int value = 0; value < 256; ++value)
        EXPECT_NE(std::find(first.begin(), first.end(), value), first.end()) << value;
    EXPECT_EQ(Value("pec:erom? #h00a0,16"), Value("PEC:EROM? #H00A0,16"));
    EXPECT_EQ(Value("PEC:EROM? #H0000,4").size(), 19u);
    EXPECT_EQ(Ask("PEC:EROM? #H00A0,17").status, 5u);
}

// A file record, carriage return and all, is written; the last block wraps
// to the start. Malformed records (the line of a read that got no reply, a
// short record, a bad byte) are flagged and write nothing.
TEST_F(SimTest, MemoryWriteTakesFileRecordsAndRefusesMalformedOnes)
{
    const std::string data = "#H00,#H1A,#H22,#H33,#H44,#H55,#H66,#H77,#H88,#H99,#HAA,#HBB,#HCC,#HDD,#HEE,#HFF";
    EXPECT_EQ(Say("POC:EROM #H00A0,16," + data + "\r"), 0u);
    EXPECT_EQ(Value("PEC:EROM? #H00A0,16"), data);
    EXPECT_EQ(Say("POC:EROM #HFFF8,16," + data), 0u);
    EXPECT_EQ(Snapshot()[0], 0x88);
    EXPECT_EQ(transcript.size(), 4u) << transcript[1];  // two writes, a query and its reply: nothing flagged
    std::vector<unsigned char> before = Snapshot();
    for (const char *bad : {"POC:EROM #H00A0,16,\r", "POC:EROM #H00A0,16,#H00,#H01", "POC:EROM #H00A0,2,#H00,#HZZ"}) {
        EXPECT_EQ(Say(bad), 0u);
        EXPECT_EQ(transcript.back().rfind("# unknown POC:EROM #H00A0,", 0), 0u) << bad;
    }
    EXPECT_EQ(Snapshot(), before);
}

// A scenario's [memory] image is made at once with the pattern, keeps what
// is written and brings it back in a later run; an image saved or loaded
// directly is the 64 KiB byte for byte.
TEST_F(SimTest, MemoryImagesKeepTheMemoryAcrossRuns)
{
    std::string image = Scratch(".bin"), scenario = Scratch(".ini");
    std::remove(image.c_str());
    WriteFile(scenario, "[memory]\nimage = " + image + "\n");
    ASSERT_EQ(tvsim_LoadScenario(scenario.c_str()), 0) << tvsim_LastError();
    std::vector<unsigned char> pattern = Snapshot();
    EXPECT_EQ(ReadFile(image), std::string(pattern.begin(), pattern.end()));
    Say("POC:EROM #H0010,2,#HDE,#HAD");
    tvsim_Reset();  // another run
    EXPECT_EQ(Snapshot(), pattern);
    ASSERT_EQ(tvsim_LoadScenario(scenario.c_str()), 0) << tvsim_LastError();
    std::vector<unsigned char> written = Snapshot();
    EXPECT_EQ(written[0x10], 0xDE);
    EXPECT_EQ(written[0x11], 0xAD);

    tvsim_Reset();
    std::string saved = Scratch("-saved.bin");
    ASSERT_EQ(tvsim_LoadMemory(image.c_str()), 0);
    ASSERT_EQ(tvsim_SaveMemory(saved.c_str()), 0);
    EXPECT_EQ(ReadFile(saved), std::string(written.begin(), written.end()));
    WriteFile(saved, "too short");
    EXPECT_NE(tvsim_LoadMemory(saved.c_str()), 0);
    EXPECT_NE(std::string(tvsim_LastError()).find("bytes"), std::string::npos);
    EXPECT_NE(tvsim_LoadMemory("no/such/folder/image.bin"), 0);
    EXPECT_EQ(Snapshot(), written);
}
