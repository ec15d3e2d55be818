// Window operations: exact values on small hand-checked images, the border
// each leaves alone, and agreement with a plain evaluation of the definition
// on random images (the operations are written for speed).
#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace mienlore {
namespace {

using namespace test;

int Channel(PixelWord p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

// ---- plain evaluations of the definitions ----

CDevib ReferenceEdgeMax(const CDevib& src, int t) {
    CDevib out;
    src.CopyTo(out);
    for (int y = 1; y < src.Height() - 1; ++y)
        for (int x = 1; x < src.Width() - 1; ++x) {
            PixelWord word = 0xFF000000;
            for (int shift = 0; shift <= 16; shift += 8) {
                auto c = [&](int px, int py) { return Channel(src.GetPixel(px, py), shift); };
                int m = std::max({std::abs(c(x + 1, y - 1) - c(x - 1, y + 1)),
                                  std::abs(c(x - 1, y - 1) - c(x + 1, y + 1)),
                                  std::abs(c(x, y - 1) - c(x, y + 1)),
                                  std::abs(c(x - 1, y) - c(x + 1, y))});
                if (m < t)
                    m = 0;
                word |= static_cast<PixelWord>(m) << shift;
            }
            out.SetPixel(x, y, word);
        }
    return out;
}

CDevib ReferenceRank(const CDevib& src, int r, int which) {
    CDevib out;
    src.CopyTo(out);
    for (int y = r + 1; y + r + 1 < src.Height(); ++y)
        for (int x = r + 1; x + r + 1 < src.Width(); ++x) {
            std::vector<int> v;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    v.push_back(LumaInt(src.GetPixel(x + dx, y + dy)));
            std::sort(v.begin(), v.end(), std::greater<int>());
            const int pick = which == 0 ? v[v.size() / 2] : which < 0 ? v.front() : v.back();
            out.SetPixel(x, y, GreyPixel(pick));
        }
    return out;
}

CDevib ReferencePyramid(const CDevib& src, int r, int keepRows) {
    CDevib out;
    src.CopyTo(out);
    const int w = src.Width(), h = src.Height();
    r = std::min({r, w / 3, h / 3, 8});
    for (int y = r; y < h - r; ++y) {
        if (y > h - keepRows)
            continue;
        for (int x = r; x < w - r; ++x) {
            PixelWord word = 0xFF000000;
            for (int shift = 0; shift <= 16; shift += 8) {
                int sum = 0, weights = 0;
                for (int dy = -r; dy <= r; ++dy)
                    for (int dx = -r; dx <= r; ++dx) {
                        const int wt = 2 * r + 1 - std::abs(dx) - std::abs(dy);
                        sum += wt * Channel(src.GetPixel(x + dx, y + dy), shift);
                        weights += wt;
                    }
                word |= static_cast<PixelWord>(sum / weights) << shift;
            }
            out.SetPixel(x, y, word);
        }
    }
    return out;
}

// ---- EdgeMax ----

TEST(EdgeMax, LargestOppositeDifferencePerChannelWithThreshold) {
    // Storage rows bottom first: A B C / D E F / G H I.
    // Red: C/G 100-30, A/I 0-50, B/H 10-200, D/F 5-0 -> 190.
    // Green: only D/F differ, 40-0 -> 40. Blue: A/I 9-0 -> 9, below 10 -> 0.
    CDevib d = ImageOf(3, 3,
                       {0x00000009, 0x000A0000, 0x00640000,   // A B C
                        0x00052800, 0x00777777, 0x00000000,   // D E F
                        0x001E0000, 0x00C80000, 0x00320000}); // G H I
    const auto before = Words(d);
    d.EdgeMax(10);
    EXPECT_EQ(d.GetPixel(1, 1), 0xFFBE2800u);
    for (int k = 0; k < 9; ++k)
        if (k != 4) {
            EXPECT_EQ(d.Pixels()[k], before[k]) << "border pixel " << k;
        }
}

TEST(EdgeMax, MatchesTheDefinitionOnRandomImages) {
    for (int t : {0, 60}) {
        const CDevib src = RandomImage(19, 7, 5u + t);
        CDevib d;
        src.CopyTo(d);
        d.EdgeMax(t);
        EXPECT_EQ(Words(d), Words(ReferenceEdgeMax(src, t))) << t;
    }
}

// ---- RankFilter ----

TEST(RankFilter, MedianMaximumAndMinimumOfTheWindow) {
    // Grey values 10 (x + 6 y): the window around (2, 2) holds 70..90,
    // 130..150, 190..210.
    std::vector<PixelWord> grey;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            grey.push_back(GreyPixel(10 * (x + 6 * y) % 256) & 0x00FFFFFF);
    const CDevib src = ImageOf(6, 6, grey);
    for (auto [which, expected] : {std::pair{0, 140}, {-1, 210}, {1, 70}}) {
        CDevib d;
        src.CopyTo(d);
        d.RankFilter(1, which);
        EXPECT_EQ(d.GetPixel(2, 2), GreyPixel(expected)) << which;
        // Only x, y in 2..3 are written: the border of r + 1 = 2 stays.
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                if (x < 2 || x > 3 || y < 2 || y > 3) {
                    EXPECT_EQ(d.GetPixel(x, y), src.GetPixel(x, y)) << x << "," << y;
                }
    }
}

TEST(RankFilter, ImagesSmallerThanTheWindowPlusBorderAreUnchanged) {
    const CDevib src = RandomImage(4, 9, 3); // 4 < 2r + 3 = 5
    CDevib d;
    src.CopyTo(d);
    d.RankFilter(1, 0);
    EXPECT_EQ(Words(d), Words(src));
    const CDevib tall = RandomImage(9, 6, 4); // 6 < 2r + 3 = 7 for r = 2
    tall.CopyTo(d);
    d.RankFilter(2, -1);
    EXPECT_EQ(Words(d), Words(tall));
}

TEST(RankFilter, MatchesTheDefinitionOnRandomImages) {
    for (int r : {1, 2})
        for (int which : {0, -1, 1}) {
            const CDevib src = RandomImage(17, 12, 10u + r * 3 + which);
            CDevib d;
            src.CopyTo(d);
            d.RankFilter(r, which);
            EXPECT_EQ(Words(d), Words(ReferenceRank(src, r, which))) << r << "," << which;
        }
}

// ---- PyramidBlur ----

TEST(PyramidBlur, WeightsOfTheThreeByThreePyramid) {
    // r = 1: centre weight 3, sides 2, corners 1, sum 15. Corner blue 255 and
    // centre red 150 give blue 255/15 = 17 and red 450/15 = 30.
    CDevib d = ImageOf(3, 3, {0x000000FF, 0, 0, 0, 0x00960000, 0, 0, 0, 0});
    d.PyramidBlur(1, 0);
    EXPECT_EQ(d.GetPixel(1, 1), 0xFF1E0011u);
    EXPECT_EQ(d.GetPixel(0, 0), 0x000000FFu);
    EXPECT_EQ(d.GetPixel(2, 2), 0u);
}

TEST(PyramidBlur, RadiusIsCappedAndKeptRowsAreNotWritten) {
    // A plain image keeps its colour; only written pixels gain alpha 0xFF.
    auto written = [](const CDevib& d, int x, int y) { return (d.GetPixel(x, y) >> 24) == 0xFF; };
    CDevib d = FilledImage(30, 30, 0x00C8C8C8);
    d.PyramidBlur(20, 0); // capped at 8
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            EXPECT_EQ(written(d, x, y), x >= 8 && x < 22 && y >= 8 && y < 22) << x << "," << y;
    EXPECT_EQ(d.GetPixel(15, 15), 0xFFC8C8C8u);

    d = FilledImage(30, 30, 0x00C8C8C8);
    d.PyramidBlur(2, 5); // rows y <= 25 only
    EXPECT_TRUE(written(d, 2, 25));
    EXPECT_FALSE(written(d, 2, 26));
    EXPECT_TRUE(written(d, 27, 2));

    d = FilledImage(30, 30, 0x00C8C8C8);
    d.PyramidBlur(0, 0);
    EXPECT_FALSE(written(d, 15, 15));
    d.PyramidBlur(-3, 0);
    EXPECT_FALSE(written(d, 15, 15));
}

TEST(PyramidBlur, MatchesTheDefinitionOnRandomImages) {
    for (auto [r, keep] : {std::pair{1, 0}, {2, 0}, {2, 3}, {5, 0}, {8, 1}}) {
        const CDevib src = RandomImage(37, 29, 20u + r + keep);
        CDevib d;
        src.CopyTo(d);
        d.PyramidBlur(r, keep);
        EXPECT_EQ(Words(d), Words(ReferencePyramid(src, r, keep))) << r << "," << keep;
    }
}

} // namespace
} // namespace mienlore
