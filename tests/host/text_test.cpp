// The host's text work: formatting for the plug-in, transcript quoting,
// script words and the PNG encoding.
#include <gtest/gtest.h>

#include <string.h>

#include "cphost/actions.h"
#include "cphost/format.h"
#include "cphost/png.h"

using namespace cphost;

namespace {

struct Slots {
    uint8_t s[20][8] = {};
    template <typename T>
    Slots &put(int i, T v)
    {
        memcpy(s[i], &v, sizeof v);
        return *this;
    }
};

std::string fmt(const char *format, const Slots &slots, size_t size = 64)
{
    char out[256];
    size_t n = formatSlots(out, size, format, slots.s, 20);
    EXPECT_EQ(n, strlen(out));
    return out;
}

}  // namespace

TEST(Format, ConversionsTakeTheirSlotsAsThePluginFillsThem)
{
    Slots many;
    for (int i = 0; i < 20; ++i)
        many.put(i, (int32_t)(i % 10));
    const struct {
        const char *format;
        Slots slots;
        const char *text;
        size_t size;
    } cases[] = {
        {"%.1E", Slots().put(0, 0.000123), "1.2E-04", 64},
        // "%%" takes a slot of its own: the integer after it comes from slot 3.
        {"%d%%%d", Slots().put(0, (int32_t)1).put(1, (int32_t)99).put(2, (int32_t)3), "1%3", 64},
        {"%hd|%hx", Slots().put(0, (int32_t)0x12345).put(1, (int32_t)0xFFFF1234), "9029|1234", 64},
        {"%d", Slots().put(0, (int32_t)-5), "-5", 64},
        {"%u", Slots().put(0, (uint32_t)4000000000u), "4000000000", 64},
        {"%s", Slots(), "(null)", 64},
        {"a%nb%d", Slots().put(1, (int32_t)7), "ab7", 64},
        {"%d at 100%", Slots().put(0, (int32_t)5), "5 at 100%", 64},
        {"", Slots(), "", 64},
        // %ld and %lf are read by the slot layout, not by the length modifier.
        {"%ld %lf", Slots().put(0, (int32_t)12).put(1, 2.5), "12 2.500000", 64},
        {"%d%d", Slots().put(0, (int32_t)123).put(1, (int32_t)456), "123", 4},
        // After twenty conversions the text is copied.
        {"%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d", many, "01234567890123456789%d", 64},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fmt(c.format, c.slots, c.size), c.text) << c.format;
    if (sizeof(void *) == 4) {  // text slots carry 32-bit pointers of this process
        const char *word = "pump";
        EXPECT_EQ(fmt("[%-6s]%c", Slots().put(0, (uint32_t)(uintptr_t)word).put(1, (uint32_t)'A')), "[pump  ]A");
    }
}

TEST(Text, CaptionsQuotingAndWords)
{
    EXPECT_EQ(plainCaption("&Close"), "Close");
    EXPECT_EQ(plainCaption("Salt && &Pepper "), "Salt & Pepper");
    EXPECT_EQ(quoteField("say \"hi\"\r\n"), "say \"\"hi\"\"\\r\\n");
    std::vector<std::string> w;
    std::string error;
    ASSERT_TRUE(splitWords("ReadRom \"#H00A0\" 32  \"a \"\"b\"\".txt\" --do \"click X; escape\"", w, error));
    EXPECT_EQ(w, (std::vector<std::string>{"ReadRom", "#H00A0", "32", "a \"b\".txt", "--do", "click X; escape"}));
    EXPECT_FALSE(splitWords("a \"b", w, error));
}

TEST(Png, StoredBlocksAndChecksums)
{
    std::vector<uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
    std::vector<uint8_t> png = encodePng(2, 2, rgb);
    ASSERT_GT(png.size(), 57u);
    EXPECT_EQ(memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_EQ(memcmp(png.data() + 12, "IHDR", 4), 0);
    // The IHDR CRC covers type and data.
    EXPECT_EQ(crc32(png.data() + 12, 17),
              (uint32_t)png[29] << 24 | (uint32_t)png[30] << 16 | (uint32_t)png[31] << 8 | png[32]);
    EXPECT_EQ(crc32((const uint8_t *)"123456789", 9), 0xCBF43926u);
    // One stored block holding both filtered rows (2 x (1 + 6) bytes).
    const uint8_t *idat = png.data() + 33;
    EXPECT_EQ(memcmp(idat + 4, "IDAT", 4), 0);
    EXPECT_EQ(idat[8], 0x78);
    EXPECT_EQ(idat[10], 1);  // final stored block
    EXPECT_EQ(idat[11] | idat[12] << 8, 14);
    EXPECT_EQ(memcmp(png.data() + png.size() - 8, "IEND", 4), 0);
}
