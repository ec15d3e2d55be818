#include "imaging/FaceCompositor.h"
#include "imaging/CanvasDrawing.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace mienlore {
namespace {

constexpr int kW = 300;
constexpr int kH = 300;
const ImageRect kRect{0, 0, kW, kH};

bool IsHeadPiece(FaceSlot s) {
    return s == FaceSlot::Forehead || s == FaceSlot::CheekBones || s == FaceSlot::Chin;
}

// Stand-in pictures at each slot's box size: head pieces are framed boxes
// with light skin inside (so they close the face), the other features dark
// blocks with a white margin.
bool SyntheticPicture(const CFaceItem& item, CDevib& picture) {
    const int w = item.PictWidth();
    const int h = item.PictHeight();
    if (!picture.Create(w, h))
        return false;
    picture.Fill(GreyPixel(255));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            const bool margin = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
            if (IsHeadPiece(item.Slot()))
                SetCanvasPixel(picture, x, y, GreyPixel(edge ? 40 : 252));
            else if (!margin)
                SetCanvasPixel(picture, x, y, GreyPixel(60));
        }
    return true;
}

struct Recorder {
    std::vector<std::pair<FaceSlot, int>> calls;
    std::set<FaceSlot> missing;
    CFaceCompositor::PictureLoader Loader() {
        return [this](const CFaceItem& item, int which) -> std::shared_ptr<const CDevib> {
            calls.emplace_back(item.Slot(), which);
            auto picture = std::make_shared<CDevib>();
            if (missing.count(item.Slot()) || !SyntheticPicture(item, *picture))
                return nullptr;
            return picture;
        };
    }
};

CFaceFrame FullFace() {
    CFaceFrame face(test::ProgramFolder());
    face.Slot(FaceSlot::Hair).SetShape(3);
    face.Slot(FaceSlot::Moustache).SetShape(2);
    face.Slot(FaceSlot::Beard).SetShape(1);
    face.Slot(FaceSlot::Glasses).SetShape(1);
    return face;
}

CFaceFrame BlankFace() {
    CFaceFrame face(test::ProgramFolder());
    face.Clear();
    face.Slot(FaceSlot::CheekBones).Hide();
    return face;
}

FaceLook Look(int smoothing = 0, ColorRef fill = 0x00FF00) {
    FaceLook look;
    look.faceColor = kFaceWhite;
    look.fillColor = fill;
    look.smoothing = smoothing;
    return look;
}

CDevib Drawn(const CFaceCompositor& compositor, CFaceFrame& face, const FaceLook& look) {
    CDevib canvas;
    EXPECT_TRUE(canvas.Create(kW, kH));
    compositor.DrawFace(canvas, kRect, face, look);
    return canvas;
}

// A compositor over synthetic pictures that records what it loads, and a new
// face.
struct FaceCompositor : ::testing::Test {
    Recorder rec;
    CFaceCompositor compositor{rec.Loader()};
    CFaceFrame face{test::ProgramFolder()};
};

bool SamePixels(const CDevib& a, const CDevib& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int i = 0; i < a.Count(); ++i)
        if (a.Pixels()[i] != b.Pixels()[i])
            return false;
    return true;
}

TEST_F(FaceCompositor, DrawsTheSlotsInTheirFixedOrder) {
    face = FullFace();
    Drawn(compositor, face, Look());
    using S = FaceSlot;
    const std::vector<std::pair<FaceSlot, int>> expected = {
        // silhouette: cheek-bones, chin, ears (outline only), forehead, ears again
        {S::CheekBones, 0},
        {S::Chin, 0},
        {S::Ears, 0},
        {S::Ears, 1},
        {S::Forehead, 0},
        {S::Ears, 0},
        {S::Ears, 1},
        // head pictures
        {S::Chin, 0},
        {S::CheekBones, 0},
        {S::Forehead, 0},
        // features, then the accessories
        {S::Eyes, 0},
        {S::Eyes, 1},
        {S::Eyebrows, 0},
        {S::Eyebrows, 1},
        {S::Nose, 0},
        {S::Lips, 0},
        {S::Ears, 0},
        {S::Ears, 1},
        {S::Glasses, 0},
        {S::Hair, 0},
        {S::Moustache, 0},
        {S::Beard, 0}};
    EXPECT_EQ(rec.calls, expected);
}

