// Texts and checks of the memory backup and restore, on the host compiler.
// Inputs that end exactly at their buffer are heap copies of their exact
// size, so a read past the end shows up under AddressSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "memory/rom_format.h"

namespace {

// A NUL-terminated copy with nothing readable behind the NUL.
std::vector<char> ExactText(const std::string &s)
{
    return std::vector<char>(s.c_str(), s.c_str() + s.size() + 1);
}

// A record of exactly kRomRecordBytes bytes, not NUL-terminated.
std::vector<unsigned char> Record(const std::string &bytes)
{
    std::vector<unsigned char> r(kRomRecordBytes, 'x');
    std::memcpy(r.data(), bytes.data(), std::min(bytes.size(), r.size()));
    return r;
}

// A file line as the instrument would answer: 79 characters of data.
std::string FullReply()
{
    std::string reply;
    for (int i = 0; i < 16; ++i) reply += (i ? ",#H" : "#H") + std::string(i < 10 ? "0" : "1") + char('0' + i % 10);
    return reply;
}

uint32_t Address(const std::string &text)
{
    std::vector<char> t = ExactText(text);
    return RomParseAddress(t.data());
}

TEST(RomAddress, FourHexDigitsAfterThePrefixInEitherCase)
{
    EXPECT_EQ(0xA0u, Address("#H00A0"));
    EXPECT_EQ(0xA0u, Address("#h00a0"));
    EXPECT_EQ(0xFFFFu, Address("#HFFFF"));
    EXPECT_EQ(0xBEEFu, Address("#HbEeF"));
    EXPECT_EQ(0x1234u, Address("XY1234"));        // any two-character prefix
    EXPECT_EQ(0x00A0u, Address("#H00A0FFFF"));    // only characters 3 to 6 count
}

TEST(RomAddress, AnythingElseStartsAtZero)
{
    for (const char *text : {"#HXYZ1", "#H00G0", "#H 0A0", "#H+0A0", "#H0x10", "#H00A", "#H", "#", "", "00A0",
                             "#H-001"}) {
        EXPECT_EQ(0u, Address(text)) << '"' << text << '"';
    }
    EXPECT_EQ(0u, RomParseAddress(nullptr));
}

TEST(RomCount, RoundsHalvesUpwardAndKeepsTheLimits)
{
    struct Case { double value; int32_t rounded; bool accepted; };
    const Case cases[] = {
        {15.0, 15, false},  {15.49, 15, false}, {15.5, 16, true},     {15.6, 16, true},
        {16.0, 16, true},   {8192.0, 8192, true}, {8192.4, 8192, true}, {8192.5, 8193, false},
        {8193.0, 8193, false}, {100.0, 100, true}, {-1.0, -1, false},  {-15.5, -15, false},
        {-0.5, 0, false},   {0.49999999999999994, 0, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.rounded, RomRoundCount(c.value)) << c.value;
        EXPECT_EQ(c.accepted, RomCountAccepted(RomRoundCount(c.value))) << c.value;
    }
}

TEST(RomCount, SaturatesAndRefusesNonNumbers)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(2147483647, RomRoundCount(1e300));
    EXPECT_EQ(2147483647, RomRoundCount(inf));
    EXPECT_EQ(2147483647, RomRoundCount(2147483646.5));
    EXPECT_EQ(2147483647, RomRoundCount(2147483648.0));
    EXPECT_EQ(-2147483647, RomRoundCount(-1e300));
    EXPECT_EQ(-2147483647, RomRoundCount(-inf));
    EXPECT_EQ(-2147483647, RomRoundCount(-2147483648.0));
    EXPECT_EQ(-2147483647, RomRoundCount(-2147483647.5));
    EXPECT_EQ(0, RomRoundCount(std::nan("")));
    EXPECT_EQ(0, RomRoundCount(-std::numeric_limits<double>::quiet_NaN()));
    for (double v : {1e300, -1e300, inf, -inf, std::nan("")}) EXPECT_FALSE(RomCountAccepted(RomRoundCount(v)));

    EXPECT_EQ(6, RomBlockCount(100));  // the remainder is dropped
    EXPECT_EQ(512, RomBlockCount(8192));
    EXPECT_EQ(0, RomBlockCount(-2147483647));
}

TEST(RomTexts, QueryProgressAndLine)
{
    char query[kRomQuerySize];
    EXPECT_EQ(19u, RomQueryText(0xA0, query, sizeof query));
    EXPECT_STREQ("PEC:EROM? #H00A0,16", query);

    char progress[kRomProgressSize];
    RomProgressText(0xA0, 16, 32, progress, sizeof progress);
    EXPECT_STREQ("#H00A0 0016/0032(Bytes)", progress);
    RomProgressText(0x1FF0, 8192, 8192, progress, sizeof progress);
    EXPECT_STREQ("#H1FF0 8192/8192(Bytes)", progress);
    EXPECT_LT(RomProgressText(0xFFFFFFFFu, -2147483647 - 1, -2147483647 - 1, progress, sizeof progress),
              kRomProgressSize);

    char line[kRomLineSize];
    std::string reply = FullReply();
    ASSERT_EQ(79u, reply.size());
    EXPECT_EQ(kRomRecordBytes, RomFileLine(0xA0, reply.c_str(), line, sizeof line));
    EXPECT_EQ("#H00A0,16," + reply + "\r\n", std::string(line));
}

