// Rotation, resampling, cropping, block shrinking and mirroring.
#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mienlore {
namespace {

using namespace test;

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

// ---- plain evaluations of the definitions ----

int ClampTo(int v, int n) {
    return v < 0 ? 0 : v >= n ? n - 1 : v;
}

CDevib ReferenceRotate(const CDevib& src, double degrees, bool smooth) {
    const int w = src.Width(), h = src.Height();
    const double theta = degrees * 3.14159 / 180;
    const int cx = w / 2, cy = h / 2;
    CDevib out;
    out.Create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int dx = x - cx, dy = y - cy;
            const double sx = cx + dx * std::cos(theta) - dy * std::sin(theta);
            const double sy = cy + dx * std::sin(theta) + dy * std::cos(theta);
            if (!smooth) {
                out.SetPixel(x, y,
                             src.GetPixel(ClampTo(static_cast<int>(sx), w),
                                          ClampTo(static_cast<int>(sy), h)));
                continue;
            }
            const int i = ClampTo(static_cast<int>(sx), w);
            const double fx = sx - i - 0.5;
            const int i2 = ClampTo(fx < 0 ? i - 1 : i + 1, w);
            const int j = ClampTo(static_cast<int>(sy), h);
            const double fy = sy - j - 0.5;
            const int j2 = ClampTo(fy < 0 ? j - 1 : j + 1, h);
            const int wx = static_cast<int>(std::fabs(fx) * 256);
            const int wy = static_cast<int>(std::fabs(fy) * 256);
            PixelWord word = 0xFF000000;
            for (int shift = 0; shift <= 16; shift += 8) {
                auto c = [&](int px, int py) {
                    return static_cast<int>((src.GetPixel(px, py) >> shift) & 0xFF);
                };
                const int top = ((256 - wx) * c(i, j) + wx * c(i2, j)) / 256;
                const int bottom = ((256 - wx) * c(i, j2) + wx * c(i2, j2)) / 256;
                word |= static_cast<PixelWord>(((256 - wy) * top + wy * bottom) / 256) << shift;
            }
            out.SetPixel(x, y, word);
        }
    return out;
}

double Lerp(double e, double f, double g, double b, double d) {
    return f == g ? (b + d) / 2 : ((g - e) * b + (e - f) * d) / (g - f);
}

CDevib ReferenceResample(const CDevib& src, int tw, int th) {
    const int sw = src.Width(), sh = src.Height();
    const double fx = static_cast<double>(tw) / sw, fy = static_cast<double>(th) / sh;
    CDevib out;
    out.Create(tw, th);
    for (int y = 0; y < th; ++y)
        for (int x = 0; x < tw; ++x) {
            const int x0 = ClampTo(static_cast<int>(x / fx), sw), x1 = ClampTo(x0 + 1, sw);
            const int y0 = ClampTo(static_cast<int>(y / fy), sh), y1 = ClampTo(y0 + 1, sh);
            PixelWord word = 0xFF000000;
            for (int shift = 0; shift <= 16; shift += 8) {
                auto c = [&](int px, int py) {
                    return static_cast<double>((src.GetPixel(px, py) >> shift) & 0xFF);
                };
                const double v0 = Lerp(x, x0 * fx, x1 * fx, c(x0, y0), c(x1, y0));
                const double v1 = Lerp(x, x0 * fx, x1 * fx, c(x0, y1), c(x1, y1));
                const int v = static_cast<int>(Lerp(y, y0 * fy, y1 * fy, v0, v1));
                word |= static_cast<PixelWord>(v) << shift;
            }
            out.SetPixel(x, y, word);
        }
    return out;
}

TEST(Rotate, MatchesTheDefinitionOnRandomImages) {
    for (double degrees : {0.0, 2.0, -14.0, 45.0, 90.0, 173.0, -360.0})
        for (bool smooth : {false, true}) {
            const CDevib src = RandomImage(23, 16, static_cast<std::uint32_t>(degrees + 400));
            CDevib d;
            src.CopyTo(d);
            d.Rotate(degrees, smooth);
            EXPECT_EQ(Words(d), Words(ReferenceRotate(src, degrees, smooth)))
                << degrees << (smooth ? " smooth" : "");
        }
}

TEST(Resample, MatchesTheDefinitionOnRandomImages) {
    const CDevib src = RandomImage(17, 13, 99);
    for (auto [tw, th] : {std::pair{17, 13}, {40, 29}, {9, 5}, {51, 7}, {3, 40}, {1, 1}}) {
        CDevib t;
        t.Create(tw, th);
        CDevib::Resample(t, src);
        EXPECT_EQ(Words(t), Words(ReferenceResample(src, tw, th))) << tw << "x" << th;
    }
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
