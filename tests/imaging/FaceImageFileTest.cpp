#include "imaging/FaceImageFile.h"
#include "imaging/BmpFile.h"
#include "imaging/CanvasDrawing.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace mienlore {
namespace {

// Dark blocks at each slot's box size are enough to tell the pictures apart.
std::shared_ptr<const CDevib> Block(const CFaceItem& item, int) {
    auto picture = std::make_shared<CDevib>();
    if (!picture->Create(item.PictWidth(), item.PictHeight()))
        return nullptr;
    picture->Fill(GreyPixel(255));
    for (int y = 2; y < picture->Height() - 2; ++y)
        for (int x = 2; x < picture->Width() - 2; ++x)
            SetCanvasPixel(*picture, x, y, GreyPixel(90));
    return picture;
}

FaceLook Smoothed() {
    FaceLook look;
    look.smoothing = 5; // the saved picture is never smoothed
    look.fillColor = 0x336699;
    return look;
}

TEST(SaveFaceImage, WindowSizeSavesTheUnsmoothedFaceAsBmp) {
    test::TempDir dir;
    const CFaceCompositor compositor(&Block);
    CFaceFrame face(test::ProgramFolder());
    ASSERT_TRUE(SaveFaceImage(compositor, face, Smoothed(), dir / "face.bmp", 1, 120, 90));
    CDevib saved;
    ASSERT_TRUE(ReadBmp(dir / "face.bmp", saved));
    ASSERT_EQ(saved.Width(), 120);
    ASSERT_EQ(saved.Height(), 90);
    // The same face drawn without smoothing.
    FaceLook plain = Smoothed();
    plain.smoothing = 0;
    CDevib drawn;
    ASSERT_TRUE(drawn.Create(120, 90));
    compositor.DrawFace(drawn, ImageRect{0, 0, 120, 90}, face, plain);
    for (int i = 0; i < drawn.Count(); ++i)
        ASSERT_EQ(saved.Pixels()[i] & 0xFFFFFF, drawn.Pixels()[i] & 0xFFFFFF) << i;
}

TEST(SaveFaceImage, ASaveModeAboveOneGivesTheReducedCopy) {
    test::TempDir dir;
    const CFaceCompositor compositor(&Block);
    CFaceFrame face(test::ProgramFolder());
    // 288 x 288 in cells of 7 x 7: 41 - 3 = 38, whatever the window size.
    ASSERT_TRUE(SaveFaceImage(compositor, face, Smoothed(), dir / "faceSmall.bmp", 3, 500, 40));
    EXPECT_EQ(test::ReadFileBytes(dir / "faceSmall.bmp").size(), 54u + 38u * 38u * 4u);
    CDevib reduced;
    ASSERT_TRUE(RenderFaceImage(compositor, face, Smoothed(), 2, 10, 10, reduced));
    EXPECT_EQ(reduced.Width(), 288 / 5 - 2);
}

TEST(SaveFaceImage, TheExtensionChoosesTheFormat) {
    test::TempDir dir;
    const CFaceCompositor compositor(&Block);
    CFaceFrame face(test::ProgramFolder());
    ASSERT_TRUE(SaveFaceImage(compositor, face, Smoothed(), dir / "face.JPG", 1, 64, 64));
    const std::string jpeg = test::ReadFileBytes(dir / "face.JPG");
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[1]), 0xD8);
    ASSERT_TRUE(SaveFaceImage(compositor, face, Smoothed(), dir / "face.jpeg", 3, 64, 64));
    EXPECT_EQ(test::ReadFileBytes(dir / "face.jpeg").substr(0, 2), "\xFF\xD8");
    ASSERT_TRUE(SaveFaceImage(compositor, face, Smoothed(), dir / "face.dib", 3, 64, 64));
    EXPECT_EQ(test::ReadFileBytes(dir / "face.dib").substr(0, 2), "BM");
}

TEST(SaveFaceImage, FailuresAreReportedAndWriteNothing) {
    test::TempDir dir;
    const CFaceCompositor compositor(&Block);
    CFaceFrame face(test::ProgramFolder());
    std::string error;
    EXPECT_FALSE(SaveFaceImage(compositor, face, Smoothed(), dir / "no" / "such" / "face.bmp", 1,
                               64, 64, &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(SaveFaceImage(compositor, face, Smoothed(), dir / "face.bmp", 1, 0, 64, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "face.bmp"));
}

} // namespace
} // namespace mienlore
