// Rotation, resampling, cropping, block shrinking and mirroring.
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

using test::FilledImage;
using test::ImageOf;
using test::RandomImage;
using test::Words;

int Red(PixelWord p) {
    return RedOf(p);
}

CDevib Numbered(int w, int h) {
    CDevib d;
    d.Create(w, h);
    for (int k = 0; k < d.Count(); ++k)
        d.Pixels()[k] = 0x01000000u + static_cast<PixelWord>(k);
    return d;
}

TEST(Rotate, ZeroDegreesWithoutSmoothingCopiesEveryWord) {
    const CDevib src = RandomImage(9, 6, 77);
    CDevib d;
    src.CopyTo(d);
    d.Rotate(0, false);
    EXPECT_EQ(Words(d), Words(src));
}

TEST(Rotate, ZeroDegreesSmoothBlendsHalfAPixelTowardsTheOrigin) {
    // fx = fy = -0.5: each pixel averages with its left and lower neighbours
    // (weights 128/256), edge pixels with their clamped selves.
    // Red: (0,0) 0, (1,0) 100, (0,1) 50, (1,1) 201.
    CDevib d = ImageOf(2, 2, {0x00000000, 0x00640000, 0x00320000, 0x00C90000});
    d.Rotate(0, true);
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF000000u);
    EXPECT_EQ(d.GetPixel(1, 0), 0xFF320000u); // (100 + 0) / 2 = 50
    EXPECT_EQ(d.GetPixel(0, 1), 0xFF190000u); // (50 + 0) / 2 = 25
    // top = (201 + 50) / 2 = 125, bottom = (100 + 0) / 2 = 50, (125 + 50) / 2 = 87
    EXPECT_EQ(d.GetPixel(1, 1), 0xFF570000u);
}

