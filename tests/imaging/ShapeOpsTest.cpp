// The compositor's shape and skin-band operations (storage addresses).
#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

using namespace test;

PixelWord Grey0(int g) {
    return GreyPixel(g) & 0x00FFFFFF;
}

TEST(ShapeOps, DarkenWithTakesTheDarkerGreyWhereTheShapeIsNotWhite) {
    CDevib d = ImageOf(3, 1, {Grey0(100), Grey0(200), Grey0(50)});
    const CDevib shape = ImageOf(3, 1, {Grey0(254), Grey0(150), Grey0(120)});
    d.DarkenWith(shape);
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{Grey0(100), GreyPixel(150), GreyPixel(50)}));
    const CDevib other = FilledImage(1, 3, 0);
    d.DarkenWith(other); // different size: nothing
    EXPECT_EQ(d.GetPixel(0, 0), Grey0(100));
}

TEST(ShapeOps, PaintWhereWritesTheWordUnderDarkShapePixels) {
    CDevib d = FilledImage(3, 1, 0x11111111);
    d.PaintWhere(ImageOf(3, 1, {Grey0(253), Grey0(254), 0}), 0xCAFEBABE);
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0xCAFEBABE, 0x11111111, 0xCAFEBABE}));
}

TEST(ShapeOps, FirstDarkScansInTheGivenDirections) {
    CDevib d = FilledImage(3, 3, 0xFFFFFFFF);
    d.SetPixel(2, 0, GreyPixel(239));
    d.SetPixel(0, 2, GreyPixel(100));
    d.SetPixel(1, 1, GreyPixel(240)); // not dark enough
    EXPECT_EQ(d.FirstDark(1, 1), (PixelPoint{2, 0}));
    EXPECT_EQ(d.FirstDark(-1, -1), (PixelPoint{0, 2}));
    EXPECT_EQ(d.FirstDark(1, -1), (PixelPoint{0, 2}));
    EXPECT_EQ(d.FirstDark(-1, 1), (PixelPoint{2, 0}));
    const CDevib white = FilledImage(3, 3, 0xFFFFFFFF);
    EXPECT_EQ(white.FirstDark(1, 1), (PixelPoint{2, 2})); // the last visited
    EXPECT_EQ(white.FirstDark(-1, -1), (PixelPoint{0, 0}));
}

TEST(ShapeOps, RowDarkFindsTheFirstPixelBelow250) {
    CDevib d = FilledImage(4, 2, GreyPixel(250));
    d.SetPixel(1, 0, GreyPixel(249));
    d.SetPixel(2, 0, GreyPixel(10));
    EXPECT_EQ(d.RowDark(1, 0), 1);
    EXPECT_EQ(d.RowDark(-1, 0), 2);
    EXPECT_EQ(d.RowDark(1, 1), -1);
    EXPECT_EQ(d.RowDark(1, 5), -1);
}

// A 30-pixel grey row: white except blue 200 at x = 12, 14, 15, 17 (four
// pixels with 255 - blue between 5 and 128).
void PutBandRow(CDevib& d, int y) {
    for (int x = 0; x < d.Width(); ++x)
        d.SetPixel(x, y, GreyPixel(255));
    for (int x : {12, 14, 15, 17})
        d.SetPixel(x, y, GreyPixel(200));
}

TEST(ShadeRowsKeep, GreysFromTheFirstFoundToBeforeTheLastByMode) {
    // mode 0: (level + blue) * 3 / 6; mode 1: (3 level + avg + 2 blue) / 6;
    // mode 2: (5 blue + avg) / 6; level 100, avg 200.
    const int forDark[3] = {150, 150, 200};
    const int forWhite[3] = {177, 168, 245};
    for (int mode = 0; mode < 3; ++mode) {
        CDevib d = FilledImage(30, 1, GreyPixel(255));
        PutBandRow(d, 0);
        d.ShadeRowsKeep(5, 128, 100, mode, std::nullopt);
        for (int x = 0; x < 30; ++x) {
            int expected = x == 17 ? 200 : 255;
            if (x >= 12 && x < 17)
                expected = (x == 13 || x == 16) ? forWhite[mode] : forDark[mode];
            EXPECT_EQ(d.GetPixel(x, 0), GreyPixel(expected)) << mode << " x " << x;
        }
    }
}

