// The face drawn from the shipped picture store: the surroundings' fill must
// never reach into the face, whatever the head pieces.
#include "imaging/CanvasDrawing.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mienlore {
namespace {

constexpr int kSide = 300;
const ImageRect kRect{0, 0, kSide, kSide};
constexpr ColorRef kFill = 0x0000FF; // red

FaceLook FillLook(ColorRef face, ColorRef fill) {
    FaceLook look;
    look.faceColor = face;
    look.fillColor = fill;
    look.smoothing = 0;
    return look;
}

TEST(FaceClosure, TheFillNeverReachesTheFaceCentre) {
    const CFaceCompositor compositor(MakeFacePictureLoader(test::ProgramFolder()));
    CDevib canvas;
    ASSERT_TRUE(canvas.Create(kSide, kSide));
    const PixelWord fill = CanvasWord(kFill) & 0xFFFFFF;
    std::vector<std::string> leaks;
    CFaceFrame face(test::ProgramFolder());
    CFaceItem& forehead = face.Slot(FaceSlot::Forehead);
    CFaceItem& cheeks = face.Slot(FaceSlot::CheekBones);
    CFaceItem& chin = face.Slot(FaceSlot::Chin);
    for (CFaceItem* item : {&forehead, &cheeks, &chin})
        item->DefaultPlacement();
    for (int f = 0; f < forehead.Shapes(); ++f) {
        // Without cheek-bones nothing covers the centre; every other shape,
        // the empty forehead and chin included, must close the face.
        for (int c = 0; c + 1 < cheeks.Shapes(); ++c) {
            for (int j = 0; j < chin.Shapes(); ++j) {
                for (int v = 0; v < chin.Variants(); ++v) {
                    forehead.SetShape(f);
                    forehead.SetVariant(0);
                    cheeks.SetShape(c);
                    cheeks.SetVariant(0);
                    chin.SetShape(j);
                    chin.SetVariant(v);
                    for (CFaceItem* item : {&forehead, &cheeks, &chin})
                        item->Reload();
                    FillCanvasRect(canvas, kRect, kFaceYellow);
                    compositor.DrawSilhouette(canvas, kRect, face, FillLook(kFaceYellow, kFill));
                    if ((CanvasPixel(canvas, 130, 150) & 0xFFFFFF) == fill)
                        leaks.push_back(face.Encode().substr(0, 36));
                }
            }
        }
    }
    EXPECT_TRUE(leaks.empty()) << leaks.size() << " leaks, first " << leaks.front();
}

TEST(FaceClosure, AFullFaceKeepsItsCentreWhateverTheFill) {
    // The whole drawing with and without a fill colour: the centre of the
    // face comes out the same.
    const CFaceCompositor compositor(MakeFacePictureLoader(test::ProgramFolder()));
    CCrtRandom random(7);
    for (int n = 0; n < 12; ++n) {
        CFaceFrame face(test::ProgramFolder());
        for (int i = 0; i < kFaceSlotCount; ++i)
            face.Item(i).Randomize(random);
        CFaceItem& cheeks = face.Slot(FaceSlot::CheekBones);
        if (cheeks.IsEmpty())
            cheeks.SetShape(0), cheeks.Reload();
        CDevib plain;
        CDevib filled;
        ASSERT_TRUE(plain.Create(kSide, kSide));
        ASSERT_TRUE(filled.Create(kSide, kSide));
        compositor.DrawFace(plain, kRect, face, FillLook(kFaceYellow, kFaceYellow));
        compositor.DrawFace(filled, kRect, face, FillLook(kFaceYellow, 0x000000));
        EXPECT_EQ(CanvasPixel(plain, 130, 150), CanvasPixel(filled, 130, 150)) << face.Encode();
        // ... while the surroundings did change.
        EXPECT_NE(CanvasPixel(plain, 4, 100), CanvasPixel(filled, 4, 100)) << face.Encode();
    }
}

TEST(FaceClosure, TheNewFaceDrawsEveryFeature) {
    const CFaceCompositor compositor(MakeFacePictureLoader(test::ProgramFolder()));
    CFaceFrame face(test::ProgramFolder());
    CDevib canvas;
    ASSERT_TRUE(canvas.Create(kSide, kSide));
    compositor.DrawFace(canvas, kRect, face, FillLook(kFaceWhite, 0xC0C0C0));
    // Every present feature was found in the store and drawn somewhere
    // dark inside its rectangle.
    for (int i = 0; i < 8; ++i) {
        const CFaceItem& item = face.Item(i);
        const FaceRect& r = item.pict[0].drawnRect;
        EXPECT_GT(r.right - r.left, 1) << item.Tag();
        int darkest = 255;
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, kSide); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, kSide); ++x)
                darkest = std::min(darkest, LumaInt(CanvasPixel(canvas, x, y)));
        EXPECT_LT(darkest, 160) << item.Tag();
    }
}

} // namespace
} // namespace mienlore
