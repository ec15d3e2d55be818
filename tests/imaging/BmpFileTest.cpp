// BMP files: the exact layout written for a working image, and reading the
// kinds of BMP pictures the program loads (palettes, 24 and 32 bits, both row
// orders), with clear refusals of damaged files.
#include "imaging/BmpFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace mienlore {
namespace {

using test::Put16;
using test::Put32;

// Builds a BMP file with a 40-byte header from already padded pixel rows.
std::string MakeBmp(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                    const std::string& rows, std::uint32_t colorsUsed = 0,
                    std::uint32_t compression = 0) {
    const std::uint32_t offset = 54 + static_cast<std::uint32_t>(palette.size()) * 4;
    std::string s = "BM";
    Put32(s, offset + static_cast<std::uint32_t>(rows.size()));
    Put32(s, 0);
    Put32(s, offset);
    Put32(s, 40);
    Put32(s, static_cast<std::uint32_t>(width));
    Put32(s, static_cast<std::uint32_t>(height));
    Put16(s, 1);
    Put16(s, static_cast<std::uint32_t>(bits));
    Put32(s, compression);
    Put32(s, static_cast<std::uint32_t>(rows.size()));
    Put32(s, 0);
    Put32(s, 0);
    Put32(s, colorsUsed);
    Put32(s, 0);
    for (std::uint32_t c : palette)
        Put32(s, c);
    return s + rows;
}

std::string Bytes(std::initializer_list<int> b) {
    std::string s;
    for (int v : b)
        s += static_cast<char>(v);
    return s;
}

TEST(BmpWrite, GreyPictureIsAnEightBitFileWithAGreyPaletteAndPaddedRows) {
    // 3 x 2, top row first: 10 20 30 / 40 50 60; the file stores the bottom
    // row first, each padded to 4 bytes.
    const std::uint8_t pixels[] = {10, 20, 30, 99, 40, 50, 60, 99};
    std::vector<std::uint32_t> grey;
    for (std::uint32_t i = 0; i < 256; ++i)
        grey.push_back(i * 0x010101u);
    std::string expected = MakeBmp(3, 2, 8, grey, Bytes({40, 50, 60, 0, 10, 20, 30, 0}), 256);
    expected.replace(38, 8, Bytes({0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0})); // 3780 dots per metre
    EXPECT_EQ(EncodeGreyBmp(3, 2, pixels, 4), expected);

    CDevib d;
    std::string error;
    ASSERT_TRUE(DecodeBmp(expected, d, &error)) << error;
    // The working image counts rows from the bottom, as the file stores them.
    EXPECT_EQ(d.GetPixel(2, 0), 0xFF3C3C3Cu); // 60, bottom row
    EXPECT_EQ(d.GetPixel(0, 1), 0xFF0A0A0Au); // 10, top row

    test::TempDir dir;
    EXPECT_TRUE(WriteGreyBmp(3, 2, pixels, 4, dir / "grey.bmp", &error)) << error;
    EXPECT_EQ(test::ReadFileBytes(dir / "grey.bmp"), expected);
    EXPECT_FALSE(WriteGreyBmp(0, 2, pixels, 4, dir / "empty.bmp", &error));
    EXPECT_FALSE(WriteGreyBmp(3, 2, pixels, 4, dir / "none" / "grey.bmp", &error));
}

TEST(BmpWrite, OnePixelImageGivesTheFiftyEightByteLayout) {
    CDevib d;
    d.Create(1, 1);
    d.SetPixel(0, 0, 0x80112233);
    const std::string f = EncodeBmp(d);
    ASSERT_EQ(f.size(), 58u);
    const std::string expected = Bytes(
        {'B',  'M',  58,   0,   0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                    // file header
         40,   0,    0,    0,   1, 0, 0, 0, 1, 0, 0,  0, 1, 0, 32, 0, 0, 0, 0, 0, // info header
         4,    0,    0,    0,   0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, //
         0x33, 0x22, 0x11, 0x80});                                                // the pixel word
    EXPECT_EQ(f, expected);
}

TEST(BmpWrite, RowsAreWrittenBottomFirstWithoutGapsAndReadBackUnchanged) {
    CDevib d;
    d.Create(3, 2);
    for (int k = 0; k < 6; ++k)
        d.Pixels()[k] = 0x01000000u * static_cast<PixelWord>(k) + 0x00102030u * (k + 1);
    const std::string f = EncodeBmp(d);
    ASSERT_EQ(f.size(), 54u + 24u);
    EXPECT_EQ(static_cast<std::uint8_t>(f[54 + 12]), 0x30 * 4 & 0xFF); // pixel 3 starts row 1
    CDevib back;
    std::string error;
    ASSERT_TRUE(DecodeBmp(f, back, &error)) << error;
    ASSERT_EQ(back.Width(), 3);
    ASSERT_EQ(back.Height(), 2);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(back.Pixels()[k], d.Pixels()[k]);
}

TEST(BmpWrite, FileIsReplacedAndFailuresAreReported) {
    test::TempDir dir;
    CDevib d;
    d.Create(2, 2);
    d.Fill(0xFF00FF00);
    test::WriteFileBytes(dir / "face.bmp", "old contents");
    std::string error;
    ASSERT_TRUE(WriteBmp(d, dir / "face.bmp", &error)) << error;
    EXPECT_EQ(test::ReadFileBytes(dir / "face.bmp"), EncodeBmp(d));

    EXPECT_FALSE(WriteBmp(d, dir / "missing" / "face.bmp", &error));
    EXPECT_NE(error.find("face.bmp"), std::string::npos);
    CDevib empty;
    EXPECT_FALSE(WriteBmp(empty, dir / "empty.bmp", &error));
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.bmp"));
    // No temporary files are left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(BmpRead, PaletteDepthsWithPaddingAndBothRowOrders) {
    // 8-bit grey pictures: 3 x 2, rows padded to 4 bytes.
    std::vector<std::uint32_t> grey(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        grey[i] = i * 0x010101u;
    const std::string rows8 = Bytes({10, 20, 30, 0, 40, 50, 60, 0});
    CDevib d;
    std::string error;
    ASSERT_TRUE(DecodeBmp(MakeBmp(3, 2, 8, grey, rows8), d, &error)) << error;
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF0A0A0Au); // first stored row is the bottom row
    EXPECT_EQ(d.GetPixel(2, 1), 0xFF3C3C3Cu);
    ASSERT_TRUE(DecodeBmp(MakeBmp(3, -2, 8, grey, rows8), d, &error)) << error;
    EXPECT_EQ(d.GetPixel(0, 1), 0xFF0A0A0Au); // top-down: first stored row is the top
    EXPECT_EQ(d.GetPixel(2, 0), 0xFF3C3C3Cu);

    // 4-bit, two colours used, 3 pixels per row: high nibble first.
    const std::vector<std::uint32_t> two{0x00FF0000, 0x000000FF};
    ASSERT_TRUE(DecodeBmp(MakeBmp(3, 1, 4, two, Bytes({0x01, 0x10, 0, 0}), 2), d, &error)) << error;
    EXPECT_EQ(d.GetPixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(d.GetPixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(d.GetPixel(2, 0), 0xFF0000FFu);

    // 1-bit, 10 pixels: most significant bit first.
    ASSERT_TRUE(DecodeBmp(MakeBmp(10, 1, 1, two, Bytes({0xA0, 0x40, 0, 0})), d, &error)) << error;
    const int expected[10] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(d.GetPixel(x, 0), expected[x] ? 0xFF0000FFu : 0xFFFF0000u) << x;
}

TEST(BmpRead, TrueColourDepths) {
    CDevib d;
    std::string error;
    // 24-bit, 1 x 2: blue, green, red bytes, rows padded to 4.
    ASSERT_TRUE(DecodeBmp(MakeBmp(1, 2, 24, {}, Bytes({1, 2, 3, 0, 4, 5, 6, 0})), d, &error))
        << error;
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF030201u);
    EXPECT_EQ(d.GetPixel(0, 1), 0xFF060504u);
    // 32-bit with bit-field masks in alpha-first order.
    std::string rows = Bytes({0x00, 0x11, 0x22, 0x33});
    std::string f = MakeBmp(1, 1, 32, {}, rows, 0, 3);
    std::string masks;
    Put32(masks, 0x0000FF00); // red
    Put32(masks, 0x00FF0000); // green
    Put32(masks, 0xFF000000); // blue
    f.insert(54, masks);
    f[10] = static_cast<char>(54 + 12);
    ASSERT_TRUE(DecodeBmp(f, d, &error)) << error;
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF112233u);
}

TEST(BmpRead, OldCoreHeaderWithThreeBytePalette) {
    std::string s = "BM";
    Put32(s, 26 + 6 + 4);
    Put32(s, 0);
    Put32(s, 26 + 6);
    Put32(s, 12);
    Put16(s, 1);
    Put16(s, 1);
    Put16(s, 1);
    Put16(s, 1);
    s += Bytes({1, 2, 3, 4, 5, 6}); // two palette entries, blue green red
    s += Bytes({0x80, 0, 0, 0});    // pixel 0 uses colour 1
    CDevib d;
    std::string error;
    ASSERT_TRUE(DecodeBmp(s, d, &error)) << error;
    EXPECT_EQ(d.GetPixel(0, 0), 0xFF060504u);
}

TEST(BmpRead, DamagedFilesAreRefusedWithAMessage) {
    const std::vector<std::uint32_t> two{0, 0xFFFFFF};
    const std::string good = MakeBmp(3, 2, 24, {}, std::string(24, '\x7F'));
    CDevib d;
    std::string error;
    ASSERT_TRUE(DecodeBmp(good, d, &error));

    auto refused = [&](const std::string& data, const char* word) {
        d.Create(1, 1);
        error.clear();
        const bool ok = DecodeBmp(data, d, &error);
        EXPECT_FALSE(ok) << word;
        EXPECT_TRUE(d.IsEmpty()) << word;
        EXPECT_NE(error.find(word), std::string::npos) << "message: " << error;
    };
    refused(good.substr(0, good.size() - 1), "truncated"); // last row short
    refused(good.substr(0, 30), "truncated");              // header cut
    refused("", "truncated");
    refused("PK" + good.substr(2), "BM"); // not a BMP
    std::string s = good;
    s[22] = 0; // height 0
    s[23] = s[24] = s[25] = 0;
    refused(s, "size");
    s = good;
    s[26] = 2; // two planes
    refused(s, "plane");
    s = good;
    s[28] = 16;
    refused(s, "bits per pixel");
    s = good;
    s[30] = 1; // run-length compression
    refused(s, "Compressed");
    s = good;
    s[10] = 20; // pixels inside the headers
    refused(s, "overlap");
    refused(MakeBmp(2, 1, 1, two, Bytes({0, 0, 0, 0}), 3), "palette"); // 3 colours at 1 bit
    std::string cutPalette = MakeBmp(2, 1, 8, two, Bytes({0, 1, 0, 0}));
    refused(cutPalette.substr(0, 58), "palette");
    s = good;
    s[18] = s[19] = s[20] = static_cast<char>(0xFF); // width far beyond the data
    s[21] = 0x7F;
    refused(s, "large");
}

TEST(BmpRead, PicturesLargerThanAnyFeatureOrPhotoAreRefusedBeforeAllocating) {
    // 1 bit per pixel, 20000 x 20000: 50 MB of rows would ask for 1.6 GB of
    // pixels. Only the headers are given: the size alone is refused.
    CDevib d;
    std::string error;
    EXPECT_FALSE(DecodeBmp(MakeBmp(20000, 20000, 1, {0, 0xFFFFFF}, {}), d, &error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_NE(error.find("20000 x 20000"), std::string::npos) << error;
    // The largest picture read is still read.
    const int w = 4000, h = kMaxBmpPixels / 4000;
    const std::string rows(static_cast<std::size_t>((w + 31) / 32 * 4) * h, '\0');
    EXPECT_TRUE(DecodeBmp(MakeBmp(w, h, 1, {0, 0xFFFFFF}, rows), d, &error)) << error;

    // A file larger than the largest picture is not even read.
    test::TempDir dir;
    test::WriteFileBytes(dir / "big.bmp", "");
    std::filesystem::resize_file(dir / "big.bmp", kMaxBmpFileBytes + 1);
    EXPECT_FALSE(ReadBmp(dir / "big.bmp", d, &error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
}

TEST(BmpRead, PaletteIndexBeyondTheTableIsBlack) {
    const std::vector<std::uint32_t> one{0xFFFFFF};
    CDevib d;
    std::string error;
    ASSERT_TRUE(DecodeBmp(MakeBmp(2, 1, 8, one, Bytes({0, 7, 0, 0}), 1), d, &error)) << error;
    EXPECT_EQ(d.GetPixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(d.GetPixel(1, 0), 0xFF000000u);
}

TEST(BmpRead, MissingFileIsReported) {
    test::TempDir dir;
    CDevib d;
    std::string error;
    EXPECT_FALSE(ReadBmp(dir / "none.bmp", d, &error));
    EXPECT_NE(error.find("none.bmp"), std::string::npos);
    // A folder named like a picture is reported the same way, not thrown.
    std::filesystem::create_directory(dir / "folder.bmp");
    EXPECT_FALSE(ReadBmp(dir / "folder.bmp", d, &error));
    EXPECT_NE(error.find("cannot be opened"), std::string::npos) << error;
}

} // namespace
} // namespace mienlore
