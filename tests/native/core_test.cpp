// The portable logic of the plug-in, natively and under sanitizers: the
// parts where a wrong byte means a wrong command on the instrument.
#include <gtest/gtest.h>

#include <math.h>
#include <string.h>

#include <string>

#include "fields/numeric.h"
#include "fields/paramdef_text.h"
#include "link/reply_field.h"
#include "paramdefs_table.h"
#include "plugin/format_slots.h"
#include "plugin/host_number.h"

namespace {

ParamDef Def(int id)
{
    for (const ParamDefRow &row : kParamDefRows) {
        if (row.id != id)
            continue;
        std::string data;
        for (const char *text : row.texts) {
            data += text;
            data += '\0';
        }
        ParamDef def;
        ParseParamDef(data.data(), data.size(), &def);
        return def;
    }
    ADD_FAILURE() << "no definition " << id;
    return ParamDef{};
}

// What a field ends up holding: the number the host would format and send.
double Field(int id, const char *typed, int *beep = nullptr)
{
    ParamDef def = Def(id);
    NormalisedNumber n = NormaliseNumber(ParseDecimal(typed), def.minimum, def.maximum, def.step);
    if (beep)
        *beep = n.beep;
    return n.value;
}

std::string Shown(int id, const char *typed)
{
    ParamDef def = Def(id);
    char text[64];
    snprintf(text, sizeof text, def.format, Field(id, typed));
    return text;
}

} // namespace

TEST(ReplyField, CountsSemicolonsAndCommasAsSeparators)
{
    EXPECT_DOUBLE_EQ(ReplyField(2, "1.5;2.5"), 2.5);
    EXPECT_DOUBLE_EQ(ReplyField(2, "1.5,2.5;3.5"), 2.5);
    EXPECT_DOUBLE_EQ(ReplyField(3, "1.5,2.5;3.5"), 3.5);
    EXPECT_DOUBLE_EQ(ReplyField(4, "1.5,2.5;3.5"), 0.0);
    EXPECT_DOUBLE_EQ(ReplyField(1, ""), 0.0);
    EXPECT_DOUBLE_EQ(ReplyField(3, ""), 0.0);
    EXPECT_DOUBLE_EQ(ReplyField(0, " 7.25"), 7.25);
    EXPECT_DOUBLE_EQ(ReplyField(2, "1;;3"), 0.0);  // an empty field is no number
    EXPECT_DOUBLE_EQ(ReplyField(1, "abc"), 0.0);
    // One decimal conversion for replies and fields: no NaN, no infinity
    // spelled out, no hexadecimal; a bare sign is no number.
    for (const char *reply : {"nan", "-nan", "inf", "-Infinity", "0x10", "-", "+.", "NAN(1)"})
        EXPECT_EQ(ReplyField(1, reply), 0.0) << reply;
    EXPECT_EQ(ReplyField(2, "1;0x1p4"), 0.0);
    EXPECT_EQ(ReplyField(2, "1; 2.5e1x"), 25.0);
}

TEST(HostNumberToInt, RoundsLikeTheHost)
{
    EXPECT_EQ(HostNumberToInt(0.95), 1);
    EXPECT_EQ(HostNumberToInt(-0.95), -1);
    EXPECT_EQ(HostNumberToInt(1.85), 1);
    EXPECT_EQ(HostNumberToInt(4.95), 5);
    EXPECT_EQ(HostNumberToInt(0.85), 0);
    EXPECT_EQ(HostNumberToInt(1.9), 2);
    EXPECT_EQ(HostNumberToInt(1e300), INT32_MAX);
    EXPECT_EQ(HostNumberToInt(-1e300), INT32_MIN);
    EXPECT_EQ(HostNumberToInt(NAN), 0);
}

TEST(FormatSlots, OneSlotPerConversionInOrder)
{
    FormatSlotKind k[20];
    ASSERT_EQ(FormatSlotKinds("%.3f", k, 20), 1u);
    EXPECT_EQ(k[0], SlotDouble);
    // An integer then a literal percent: the percent takes slot 2, empty.
    ASSERT_EQ(FormatSlotKinds("%d%%", k, 20), 2u);
    EXPECT_EQ(k[0], SlotInt32);
    EXPECT_EQ(k[1], SlotEmpty);
    ASSERT_EQ(FormatSlotKinds("#H%04hX %04d/%s %c%p%n%E", k, 20), 7u);
    EXPECT_EQ(k[0], SlotInt16);
    EXPECT_EQ(k[1], SlotInt32);
    EXPECT_EQ(k[2], SlotPointer);
    EXPECT_EQ(k[3], SlotPointer);
    EXPECT_EQ(k[4], SlotPointer);
    EXPECT_EQ(k[5], SlotEmpty);
    EXPECT_EQ(k[6], SlotDouble);
    EXPECT_EQ(FormatSlotKinds("no conversions", k, 20), 0u);
    EXPECT_EQ(FormatSlotKinds("trailing %", k, 20), 0u);
    std::string many;
    for (int i = 0; i < 30; ++i)
        many += "%f";
    EXPECT_EQ(FormatSlotKinds(many.c_str(), k, 20), 20u);  // never more than the record holds
}

