#include "imaging/EffectFrames.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

TEST(EffectFramesTest, BoxAverageOfOneBrightPixelSpreadsANinth) {
    CDevib source, target;
    ASSERT_TRUE(source.Create(5, 5));
    ASSERT_TRUE(target.Create(5, 5));
    source.Fill(MakePixel(0, 0, 0));
    target.Fill(MakePixel(7, 7, 7));
    source.SetPixel(2, 2, MakePixel(90, 180, 255));
    CEffectFrames::BoxAverage3(source, target);
    // Every inner pixel sees the bright one: 90/9, 180/9, 255/9 truncated.
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x)
            EXPECT_EQ(target.GetPixel(x, y), MakePixel(10, 20, 28)) << x << "," << y;
    // The border keeps its pixels.
    EXPECT_EQ(target.GetPixel(0, 0), MakePixel(7, 7, 7));
    EXPECT_EQ(target.GetPixel(4, 2), MakePixel(7, 7, 7));
}

TEST(EffectFramesTest, TheGlowGrowsRoundTheShadowAndSettles) {
    CEffectFrames fx;
    const PixelWord white = MakePixel(255, 255, 255);
    // A 4 x 4 square at (10, 10) in a 120 x 30 picture.
    ASSERT_TRUE(fx.Setup(
        120, 30, [](int x, int y) { return x >= 10 && x < 14 && y >= 10 && y < 14; },
        MakePixel(0, 0, 0), white));
    // Picture (11, 11) is storage row 30 - 1 - 11.
    EXPECT_EQ(fx.Shown().GetPixel(11, 18), MakePixel(0, 0, 0));
    EXPECT_EQ(fx.Shown().GetPixel(60, 5), white);
    // Inside the moved shadow (x 18..21, y 16..19) the glow turns red.
    for (int i = 0; i < 30; ++i)
        fx.Step();
    const PixelWord glow = fx.Shown().GetPixel(19, 30 - 1 - 17);
    EXPECT_EQ(RedOf(glow), 255);
    EXPECT_LT(GreenOf(glow), 120);
    // Far away the background stays.
    EXPECT_EQ(fx.Shown().GetPixel(100, 15), white);
    // Just outside the shadow the glow shows, redder than white, and it grows.
    const PixelWord edge = fx.Shown().GetPixel(23, 30 - 1 - 17);
    EXPECT_GT(RedOf(edge), GreenOf(edge) + 20);
    EXPECT_LT(GreenOf(edge), 255);
    for (int i = 0; i < 10; ++i)
        fx.Step();
    EXPECT_LE(GreenOf(fx.Shown().GetPixel(23, 30 - 1 - 17)), GreenOf(edge));
    EXPECT_EQ(fx.Frames(), 40);
}

} // namespace
} // namespace mienlore
