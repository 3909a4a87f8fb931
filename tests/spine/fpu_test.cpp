// The plug-in's arithmetic does not depend on the host's x87 precision: a
// 32-bit host may leave it at 53 bits (Windows) or at 64 bits (mingw-built
// programs such as cphost), and with 64-bit intermediates 1.9 + 0.1 stays
// below 2.0, so "_Lens" = 1.9 would read as 1. Each case runs under both
// precisions (once on x86-64, which has no x87 precision to set).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cphost/host.h"
#include "fields/numeric.h"
#include "link/reply_field.h"
#include "memory/rom_format.h"
#include "plugin/host_number.h"

namespace {

struct Precision {
    const char *name;
    unsigned short bits;  // the control word's precision field
};

#if defined(__i386__)
const Precision kPrecisions[] = {{"53-bit", 0x200}, {"64-bit", 0x300}};

// Sets the x87 precision for one scope and restores the whole control word.
struct X87Precision {
    unsigned short saved;
    explicit X87Precision(unsigned short bits)
    {
        __asm__ volatile("fnstcw %0" : "=m"(saved));
        unsigned short word = static_cast<unsigned short>((saved & ~0x300) | bits);
        __asm__ volatile("fldcw %0" : : "m"(word));
    }
    ~X87Precision() { __asm__ volatile("fldcw %0" : : "m"(saved)); }
    static unsigned short Current()
    {
        unsigned short word;
        __asm__ volatile("fnstcw %0" : "=m"(word));
        return word & 0x300;
    }
};
#else
const Precision kPrecisions[] = {{"native", 0}};
struct X87Precision {
    explicit X87Precision(unsigned short) {}
    static unsigned short Current() { return 0; }
};
#endif

int OpenedTemplate(cphost::Host &host, const char *command)
{
    EXPECT_EQ(host.run(command, {}, "escape"), 0) << command << ": " << host.error();
    for (const std::string &line : host.transcript())
        if (line.rfind("dialog ", 0) == 0)
            return std::stoi(line.substr(7));
    return 0;
}

// volatile: computed at run time in doubles, not folded by the compiler.
double Sum(volatile double a, volatile double b) { return a + b; }

} // namespace

TEST(HostPrecision, HostNumbersRoundTheSameUnderBothPrecisions)
{
    for (const Precision &p : kPrecisions) {
        X87Precision scope(p.bits);
        ASSERT_EQ(X87Precision::Current(), p.bits) << p.name;
        for (int tenths = -60; tenths <= 60; ++tenths) {
            double value = tenths / 10.0;
            double shifted = value >= 0 ? Sum(value, 0.1) : Sum(value, -0.1);
            EXPECT_EQ(HostNumberToInt(value), static_cast<int32_t>(shifted)) << p.name << " " << value;
        }
        // Plain double answers, whatever the reference above was computed in.
        EXPECT_EQ(HostNumberToInt(1.9), 2) << p.name;
        EXPECT_EQ(HostNumberToInt(-1.9), -2) << p.name;
        EXPECT_EQ(HostNumberToInt(0.9), 1) << p.name;
        EXPECT_EQ(RomRoundCount(2.5), 3) << p.name;
        EXPECT_EQ(RomRoundCount(0.49999999999999994), 0) << p.name;
        EXPECT_EQ(ReplyField(2, "1;1.9"), 1.9) << p.name;
    }
}

// Typed texts against (minimum, maximum, step) as panel fields have them:
// values and beeps compared bit for bit across the precisions.
TEST(HostPrecision, FieldArithmeticIsTheSameUnderBothPrecisions)
{
    const char *texts[] = {"1.9", "0.3", "2.675", "-0.15", "99.95", "1e-3", "12.34", "0.1", "7.7", "1000.05"};
    const double ranges[][3] = {{-10, 10, 0.1}, {0, 1000, 0.05}, {-5, 5, 0.01}, {0, 100, 0.5}, {0, 2000, 0.001}};
    std::vector<std::vector<double>> results;
    for (const Precision &p : kPrecisions) {
        X87Precision scope(p.bits);
        results.emplace_back();
        for (const char *text : texts)
            for (const auto &r : ranges) {
                NormalisedNumber n = NormaliseNumber(ParseDecimal(text), r[0], r[1], r[2]);
                results.back().push_back(n.value);
                results.back().push_back(n.beep);
            }
    }
    for (size_t i = 0; i < results[0].size(); ++i)
        EXPECT_EQ(std::memcmp(&results.back()[i], &results[0][i], sizeof(double)), 0)
            << texts[i / 10] << " in range " << i / 2 % 5 << (i % 2 ? " beeps " : " gives ") << results.back()[i];
}

TEST(HostPrecision, LensSwitchReadsTheSameUnderBothPrecisions)
{
    // The real plug-in in the in-process host: the command runs on this
    // thread, under the precision set here.
    for (const Precision &p : kPrecisions) {
        X87Precision scope(p.bits);
        cphost::Host host;
        host.setVariable("fakestatus", 1);
        host.setVariable("_Lens", 1.9);  // 2: not set
        EXPECT_EQ(OpenedTemplate(host, "MaintLens"), 289) << p.name;
        EXPECT_EQ(OpenedTemplate(host, "CalLens"), 293) << p.name;
        host.setVariable("_Lens", 0.9);  // 1: set
        EXPECT_EQ(OpenedTemplate(host, "MaintLens"), 263) << p.name;
        EXPECT_EQ(X87Precision::Current(), p.bits) << p.name << ": the plug-in changed the host's precision";
    }
}
