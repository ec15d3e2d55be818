// JPEG writing and the choice of format by file name.
#include "imaging/ImageFile.h"
#include "imaging/BmpFile.h"
#include "imaging/JpegFile.h"
#include "imaging/PictureDecoder.h"

#include "support/ImageTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <cstdlib>

namespace mienlore {
namespace {

struct Decoded {
    int width = 0, height = 0, subsampling = -1;
    std::vector<unsigned char> rgb; // top row first
};

Decoded DecodeJpeg(const std::string& bytes) {
    Decoded d;
    tjhandle h = tjInitDecompress();
    int colourspace = 0;
    if (tjDecompressHeader3(h, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                            &d.width, &d.height, &d.subsampling, &colourspace) == 0) {
        d.rgb.resize(static_cast<std::size_t>(d.width) * d.height * 3);
        if (tjDecompress2(h, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                          d.rgb.data(), d.width, 0, d.height, TJPF_RGB, 0) != 0)
            d.rgb.clear();
    }
    tjDestroy(h);
    return d;
}

// Top half red, bottom half blue (picture order), 16 x 16.
CDevib TwoBands() {
    CDevib d;
    d.Create(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            d.SetPixel(x, y, y >= 8 ? 0x00FF0000 : 0x000000FF);
    return d;
}

TEST(JpegWrite, BottomUpRowsArriveTopFirstAtTheRequestedQuality) {
    const CDevib d = TwoBands();
    std::string bytes;
    std::string error;
    ASSERT_TRUE(EncodeJpeg(d, kJpegFullColour, 100, bytes, &error)) << error;
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF); // SOI marker
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);
    const Decoded jpg = DecodeJpeg(bytes);
    ASSERT_EQ(jpg.width, 16);
    ASSERT_EQ(jpg.height, 16);
    EXPECT_EQ(jpg.subsampling, TJSAMP_444);
    ASSERT_FALSE(jpg.rgb.empty());
    // The first decoded row is the top of the picture: red.
    EXPECT_GT(jpg.rgb[0], 240);
    EXPECT_LT(jpg.rgb[2], 15);
    const std::size_t last = (15 * 16 + 3) * 3;
    EXPECT_LT(jpg.rgb[last], 15);
    EXPECT_GT(jpg.rgb[last + 2], 240);

    std::string smaller;
    ASSERT_TRUE(EncodeJpeg(d, kJpegSubsampledColour, 75, smaller, &error));
    EXPECT_EQ(DecodeJpeg(smaller).subsampling, TJSAMP_420);
}

TEST(JpegWrite, QualityAffectsSizeAndBadInputIsReported) {
    const CDevib noisy = test::RandomImage(64, 48, 9);
    std::string low, high, error;
    ASSERT_TRUE(EncodeJpeg(noisy, 1, 10, low, &error));
    ASSERT_TRUE(EncodeJpeg(noisy, 1, 100, high, &error));
    EXPECT_LT(low.size(), high.size());
    std::string lowest;
    EXPECT_TRUE(EncodeJpeg(noisy, 1, 0, lowest, &error)); // 0 is taken as the lowest quality
    EXPECT_TRUE(EncodeJpeg(noisy, 1, 500, lowest, &error));
    CDevib empty;
    EXPECT_FALSE(EncodeJpeg(empty, 1, 75, lowest, &error));
    EXPECT_FALSE(error.empty());
}

TEST(ImageFile, DotJpgAndDotJpegInAnyCaseAreJpeg) {
    EXPECT_TRUE(IsJpegPath("face.jpg"));
    EXPECT_TRUE(IsJpegPath("/x/FACE.JPG"));
    EXPECT_TRUE(IsJpegPath("a.b/Face.JpG"));
    EXPECT_TRUE(IsJpegPath("face.jpeg"));
    EXPECT_TRUE(IsJpegPath("FACE.JPEG"));
    EXPECT_FALSE(IsJpegPath("face.jpegx"));
    EXPECT_FALSE(IsJpegPath("face.bmp"));
    EXPECT_FALSE(IsJpegPath("jpg"));
    EXPECT_FALSE(IsJpegPath("face.jpg.bmp"));
    EXPECT_FALSE(IsJpegPath(".jpgx"));
}

TEST(ImageFile, WritesTheFormatTheNameSaysAndRefusesOthers) {
    test::TempDir dir;
    const CDevib d = TwoBands();
    std::string error;
    ASSERT_TRUE(WriteImageFile(d, dir / "face.JPG", 1, 75, &error)) << error;
    const std::string jpg = test::ReadFileBytes(dir / "face.JPG");
    EXPECT_EQ(static_cast<unsigned char>(jpg[0]), 0xFF);
    ASSERT_TRUE(WriteImageFile(d, dir / "face.jpeg", 1, 75, &error)) << error;
    EXPECT_EQ(test::ReadFileBytes(dir / "face.jpeg"), jpg); // JPEG, as the name says
    ASSERT_TRUE(WriteImageFile(d, dir / "face", 1, 75, &error)) << error;
    EXPECT_EQ(test::ReadFileBytes(dir / "face"), EncodeBmp(d)); // no extension: BMP
    // A name of a format not written here: refused, the file left alone.
    test::WriteFileBytes(dir / "face.tif", "kept");
    error.clear();
    EXPECT_FALSE(WriteImageFile(d, dir / "face.tif", 1, 75, &error));
    EXPECT_EQ(test::ReadFileBytes(dir / "face.tif"), "kept");
    EXPECT_NE(error.find(".tif"), std::string::npos) << error;
    EXPECT_NE(error.find("BMP, JPEG, PNG and GIF"), std::string::npos) << error;
    ASSERT_TRUE(WriteImageFile(d, dir / "faceSmall.bmp", 0, 100, &error)) << error;
    EXPECT_EQ(test::ReadFileBytes(dir / "faceSmall.bmp").size(), 54u + 16 * 16 * 4);
    EXPECT_FALSE(WriteImageFile(d, dir / "none" / "face.jpg", 1, 75, &error));
    EXPECT_FALSE(error.empty());
}

TEST(ImageFile, GifKeepsEveryPixelOfAPictureOfFewColours) {
    // 37 x 23 (odd sizes, rows bottom-up in memory) in five colours.
    CDevib d;
    ASSERT_TRUE(d.Create(37, 23));
    const PixelWord colours[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF, 0x00102030};
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            d.SetPixel(x, y, colours[(x / 3 + y * 2) % 5]);
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteImageFile(d, dir / "face.Gif", 1, 75, &error)) << error;
    const std::string bytes = test::ReadFileBytes(dir / "face.Gif");
    EXPECT_EQ(bytes.substr(0, 4), "GIF8");
    DecodedPicture read;
    ASSERT_TRUE(DecodeRasterPicture(bytes, read, &error)) << error;
    ASSERT_EQ(read.bitmap.Width(), 37);
    ASSERT_EQ(read.bitmap.Height(), 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            ASSERT_EQ(read.bitmap.GetPixel(x, y) & 0xFFFFFF, colours[(x / 3 + y * 2) % 5])
                << x << "," << y;
}

} // namespace
} // namespace mienlore
