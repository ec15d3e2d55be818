#include "imaging/BitmapFont.h"

#include <gtest/gtest.h>

using namespace mienlore;

namespace {

constexpr PixelWord kInk = GreyPixel(0);
constexpr PixelWord kPaper = GreyPixel(255);

bool Inked(const CDevib& image, int x, int y) {
    return image.GetPixel(x, image.Height() - 1 - y) == kInk;
}

int InkCount(const CDevib& image) {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            n += Inked(image, x, y);
    return n;
}

} // namespace

TEST(BitmapFont, WidthsCountCharactersNotBytes) {
    EXPECT_EQ(BitmapTextWidth(""), 0);
    EXPECT_EQ(BitmapTextWidth("Eyes"), 4 * kGlyphCellWidth);
    EXPECT_EQ(BitmapTextWidth("Eyes", 3), 12 * kGlyphCellWidth);
    EXPECT_EQ(BitmapTextWidth("caf\xC3\xA9"), 4 * kGlyphCellWidth); // é is one character
}

TEST(BitmapFont, FittingCutsWholeCharactersAndMarksTheCut) {
    EXPECT_EQ(FitBitmapText("Narrow Chin", 200), "Narrow Chin");
    EXPECT_EQ(FitBitmapText("Narrow Chin", 6 * kGlyphCellWidth), "Narr..");
    EXPECT_LE(BitmapTextWidth(FitBitmapText("Narrow Chin", 40)), 40);
    // A multi-byte character is never split.
    EXPECT_EQ(FitBitmapText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3 * kGlyphCellWidth), "\xC3\xA9..");
    EXPECT_EQ(FitBitmapText("Long", 5), "");
}

TEST(BitmapFont, GlyphsAreDrawnDotForDotAtTheirPlaceAndScale) {
    CDevib image;
    ASSERT_TRUE(image.Create(20, 20));
    image.Fill(kPaper);
    DrawBitmapText(image, 2, 3, "I", kInk);
    // "I": a vertical bar in the middle column with serifs at top and bottom.
    for (int y = 3; y < 10; ++y)
        EXPECT_TRUE(Inked(image, 4, y)) << y;
    EXPECT_TRUE(Inked(image, 3, 3));
    EXPECT_TRUE(Inked(image, 5, 9));
    EXPECT_FALSE(Inked(image, 2, 5));
    EXPECT_EQ(InkCount(image), 11);

    image.Fill(kPaper);
    DrawBitmapText(image, 0, 0, "I", kInk, 2);
    EXPECT_EQ(InkCount(image), 44);
    EXPECT_TRUE(Inked(image, 4, 0));
    EXPECT_TRUE(Inked(image, 5, 13));
    EXPECT_FALSE(Inked(image, 4, 14));
}

TEST(BitmapFont, TextIsClippedAtEveryEdgeAndUnknownCharactersShowAQuestionMark) {
    CDevib image;
    ASSERT_TRUE(image.Create(8, 6));
    image.Fill(kPaper);
    DrawBitmapText(image, -3, -2, "WWWW", kInk, 2);
    DrawBitmapText(image, 6, 4, "M", kInk);
    EXPECT_GT(InkCount(image), 0);

    CDevib a;
    CDevib b;
    ASSERT_TRUE(a.Create(12, 8));
    ASSERT_TRUE(b.Create(12, 8));
    a.Fill(kPaper);
    b.Fill(kPaper);
    DrawBitmapText(a, 0, 0, "\x01\xC3\xA9", kInk);
    DrawBitmapText(b, 0, 0, "??", kInk);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(Inked(a, x, y), Inked(b, x, y));
    CDevib empty;
    DrawBitmapText(empty, 0, 0, "text", kInk); // an empty image ignores drawing
}