TEST(Rotate, NinetyDegreesTruncatesTheSlightlyShortAngle) {
    // 3.14159 is a little below pi: sources like 1.9999987 truncate to 1.
    const CDevib src = Numbered(3, 3);
    CDevib d;
    src.CopyTo(d);
    d.Rotate(90, false);
    const int from[3][3][2] = {{{1, 0}, {1, 0}, {2, 1}}, //
                               {{0, 0}, {1, 1}, {1, 1}},
                               {{0, 0}, {0, 1}, {0, 2}}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(d.GetPixel(x, y), src.GetPixel(from[y][x][0], from[y][x][1]))
                << x << "," << y;
}

TEST(Rotate, CornersTakeClampedEdgePixelsAndSmoothResultsAreOpaque) {
    CDevib d = FilledImage(10, 7, 0x00336699);
    d.Rotate(37, true);
    for (PixelWord w : Words(d))
        EXPECT_EQ(w, 0xFF336699u);
}

TEST(Resample, UpscalingInterpolatesBetweenSourcePositions) {
    // 2 x 1 to 4 x 1: source positions 0 and 2; x = 1 lies halfway, x >= 2
    // clamps to the last source pixel (equal positions: the mean of equals).
    CDevib src = ImageOf(2, 1, {0x00000000, 0x00640000});
    CDevib t;
    t.Create(4, 1);
    CDevib::Resample(t, src);
    EXPECT_EQ(Words(t), (std::vector<PixelWord>{0xFF000000, 0xFF320000, 0xFF640000, 0xFF640000}));
}

TEST(Resample, TwoByTwoToThreeByThree) {
    // Red: (0,0) 0, (1,0) 90, (0,1) 30, (1,1) 120; factor 1.5 both ways.
    // Column 1 on row 0: (0.5 * 0 + 1 * 90) / 1.5 = 60; on row 1:
    // (0.5 * 30 + 120) / 1.5 = 90; pixel (1, 1): (0.5 * 60 + 90) / 1.5 = 80.
    CDevib src = ImageOf(2, 2, {0x00000000, 0x005A0000, 0x001E0000, 0x00780000});
    CDevib t;
    t.Create(3, 3);
    CDevib::Resample(t, src);
    EXPECT_EQ(Red(t.GetPixel(0, 0)), 0);
    EXPECT_EQ(Red(t.GetPixel(1, 0)), 60);
    EXPECT_EQ(Red(t.GetPixel(0, 1)), 20);
    EXPECT_EQ(Red(t.GetPixel(1, 1)), 80);
    EXPECT_EQ(Red(t.GetPixel(2, 1)), 110);
    EXPECT_EQ(Red(t.GetPixel(2, 2)), 120);
    EXPECT_EQ(t.GetPixel(1, 1) >> 24, 0xFFu);
}

TEST(Resample, DownscalingPicksTheLeadingSourcePixels) {
    CDevib src = ImageOf(4, 1, {0x000A0000, 0x00140000, 0x001E0000, 0x00280000});
    CDevib t;
    t.Create(2, 1);
    CDevib::Resample(t, src);
    EXPECT_EQ(Words(t), (std::vector<PixelWord>{0xFF0A0000, 0xFF1E0000}));
    CDevib empty;
    CDevib::Resample(empty, src); // nothing to fill: no crash
    CDevib::Resample(t, empty);
    EXPECT_EQ(Words(t), (std::vector<PixelWord>{0xFF0A0000, 0xFF1E0000}));
}

TEST(CropCentered, CentredWindowMovedByTheRectangle) {
    CDevib d = Numbered(4, 4);
    // 2 x 2: ox = (4 - 2) / 2 + 1 = 2, oy = (4 - 2) / 2 + 0 = 1.
    EXPECT_EQ(d.CropCentered(ImageRect{1, 0, 3, 2}, 0xDEADBEEF), (ImageSize{2, 2}));
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0x01000006, 0x01000007, 0x0100000A, 0x0100000B}));

    // Wider than the source: ox = (4 - 6) / 2 - 3 = -4, oy = 3 / 2 = 1.
    d = Numbered(4, 4);
    EXPECT_EQ(d.CropCentered(ImageRect{-3, 0, 3, 1}, 0xDEADBEEF), (ImageSize{6, 1}));
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0xDEADBEEF, 0xDEADBEEF, 0xDEADBEEF, 0xDEADBEEF,
                                                0x01000004, 0x01000005}));

    EXPECT_EQ(d.CropCentered(ImageRect{0, 0, 0, 3}, 0), (ImageSize{0, 0}));
    EXPECT_TRUE(d.IsEmpty());
}

TEST(BlockAverage, MeansOfCellsAndTheNewSize) {
    // ax = ay = 1: 3 x 3 cells; 7 x 7 becomes 7/3 - 1 = 1 square.
    CDevib d = FilledImage(7, 7, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            d.SetPixel(x, y, MakePixel(10 * (x + 3 * y), 100, 0)); // red 0..80, mean 40
    d.SetPixel(3, 0, 0x00FFFFFF);                                  // outside the cell
    EXPECT_EQ(d.BlockAverage(1, 1), (ImageSize{1, 1}));
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF286400u);

    CDevib face = FilledImage(288, 288, 0xFF808080);
    EXPECT_EQ(face.BlockAverage(3, 3), (ImageSize{38, 38}));
    EXPECT_EQ(face.Width(), 38);

    CDevib clamped = FilledImage(9, 170, 0xFF000000);
    EXPECT_EQ(clamped.BlockAverage(0, 20), (ImageSize{2, 2})); // ax 1, ay 8: 9/3-1, 170/17-8

    CDevib tiny = FilledImage(5, 5, 0xFF000000);
    EXPECT_EQ(tiny.BlockAverage(1, 1), (ImageSize{0, 0}));
    EXPECT_TRUE(tiny.IsEmpty());
}

TEST(MirrorHorizontal, ReversesEveryRow) {
    CDevib d = Numbered(3, 2);
    d.MirrorHorizontal();
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0x01000002, 0x01000001, 0x01000000, 0x01000005,
                                                0x01000004, 0x01000003}));
}

} // namespace
} // namespace mienlore