TEST(ParamFields, ClampAndStepCutAsTheEngineerSeesThem)
{
    EXPECT_EQ(Shown(1128, "1234.56"), "1234");
    int beep = -1;
    Field(1128, "2500", &beep);
    EXPECT_EQ(beep, 0);  // clamping alone is silent
    EXPECT_EQ(Shown(1128, "2500"), "2000");
    EXPECT_EQ(Shown(1100, "-50"), "-40.0000");
    EXPECT_EQ(Shown(1100, "1.00001"), "1.0000");
    EXPECT_EQ(Shown(1102, "0.01"), "0.00625");
    EXPECT_EQ(Shown(1136, "0"), "1.000E-06");
    EXPECT_EQ(Shown(1128, "abc"), "0");
    EXPECT_EQ(Shown(1780, "0.75"), "0.50");
    EXPECT_EQ(Shown(1557, "120"), "100.0");
    // Negative values are cut toward zero; exact decimal multiples keep their step.
    EXPECT_EQ(Shown(1509, "-1.2345"), "-1.23");
    EXPECT_EQ(Shown(1501, "0.3"), "0.3");
    EXPECT_EQ(Shown(1557, "45"), "45.0");
}

TEST(ParamFields, StepZeroSkipsRoundingAndHasNoTolerance)
{
    NormalisedNumber n = NormaliseNumber(1.23456, 0.0, 10.0, 0.0);
    EXPECT_DOUBLE_EQ(n.value, 1.23456);
    EXPECT_EQ(n.beep, 0);
}

TEST(ParamFields, ACutBelowTheMinimumBeepsAndGoesBackToIt)
{
    // 0.133 with step 0.001: the clamped minimum itself must not beep...
    int beep = -1;
    EXPECT_NEAR(Field(1132, "0.1", &beep), 0.133, 1e-12);
    EXPECT_EQ(beep, 0);
    // ...but a minimum that is no multiple of the step is cut below it and put back.
    NormalisedNumber n = NormaliseNumber(0.0, 0.15, 1.0, 0.1);
    EXPECT_DOUBLE_EQ(n.value, 0.15);
    EXPECT_EQ(n.beep, 1);
}

TEST(ParamFields, HostileTextsEndAsNumbersInRange)
{
    const char *hostile[] = {"nan", "NaN", "inf", "-inf", "1e999", "-1e999", "0x1p4", "-", "", "   ", "1e", ".",
                             "--5", "+", "1e-999999", "\x01\xff", "9999999999999999999999999999999999999999"};
    std::string digits(200, '9');
    for (int id : {1128, 1100, 1136, 1780, 1501, 1557, 1603}) {
        ParamDef def = Def(id);
        // What is sent is the formatted text: it must read back as a number in range.
        // (The step cut may leave the double a hair under a limit, within a tenth of a step.)
        for (const char *text : hostile) {
            EXPECT_TRUE(isfinite(Field(id, text))) << id << " " << text;
            double sent = ParseDecimal(Shown(id, text).c_str());
            EXPECT_GE(sent, def.minimum) << id << " " << text;
            EXPECT_LE(sent, def.maximum) << id << " " << text;
        }
        double sent = ParseDecimal(Shown(id, digits.c_str()).c_str());
        EXPECT_TRUE(sent >= def.minimum && sent <= def.maximum) << id;
    }
    EXPECT_EQ(ParseDecimal("0x1p4"), 0.0);  // hexadecimal is not a field number
    EXPECT_EQ(ParseDecimal("12abc"), 12.0);
    EXPECT_EQ(ParseDecimal("  -3.5e2x"), -350.0);
    EXPECT_EQ(ParseDecimal("1e"), 1.0);
}

// Only a plain decimal number may follow a command prefix to the instrument.
TEST(ParamFields, OnlyPlainNumbersAreSendable)
{
    for (const char *good : {"0", "-2", "0.50", "+1.", ".5", "1.000000E+02", "3.2e-5", " 7 "})
        EXPECT_TRUE(IsNumberText(good)) << '"' << good << '"';
    for (const char *bad : {"", " ", "-", ".", "nan", "inf", "-inf", "0x10", "1e", "1e+", "12abc", "1,2", "--1"})
        EXPECT_FALSE(IsNumberText(bad)) << '"' << bad << '"';
    EXPECT_FALSE(IsNumberText(NULL));
    std::string longest(FIELD_TEXT_MAX - 1, '9');
    EXPECT_TRUE(IsNumberText(longest.c_str()));
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
    ParamDef pf = Def(1128);
    EXPECT_STREQ(pf.prefix, "PRTC:AOUT:PF ");
    EXPECT_EQ(pf.maximum, 2000.0);
    EXPECT_STREQ(Def(1754).prefix, "PRTC:AOUT:LENS 1, ");
}

TEST(ParamDefs, MalformedResourceDataStaysBounded)
{
    ParamDef def;
    const char truncated[] = {'P', 'R', 'T', 'C', ':'};  // no NUL anywhere
    ParseParamDef(truncated, sizeof truncated, &def);
    EXPECT_STREQ(def.prefix, "PRTC:");
    EXPECT_EQ(def.maximum, 0.0);
    EXPECT_STREQ(def.format, "%g");
    std::string longText(100, 'A');
    std::string data = longText + '\0' + "1" + '\0' + "2" + '\0' + "3" + '\0' + "4" + '\0' + "%s%s" + '\0';
    ParseParamDef(data.data(), data.size(), &def);
    EXPECT_EQ(strlen(def.prefix), 31u);
    EXPECT_STREQ(def.format, "%g");  // a format that would read a pointer is never used
    EXPECT_EQ(IsDoubleFormat("%.3E"), 1);
    EXPECT_EQ(IsDoubleFormat("%d"), 0);
    EXPECT_EQ(IsDoubleFormat("%f %f"), 0);
    EXPECT_EQ(IsDoubleFormat("100%% %5.1f"), 1);
    EXPECT_EQ(IsDoubleFormat("%599999997e"), 0);  // a width no display holds
    EXPECT_EQ(IsDoubleFormat("%.999f"), 0);
    EXPECT_EQ(IsDoubleFormat("%-12.10f"), 1);
}
