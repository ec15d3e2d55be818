// The photo view: zoom and pan limits, the effects and their order, the
// sketch under the face, the size rules for large pictures, loading and
// reloading, the thumbnail placement and the saved view.
#include "support/ImageTestSupport.h"
#include "support/TestSupport.h"

#include "imaging/BmpFile.h"
#include "imaging/GifFile.h"
#include "imaging/JpegFile.h"
#include "imaging/PhotoView.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PictureLimit.h"
#include "imaging/PngFile.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <zlib.h>

namespace mienlore {
namespace {

using namespace test;

constexpr PixelWord kBlack = 0xFF000000u;
constexpr PixelWord kWhiteWord = 0xFFFFFFFFu;

// The grey level seen at picture position (x, y) (y counted from the top).
int LumaAt(const CDevib& d, int x, int y) {
    return LumaInt(d.GetPixel(x, d.Height() - 1 - y));
}

// A picture: left half black, right half white.
CDevib HalfBlack(int w, int h) {
    CDevib d = FilledImage(w, h, kWhiteWord);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w / 2; ++x)
            d.SetPixel(x, y, kBlack);
    return d;
}

// A decoder that hands out a given picture and counts its calls.
struct FakeDecoder {
    int width = 0, height = 0;
    int* calls = nullptr;
    bool operator()(std::string_view bytes, DecodedPicture& out, std::string* error) const {
        ++*calls;
        if (bytes != "picture") {
            if (error)
                *error = "not a picture";
            return false;
        }
        return out.bitmap.Create(width, height);
    }
};

TEST(PhotoZoom, ButtonsAndKeysStayWithinTheirRange) {
    CPhotoView v;
    EXPECT_EQ(v.Zoom(), 100);
    v.SetZoom(25);
    v.ZoomIn();
    EXPECT_EQ(v.Zoom(), 20);
    v.ZoomIn();
    EXPECT_EQ(v.Zoom(), 20);
    v.SetZoom(30);
    v.ZoomIn();
    EXPECT_EQ(v.Zoom(), 20);
    v.SetZoom(31);
    v.ZoomIn();
    EXPECT_EQ(v.Zoom(), 21);
    v.SetZoom(295);
    v.ZoomOut(false);
    EXPECT_EQ(v.Zoom(), 300);
    v.ZoomOut(false);
    EXPECT_EQ(v.Zoom(), 300);
    // While video runs the picture never shrinks below the frame.
    v.SetZoom(95);
    v.ZoomOut(true);
    EXPECT_EQ(v.Zoom(), 100);
    v.ZoomOut(true);
    EXPECT_EQ(v.Zoom(), 100);
    // The keys step by one; the value never reaches 0, where the view
    // would divide by it.
    v.SetZoom(20 - 1);
    EXPECT_EQ(v.Zoom(), 20);
    v.SetZoom(0);
    EXPECT_EQ(v.Zoom(), 20);
    v.SetZoom(301);
    EXPECT_EQ(v.Zoom(), 300);
}

TEST(PhotoZoom, PanStaysWithinTheSliders) {
    CPhotoView v;
    v.SetPan(-101, 151);
    EXPECT_EQ(v.PanX(), -100);
    EXPECT_EQ(v.PanY(), 150);
}

TEST(PhotoReset, ClearsEffectsAndTransformButKeepsTheFaceBackgroundView) {
    CPhotoView v;
    v.effects = {true, true, true, true, true, true};
    v.SetZoom(50);
    v.SetPan(5, -5);
    v.RotateLeft();
    v.RotateLeft();
    v.RotateRight();
    EXPECT_EQ(v.Rotation(), 2);
    EXPECT_TRUE(v.IsTransformed());
    v.Reset();
    EXPECT_EQ(v.effects, PhotoEffects{});
    EXPECT_EQ(v.Rotation(), 0);
    EXPECT_EQ(v.Zoom(), 100);
    EXPECT_FALSE(v.IsTransformed());
    v.backgroundFace = true;
    v.Reset();
    EXPECT_TRUE(v.IsTransformed());
    // Any other zoom value shows at another size: 10000 / 99 is 101 %.
    v.backgroundFace = false;
    v.SetZoom(99);
    EXPECT_TRUE(v.IsTransformed());
}

class PhotoDraw : public ::testing::Test {
protected:
    // Loads the image through a BMP file.
    void LoadImage(CPhotoView& v, const CDevib& image) {
        const auto path = dir / "photo.bmp";
        ASSERT_TRUE(WriteBmp(image, path));
        std::string error;
        ASSERT_TRUE(v.Load(path, &error)) << error;
    }
    CDevib Surface(int w, int h, PixelWord fill = 0xFF123456u) { return FilledImage(w, h, fill); }
    TempDir dir;
};

TEST_F(PhotoDraw, FittedViewIsCentredWithTheGradientOnItsLeft) {
    CPhotoView v;
    LoadImage(v, FilledImage(100, 50, MakePixel(10, 200, 30)));
    CDevib s = Surface(200, 200);
    v.DrawPhoto(s, ImageRect{0, 0, 200, 200}, false);
    // s = min(200/100, 200/50) * 0.98 = 1.96: 196 x 98 at (2, 51).
    EXPECT_EQ(s.GetPixel(0, 100), GreyPixel(160));
    EXPECT_EQ(s.GetPixel(1, 100), GreyPixel(158));
    const int top = 51, bottom = 51 + 98; // picture rows
    EXPECT_EQ(s.GetPixel(2, 199 - top), MakePixel(10, 200, 30));
    EXPECT_EQ(s.GetPixel(197, 199 - (bottom - 1)), MakePixel(10, 200, 30));
    EXPECT_EQ(s.GetPixel(198, 199 - top), 0xFF123456u);       // right of it
    EXPECT_EQ(s.GetPixel(100, 199 - (top - 1)), 0xFF123456u); // above it
    // The gradient covers the whole height left of the picture.
    EXPECT_EQ(s.GetPixel(1, 0), GreyPixel(158));
    EXPECT_EQ(s.GetPixel(1, 199), GreyPixel(158));
}

TEST_F(PhotoDraw, GradientStartsLaterForAWindowFurtherRight) {
    CPhotoView v;
    LoadImage(v, FilledImage(10, 100, kBlack));
    v.gradientStart = 70;
    CDevib s = Surface(200, 100);
    v.DrawPhoto(s, ImageRect{0, 0, 200, 100}, false);
    EXPECT_EQ(s.GetPixel(0, 50), GreyPixel(20));
    EXPECT_EQ(s.GetPixel(10, 50), GreyPixel(0)); // never below black
}

TEST_F(PhotoDraw, PanMovesTheZoomedPicture) {
    CPhotoView v;
    LoadImage(v, HalfBlack(100, 100));
    v.SetPan(1, 0); // transformed at 100 %: the boundary sits near column 50
    CDevib a = Surface(100, 100);
    v.DrawPhoto(a, ImageRect{0, 0, 100, 100}, false);
    v.SetPan(11, 0);
    CDevib b = Surface(100, 100);
    v.DrawPhoto(b, ImageRect{0, 0, 100, 100}, false);
    // Where the black half gives way to the white one.
    auto boundary = [](const CDevib& d) {
        int x = 0;
        while (x < d.Width() && LumaAt(d, x, 50) > 128)
            ++x;
        while (x < d.Width() && LumaAt(d, x, 50) <= 128)
            ++x;
        return x;
    };
    EXPECT_EQ(boundary(b) - boundary(a), 10);
    // Beyond the picture the view is white: pan far right shows white on
    // the left.
    v.SetPan(100, 0);
    CDevib c = Surface(100, 100);
    v.DrawPhoto(c, ImageRect{0, 0, 100, 100}, false);
    EXPECT_EQ(LumaAt(c, 0, 50), 255);
}

TEST_F(PhotoDraw, ZoomedWindowEqualsTheWholeResampleCropped) {
    // The view resamples only the window it shows; it must give the pixels of
    // resampling the whole and cropping, for any offset and either sign.
    const CDevib source = test::RandomImage(37, 23, 5);
    for (auto [fw, fh, ox, oy] : {std::array{90, 70, 10, 5}, std::array{90, 70, -7, -3},
                                  std::array{30, 20, -20, 4}, std::array{200, 150, 150, 120}}) {
        CDevib full;
        ASSERT_TRUE(full.Create(fw, fh));
        CDevib::Resample(full, source);
        // CropCentered to a 40 x 30 rect whose offset gives (ox, oy).
        const int left = ox - (fw - 40) / 2, top = oy - (fh - 30) / 2;
        full.CropCentered(ImageRect{left, top, left + 40, top + 30}, 0xFFFFFF);
        CDevib window;
        ASSERT_TRUE(window.Create(40, 30));
        CDevib::ResampleWindow(window, source, fw, fh, ox, oy, 0xFFFFFF);
        EXPECT_EQ(Words(window), Words(full)) << fw << "x" << fh << " at " << ox << "," << oy;
    }
}

TEST_F(PhotoDraw, EdgeAndInvertTogetherInvertOnce) {
    CPhotoView v;
    const CDevib picture = HalfBlack(40, 40);
    CDevib edgeOnly, both, expected;
    picture.CopyTo(edgeOnly);
    picture.CopyTo(both);
    picture.CopyTo(expected);
    v.effects.edge = true;
    v.ApplyEffects(edgeOnly, true);
    v.effects.invert = true;
    v.ApplyEffects(both, true);
    EXPECT_EQ(Words(both), Words(edgeOnly));
    // Dark edges on a light ground: flat parts white, the boundary black.
    EXPECT_EQ(LumaAt(both, 5, 20), 255);
    EXPECT_EQ(LumaAt(both, 19, 20), 0);
    // Invert alone: black becomes white.
    v.effects = {};
    v.effects.invert = true;
    v.ApplyEffects(expected, true);
    EXPECT_EQ(LumaAt(expected, 5, 20), 255);
    EXPECT_EQ(LumaAt(expected, 30, 20), 0);
}

TEST_F(PhotoDraw, EffectsOfTheSixButtons) {
    CPhotoView v;
    CDevib img = FilledImage(20, 20, MakePixel(200, 100, 50));
    v.effects.gray = true;
    v.ApplyEffects(img, true);
    EXPECT_EQ(img.GetPixel(3, 3), GreyPixel((77 * 200 + 150 * 100 + 29 * 50) >> 8));
    // Black and white of a two-level picture: the mean splits them.
    CDevib bw = FilledImage(20, 20, GreyPixel(60));
    for (int x = 0; x < 10; ++x)
        bw.SetPixel(x, 5, GreyPixel(200));
    v.effects = {};
    v.effects.blackWhite = true;
    v.ApplyEffects(bw, true);
    EXPECT_EQ(bw.GetPixel(0, 5), kWhiteWord);
    EXPECT_EQ(bw.GetPixel(15, 5), kBlack);
    // The median removes a lone speck.
    CDevib speck = FilledImage(20, 20, kWhiteWord);
    speck.SetPixel(10, 10, kBlack);
    v.effects = {};
    v.effects.median = true;
    v.ApplyEffects(speck, true);
    EXPECT_EQ(LumaAt(speck, 10, 9), 255);
    // The key colour: every pixel like pixel (0, 0) becomes the key colour.
    CDevib keyed = FilledImage(4, 4, MakePixel(1, 2, 3));
    keyed.SetPixel(2, 2, MakePixel(9, 9, 9));
    v.effects = {};
    v.keyOn = true;
    v.keyColour = 0x0000FF; // red
    v.ApplyEffects(keyed, true);
    EXPECT_EQ(keyed.GetPixel(1, 1) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(keyed.GetPixel(2, 2), MakePixel(9, 9, 9));
    CDevib unkeyed = FilledImage(4, 4, MakePixel(1, 2, 3));
    v.ApplyEffects(unkeyed, false); // video frames keep their colours
    EXPECT_EQ(unkeyed.GetPixel(1, 1), MakePixel(1, 2, 3));
}

TEST_F(PhotoDraw, RotateLeftTurnsThePictureToTheLeft) {
    CDevib img = FilledImage(100, 100, kWhiteWord);
    for (int y = 0; y < 100; ++y)
        img.SetPixel(50, y, kBlack);
    CPhotoView v;
    for (int i = 0; i < 5; ++i)
        v.RotateLeft();
    EXPECT_EQ(v.Rotation(), 10);
    v.ApplyEffects(img, false);
    auto darkest = [&img](int y) {
        int best = 0;
        for (int x = 1; x < 100; ++x)
            if (LumaAt(img, x, y) < LumaAt(img, best, y))
                best = x;
        return best;
    };
    // Counter-clockwise: the top of the line leans left, its foot right.
    EXPECT_LT(darkest(10), 45);
    EXPECT_GT(darkest(90), 55);
}

TEST_F(PhotoDraw, SketchUnderTheFaceIsInvertedEdgesRotated) {
    CPhotoView v;
    LoadImage(v, HalfBlack(100, 100));
    v.backgroundFace = true;
    v.effects.invert = true; // effects do not matter under the face
    v.effects.gray = true;
    CDevib s = Surface(100, 100);
    v.DrawPhoto(s, ImageRect{0, 0, 100, 100}, true);
    // Light ground, a dark vertical line where black meets white.
    EXPECT_GE(LumaAt(s, 10, 50), 250);
    EXPECT_GE(LumaAt(s, 90, 50), 250);
    EXPECT_GE(LumaAt(s, 2, 2), 250); // beyond the picture: light as well
    int darkInRow = 0, darkInColumn = 0;
    for (int i = 10; i < 90; ++i) {
        darkInRow += LumaAt(s, i, 50) < 100;
        darkInColumn += LumaAt(s, 50, i) < 100;
    }
    EXPECT_GE(darkInRow, 1);
    EXPECT_LE(darkInRow, 3);
    EXPECT_GE(darkInColumn, 78);

    // A quarter turn lays the line across.
    v.SetRotation(90);
    CDevib r = Surface(100, 100);
    v.DrawPhoto(r, ImageRect{0, 0, 100, 100}, true);
    darkInRow = darkInColumn = 0;
    for (int i = 10; i < 90; ++i) {
        darkInRow += LumaAt(r, i, 50) < 100 || LumaAt(r, i, 49) < 100 || LumaAt(r, i, 51) < 100;
        darkInColumn += LumaAt(r, 30, i) < 100;
    }
    EXPECT_GE(darkInRow, 78);
    EXPECT_LE(darkInColumn, 3);
}

TEST(PhotoLarge, RenderSizeOfWidePictures) {
    int calls = 0;
    const auto sizeFor = [&calls](int w, int h) {
        TempDir dir;
        test::WriteFileBytes(dir / "p", "picture");
        CPhotoView v(FakeDecoder{w, h, &calls});
        EXPECT_TRUE(v.Load(dir / "p"));
        return v.RenderSize();
    };
    EXPECT_EQ(sizeFor(2500, 1000), (ImageSize{1250, 500}));
    EXPECT_EQ(sizeFor(2999, 1000), (ImageSize{1499, 500}));
    EXPECT_EQ(sizeFor(3000, 999), (ImageSize{1000, 333}));
    EXPECT_EQ(sizeFor(2000, 1000), (ImageSize{2000, 1000}));
}

TEST(PhotoLarge, WidePictureIsDecodedOnceAndNoLongerLookedAt) {
    TempDir dir;
    test::WriteFileBytes(dir / "p", "picture");
    int calls = 0;
    CPhotoView v(FakeDecoder{2500, 400, &calls});
    ASSERT_TRUE(v.Load(dir / "p"));
    EXPECT_TRUE(v.ReloadFlag());
    CDevib s = FilledImage(300, 300, 0);
    v.DrawPhoto(s, ImageRect{0, 0, 300, 300}, false);
    EXPECT_FALSE(v.ReloadFlag());
    // Even a changed file is not read again for drawing.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    test::WriteFileBytes(dir / "p", "picture ");
    v.DrawPhoto(s, ImageRect{0, 0, 300, 300}, true);
    v.DrawPhoto(s, ImageRect{0, 0, 300, 300}, false);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(v.DecodeCount(), 1);
}

TEST(PhotoLoad, SmallPictureIsReadAgainOnlyWhenTheFileChanges) {
    TempDir dir;
    const auto path = dir / "p.bmp";
    ASSERT_TRUE(WriteBmp(FilledImage(8, 8, kBlack), path));
    CPhotoView v;
    ASSERT_TRUE(v.Load(path));
    CDevib s = FilledImage(50, 50, 0);
    for (int i = 0; i < 5; ++i)
        v.DrawPhoto(s, ImageRect{0, 0, 50, 50}, false);
    EXPECT_EQ(v.DecodeCount(), 1);
    ASSERT_TRUE(WriteBmp(FilledImage(9, 8, kWhiteWord), path)); // another size
    v.DrawPhoto(s, ImageRect{0, 0, 50, 50}, false);
    EXPECT_EQ(v.DecodeCount(), 2);
    EXPECT_EQ(v.Picture().bitmap.Width(), 9);
    // A file that turns unreadable keeps the decoded copy.
    test::WriteFileBytes(path, "garbage!!");
    v.DrawPhoto(s, ImageRect{0, 0, 50, 50}, false);
    EXPECT_EQ(v.Picture().bitmap.Width(), 9);
}

TEST(PhotoLoad, FailedLoadKeepsThePreviousPicture) {
    TempDir dir;
    ASSERT_TRUE(WriteBmp(FilledImage(8, 6, kBlack), dir / "good.bmp"));
    test::WriteFileBytes(dir / "bad.gif", "GIF89a nonsense");
    CPhotoView v;
    ASSERT_TRUE(v.Load(dir / "good.bmp"));
    std::string error;
    EXPECT_FALSE(v.Load(dir / "bad.gif", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(v.Load(dir / "missing.png", &error));
    EXPECT_EQ(v.Path(), dir / "good.bmp");
    EXPECT_EQ(v.Picture().bitmap.Width(), 8);
    // Drawing without any picture does nothing.
    CPhotoView empty;
    CDevib s = FilledImage(10, 10, 7);
    empty.DrawPhoto(s, ImageRect{0, 0, 10, 10}, false);
    EXPECT_EQ(s.GetPixel(0, 0), 7u);
}

TEST(PhotoLoad, AdoptedPictureHasNoFileToReload) {
    CPhotoView v;
    DecodedPicture p;
    p.bitmap = FilledImage(10, 10, kBlack);
    v.Adopt(std::move(p));
    EXPECT_TRUE(v.HasPicture());
    EXPECT_TRUE(v.Path().empty());
    EXPECT_FALSE(v.RefreshIfChanged());
    CDevib s = FilledImage(20, 20, kWhiteWord);
    v.DrawPhoto(s, ImageRect{0, 0, 20, 20}, false);
    EXPECT_EQ(s.GetPixel(10, 10), kBlack);
    EXPECT_EQ(v.DecodeCount(), 0);
}

TEST(PhotoDecode, RasterFormatsByTheirSignature) {
    CDevib image = test::RandomImage(13, 7, 3);
    for (int k = 0; k < image.Count(); ++k)
        image.Pixels()[k] |= kOpaque;
    std::string bmp = EncodeBmp(image), png, jpeg;
    ASSERT_TRUE(EncodePng(image, png));
    ASSERT_TRUE(EncodeJpeg(FilledImage(16, 8, MakePixel(200, 40, 90)), 0, 100, jpeg));
    DecodedPicture p;
    ASSERT_TRUE(DecodeRasterPicture(bmp, p, nullptr));
    EXPECT_EQ(Words(p.bitmap), Words(image));
    ASSERT_TRUE(DecodeRasterPicture(png, p, nullptr));
    EXPECT_EQ(Words(p.bitmap), Words(image));
    ASSERT_TRUE(DecodeRasterPicture(jpeg, p, nullptr));
    EXPECT_EQ(p.bitmap.Width(), 16);
    EXPECT_EQ(p.bitmap.Height(), 8);
    EXPECT_NEAR(RedOf(p.bitmap.GetPixel(3, 3)), 200, 3);
    EXPECT_NEAR(BlueOf(p.bitmap.GetPixel(3, 3)), 90, 3);
    EXPECT_EQ(p.himetricWidth, 0);

    // A 2 x 1 GIF: red, then a transparent pixel (shown white).
    const std::string gif("GIF89a\x02\x00\x01\x00\x80\x00\x00"
                          "\xFF\x00\x00\x00\x00\xFF"
                          "\x21\xF9\x04\x01\x00\x00\x01\x00"
                          "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                          "\x02\x02\x44\x0A\x00\x3B",
                          43);
    std::string error;
    ASSERT_TRUE(DecodeRasterPicture(gif, p, &error)) << error;
    ASSERT_EQ(p.bitmap.Width(), 2);
    EXPECT_EQ(p.bitmap.GetPixel(0, 0), MakePixel(255, 0, 0));
    EXPECT_EQ(p.bitmap.GetPixel(1, 0), MakePixel(255, 255, 255));

    for (const std::string& bad : {std::string("not a picture"), png.substr(0, 40),
                                   jpeg.substr(0, 30), gif.substr(0, 20), std::string()}) {
        error.clear();
        EXPECT_FALSE(DecodeRasterPicture(bad, p, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(p.bitmap.IsEmpty());
    }
}

TEST(PhotoDecode, DamagedFilesAreRefusedWithoutHarm) {
    // Every cut and a scattering of flipped bytes of real files: the decoder
    // answers yes or no and never reads outside the data.
    const std::string gif = test::ReadFileBytes(test::ProgramFolder() / "SAMPLES" / "face.gif");
    std::string png, jpeg;
    const CDevib image = test::RandomImage(31, 17, 9);
    ASSERT_TRUE(EncodePng(image, png));
    ASSERT_TRUE(EncodeJpeg(image, 1, 75, jpeg));
    DecodedPicture p;
    std::mt19937 gen(4);
    const std::string* files[] = {&gif, &png, &jpeg};
    for (const std::string* file : files) {
        ASSERT_GT(file->size(), 100u);
        for (std::size_t cut = 0; cut < file->size(); cut += 1 + file->size() / 97)
            DecodeRasterPicture(std::string_view(*file).substr(0, cut), p, nullptr);
        for (int round = 0; round < 60; ++round) {
            std::string damaged = *file;
            for (int k = 0; k < 8; ++k)
                damaged[gen() % damaged.size()] = static_cast<char>(gen());
            if (DecodeRasterPicture(damaged, p, nullptr)) {
                EXPECT_FALSE(p.bitmap.IsEmpty());
            }
        }
    }
    // A GIF that claims a screen of 65535 x 65535 pixels is read within the
    // picture limit.
    std::string huge = gif;
    huge[6] = huge[7] = huge[8] = huge[9] = '\xFF';
    std::string error;
    ASSERT_TRUE(DecodeRasterPicture(huge, p, &error)) << error;
    EXPECT_LE(p.bitmap.Count(), kMaxPicturePixels);
    EXPECT_GT(p.bitmap.Width(), 1000);
}

// Left 2000 columns red, the rest blue.
CDevib RedThenBlue(int w, int h) {
    CDevib d;
    if (d.Create(w, h))
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                d.SetPixel(x, y, x < 2000 ? 0xFFFF0000 : 0xFF0000FF);
    return d;
}

TEST(PictureLimit, ShrinkFactorIsTheSmallestThatFits) {
    EXPECT_EQ(PictureShrinkFactor(4000, 4000), 1); // exactly 16 million
    EXPECT_EQ(PictureShrinkFactor(4001, 4000), 2);
    EXPECT_EQ(PictureShrinkFactor(20000, 20000), 5);
    EXPECT_EQ(PictureShrinkFactor(20001, 20000), 6);
    EXPECT_EQ(PictureShrinkFactor(0, 10), 0);
}

TEST(PictureLimit, PngAndJpegBeyondTheLimitAreReadShrunk) {
    const CDevib big = RedThenBlue(4001, 4000);
    ASSERT_FALSE(big.IsEmpty());
    std::string png, jpeg, error;
    ASSERT_TRUE(EncodePng(big, png));
    ASSERT_TRUE(EncodeJpeg(big, 1, 90, jpeg));
    DecodedPicture p;
    // PNG: halved, each pixel the mean of a 2 x 2 box.
    ASSERT_TRUE(DecodeRasterPicture(png, p, &error)) << error;
    EXPECT_EQ(p.bitmap.Width(), 2001);
    EXPECT_EQ(p.bitmap.Height(), 2000);
    EXPECT_EQ(p.bitmap.GetPixel(999, 7) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(p.bitmap.GetPixel(1000, 7) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(p.bitmap.GetPixel(2000, 1999) & 0xFFFFFF, 0x0000FFu); // the odd last column
    // JPEG: the largest of the decoder's scales that fits.
    ASSERT_TRUE(DecodeRasterPicture(jpeg, p, &error)) << error;
    EXPECT_LE(p.bitmap.Count(), kMaxPicturePixels);
    EXPECT_GE(p.bitmap.Width(), 3500);
    EXPECT_EQ(p.bitmap.Width(), p.bitmap.Height() + 1);
    EXPECT_GT(RedOf(p.bitmap.GetPixel(10, 10)), 200);
    EXPECT_GT(BlueOf(p.bitmap.GetPixel(p.bitmap.Width() - 10, 10)), 200);
}

TEST(PictureLimit, ALyingPngHeaderIsRefusedAsDamaged) {
    // A header that claims 60000 x 60000 pixels over a few bytes of data.
    CDevib small;
    ASSERT_TRUE(small.Create(3, 3));
    std::string png, error;
    ASSERT_TRUE(EncodePng(small, png));
    for (int i = 16; i < 24; i += 4) {
        png[i] = 0;
        png[i + 1] = 0;
        png[i + 2] = '\xEA';
        png[i + 3] = '\x60';
    }
    // The header's check sum follows the header.
    const std::uint32_t crc =
        static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17));
    for (int k = 0; k < 4; ++k)
        png[29 + k] = static_cast<char>(crc >> (24 - 8 * k));
    DecodedPicture p;
    EXPECT_FALSE(DecodeRasterPicture(png, p, &error));
    EXPECT_TRUE(p.bitmap.IsEmpty());
    EXPECT_FALSE(error.empty());
}

TEST(PictureLimit, GifReadsTheFirstFrameAndNothingAfterIt) {
    CDevib d;
    ASSERT_TRUE(d.Create(5, 4));
    d.Fill(0xFF00FF00);
    std::string gif, error;
    ASSERT_TRUE(EncodeGif(d, gif, &error)) << error;
    ASSERT_EQ(gif.back(), ';');
    // A second frame that claims the largest size and then ends.
    gif.insert(gif.size() - 1, std::string("\x2C\0\0\0\0\xFF\xFF\xFF\xFF\0\x08\x05", 13));
    DecodedPicture p;
    ASSERT_TRUE(DecodeRasterPicture(gif, p, &error)) << error;
    EXPECT_EQ(p.bitmap.Width(), 5);
    EXPECT_EQ(p.bitmap.GetPixel(2, 2) & 0xFFFFFF, 0x00FF00u);
}

TEST(PhotoDecode, ShippedSamplePhotograph) {
    CPhotoView v;
    std::string error;
    ASSERT_TRUE(v.Load(test::ProgramFolder() / "SAMPLES" / "face.gif", &error)) << error;
    EXPECT_GT(v.NaturalSize().width, 100);
    EXPECT_GT(v.NaturalSize().height, v.NaturalSize().width); // head and shoulders
}

TEST(PhotoThumbnail, RenderPicturePlacement) {
    CDevib s = FilledImage(100, 100, 0);
    const CDevib pic = FilledImage(10, 10, kWhiteWord);
    // Fitted: 10 x 10 centred at (45, 45), moved up by its height because it
    // is lower than a quarter of the rect.
    EXPECT_EQ(RenderPicture(s, ImageRect{0, 0, 100, 100}, pic, true), (ImageRect{45, 35, 55, 45}));
    EXPECT_EQ(s.GetPixel(45, 99 - 35), kWhiteWord);
    EXPECT_EQ(s.GetPixel(45, 99 - 45), 0u);
    // Not fitted: the rect's size.
    EXPECT_EQ(RenderPicture(s, ImageRect{10, 20, 60, 40}, pic, false), (ImageRect{10, 20, 60, 40}));
    // Fitted into a smaller rect: each side on its own.
    const CDevib wide = FilledImage(300, 20, kWhiteWord);
    EXPECT_EQ(RenderPicture(s, ImageRect{0, 0, 100, 100}, wide, true), (ImageRect{0, 20, 100, 40}));
}

TEST(PhotoSave, SavedViewHasTheWindowSizeAndTheFormatOfItsName) {
    TempDir dir;
    ASSERT_TRUE(WriteBmp(HalfBlack(30, 40), dir / "p.bmp"));
    CPhotoView v;
    ASSERT_TRUE(v.Load(dir / "p.bmp"));
    v.effects.edge = true;
    std::string error;
    ASSERT_TRUE(SavePhotoView(v, dir / "view.bmp", 120, 90, 0xEFEFEF, &error)) << error;
    EXPECT_EQ(test::ReadFileBytes(dir / "view.bmp").size(), 54u + 120 * 90 * 4);
    ASSERT_TRUE(SavePhotoView(v, dir / "view.JPG", 120, 90, 0xEFEFEF, &error)) << error;
    EXPECT_EQ(test::ReadFileBytes(dir / "view.JPG").substr(0, 3), "\xFF\xD8\xFF");
    ASSERT_TRUE(SavePhotoView(v, dir / "view.jpeg", 120, 90, 0xEFEFEF, &error));
    EXPECT_EQ(test::ReadFileBytes(dir / "view.jpeg").substr(0, 3), "\xFF\xD8\xFF");
    ASSERT_TRUE(SavePhotoView(v, dir / "view.dib", 120, 90, 0xEFEFEF, &error));
    EXPECT_EQ(test::ReadFileBytes(dir / "view.dib").substr(0, 2), "BM");
    CPhotoView none;
    EXPECT_FALSE(SavePhotoView(none, dir / "none.bmp", 10, 10, 0, &error));
    EXPECT_FALSE(std::filesystem::exists(dir / "none.bmp"));
}

} // namespace
} // namespace mienlore
