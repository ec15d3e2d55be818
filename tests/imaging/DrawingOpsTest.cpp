// Drawing operations; points and rectangles are picture coordinates (y = 0 is
// the top row, storage row height - 1).
#include "support/ImageTestSupport.h"

#include "imaging/EllipseRegion.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

using namespace test;

// The pixel at picture position (x, y).
PixelWord At(const CDevib& d, int x, int y) {
    return d.GetPixel(x, d.Height() - 1 - y);
}

TEST(HorizontalGradient, BlendsAcrossInclusiveColumnsOnInclusiveRows) {
    CDevib d = FilledImage(5, 3, 0x11111111);
    // Red 200 to blue 100 over columns 1..3 (n = 2), rows 0..1.
    d.HorizontalGradient(ImageRect{1, 0, 3, 1}, 0x000000C8, 0x00640000);
    for (int y : {0, 1}) {
        EXPECT_EQ(At(d, 1, y), 0x00C80000u);
        EXPECT_EQ(At(d, 2, y), 0x00640032u);
        EXPECT_EQ(At(d, 3, y), 0x00000064u);
        EXPECT_EQ(At(d, 0, y), 0x11111111u);
        EXPECT_EQ(At(d, 4, y), 0x11111111u);
    }
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(At(d, x, 2), 0x11111111u);
    // Beyond the image: only the inside is written; a zero-width rect gets c1.
    d.HorizontalGradient(ImageRect{-2, -1, 10, 10}, 0, 0x00FFFFFF);
    d.HorizontalGradient(ImageRect{4, 0, 4, 2}, 0x000000FF, 0x00FF0000);
    EXPECT_EQ(At(d, 4, 1), 0x00FF0000u);
}

TEST(EllipseGradient, InscribedRegionFromTopColourToBottomColour) {
    // 5 x 5 rect: pixel centres inside the ellipse leave out the four corner
    // regions: rows 0 and 4 hold x 1..3, rows 1..3 all of x 0..4.
    const char* inside[5] = {".###.", "#####", "#####", "#####", ".###."};
    for (ImageRect rect : {ImageRect{0, 0, 5, 5}, ImageRect{-5, -5, 5, 5}}) { // clamped first
        CDevib d = FilledImage(5, 5, 0x12345678);
        d.EllipseGradient(rect, 0xDEAD, 0x000000FF, 0xBEEF, 0x00FF0000);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                // Red 255 at the top edge to blue 255 at the bottom: 51 steps.
                const PixelWord expected = inside[y][x] == '#'
                                               ? (static_cast<PixelWord>(51 * (5 - y)) << 16) |
                                                     static_cast<PixelWord>(51 * y)
                                               : 0x12345678u;
                EXPECT_EQ(At(d, x, y), expected) << x << "," << y;
            }
    }
}

TEST(EllipseGradient, RegionTestOfAnEvenAndAFlatRectangle) {
    const EllipseRegion wide(ImageRect{0, 0, 8, 2});
    EXPECT_FALSE(wide.Contains(0, 0));
    EXPECT_TRUE(wide.Contains(1, 0));
    EXPECT_TRUE(wide.Contains(6, 1));
    EXPECT_FALSE(wide.Contains(8, 1)); // right edge is outside
    EXPECT_FALSE(EllipseRegion(ImageRect{3, 3, 3, 9}).Contains(3, 5));
}

TEST(Spot, FullColourInsideAndABlendTowardsTheSquareCorners) {
    // r = 2 at the centre of 5 x 5 white; colour black.
    CDevib d = FilledImage(5, 5, 0x00FFFFFF);
    d.Spot(2, 2, 2, 0x00000000);
    EXPECT_EQ(At(d, 2, 2), 0u);          // e = -255
    EXPECT_EQ(At(d, 3, 3), 0u);          // e = 2*255/4 - 255 = -128
    EXPECT_EQ(At(d, 4, 2), 0x00FFFFFFu); // e = 0: the existing colour
    EXPECT_EQ(At(d, 4, 3), 0x00C0C0C0u); // e = 5*255/4 - 255 = 63
    EXPECT_EQ(At(d, 4, 4), 0u);          // e = 255: the colour
    // Near a corner of the picture, clipped; picture (0, 0) is storage row 2.
    CDevib c = FilledImage(3, 3, 0x00FFFFFF);
    c.Spot(0, 0, 1, 0x000000FF);
    EXPECT_EQ(c.GetPixel(0, 2), 0x00FF0000u);
    EXPECT_EQ(c.GetPixel(1, 2), 0x00FFFFFFu);
    EXPECT_EQ(c.GetPixel(1, 1), 0x00FF0000u);
    EXPECT_EQ(c.GetPixel(2, 0), 0x00FFFFFFu);
    c.Spot(1, 1, 0, 0);
    EXPECT_EQ(c.GetPixel(1, 1), 0x00FF0000u);
}

