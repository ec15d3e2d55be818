// PNG export: the picture arrives top row first with its RGB values intact.
#include "imaging/PngFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <vector>

namespace mienlore {
namespace {

std::vector<std::uint8_t> DecodeRgb(const std::string& bytes, int& w, int& h) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr))
        return {};
    w = static_cast<int>(image.width);
    h = static_cast<int>(image.height);
    return rgb;
}

TEST(PngWrite, PictureIsWrittenTopRowFirstWithoutAlpha) {
    CDevib d;
    d.Create(2, 2);
    d.SetPixel(0, 0, 0x00102030); // bottom-left, alpha 0 must not make it transparent
    d.SetPixel(1, 0, 0xFF405060);
    d.SetPixel(0, 1, 0xFF708090); // top-left
    d.SetPixel(1, 1, 0x12A0B0C0);
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(WritePng(d, dir / "out.png", &error)) << error;
    int w = 0, h = 0;
    const auto rgb = DecodeRgb(test::ReadFileBytes(dir / "out.png"), w, h);
    ASSERT_EQ(w, 2);
    ASSERT_EQ(h, 2);
    const std::vector<std::uint8_t> expected{0x70, 0x80, 0x90, 0xA0, 0xB0, 0xC0,
                                             0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    EXPECT_EQ(rgb, expected);
}

TEST(PngWrite, FailuresAreReported) {
    test::TempDir dir;
    CDevib empty;
    std::string error;
    EXPECT_FALSE(WritePng(empty, dir / "a.png", &error));
    EXPECT_FALSE(error.empty());
    CDevib d;
    d.Create(1, 1);
    EXPECT_FALSE(WritePng(d, dir / "no" / "a.png", &error));
    EXPECT_NE(error.find("a.png"), std::string::npos);
}

} // namespace
} // namespace mienlore
