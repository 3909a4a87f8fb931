// The portable logic of the plug-in, natively and under sanitizers: the
// parts where a wrong byte means a wrong command on the instrument.
#include <gtest/gtest.h>

#include <math.h>
#include <string.h>

#include <string>
#include <tuple>

#include "fields/numeric.h"
#include "fields/paramdef_text.h"
#include "link/decimal.h"
#include "link/reply_field.h"
#include "paramdefs_table.h"
#include "plugin/format_slots.h"
#include "plugin/host_number.h"

namespace {

template <class... T> using Rows = std::initializer_list<std::tuple<T...>>;

ParamDef Def(int id)
{
    for (const ParamDefRow &row : kParamDefRows) {
        if (row.id != id)
            continue;
        std::string data;
        for (const char *text : row.texts)
            data += text + std::string(1, '\0');
        ParamDef def;
        ParseParamDef(data.data(), data.size(), &def);
        return def;
    }
    ADD_FAILURE() << "no definition " << id;
    return ParamDef{};
}

// What a field sends for a typed text: the number normalised to the
// definition, in its format.
std::string Shown(int id, const char *typed, int *beep = nullptr)
{
    ParamDef def = Def(id);
    NormalisedNumber n = NormaliseNumber(ParseDecimal(typed), def.minimum, def.maximum, def.step);
    if (beep)
        *beep = n.beep;
    char text[64];
    snprintf(text, sizeof text, def.format, n.value);
    return text;
}

} // namespace

// Replies and typed fields share the one decimal conversion. (Replies without
// a digit read as 0, never as NaN: fuzz_reply_field.)
TEST(ReplyField, CountsSemicolonsAndCommasAsSeparators)
{
    for (auto [field, reply, value] : Rows<int, const char *, double>{
             {2, "1.5;2.5", 2.5}, {2, "1.5,2.5;3.5", 2.5}, {3, "1.5,2.5;3.5", 3.5}, {4, "1.5,2.5;3.5", 0},
             {3, "", 0}, {0, " 7.25", 7.25}, {2, "1;;3", 0}, {1, "0x10", 0}, {1, "NAN(1)", 0}, {2, "1;0x1p4", 0},
             {2, "1; 2.5e1x", 25}, {1, "1e", 1}})
        EXPECT_EQ(ReplyField(field, reply), value) << field << " " << reply;
}

// The conversion looks at no more than its limit: a field 63 characters, a
// reply the 255 of its buffer, whatever lies behind.
TEST(Decimal, ReadsNoFurtherThanItsLimit)
{
    const std::string nines(300, '9');
    EXPECT_EQ(ReadDecimal("12345", 3), 123.0);
    EXPECT_EQ(ReadDecimal(nines.c_str(), 1000), 1e255);  // 255 nines, rounded
    EXPECT_EQ(ParseDecimal(nines.c_str()), 1e63);       // 63 nines
}

// Hundredths either side of the host's rounding (every tenth: fpu_test).
TEST(HostNumberToInt, RoundsLikeTheHost)
{
    for (auto [value, rounded] : Rows<double, int32_t>{{0.95, 1}, {-0.95, -1}, {1.85, 1}, {4.95, 5}, {0.85, 0},
                                                       {1.9, 2}, {1e300, INT32_MAX}, {-1e300, INT32_MIN}, {NAN, 0}})
        EXPECT_EQ(HostNumberToInt(value), rounded) << value;
}

// One slot per conversion in order, a letter each: Empty Double Half Int Pointer.
// A literal percent takes a slot; never more slots than the record holds.
TEST(FormatSlots, OneSlotPerConversionInOrder)
{
    std::string many;
    for (int i = 0; i < 30; ++i)
        many += "%f";
    for (auto [format, expected] : Rows<std::string, std::string>{
             {"%.3f", "D"}, {"%d%%", "IE"}, {"#H%04hX %04d/%s %c%p%n%E", "HIPPPED"}, {"no conversions", ""},
             {"trailing %", ""}, {many, std::string(20, 'D')}}) {
        FormatSlotKind k[20];
        std::string slots;
        for (size_t i = 0, n = FormatSlotKinds(format.c_str(), k, 20); i < n; ++i)
            slots += "EDHIP"[k[i]];
        EXPECT_EQ(slots, expected) << format;
    }
}

// Negative values are cut toward zero; exact decimal multiples keep their
// step. (Clamps to a limit and hostile texts in a field: XyzStage, PlasmaRf
// and Frame panel tests.)
TEST(ParamFields, ClampAndStepCutAsTheEngineerSeesThem)
{
    for (auto [id, typed, shown] : Rows<int, const char *, const char *>{
             {1128, "1234.56", "1234"}, {1100, "1.00001", "1.0000"}, {1136, "0", "1.000E-06"}, {1557, "120", "100.0"},
             {1509, "-1.2345", "-1.23"}, {1501, "0.3", "0.3"}, {1557, "45", "45.0"}})
        EXPECT_EQ(Shown(id, typed), shown) << id << " " << typed;
    int beep = -1;
    Shown(1128, "2500", &beep);
    EXPECT_EQ(beep, 0);  // clamping alone is silent
}

