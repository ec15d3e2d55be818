// Operations that compute each pixel from itself.
#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

using namespace test;

TEST(PointOps, ToGrayUsesTheIntegerLuma) {
    CDevib d = ImageOf(2, 1, {0x006432C8, 0x12FFFFFF});
    d.ToGray();
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF525252u); // (77*100 + 150*50 + 29*200) >> 8 = 82
    EXPECT_EQ(d.GetPixel(1, 0), 0xFFFFFFFFu);
}

TEST(PointOps, InvertTwiceRestoresColourWithOpaqueAlpha) {
    CDevib d = ImageOf(2, 1, {0x00123456, 0x80FF00FF});
    d.Invert();
    EXPECT_EQ(d.GetPixel(0, 0), 0xFFEDCBA9u);
    EXPECT_EQ(d.GetPixel(1, 0), 0xFF00FF00u);
    d.Invert();
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0xFF123456, 0xFFFF00FF}));
}

TEST(PointOps, BlackWhiteWithAnExplicitThreshold) {
    CDevib d = ImageOf(3, 1, {0x00646464, 0x00656565, 0x00000000});
    d.ToBlackWhite(101);
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0xFF000000, 0xFFFFFFFF, 0xFF000000}));
}

TEST(PointOps, BlackWhiteThresholdFromTheMeanOfMidLumas) {
    // Lumas 10, 200, 0, 255 and 104: the mean over 1..254 is
    // (10 + 200 + 104) / 3 = 104; a luma equal to the threshold is white.
    CDevib d = ImageOf(5, 1, {0x000A0A0A, 0x00C8C8C8, 0x00000000, 0x00FFFFFF, 0x00686868});
    d.ToBlackWhite(0);
    EXPECT_EQ(Words(d),
              (std::vector<PixelWord>{0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF}));
}

TEST(PointOps, BlackWhiteOnPlainImagesTurnsEverythingWhite) {
    // No luma counts, the threshold stays 0 and nothing is below it.
    for (PixelWord plain : {0xFF000000u, 0xFFFFFFFFu}) {
        CDevib d = FilledImage(3, 2, plain);
        d.ToBlackWhite(0);
        for (PixelWord w : Words(d))
            EXPECT_EQ(w, 0xFFFFFFFFu);
    }
}

TEST(PointOps, LightenRaisesChannelsTowardsWhite) {
    CDevib d = ImageOf(1, 1, {0x0000FF80});
    d.Lighten(100);
    // 0 -> 100, 255 -> 255, 128 -> 128 + 100 - 12800/255 = 178.
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF64FFB2u);
    d = ImageOf(1, 1, {0x00102030});
    d.Lighten(1000); // capped at 255: all white
    EXPECT_EQ(d.GetPixel(0, 0), 0xFFFFFFFFu);
    d = ImageOf(1, 1, {0x00102030});
    d.Lighten(-1);
    EXPECT_EQ(d.GetPixel(0, 0), 0x00102030u);
    d.Lighten(0); // only alpha changes
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF102030u);
}

TEST(PointOps, ReplaceColorKeysOnTheRgbOfOnePixel) {
    // Key (1, 0) = 0x..112233; alpha is not compared.
    CDevib d = ImageOf(2, 2, {0x00445566, 0xFF112233, 0x7F112233, 0x00112234});
    d.ReplaceColor(0x00CCBBAA, 1, 0);
    EXPECT_EQ(Words(d), (std::vector<PixelWord>{0x00445566, 0x00AABBCC, 0x00AABBCC, 0x00112234}));
    // Outside the image: the key is pixel (0, 0).
    d.ReplaceColor(0x00000001, 5, -1);
    EXPECT_EQ(d.GetPixel(0, 0), 0x00010000u);
    EXPECT_EQ(d.GetPixel(1, 1), 0x00112234u);
}

} // namespace
} // namespace mienlore
