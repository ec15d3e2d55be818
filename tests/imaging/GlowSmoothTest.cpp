// The glow smoothing of the face picture and the photo.
#include "support/ImageTestSupport.h"

#include "imaging/MulDiv.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mienlore {
namespace {

using namespace test;

// The smoothing as defined: each source pixel splats onto every second
// neighbour; no extra write after a splat.
CDevib ReferenceGlow(const CDevib& src, int sx, int sy, int keepRows, bool whiteBorder) {
    const int w = src.Width(), h = src.Height();
    const int rx = std::max(std::min(static_cast<int>(sx * 1.5), w / 3), 1);
    const int ry = std::max(std::min(static_cast<int>(sy * 1.5), h / 3), 1);
    auto weight = [&](int dx, int dy) {
        return static_cast<int>(
            2980 * std::exp(-static_cast<double>(dx * dx) / (static_cast<double>(sx) * sx) -
                            static_cast<double>(dy * dy) / (static_cast<double>(sy) * sy)));
    };
    std::vector<long long> acc(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = LumaRealDirect(src.GetPixel(x, y));
            if (v <= 0)
                continue;
            for (int dy = -ry; dy <= ry; dy += 2)
                for (int dx = -rx; dx <= rx; dx += 2) {
                    const int tx = x + dx, ty = y + dy;
                    if (tx >= 0 && ty >= 0 && tx < w && ty < h)
                        acc[static_cast<std::size_t>(ty) * w + tx] += v * weight(dx, dy);
                }
        }
    long long peak = 0;
    for (long long a : acc)
        peak = std::max(peak, a);
    CDevib out;
    out.Create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const long long a = acc[static_cast<std::size_t>(y) * w + x];
            if (peak == 0 || a == 0)
                continue;
            PixelWord p = GreyPixel(MulDiv(static_cast<int>(a), 255, static_cast<int>(peak)));
            if (keepRows > 0 && y > h - keepRows && x > rx / 2)
                p = src.GetPixel(x, y);
            if (whiteBorder && (x < rx || y < ry))
                p = 0xFFFFFFFF;
            out.SetPixel(x, y, p);
        }
    return out;
}

TEST(GlowSmooth, OnePixelSplatsOntoTheDiagonalNeighboursOnly) {
    // sx = sy = 1: rx = ry = 1, sampled offsets -1 and +1 in each direction,
    // all four with weight trunc(2980 e^-2) = 403. Each target holds the same
    // sum and becomes 255; everything else, the centre included, is 0.
    CDevib d = FilledImage(7, 7, 0xFF000000);
    d.SetPixel(3, 3, 0xFFFFFFFF);
    d.GlowSmooth(1, 1, 0, false);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool target = (x == 2 || x == 4) && (y == 2 || y == 4);
            EXPECT_EQ(d.GetPixel(x, y), target ? 0xFFFFFFFFu : 0u) << x << "," << y;
        }
}

TEST(GlowSmooth, ScalesToTheLargestSumRoundingAsMulDiv) {
    // Greys 254 at (5, 5) and 127 at (1, 1): their targets hold 254 * 403 and
    // 127 * 403; the second scale to 127 * 255 / 254 = 127.5, rounded to 128.
    CDevib d = FilledImage(7, 7, 0xAA000000); // luma 0: no splat
    d.SetPixel(5, 5, GreyPixel(254));
    d.SetPixel(1, 1, GreyPixel(127));
    CDevib plain;
    d.CopyTo(plain);
    plain.GlowSmooth(1, 1, 0, false);
    EXPECT_EQ(plain.GetPixel(4, 4), GreyPixel(255));
    EXPECT_EQ(plain.GetPixel(0, 2), GreyPixel(128));
    EXPECT_EQ(plain.GetPixel(2, 2), GreyPixel(128));
    EXPECT_EQ(plain.GetPixel(1, 1), 0u);

    // Kept rows (y > 7 - 2, x > rx / 2) take the source back where a sum is
    // non-zero; the white border (x < 1 or y < 1) likewise.
    d.GlowSmooth(1, 1, 2, true);
    EXPECT_EQ(d.GetPixel(4, 6), 0xAA000000u);
    EXPECT_EQ(d.GetPixel(6, 6), 0xAA000000u);
    EXPECT_EQ(d.GetPixel(5, 6), 0u); // no sum there
    EXPECT_EQ(d.GetPixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(d.GetPixel(2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(d.GetPixel(0, 2), 0xFFFFFFFFu);
    EXPECT_EQ(d.GetPixel(2, 2), GreyPixel(128));
    EXPECT_EQ(d.GetPixel(1, 0), 0u);
}

TEST(GlowSmooth, SymmetricSourceGivesASymmetricResult) {
    // No sum is overwritten after a splat: a centred pattern stays centred.
    CDevib d = FilledImage(21, 21, 0xFF000000);
    d.SetPixel(10, 10, GreyPixel(200));
    d.GlowSmooth(5, 6, 0, false);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            EXPECT_EQ(d.GetPixel(x, y), d.GetPixel(20 - x, 20 - y)) << x << "," << y;
    // rx = ry = 7: odd offsets only, so the centre gets nothing and its
    // diagonal neighbours the most.
    EXPECT_EQ(d.GetPixel(10, 10), 0u);
    EXPECT_EQ(d.GetPixel(11, 11), GreyPixel(255));
}

TEST(GlowSmooth, BlackImageBecomesAllZeroAndBadStrengthsDoNothing) {
    CDevib d = FilledImage(9, 9, 0xFF000000);
    d.GlowSmooth(5, 6, 0, true);
    for (PixelWord w : Words(d))
        EXPECT_EQ(w, 0u);
    d = FilledImage(9, 9, 0xFF808080);
    d.GlowSmooth(0, 3, 0, false);
    d.GlowSmooth(3, -1, 0, false);
    for (PixelWord w : Words(d))
        EXPECT_EQ(w, 0xFF808080u);
}

TEST(GlowSmooth, MatchesTheDefinitionOnRandomImages) {
    struct Case {
        int w, h, sx, sy, keep;
        bool white;
    };
    for (const Case& c : {Case{23, 19, 5, 6, 0, false}, Case{40, 33, 8, 9, 20, true},
                          Case{12, 30, 6, 6, 0, false}, Case{5, 5, 2, 3, 1, true}}) {
        const CDevib src = RandomImage(c.w, c.h, static_cast<std::uint32_t>(c.w * 7 + c.sx));
        CDevib d;
        src.CopyTo(d);
        d.GlowSmooth(c.sx, c.sy, c.keep, c.white);
        EXPECT_EQ(Words(d), Words(ReferenceGlow(src, c.sx, c.sy, c.keep, c.white)))
            << c.w << "x" << c.h << " " << c.sx << "," << c.sy;
    }
}

} // namespace
} // namespace mienlore
