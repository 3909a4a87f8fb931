// Texts and checks of the memory backup and restore, on the host compiler:
// the boundary and hostile rows. Inputs that end exactly at their buffer
// are heap copies of their exact size, so a read past the end shows up
// under AddressSanitizer. (The texts as sent and written, the counts the
// engineer types and whole files are in memory_e2e_test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "memory/rom_format.h"

namespace {

template <class... T> using Rows = std::initializer_list<std::tuple<T...>>;

// A record of exactly kRomRecordBytes bytes, not NUL-terminated.
std::vector<unsigned char> Record(const std::string &bytes)
{
    std::vector<unsigned char> r(kRomRecordBytes, 'x');
    std::memcpy(r.data(), bytes.data(), std::min(bytes.size(), r.size()));
    return r;
}

// Characters 3 to 6 after any two-character prefix, in either case; anything
// else starts at zero.
TEST(RomAddress, FourHexDigitsAfterThePrefix)
{
    for (auto [text, address] : Rows<std::string, uint32_t>{
             {"#HbEeF", 0xBEEF}, {"XY1234", 0x1234}, {"#H00A0FFFF", 0xA0}, {"#H00G0", 0}, {"#H 0A0", 0}, {"#H+0A0", 0},
             {"#H0x10", 0}, {"#H00A", 0}, {"#H", 0}, {"#", 0}, {"", 0}, {"00A0", 0}, {"#H-001", 0}}) {
        std::vector<char> exact(text.c_str(), text.c_str() + text.size() + 1);
        EXPECT_EQ(RomParseAddress(exact.data()), address) << '"' << text << '"';
    }
    EXPECT_EQ(0u, RomParseAddress(nullptr));
}

// To the nearest, halves upward; the limits saturate; NaN is 0.
TEST(RomCount, RoundsHalvesUpwardAndKeepsTheLimits)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [value, rounded, accepted] : Rows<double, int32_t, bool>{
             {15.49, 15, false}, {15.5, 16, true}, {1234.7, 1235, true}, {8192.4, 8192, true}, {8192.5, 8193, false},
             {-15.5, -15, false}, {-15.7, -16, false}, {-0.5, 0, false}, {0.49999999999999994, 0, false},
             {1e300, 2147483647, false}, {inf, 2147483647, false}, {2147483646.5, 2147483647, false},
             {2147483648.0, 2147483647, false},
             {-1e300, -2147483647, false}, {-inf, -2147483647, false}, {-2147483648.0, -2147483647, false},
             {-2147483647.5, -2147483647, false}, {std::nan(""), 0, false}, {-std::nan(""), 0, false}}) {
        EXPECT_EQ(rounded, RomRoundCount(value)) << value;
        EXPECT_EQ(accepted, RomCountAccepted(RomRoundCount(value))) << value;
    }
    EXPECT_EQ(0, RomBlockCount(-2147483647));
}

TEST(RomTexts, BoundedOutput)
{
    // The longest reply the channel can hold, and more, with the widest address.
    char line[kRomLineSize];
    size_t length = RomFileLine(0xFFFFFFFFu, std::string(400, 'D').c_str(), line, sizeof line);
    EXPECT_EQ(2u + 8 + 4 + kRomReplyChars + 2, length);
    EXPECT_EQ(length, std::strlen(line));
    EXPECT_EQ(0, std::strcmp(line + length - 2, "\r\n"));
    EXPECT_EQ(12u, RomFileLine(0xA0, nullptr, line, sizeof line));
    EXPECT_STREQ("#H00A0,16,\r\n", line);
    char progress[kRomProgressSize];
    EXPECT_LT(RomProgressText(0xFFFFFFFFu, -2147483647 - 1, -2147483647 - 1, progress, sizeof progress),
              kRomProgressSize);

    // Too small a buffer truncates and still terminates.
    char small[8];
    EXPECT_EQ(7u, RomQueryText(0xA0, small, sizeof small));
    EXPECT_STREQ("PEC:ERO", small);
    EXPECT_EQ(7u, RomFileLine(0xA0, "abc", small, sizeof small));
    EXPECT_STREQ("#H00A0,", small);
    EXPECT_EQ(0u, RomQueryText(0xA0, nullptr, 0));
}

// The first 90 bytes of a record, the carriage return kept (whole records as
// sent: memory_e2e); a NUL inside ends the command and the label there; a null
// record is the bare prefix.
TEST(RomRecord, CommandAndLabelOfARecord)
{
    char command[kRomCommandSize], label[kRomLabelSize];
    std::vector<unsigned char> record = Record(std::string("#H0\0A0,16,rest", 14));
    EXPECT_EQ(12u, RomWriteCommand(record.data(), command, sizeof command));
    EXPECT_EQ(3u, RomRecordLabel(record.data(), label, sizeof label));
    EXPECT_STREQ("#H0", label);
    record = Record(std::string(1, '\0'));
    EXPECT_EQ(9u, RomWriteCommand(record.data(), command, sizeof command));
    EXPECT_EQ(0u, RomRecordLabel(record.data(), label, sizeof label));
    EXPECT_EQ(9u, RomWriteCommand(nullptr, command, sizeof command));
    EXPECT_STREQ("POC:EROM ", command);
    EXPECT_EQ(0u, RomRecordLabel(nullptr, label, sizeof label));
}

}  // namespace