TEST_F(FaceCompositor, EmptySlotsAndAbsentAccessoriesAreNotDrawn) {
    // The new face has no accessories.
    face.Slot(FaceSlot::Nose).Hide();
    face.Slot(FaceSlot::Ears).Hide();
    Drawn(compositor, face, Look());
    for (const auto& call : rec.calls) {
        EXPECT_NE(call.first, FaceSlot::Nose);
        EXPECT_NE(call.first, FaceSlot::Ears);
        EXPECT_NE(call.first, FaceSlot::Hair);
        EXPECT_NE(call.first, FaceSlot::Glasses);
    }
}

TEST_F(FaceCompositor, PhotoModeShadesLibraryPicturesInsteadOfTheSilhouette) {
    int painted = 0;
    compositor.SetPhotoPainter([&](CDevib& canvas, const ImageRect& rect) {
        ++painted;
        EXPECT_EQ(rect, kRect);
        FillCanvasRect(canvas, rect, 0x808080);
    });
    FaceLook look = Look();
    look.photoBackground = true;
    CDevib canvas = Drawn(compositor, face, look);
    EXPECT_EQ(painted, 1);
    using S = FaceSlot;
    // Cheek-bones, chin and the nose of a new face are file pictures: no shade.
    const std::vector<std::pair<FaceSlot, int>> shaded(rec.calls.begin(), rec.calls.begin() + 8);
    EXPECT_EQ(shaded, (std::vector<std::pair<FaceSlot, int>>{{S::Forehead, 0},
                                                             {S::Eyes, 0},
                                                             {S::Eyes, 1},
                                                             {S::Eyebrows, 0},
                                                             {S::Eyebrows, 1},
                                                             {S::Lips, 0},
                                                             {S::Ears, 0},
                                                             {S::Ears, 1}}));
    EXPECT_EQ(rec.calls[8], (std::pair<FaceSlot, int>{S::Chin, 0})); // head pictures follow
    // No flood: the photograph stays around the face.
    EXPECT_EQ(CanvasPixel(canvas, 4, 100) & 0xFFFFFF, 0x808080u);
}

TEST_F(FaceCompositor, TheSurroundingsTakeTheFillColourAndTheFaceKeepsItsOwn) {
    CDevib canvas;
    ASSERT_TRUE(canvas.Create(kW, kH));
    FillCanvasRect(canvas, kRect, kFaceWhite);
    compositor.DrawSilhouette(canvas, kRect, face, Look());
    const PixelWord fill = CanvasWord(0x00FF00);
    EXPECT_EQ(canvas.GetPixel(0, 0) & 0xFFFFFF, fill);
    EXPECT_EQ(CanvasPixel(canvas, 4, 100) & 0xFFFFFF, fill);
    EXPECT_EQ(CanvasPixel(canvas, kW - 1, 0) & 0xFFFFFF, fill);
    // The silhouette colour (green lowered by 10) is stored as it is.
    EXPECT_EQ(SilhouetteColor(kFaceWhite), 0xFFF5FFu);
    EXPECT_EQ(CanvasPixel(canvas, 130, 150), 0x00FFF5FFu);
    EXPECT_EQ(CanvasPixel(canvas, 130, 70), 0x00FFF5FFu);
}

TEST_F(FaceCompositor, FillEqualToTheFaceColourFloodsNothing) {
    face.Slot(FaceSlot::CheekBones).Hide();
    CDevib canvas = Drawn(compositor, face, Look(0, kFaceWhite));
    for (int i = 0; i < canvas.Count(); ++i)
        ASSERT_NE(canvas.Pixels()[i] & 0xFFFFFF, CanvasWord(kSurroundKey)) << i;
    EXPECT_EQ(CanvasPixel(canvas, 4, 100), CanvasWord(kFaceWhite));
}

