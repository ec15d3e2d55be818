// The shared pixel arithmetic: grey levels, blending, MulDiv rounding and the
// seeded random source.
#include "imaging/LumaRows.h"
#include "imaging/MulDiv.h"
#include "imaging/PixelWord.h"

#include <gtest/gtest.h>

#include <vector>

namespace mienlore {
namespace {

TEST(PixelArithmetic, GreyLevelsAndColourWords) {
    EXPECT_EQ(LumaInt(0xFF6432C8), (77 * 100 + 150 * 50 + 29 * 200) >> 8); // 82
    EXPECT_EQ(LumaInt(0x00FFFFFF), 255);
    EXPECT_EQ(GreyPixel(82), 0xFF525252u);
    EXPECT_EQ(PixelWordFromColor(0x00112233), 0x00332211u); // ColorRef red is the low byte
    EXPECT_EQ(PixelWordFromColor(0xAB112233), 0x00332211u); // nothing leaks into alpha
    EXPECT_EQ(LumaReal(0xFF0A0A0A), 10);
    EXPECT_EQ(LumaReal(0xFFFF0000), 84);  // 0.33 * 255 = 84.15
    EXPECT_EQ(LumaReal(0xFF00FF00), 142); // 0.56 * 255 = 142.8
}

TEST(PixelArithmetic, FastFloatingLumaMatchesTheDoubleFormulaForEveryColour) {
    int mismatches = 0;
    for (PixelWord rgb = 0; rgb < 0x1000000u; ++rgb)
        if (LumaReal(rgb) != LumaRealDirect(rgb))
            ++mismatches;
    EXPECT_EQ(mismatches, 0);
    // The row form used by the bulk operations, over every colour too.
    std::vector<PixelWord> colours(1 << 16);
    std::vector<std::uint8_t> luma(colours.size());
    mismatches = 0;
    for (PixelWord high = 0; high < 256; ++high) {
        for (PixelWord low = 0; low < colours.size(); ++low)
            colours[low] = (high << 16) | low | 0xAB000000u;
        LumaRealRow(colours.data(), luma.data(), static_cast<int>(colours.size()));
        for (std::size_t i = 0; i < colours.size(); ++i)
            mismatches += luma[i] != LumaRealDirect(colours[i]);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(PixelArithmetic, BlendMixesPerChannelWithAlphaZero) {
    // ((n - i) c1 + i c2) / n per channel, truncated.
    EXPECT_EQ(Blend(1, 3, 0xFF000000u | 0x0000FF, 0x00FF00), 0x0055AAu);
    EXPECT_EQ(Blend(0, 4, 0xFF102030, 0x00405060), 0x00102030u);
    EXPECT_EQ(Blend(4, 4, 0xFF102030, 0x00405060), 0x00405060u);
    // Outside 0..n the first colour comes back unchanged, alpha included.
    EXPECT_EQ(Blend(-1, 4, 0xFF102030, 0x00405060), 0xFF102030u);
    EXPECT_EQ(Blend(5, 4, 0xFF102030, 0x00405060), 0xFF102030u);
    EXPECT_EQ(Blend(0, 0, 0xFF102030, 0x00405060), 0xFF102030u); // empty span: no division
}

TEST(PixelArithmetic, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(127, 255, 254), 128); // 127.5
    EXPECT_EQ(MulDiv(1, 1, 3), 0);         // 0.33
    EXPECT_EQ(MulDiv(2, 1, 3), 1);         // 0.67
    EXPECT_EQ(MulDiv(-127, 255, 254), -128);
    EXPECT_EQ(MulDiv(127, -255, 254), -128);
    EXPECT_EQ(MulDiv(-5, 1, -2), 3);
    EXPECT_EQ(MulDiv(1 << 30, 8, 4), -1); // does not fit in 32 bits
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 3), 2000000000); // 64-bit intermediate
}

} // namespace
} // namespace mienlore