TEST(RomTexts, OfflineAndFiveDigitAddresses)
{
    char line[kRomLineSize];
    EXPECT_EQ(12u, RomFileLine(0xA0, "", line, sizeof line));
    EXPECT_STREQ("#H00A0,16,\r\n", line);
    EXPECT_EQ(12u, RomFileLine(0xA0, nullptr, line, sizeof line));

    // A backup that runs past FFFF writes longer addresses and longer lines.
    EXPECT_EQ(kRomRecordBytes + 1, RomFileLine(0x10000, FullReply().c_str(), line, sizeof line));
    EXPECT_EQ(0, std::strncmp(line, "#H10000,16,", 11));
    char query[kRomQuerySize];
    RomQueryText(0x11FF0, query, sizeof query);
    EXPECT_STREQ("PEC:EROM? #H11FF0,16", query);
}

TEST(RomTexts, BoundedOutput)
{
    // The longest reply the channel can hold, and more, with the widest address.
    std::string longReply(400, 'D');
    char line[kRomLineSize];
    size_t length = RomFileLine(0xFFFFFFFFu, longReply.c_str(), line, sizeof line);
    EXPECT_EQ(2u + 8 + 4 + kRomReplyChars + 2, length);
    EXPECT_EQ(length, std::strlen(line));
    EXPECT_EQ(0, std::strcmp(line + length - 2, "\r\n"));

    // Too small a buffer truncates and still terminates.
    char small[8];
    EXPECT_EQ(7u, RomQueryText(0xA0, small, sizeof small));
    EXPECT_STREQ("PEC:ERO", small);
    EXPECT_EQ(7u, RomFileLine(0xA0, "abc", small, sizeof small));
    EXPECT_STREQ("#H00A0,", small);
    EXPECT_EQ(0u, RomQueryText(0xA0, nullptr, 0));
}

TEST(RomRecord, CutAfterTheNinetiethByte)
{
    std::string line = "#H00A0,16," + FullReply() + "\r\n";
    std::vector<unsigned char> record = Record(line);
    char command[kRomCommandSize];
    EXPECT_EQ(99u, RomWriteCommand(record.data(), command, sizeof command));
    EXPECT_EQ("POC:EROM " + line.substr(0, 90), std::string(command));
    EXPECT_EQ('\r', command[98]);  // the carriage return stays, the line feed goes

    char label[kRomLabelSize];
    EXPECT_EQ(6u, RomRecordLabel(record.data(), label, sizeof label));
    EXPECT_STREQ("#H00A0", label);
}

TEST(RomRecord, MisalignedAndBinaryRecords)
{
    char command[kRomCommandSize];
    char label[kRomLabelSize];

    // A file of offline lines (12 bytes each): records straddle the lines.
    std::string offline;
    while (offline.size() < kRomRecordBytes) offline += "#H00A0,16,\r\n";
    std::vector<unsigned char> record = Record(offline);
    RomWriteCommand(record.data(), command, sizeof command);
    EXPECT_EQ("POC:EROM " + offline.substr(0, 90), std::string(command));

    // A NUL inside the record ends the command (and the label) there.
    record = Record(std::string("#H0\0A0,16,rest", 14));
    EXPECT_EQ(12u, RomWriteCommand(record.data(), command, sizeof command));
    EXPECT_STREQ("POC:EROM #H0", command);
    EXPECT_EQ(3u, RomRecordLabel(record.data(), label, sizeof label));
    EXPECT_STREQ("#H0", label);

    record = Record(std::string(1, '\0'));
    EXPECT_STREQ("POC:EROM ", (RomWriteCommand(record.data(), command, sizeof command), command));
    EXPECT_EQ(0u, RomRecordLabel(record.data(), label, sizeof label));

    // Null record: the bare prefix, an empty label.
    EXPECT_EQ(9u, RomWriteCommand(nullptr, command, sizeof command));
    EXPECT_EQ(0u, RomRecordLabel(nullptr, label, sizeof label));
}

TEST(RomFuzz, RoundingStaysWithinHalfAStep)
{
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> near(-20000.0, 20000.0);
    for (int round = 0; round < 20000; ++round) {
        double value = near(random);
        int32_t rounded = RomRoundCount(value);
        ASSERT_LE(std::fabs(rounded - value), 0.5) << value;
        if (std::fabs(rounded - value) == 0.5) {
            ASSERT_GT(rounded, value) << value;
        }
    }
    for (int round = 0; round < 2000; ++round) {
        uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);  // any bit pattern, NaNs and infinities included
        int32_t rounded = RomRoundCount(value);
        ASSERT_GE(rounded, -2147483647);
        if (std::isnan(value)) {
            ASSERT_EQ(0, rounded);
        }
    }
}

}  // namespace