TEST_F(FaceCompositor, ABlankFaceIsTheFaceColourOrAllFill) {
    face = BlankFace();
    const CDevib same = Drawn(compositor, face, Look(0, kFaceWhite));
    for (int i = 0; i < same.Count(); ++i)
        ASSERT_EQ(same.Pixels()[i], CanvasWord(kFaceWhite));
    // With another fill colour the flood reaches everything.
    const CDevib filled = Drawn(compositor, face, Look(0, 0x203040));
    for (int i = 0; i < filled.Count(); ++i)
        ASSERT_EQ(filled.Pixels()[i] & 0xFFFFFF, CanvasWord(0x203040));
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(FaceCompositor, NoFloodMeansNoTint) {
    // On a canvas too small to reach the flood's start point nothing is
    // flooded, so nothing may be recoloured either (the tint would otherwise
    // take the face colour itself for the surroundings).
    face = BlankFace();
    CDevib canvas;
    ASSERT_TRUE(canvas.Create(50, 50));
    compositor.DrawFace(canvas, ImageRect{0, 0, 50, 50}, face, Look(0, 0x203040));
    for (int i = 0; i < canvas.Count(); ++i)
        ASSERT_EQ(canvas.Pixels()[i], CanvasWord(kFaceWhite));
}

TEST_F(FaceCompositor, TheSilhouetteColourAlwaysDiffersFromTheFaceColour) {
    EXPECT_EQ(SilhouetteColor(kFaceYellow), 0xF0F5FFu);
    EXPECT_EQ(SilhouetteColor(kFaceGray), 0xE0D6E4u);
    // A green byte below 10 is raised instead of borrowing from blue.
    EXPECT_EQ(SilhouetteColor(0x000500), 0x000F00u);
    EXPECT_EQ(FaceColorIndex(kFaceYellow), 0);
    EXPECT_EQ(FaceColorIndex(kFaceGray), 1);
    EXPECT_EQ(FaceColorIndex(kFaceWhite), 2);
    EXPECT_EQ(FaceColorIndex(0x123456), 0);
}

TEST_F(FaceCompositor, AMissingPictureDrawsNothingAndReportsAOnePixelRectangle) {
    rec.missing = {FaceSlot::Eyes};
    const CDevib without = Drawn(compositor, face, Look());
    const CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    for (int which = 0; which < 2; ++which) {
        const FaceRect& r = eyes.pict[which].drawnRect;
        const int x = eyes.PictLeftX(which);
        EXPECT_EQ(r.left, x);
        EXPECT_EQ(r.top, eyes.GetPosY());
        EXPECT_EQ(r.right, x + 1);
        EXPECT_EQ(r.bottom, eyes.GetPosY() + 1);
    }
    // The same picture as a face without eyes.
    Recorder plain;
    CFaceCompositor other(plain.Loader());
    CFaceFrame noEyes(test::ProgramFolder());
    noEyes.Slot(FaceSlot::Eyes).Hide();
    EXPECT_TRUE(SamePixels(without, Drawn(other, noEyes, Look())));
}

TEST_F(FaceCompositor, HitTestingFollowsItsOrderAndTheShownRectangle) {
    Drawn(compositor, face, Look());
    const CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    const FaceRect& eye = eyes.pict[1].drawnRect;
    // The eye box lies inside the eyebrows' and the forehead's boxes here.
    face.Slot(FaceSlot::Eyebrows).pict[1].drawnRect = eye;
    const int x = eye.left + 1;
    const int y = eye.top + 1;
    EXPECT_EQ(CFaceCompositor::HitTest(face, kRect, x, y), 2130);
    face.Slot(FaceSlot::Eyes).pict[1].drawnRect = {0, 0, 1, 1};
    face.Slot(FaceSlot::Eyes).pict[0].drawnRect = {0, 0, 1, 1};
    EXPECT_EQ(CFaceCompositor::HitTest(face, kRect, x, y), 2140);
    // Shown at (2, 2): the same picture point is two pixels further on.
    EXPECT_EQ(CFaceCompositor::HitTest(face, ImageRect{2, 2, kW, kH}, x + 2, y + 2), 2140);
    EXPECT_EQ(CFaceCompositor::HitTest(face, ImageRect{2, 2, kW, kH}, 1, 1), 0);
    // A point in no drawn rectangle.
    EXPECT_EQ(CFaceCompositor::HitTest(face, kRect, kW - 2, kH - 2), 0);
}

TEST_F(FaceCompositor, TheEarsHangOnTheForeheadOutline) {
    CFaceItem& ears = face.Slot(FaceSlot::Ears);
    ears.drawOffset = {5, -3};
    Drawn(compositor, face, Look());
    EXPECT_EQ(ears.drawOffset, (std::array<int, 2>{0, 0}));
    const int x = face.Slot(FaceSlot::Forehead).OutlinePoint(0, 2).x - 16;
    EXPECT_EQ(ears.GetPosX(), x);
    // The synthetic forehead frame starts at its box's left edge.
    EXPECT_EQ(x, face.Slot(FaceSlot::Forehead).GetPosX() - 16);
    EXPECT_EQ(ears.pict[0].drawnRect.left, x); // scaled in height only
    EXPECT_EQ(ears.pict[1].drawnRect.left, CFaceItem::kCanvasWidth - ears.PictWidth() - x);
}

TEST_F(FaceCompositor, TheForeheadOutlineIsFoundWhateverTheHairCut) {
    // The last hair cut used to skip the forehead's outline, leaving the ears
    // and closing lines on stale points.
    CFaceItem& hair = face.Slot(FaceSlot::Hair);
    hair.SetShape(hair.Shapes() - 1);
    CFaceItem& forehead = face.Slot(FaceSlot::Forehead);
    forehead.outline = {};
    Drawn(compositor, face, Look());
    EXPECT_EQ(forehead.OutlinePoint(0, 2).x, forehead.GetPosX());
    EXPECT_EQ(forehead.OutlinePoint(0, 2).y, forehead.GetPosY() + forehead.PictHeight() - 1);
}

TEST_F(FaceCompositor, TheNoseSourceFollowsTheSmoothing) {
    Drawn(compositor, face, Look(0));
    EXPECT_TRUE(face.Slot(FaceSlot::Nose).pict[0].fromLibrary);
    EXPECT_NE(face.Slot(FaceSlot::Nose).pict[0].resourceId, 0);
    Drawn(compositor, face, Look(2));
    EXPECT_FALSE(face.Slot(FaceSlot::Nose).pict[0].fromLibrary);
}

TEST_F(FaceCompositor, ScaledSlotsUseSizeTimesTheirScaleFactor) {
    Drawn(compositor, face, Look());
    // Lips: 100 % x 1.2, across only: 96 becomes 115, centred.
    const CFaceItem& lips = face.Slot(FaceSlot::Lips);
    const FaceRect& r = lips.pict[0].drawnRect;
    EXPECT_EQ(r.right - r.left, 115);
    EXPECT_EQ(r.left, lips.GetPosX() - 9);
    EXPECT_EQ(r.bottom - r.top, lips.PictHeight());
    EXPECT_EQ(lips.pict[0].pixelWidth, 96);
}

TEST_F(FaceCompositor, RenderSmoothsTheDrawnFaceAndKeepsTheCaptionBand) {
    CDevib cache;
    // Level 0: exactly the drawn face.
    EXPECT_EQ(compositor.Render(cache, kW, kH, face, Look(0)), 0);
    EXPECT_TRUE(SamePixels(cache, Drawn(compositor, face, Look(0))));
    // Level 5: the drawn face smoothed with (8, 9), keeping the band.
    FaceLook off = Look(5);
    off.showInfo = false;
    EXPECT_EQ(compositor.Render(cache, kW, kH, face, off), 20);
    CDevib expected = Drawn(compositor, face, off);
    expected.GlowSmooth(8, 9, 20, true);
    EXPECT_TRUE(SamePixels(cache, expected));
    // The caption painter is asked for its height; the band is 2 more.
    int asked = 0;
    const auto painter = [&](CDevib&, const std::string& text) {
        ++asked;
        EXPECT_EQ(text, "Summary");
        return 14;
    };
    EXPECT_EQ(compositor.Render(cache, kW, kH, face, Look(2), "Summary", painter), 16);
    EXPECT_EQ(compositor.Render(cache, kW, kH, face, Look(2), "", painter), 0);
    EXPECT_EQ(asked, 1);
}

} // namespace
} // namespace mienlore