TEST(Ring, OnlyTheBandAroundTheRadiusIsTouched) {
    CDevib d = FilledImage(7, 7, 0x00FFFFFF);
    d.Ring(3, 3, 2, 0x00000000);
    // d^2 = 4: h = 255 -> full colour; d^2 = 5: h = 510 - 318 = 192,
    // (192^2/255)^2/255 = 81 -> 255 * 174/255; d^2 <= 2 or >= 8: untouched.
    EXPECT_EQ(At(d, 5, 3), 0u);
    EXPECT_EQ(At(d, 3, 1), 0u);
    EXPECT_EQ(At(d, 4, 5), 0x00AEAEAEu);
    EXPECT_EQ(At(d, 1, 2), 0x00AEAEAEu);
    EXPECT_EQ(At(d, 3, 3), 0x00FFFFFFu);
    EXPECT_EQ(At(d, 4, 4), 0x00FFFFFFu);
    EXPECT_EQ(At(d, 5, 5), 0x00FFFFFFu);
    CDevib plain = FilledImage(7, 7, 0x00FFFFFF);
    plain.Ring(3, 3, 1, 0);
    EXPECT_EQ(Words(plain), Words(FilledImage(7, 7, 0x00FFFFFF)));
}

TEST(ThickLine, BresenhamStepsWithoutTheEndPoint) {
    CDevib d = FilledImage(4, 2, 0xFFFFFFFF);
    d.ThickLine(0, 0, 3, 1, 1, 0x000000FF);
    const char* drawn[2] = {"##..", "..#."};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(At(d, x, y), drawn[y][x] == '#' ? 0x00FF0000u : 0xFFFFFFFFu) << x << y;
    CDevib same = FilledImage(4, 2, 0xFFFFFFFF);
    same.ThickLine(1, 1, 1, 1, 5, 0); // start is the end: nothing
    same.ThickLine(-10, -10, -3, -8, 1, 0);
    EXPECT_EQ(Words(same), Words(FilledImage(4, 2, 0xFFFFFFFF)));
}

TEST(ThickLine, ThickLinesAreSpotsAlongThePath) {
    CDevib d = FilledImage(9, 9, 0x00FFFFFF);
    d.ThickLine(2, 4, 6, 4, 4, 0); // spots of radius 2 at x = 2..5
    CDevib e = FilledImage(9, 9, 0x00FFFFFF);
    for (int x = 2; x <= 5; ++x)
        e.Spot(x, 4, 2, 0);
    EXPECT_EQ(Words(d), Words(e));
}

TEST(TintFill, FlatTintOfTheKeyColour) {
    // Key: blue 0xBB, green 0xAA of pixel 0; red is not compared.
    CDevib d = ImageOf(3, 1, {0x0000AABB, 0xFF12AABB, 0xFF00AABC});
    CCrtRandom random(1);
    d.TintFill(0x00332211, 0x00FFFFFF, 1, random);
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0xFF112233, 0xFF112233, 0xFF00AABC}));
}

TEST(TintFill, DiagonalBlendRoughenedByTheSeededSource) {
    // 2 x 2, o = 8; pixel (0, 0): m = 4, red (200*4 + 40*4)/8 = 120, green
    // (100*4 + 20*4)/8 = 60; draws 41, 18467, 6334 take 1, 2 and 2 off.
    // Pixel (1, 0): m = 5, red 140, green 70; draws 26500, 19169, 15724.
    CDevib d = FilledImage(2, 2, 0xFF000000);
    CCrtRandom random(1);
    d.TintFill(0x000064C8, 0x00001428, 2, random);
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF773A3Au);
    EXPECT_EQ(d.GetPixel(1, 0), 0xFF8C4446u);
    // Black blends cannot go below 0 in any channel.
    CDevib dark = FilledImage(3, 3, 0xFF000000);
    dark.TintFill(0, 0, 2, random);
    for (PixelWord w : Words(dark))
        EXPECT_EQ(w, 0xFF000000u);
}

TEST(Mask, BuildMaskTestsPointsCountedFromTheTopAndPaintMaskUsesIt) {
    CDevib d = FilledImage(3, 2, 0x01020304);
    d.PaintMask(0x0000FF, 0xFF0000); // no mask yet: nothing
    EXPECT_EQ(d.GetPixel(0, 0), 0x01020304u);
    std::vector<std::pair<int, int>> asked;
    d.BuildMask([&](int x, int y) {
        asked.push_back({x, y});
        return y == 1;
    });
    // Pixel k is asked about (k mod 3, 2 - k div 3).
    EXPECT_EQ(asked,
              (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}, {0, 1}, {1, 1}, {2, 1}}));
    d.PaintMask(0x0000FF, 0xFF0000);
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0x00FF0000, 0x00FF0000, 0x00FF0000, 0x000000FF,
                                                0x000000FF, 0x000000FF}));
}

} // namespace
} // namespace mienlore