// No step, no rounding; the clamped minimum does not beep, but a minimum that
// is no multiple of the step is cut below it, put back, and beeps.
TEST(ParamFields, NormaliseAtTheLimits)
{
    for (auto [typed, minimum, maximum, step, value, beep] : Rows<double, double, double, double, double, int>{
             {1.23456, 0, 10, 0, 1.23456, 0}, {0.1, 0.133, 1330, 0.001, 0.133, 0}, {0, 0.15, 1, 0.1, 0.15, 1}}) {
        NormalisedNumber n = NormaliseNumber(typed, minimum, maximum, step);
        EXPECT_NEAR(n.value, value, 1e-12) << typed;
        EXPECT_EQ(n.beep, beep) << typed;
    }
}

// What is sent is the formatted text: it must read back as a number in range
// (fuzz_numeric checks the value, within a tenth of a step, not the text).
TEST(ParamFields, HostileTextsEndAsNumbersInRange)
{
    const std::string hostile[] = {"nan", "NaN", "-inf", "1e999", "-1e999", "0x1p4", "-", "", "   ", "1e", ".", "--5",
                                   "+", "1e-999999", "\x01\xff", std::string(200, '9')};
    for (int id : {1128, 1100, 1136, 1501, 1557, 1603}) {
        ParamDef def = Def(id);
        for (const std::string &text : hostile) {
            double sent = ParseDecimal(Shown(id, text.c_str()).c_str());
            EXPECT_TRUE(sent >= def.minimum && sent <= def.maximum) << id << " " << text;
        }
    }
}

// Only a plain decimal number may follow a command prefix to the instrument.
TEST(ParamFields, OnlyPlainNumbersAreSendable)
{
    for (const char *good : {"0", "-2", "0.50", "+1.", ".5", "1.000000E+02", "3.2e-5", " 7 "})
        EXPECT_TRUE(IsNumberText(good)) << '"' << good << '"';
    for (const char *bad : {"", " ", "-", ".", "nan", "inf", "-inf", "0x10", "1e", "1e+", "12abc", "1,2", "--1"})
        EXPECT_FALSE(IsNumberText(bad)) << '"' << bad << '"';
    EXPECT_FALSE(IsNumberText(NULL));
    EXPECT_TRUE(IsNumberText(std::string(FIELD_TEXT_MAX - 1, '9').c_str()));
    EXPECT_FALSE(IsNumberText(std::string(FIELD_TEXT_MAX + 5, '9').c_str()));
}

TEST(ParamDefs, EveryRowParsesWithinItsLimits)
{
    ASSERT_EQ(kParamDefCount, 211);
    int withCommand = 0;
    for (const ParamDefRow &row : kParamDefRows) {
        ParamDef def = Def(row.id);
        EXPECT_STREQ(def.prefix, row.texts[0]);
        EXPECT_STREQ(def.format, row.texts[5]) << row.id;  // every table format takes one double
        EXPECT_LE(def.minimum, def.maximum) << row.id;
        withCommand += def.prefix[0] != '\0';
    }
    EXPECT_EQ(withCommand, 46);
}

// A record without a NUL, a prefix too long, a format that would read a
// pointer or a width or precision no display holds: bounded, and "%g".
TEST(ParamDefs, MalformedResourceDataStaysBounded)
{
    ParamDef def;
    const char truncated[] = {'P', 'R', 'T', 'C', ':'};
    ParseParamDef(truncated, sizeof truncated, &def);
    EXPECT_STREQ(def.prefix, "PRTC:");
    EXPECT_EQ(def.maximum, 0.0);
    EXPECT_STREQ(def.format, "%g");
    std::string data = std::string(100, 'A') + '\0' + "1" + '\0' + "2" + '\0' + "3" + '\0' + "4" + '\0' + "%s%s" + '\0';
    ParseParamDef(data.data(), data.size(), &def);
    EXPECT_EQ(strlen(def.prefix), 31u);
    EXPECT_STREQ(def.format, "%g");
    for (auto [format, accepted] : Rows<const char *, int>{{"%.3E", 1}, {"%d", 0}, {"%f %f", 0}, {"100%% %5.1f", 1},
                                                           {"%599999997e", 0}, {"%.999f", 0}, {"%-12.10f", 1}})
        EXPECT_EQ(IsDoubleFormat(format), accepted) << format;
}