namespace mienlore {

TEST(FacePictureCache, APictureFileThatCannotBeReadIsToldOnceByName) {
    // A program folder like the build's, with one feature picture damaged.
    test::TempDir dir;
    for (const auto& entry : std::filesystem::directory_iterator(test::ProgramFolder()))
        if (entry.path().filename() != "FaceArt")
            std::filesystem::create_symlink(entry.path(), dir / entry.path().filename().string());
    std::filesystem::create_directory(dir / "FaceArt");
    for (const auto& entry : std::filesystem::directory_iterator(test::ProgramFolder() / "FaceArt"))
        std::filesystem::create_symlink(entry.path(),
                                        dir / "FaceArt" / entry.path().filename().string());
    CFaceFrame face(dir.Path());
    const CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    ASSERT_TRUE(eyes.pict[0].fromLibrary);
    const auto damaged = dir / "FaceArt" / (std::to_string(eyes.pict[0].resourceId) + ".bmp");
    std::filesystem::remove(damaged);
    test::WriteFileBytes(damaged, "BM this is no picture");

    std::vector<std::filesystem::path> told;
    CFacePictureCache cache(dir.Path(), [&](const std::filesystem::path& p) { told.push_back(p); });
    EXPECT_EQ(cache.Picture(eyes, 0), nullptr);
    EXPECT_EQ(cache.Picture(eyes, 0), nullptr);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], damaged);
    EXPECT_NE(cache.Picture(face.Slot(FaceSlot::Nose), 0), nullptr);
    EXPECT_EQ(told.size(), 1u);
}

} // namespace mienlore
