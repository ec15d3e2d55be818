// The working image's storage, header and the rectangle transfers between
// images that stand in for the drawing surface.
#include "imaging/Devib.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

// Pixel words numbered by storage address, so copies can be traced.
CDevib Numbered(int w, int h) {
    CDevib d;
    d.Create(w, h);
    for (int k = 0; k < d.Count(); ++k)
        d.Pixels()[k] = 0xFF000000u | static_cast<PixelWord>(k + 1);
    return d;
}

TEST(DevibStorage, CreateFillsTheHeaderAndZeroesThePixels) {
    CDevib d;
    ASSERT_TRUE(d.Create(3, 2));
    EXPECT_EQ(d.Width(), 3);
    EXPECT_EQ(d.Height(), 2);
    EXPECT_EQ(d.Count(), 6);
    const BitmapInfoHeader& h = d.InfoHeader();
    EXPECT_EQ(h.size, 40u);
    EXPECT_EQ(h.width, 3);
    EXPECT_EQ(h.height, 2);
    EXPECT_EQ(h.planes, 1);
    EXPECT_EQ(h.bitCount, 32);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(h.sizeImage, 24u);
    EXPECT_EQ(h.clrUsed, 0u);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(d.Pixels()[k], 0u);
    static_assert(sizeof(BitmapInfoHeader) == 40);
}

TEST(DevibStorage, FailedCreateLeavesAnEmptyImage) {
    CDevib d;
    ASSERT_TRUE(d.Create(4, 4));
    EXPECT_FALSE(d.Create(0, 5));
    EXPECT_TRUE(d.IsEmpty());
    EXPECT_EQ(d.Width(), 0);
    EXPECT_EQ(d.Height(), 0);
    EXPECT_FALSE(d.Create(-3, 5));
    EXPECT_FALSE(d.Create(100000, 100000)); // image size would not fit its 32-bit field
    EXPECT_TRUE(d.IsEmpty());
    d.Fill(0x12345678); // no effect, no crash
}

TEST(DevibStorage, PixelAccessUsesBottomUpStorageAddresses) {
    CDevib d;
    d.Create(3, 2);
    d.SetPixel(2, 1, 0xAABBCCDD);
    EXPECT_EQ(d.Pixels()[5], 0xAABBCCDDu);
    EXPECT_EQ(d.GetPixel(2, 1), 0xAABBCCDDu);
    d.SetRGB(0, 1, 0x12, 0x34, 0x56);
    EXPECT_EQ(d.GetPixel(0, 1), 0xFF123456u);
    d.Fill(0x01020304);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(d.Pixels()[k], 0x01020304u);
}

TEST(DevibStorage, CopyToResizesOnlyWhenNeeded) {
    const CDevib src = Numbered(3, 2);
    CDevib other;
    src.CopyTo(other);
    ASSERT_EQ(other.Width(), 3);
    ASSERT_EQ(other.Height(), 2);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(other.Pixels()[k], src.Pixels()[k]);
    const PixelWord* before = other.Pixels();
    src.CopyTo(other);
    EXPECT_EQ(other.Pixels(), before);

    CDevib empty;
    empty.CopyTo(other);
    EXPECT_TRUE(other.IsEmpty());
}

TEST(DevibStorage, ClampRectKeepsEachEdgeInside) {
    CDevib d;
    d.Create(10, 8);
    ImageRect r{-5, 3, 12, 20};
    d.ClampRect(r);
    EXPECT_EQ(r, (ImageRect{0, 3, 10, 8}));
    ImageRect inverted{15, -2, -4, 9};
    d.ClampRect(inverted);
    EXPECT_EQ(inverted, (ImageRect{10, 0, 0, 8}));
}

TEST(DevibTransfer, GrabCopiesAPictureRectangleKeepingRowOrder) {
    // Canvas 4 x 3; storage row 2 is the top picture row.
    const CDevib canvas = Numbered(4, 3);
    CDevib part;
    ASSERT_TRUE(part.Grab(canvas, ImageRect{1, 0, 3, 2})); // picture rows 0..1 = storage 2..1
    ASSERT_EQ(part.Width(), 2);
    ASSERT_EQ(part.Height(), 2);
    // part's bottom row is picture row 1 = canvas storage row 1.
    EXPECT_EQ(part.GetPixel(0, 0), canvas.GetPixel(1, 1));
    EXPECT_EQ(part.GetPixel(1, 0), canvas.GetPixel(2, 1));
    EXPECT_EQ(part.GetPixel(0, 1), canvas.GetPixel(1, 2));
    EXPECT_EQ(part.GetPixel(1, 1), canvas.GetPixel(2, 2));
}

TEST(DevibTransfer, GrabOutsideTheSurfaceGivesZeroAndNegativeRectsDoNothing) {
    const CDevib canvas = Numbered(2, 2);
    CDevib part;
    ASSERT_TRUE(part.Grab(canvas, ImageRect{-1, -1, 1, 1}));
    ASSERT_EQ(part.Count(), 4);
    EXPECT_EQ(part.GetPixel(0, 1), 0u);                    // picture (-1, -1)
    EXPECT_EQ(part.GetPixel(1, 1), 0u);                    // picture (0, -1)
    EXPECT_EQ(part.GetPixel(0, 0), 0u);                    // picture (-1, 0)
    EXPECT_EQ(part.GetPixel(1, 0), canvas.GetPixel(0, 1)); // picture (0, 0)

    CDevib untouched = Numbered(1, 1);
    EXPECT_FALSE(untouched.Grab(canvas, ImageRect{1, 0, 0, 1}));
    EXPECT_EQ(untouched.Count(), 1);
    EXPECT_EQ(untouched.GetPixel(0, 0), 0xFF000001u);
}

TEST(DevibTransfer, DrawToIsTheInverseOfGrabAndClips) {
    CDevib canvas = Numbered(5, 4);
    CDevib part;
    part.Grab(canvas, ImageRect{1, 1, 4, 3});
    CDevib blank;
    blank.Create(5, 4);
    part.DrawTo(blank, 1, 1, part.Width(), part.Height());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool inside = x >= 1 && x < 4 && (4 - 1 - y) >= 1 && (4 - 1 - y) < 3;
            EXPECT_EQ(blank.GetPixel(x, y), inside ? canvas.GetPixel(x, y) : 0u) << x << "," << y;
        }

    // Partly outside: only the overlapping pixels are written.
    CDevib small;
    small.Create(2, 2);
    part.DrawTo(small, -2, -1, part.Width(), part.Height());
    // part picture (2, 1) lands on small picture (0, 0) = storage (0, 1).
    EXPECT_EQ(small.GetPixel(0, 1), part.GetPixel(2, 0));
    EXPECT_EQ(small.GetPixel(1, 1), 0u);
    EXPECT_EQ(small.GetPixel(0, 0), 0u);
}

TEST(DevibTransfer, StretchFromPicksNearestPixelsFromTheTop) {
    const CDevib src = Numbered(2, 2);
    CDevib big;
    big.Create(4, 4);
    big.StretchFrom(src);
    // Picture row 0 (storage 3) comes from source picture row 0 (storage 1).
    EXPECT_EQ(big.GetPixel(0, 3), src.GetPixel(0, 1));
    EXPECT_EQ(big.GetPixel(3, 3), src.GetPixel(1, 1));
    EXPECT_EQ(big.GetPixel(1, 2), src.GetPixel(0, 1));
    EXPECT_EQ(big.GetPixel(2, 1), src.GetPixel(1, 0));
    EXPECT_EQ(big.GetPixel(3, 0), src.GetPixel(1, 0));
}

} // namespace
} // namespace mienlore