TEST(ShadeRowsKeep, FewFoundPixelsAndTheBorderColumnsAreIgnored) {
    CDevib d = FilledImage(30, 2, GreyPixel(255));
    for (int x : {12, 14, 17})
        d.SetPixel(x, 0, GreyPixel(200)); // only three
    for (int x : {2, 5, 9, 20, 25})
        d.SetPixel(x, 1, GreyPixel(200)); // outside x 10..19
    const auto before = Words(d);
    d.ShadeRowsKeep(5, 128, 100, 0, std::nullopt);
    EXPECT_EQ(Words(d), before);
}

TEST(ShadeRowsKeep, RowsOfTheKeptBandRepeatTheGreyOfTheRowBefore) {
    // Height 4, band rect rows 1..3: storage rows with 1 < y < 3, so y = 2.
    CDevib d = FilledImage(30, 4, GreyPixel(255));
    PutBandRow(d, 0);
    PutBandRow(d, 2);
    d.ShadeRowsKeep(5, 128, 100, 0, ImageRect{0, 1, 30, 3});
    for (int x = 12; x < 17; ++x)
        EXPECT_EQ(d.GetPixel(x, 2), GreyPixel(177)) << x; // row 0's white pixels became 177
    EXPECT_EQ(d.GetPixel(17, 2), GreyPixel(200));

    // A band row before any computed row takes 255.
    CDevib e = FilledImage(30, 4, GreyPixel(255));
    PutBandRow(e, 1);
    e.ShadeRowsKeep(5, 128, 100, 1, ImageRect{0, 2, 30, 4}); // band y = 1
    for (int x = 12; x < 17; ++x)
        EXPECT_EQ(e.GetPixel(x, 1), GreyPixel(255)) << x;
}

TEST(ShadeRowsKeep, KeptRowsTakeTheSkinGreyAndKeepTheOutline) {
    // Row 0 ends on an outline: the pixel before its last found one is the
    // dark core (x = 16). The kept row repeats the row's lightest grey, that
    // of its skin (white, x = 13), and leaves its own dark outline pixel.
    CDevib d = FilledImage(30, 3, GreyPixel(255));
    for (int x : {12, 14, 17})
        d.SetPixel(x, 0, GreyPixel(200));
    d.SetPixel(15, 0, GreyPixel(230));
    d.SetPixel(16, 0, GreyPixel(40));
    for (int x : {12, 14, 16, 17})
        d.SetPixel(x, 1, GreyPixel(200));
    d.SetPixel(13, 1, GreyPixel(40));
    d.ShadeRowsKeep(5, 128, 100, 0, ImageRect{0, 0, 30, 3});     // kept rows y = 1, 2
    EXPECT_EQ(d.GetPixel(16, 0), GreyPixel((100 + 40) * 3 / 6)); // the row itself is shaded
    const int skin = (100 + 255) * 3 / 6;
    for (int x : {12, 14, 15, 16})
        EXPECT_EQ(d.GetPixel(x, 1), GreyPixel(skin)) << x;
    EXPECT_EQ(d.GetPixel(13, 1), GreyPixel(40));
    EXPECT_EQ(d.GetPixel(17, 1), GreyPixel(200));
}

TEST(MeanBand, MeanBlueOfBandPixelsInsideThePictureRectangle) {
    // Picture row 0 is storage row 1.
    CDevib d = ImageOf(3, 2,
                       {GreyPixel(150), GreyPixel(150), GreyPixel(150), GreyPixel(200),
                        GreyPixel(131), GreyPixel(100)});
    EXPECT_EQ(d.MeanBand(5, 128, ImageRect{0, 0, 2, 1}), (200 + 131) / 2);
    EXPECT_EQ(d.MeanBand(5, 128, ImageRect{0, 0, 3, 2}), (200 + 131 + 450) / 5);
    EXPECT_EQ(d.MeanBand(5, 128, ImageRect{2, 0, 3, 1}), 0); // 255 - 100 = 155 is outside
    EXPECT_EQ(d.MeanBand(5, 128, ImageRect{-9, -9, 99, 99}), (200 + 131 + 450) / 5);
}

} // namespace
} // namespace mienlore
