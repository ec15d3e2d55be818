// Conversions between the working image and QImage keep the picture upright.
#include "imaging/ui/DevibImage.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

TEST(DevibImage, ToQImagePutsTheTopRowFirst) {
    CDevib d;
    d.Create(2, 2);
    d.SetPixel(0, 0, 0x00112233); // bottom-left, alpha 0
    d.SetPixel(1, 1, 0xFF445566); // top-right
    const QImage image = ToQImage(d);
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 1), 0xFF112233u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF445566u);
    EXPECT_TRUE(ToQImage(CDevib()).isNull());
}

TEST(DevibImage, FromQImageConvertsAnyFormatAndRoundTrips) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(0xFF000000);
    image.setPixel(0, 0, 0xFFAABBCC); // top-left
    image.setPixel(2, 1, 0xFF010203); // bottom-right
    CDevib d;
    ASSERT_TRUE(FromQImage(image, d));
    ASSERT_EQ(d.Width(), 3);
    ASSERT_EQ(d.Height(), 2);
    EXPECT_EQ(d.GetPixel(0, 1), 0xFFAABBCCu);
    EXPECT_EQ(d.GetPixel(2, 0), 0xFF010203u);
    EXPECT_EQ(ToQImage(d), image.convertToFormat(QImage::Format_RGB32));

    QImage grey(2, 1, QImage::Format_Grayscale8);
    grey.fill(0x80);
    ASSERT_TRUE(FromQImage(grey, d));
    EXPECT_EQ(d.GetPixel(1, 0), 0xFF808080u);
    EXPECT_FALSE(FromQImage(QImage(), d));
    EXPECT_TRUE(d.IsEmpty());
}

} // namespace
} // namespace mienlore
