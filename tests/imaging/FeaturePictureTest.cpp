#include "imaging/FeaturePicture.h"
#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mienlore {
namespace {

// A grey picture from text rows, top row first: '#' 0, 'o' 100, '+' 253,
// '-' 254, '.' 255.
CDevib Picture(const std::vector<std::string>& rows) {
    return test::GreyPicture(rows, [](char ch) {
        return ch == '#' ? 0 : ch == 'o' ? 100 : ch == '+' ? 253 : ch == '-' ? 254 : 255;
    });
}

using test::FilledImage;

TEST(PicturePlacement, ScalingStretchesTheChosenAxesAboutTheCentre) {
    // Natural size for scale 0 and 100.
    EXPECT_EQ(PlacePicture(79, 190, 96, 30, 0, 1), (ImageRect{79, 190, 175, 220}));
    EXPECT_EQ(PlacePicture(79, 190, 96, 30, 100, 3), (ImageRect{79, 190, 175, 220}));
    // Lips at 120 % across only: 115 wide, moved left by half the growth.
    EXPECT_EQ(PlacePicture(79, 190, 96, 30, 120, 1), (ImageRect{70, 190, 185, 220}));
    // Ears at 110 % in height only.
    EXPECT_EQ(PlacePicture(13, 95, 24, 86, 110, 2), (ImageRect{13, 91, 37, 185}));
    // Shrinking moves the picture the other way; half of -5 truncates to -2.
    EXPECT_EQ(PlacePicture(10, 10, 25, 25, 80, 3), (ImageRect{12, 12, 32, 32}));
}

TEST(DrawFeaturePicture, DarkensAndLeavesNearWhiteTransparent) {
    const PixelWord yellow = CanvasWord(0xF0FFFF); // luma 253
    CDevib canvas = FilledImage(8, 4, yellow);
    const CDevib picture = Picture({"-+o#", "...."});
    const ImageRect r = DrawFeaturePicture(canvas, 2, 1, picture, PictureLook{});
    EXPECT_EQ(r, (ImageRect{2, 1, 6, 3}));
    EXPECT_EQ(CanvasPixel(canvas, 2, 1), yellow); // 254: untouched
    EXPECT_EQ(CanvasPixel(canvas, 3, 1), GreyPixel(253));
    EXPECT_EQ(CanvasPixel(canvas, 4, 1), GreyPixel(100));
    EXPECT_EQ(CanvasPixel(canvas, 5, 1), GreyPixel(0));
    EXPECT_EQ(CanvasPixel(canvas, 3, 2), yellow); // white: untouched
    EXPECT_EQ(CanvasPixel(canvas, 1, 1), yellow); // outside the rectangle
    // A darker canvas stays as dark as it was.
    CDevib dark = FilledImage(4, 1, GreyPixel(50));
    DrawFeaturePicture(dark, 0, 0, Picture({"o..."}), PictureLook{});
    EXPECT_EQ(CanvasPixel(dark, 0, 0), GreyPixel(50));
}

TEST(DrawFeaturePicture, MirrorsTheLeftMemberAndLightensAfterwards) {
    CDevib canvas = FilledImage(4, 1, 0xFFFFFFFFu);
    PictureLook look;
    look.side = -1;
    look.lighten = 64; // black becomes 64
    DrawFeaturePicture(canvas, 0, 0, Picture({"#o.."}), look);
    EXPECT_EQ(CanvasPixel(canvas, 3, 0), GreyPixel(64));
    EXPECT_EQ(CanvasPixel(canvas, 2, 0), GreyPixel(100 + 64 - 64 * 100 / 255));
    EXPECT_EQ(CanvasPixel(canvas, 0, 0), 0xFFFFFFFFu);
}

TEST(DrawFeaturePicture, ScaledPicturesKeepTheirStrokesAndClipAtTheEdges) {
    CDevib canvas = FilledImage(10, 10, 0xFFFFFFFFu);
    PictureLook look;
    look.scalePercent = 50;
    // 8 x 2 shrunk across to 4, centred: a one-pixel stroke survives.
    const ImageRect r = DrawFeaturePicture(canvas, 1, 3, Picture({"...#....", "........"}), look);
    EXPECT_EQ(r, (ImageRect{3, 3, 7, 4}));
    EXPECT_EQ(CanvasPixel(canvas, 4, 3), GreyPixel(0));
    // Partly outside the canvas: the inside part is drawn, nothing else.
    const ImageRect out = DrawFeaturePicture(canvas, -2, 8, Picture({"###", "###", "###"}), {});
    EXPECT_EQ(out, (ImageRect{-2, 8, 1, 11}));
    EXPECT_EQ(CanvasPixel(canvas, 0, 9), GreyPixel(0));
    EXPECT_EQ(CanvasPixel(canvas, 1, 9), 0xFFFFFFFFu);
}

TEST(ShadeFeatureArea, TheColourRulesTheCentreAndTheCanvasTheEdges) {
    const CDevib box =
        Picture({"..........", "..........", "..........", "..........", "..........", "..........",
                 "..........", "..........", "..........", ".........."});
    CDevib across = FilledImage(10, 10, GreyPixel(100));
    ShadeFeatureArea(across, 0, 0, box, 0, 3, 0xFFFFFF, 1, 8);
    EXPECT_EQ(LumaInt(CanvasPixel(across, 5, 4)), 255); // centre column: the colour
    EXPECT_EQ(LumaInt(CanvasPixel(across, 0, 4)), 100); // edge: the canvas
    // b = |4 - 10| = 6, e = 2 * (10 - 6) = 8: (8*6*100 + 255*8) / (48 + 8)
    EXPECT_EQ(LumaInt(CanvasPixel(across, 2, 7)), (8 * 6 * 100 + 255 * 8) / (48 + 8));

    CDevib radial = FilledImage(10, 10, GreyPixel(100));
    ShadeFeatureArea(radial, 0, 0, box, 0, 3, 0xFFFFFF, 3, 7);
    EXPECT_EQ(LumaInt(radial.GetPixel(5, 5)), 255);
    EXPECT_EQ(LumaInt(radial.GetPixel(0, 0)), 100);
    // Strength outside 1..9 is held in range: 0 behaves as 1.
    CDevib weak = FilledImage(10, 10, GreyPixel(100));
    CDevib one = FilledImage(10, 10, GreyPixel(100));
    ShadeFeatureArea(weak, 0, 0, box, 0, 3, 0xFFFFFF, 1, 0);
    ShadeFeatureArea(one, 0, 0, box, 0, 3, 0xFFFFFF, 1, 1);
    EXPECT_EQ(CanvasPixel(weak, 2, 2), CanvasPixel(one, 2, 2));
}

TEST(ShadeFeatureArea, TheColourIsTakenAsAPixelWordUnchanged) {
    // 0x0000FF is red as a colour value but blue as a pixel word: luma 29.
    const CDevib box = Picture({"..", ".."});
    CDevib canvas = FilledImage(2, 2, GreyPixel(100));
    ShadeFeatureArea(canvas, 0, 0, box, 0, 3, 0x0000FF, 3, 5);
    // Pixel (1, 1): b = 0, so the value is the colour's luma alone.
    EXPECT_EQ(LumaInt(canvas.GetPixel(1, 1)), (29 * 255) >> 8);
}

// A closed shape with an inner dark stroke. Outline (top-down, local):
// 0 (2,1), 1 (5,1), 2 (0,4), 3 (7,4); contour rows 1, 2, 2, 3.
const std::vector<std::string> kShape = {
    "........", //
    "..####..", //
    ".#+o++#.", //
    ".#++++#.", //
    "#......#", //
    "........", //
};

TEST(FillFeatureShape, FindsTheTwelveOutlinePoints) {
    CDevib canvas = FilledImage(40, 40, 0xFFFFFFFFu);
    const ShapeFill fill =
        FillFeatureShape(canvas, 20, 30, Picture(kShape), 0, 3, 0, 0x0A0B0C, false);
    const OutlinePoints expected = {{{2, 1},
                                     {5, 1},
                                     {0, 4},
                                     {7, 4},
                                     {2, 1},
                                     {5, 1},
                                     {1, 2},
                                     {6, 2},
                                     {1, 2},
                                     {6, 2},
                                     {1, 3},
                                     {6, 3}}};
    EXPECT_EQ(fill.points, expected);
    EXPECT_EQ(fill.bounds, (ImageRect{20, 31, 27, 34}));
    // Without paint the canvas is untouched.
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(CanvasPixel(canvas, x, y), 0xFFFFFFFFu);
}

TEST(FillFeatureShape, PaintsUnderEveryPictureColourButNearWhite) {
    CDevib canvas = FilledImage(40, 40, 0xFFFFFFFFu);
    FillFeatureShape(canvas, 20, 30, Picture(kShape), 0, 3, 0, 0x0A0B0C, true);
    // The colour value is stored as it is: its first byte lands in blue.
    EXPECT_EQ(CanvasPixel(canvas, 22, 31), 0x000A0B0Cu); // stroke
    EXPECT_EQ(CanvasPixel(canvas, 24, 32), 0x000A0B0Cu); // light skin (253)
    EXPECT_EQ(CanvasPixel(canvas, 21, 30), 0xFFFFFFFFu); // white
    EXPECT_EQ(CanvasPixel(canvas, 19, 34), 0xFFFFFFFFu); // outside the picture
}

TEST(FillFeatureShape, PointsFollowMirroringAndScaling) {
    CDevib canvas = FilledImage(60, 60, 0xFFFFFFFFu);
    const ShapeFill mirrored =
        FillFeatureShape(canvas, 20, 30, Picture(kShape), 0, 3, -1, 0x0A0B0C, false);
    EXPECT_EQ(mirrored.points[0], (CanvasPoint{2, 1})); // 7 - 5
    EXPECT_EQ(mirrored.points[2], (CanvasPoint{0, 4}));
    EXPECT_EQ(mirrored.points[6], (CanvasPoint{1, 2}));
    const ShapeFill flipped =
        FillFeatureShape(canvas, 0, 0, Picture({"#.......", "......##"}), 0, 3, -1, 0, false);
    EXPECT_EQ(flipped.points[0], (CanvasPoint{7, 0}));
    EXPECT_EQ(flipped.points[2], (CanvasPoint{0, 1}));
    // Twice the size, centred: the picture starts 4 left and 3 above (x, y)
    // and the points are kept relative to (x, y).
    const ShapeFill scaled =
        FillFeatureShape(canvas, 20, 30, Picture(kShape), 200, 3, 0, 0x0A0B0C, false);
    EXPECT_EQ(scaled.points[0], (CanvasPoint{4 - 4, 2 - 3}));
    EXPECT_EQ(scaled.points[3], (CanvasPoint{15 - 4, 9 - 3}));
    EXPECT_EQ(scaled.bounds.left, 20 + 0 - 4);
}

TEST(FillFeatureShape, AContourRowWithoutDarkPixelsKeepsThePointAbove) {
    CDevib canvas = FilledImage(20, 20, 0xFFFFFFFFu);
    const ShapeFill fill =
        FillFeatureShape(canvas, 0, 0, Picture({".#......", "........", "........", ".......#"}), 0,
                         3, 0, 0x0A0B0C, false);
    for (int i = 4; i < 12; ++i)
        EXPECT_EQ(fill.points[static_cast<size_t>(i)].x, 1) << i;
}

} // namespace
} // namespace mienlore
