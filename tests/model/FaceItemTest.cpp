#include "model/FaceFrame.h"

#include <gtest/gtest.h>

#include <set>

using namespace mienlore;

namespace {

CFaceFrame NewFace() {
    return CFaceFrame("/prog");
}

} // namespace

TEST(FaceItem, ShapeAndVariantWrapAroundTheCatalogue) {
    CFaceFrame face = NewFace();
    CFaceItem& forehead = face.Slot(FaceSlot::Forehead); // 9 shapes, 3 variants
    EXPECT_EQ(forehead.SetShape(-1), 8);
    EXPECT_EQ(forehead.SetShape(9), 0);
    EXPECT_EQ(forehead.SetShape(12), 0);
    EXPECT_EQ(forehead.SetShape(-7), 8); // any negative value goes to the last
    EXPECT_EQ(forehead.SetShape(4), 4);
    EXPECT_EQ(forehead.SetVariant(-1), 2);
    EXPECT_EQ(forehead.SetVariant(3), 0);
    EXPECT_EQ(forehead.GetVariant(), 0);
}

TEST(FaceItem, PositionsAreClampedAndSizedSlotsKeepXUnchecked) {
    CFaceFrame face = NewFace();
    CFaceItem& eyes = face.Slot(FaceSlot::Eyes); // x [64, 82], y [110, 134]
    EXPECT_EQ(eyes.SetPosX(10), 64);
    EXPECT_EQ(eyes.SetPosX(500), 82);
    EXPECT_EQ(eyes.SetPosY(0), 110);
    EXPECT_EQ(eyes.SetPosY(135), 134);
    // Not sized: a size is stored as given.
    EXPECT_FALSE(eyes.IsSized());
    EXPECT_EQ(eyes.SetSize(999), 999);

    CFaceItem& nose = face.Slot(FaceSlot::Nose); // size [82, 156]
    EXPECT_TRUE(nose.IsSized());
    EXPECT_EQ(nose.SetSize(50), 82);
    EXPECT_EQ(nose.SetSize(200), 156);
    EXPECT_EQ(nose.SetPosX(-40), -40);
    EXPECT_EQ(nose.SetPosY(0), 120); // empty y range [120, 120]
}

TEST(FaceItem, ClassesSplitTheRangeAndTruncate) {
    EXPECT_EQ(ValueClass(56, 42, 70, 5), 3); // (14 * 5) / 28 = 2, class 3
    EXPECT_EQ(ValueClass(42, 42, 70, 5), 1);
    EXPECT_EQ(ValueClass(70, 42, 70, 5), 5); // 6 capped at 5
    EXPECT_EQ(ValueClass(30, 42, 70, 5), 1); // below the range: raised to 1
    EXPECT_EQ(ValueClass(40, 40, 40, 3), -1);
    EXPECT_EQ(ValueClass(5, 7, 3, 3), -1);

    CFaceFrame face = NewFace();
    CFaceItem& forehead = face.Slot(FaceSlot::Forehead);
    forehead.SetPosY(10);
    EXPECT_EQ(forehead.GetVertClass(), 1);
    forehead.SetPosY(35);
    EXPECT_EQ(forehead.GetVertClass(), 3);
    forehead.SetPosY(60);
    EXPECT_EQ(forehead.GetVertClass(), 5);
    EXPECT_EQ(forehead.GetHorzClass(), -1);

    // Initial face: eyes x 76 in [64, 82] of 3 -> 36/18 + 1 = 3; y 122 in
    // [110, 134] -> 36/24 + 1 = 2. Eyebrows x 56 -> 3, y 95 in [80, 110] of 3
    // -> 45/30 + 1 = 2. Lips size 100 in [67, 137] -> 99/70 + 1 = 2.
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetHorzClass(), 3);
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetVertClass(), 2);
    EXPECT_EQ(face.Slot(FaceSlot::Eyebrows).GetHorzClass(), 3);
    EXPECT_EQ(face.Slot(FaceSlot::Eyebrows).GetVertClass(), 2);
    EXPECT_EQ(face.Slot(FaceSlot::Lips).GetHorzClass(), 2);
    EXPECT_EQ(face.Slot(FaceSlot::Ears).GetHorzClass(), 2);  // 23*3/40 + 1
    EXPECT_EQ(face.Slot(FaceSlot::Chin).GetVertClass(), 2);  // 20*3/40 + 1
    EXPECT_EQ(face.Slot(FaceSlot::Chin).GetHorzClass(), -1); // chin has no class
    EXPECT_EQ(face.Slot(FaceSlot::Nose).GetVertClass(), -1);
}

TEST(FaceItem, EmptinessHideResetAndDefaultPlacement) {
    CFaceFrame face = NewFace();
    CFaceItem& ears = face.Slot(FaceSlot::Ears); // 7 shapes
    EXPECT_FALSE(ears.IsEmpty());
    ears.Hide();
    EXPECT_EQ(ears.GetShape(), 6);
    EXPECT_TRUE(ears.IsEmpty());

    CFaceItem& hair = face.Slot(FaceSlot::Hair);
    hair.SetShape(3);
    hair.SetVariant(2);
    EXPECT_TRUE(hair.IsPresent());
    hair.Hide();
    EXPECT_EQ(hair.GetShape(), 0);
    EXPECT_EQ(hair.GetVariant(), 0);
    EXPECT_FALSE(hair.IsPresent());

    CFaceItem& lips = face.Slot(FaceSlot::Lips);
    lips.SetShape(4);
    lips.SetSize(130);
    lips.SetPosY(200);
    lips.Reset();
    EXPECT_EQ(lips.GetShape(), 0);
    EXPECT_EQ(lips.GetVariant(), 0);
    EXPECT_EQ(lips.GetSize(), 130); // reset keeps the placement
    lips.DefaultPlacement();
    EXPECT_EQ(lips.GetSize(), 100);
    EXPECT_EQ(lips.GetPosY(), 190);
    EXPECT_EQ(lips.GetShape(), 0);

    CFaceItem& brows = face.Slot(FaceSlot::Eyebrows);
    brows.SetPosX(70);
    brows.SetPosY(80);
    brows.DefaultPlacement();
    EXPECT_EQ(brows.GetPosX(), 56);
    EXPECT_EQ(brows.GetPosY(), 95);
}

TEST(FaceItem, CopyValuesTakesOnlyTheChoiceAndPlacement) {
    CFaceFrame a = NewFace();
    CFaceFrame b = NewFace();
    CFaceItem& source = a.Slot(FaceSlot::Eyes);
    source.SetShape(7);
    source.SetVariant(4);
    source.SetPosX(80);
    source.SetPosY(111);
    source.drawOffset = {5, 6};
    CFaceItem& target = b.Slot(FaceSlot::Eyes);
    target.CopyValues(source);
    EXPECT_EQ(target.GetShape(), 7);
    EXPECT_EQ(target.GetVariant(), 4);
    EXPECT_EQ(target.GetPosX(), 80);
    EXPECT_EQ(target.GetPosY(), 111);
    EXPECT_EQ(target.drawOffset[0], 0);
}

TEST(FaceItem, RandomizeIsRepeatableForASeedAndStaysInRange) {
    // The generator is the C runtime's: seed 1 gives 41, 18467, 6334...
    CCrtRandom check(1);
    EXPECT_EQ(check.Next(), 41);
    EXPECT_EQ(check.Next(), 18467);
    EXPECT_EQ(check.Next(), 6334);

    CFaceFrame a = NewFace();
    CFaceFrame b = NewFace();
    CCrtRandom r1(7);
    CCrtRandom r2(7);
    std::set<int> shapes;
    for (int i = 0; i < 200; ++i) {
        CFaceItem& x = a.Slot(FaceSlot::Eyebrows);
        CFaceItem& y = b.Slot(FaceSlot::Eyebrows);
        x.Randomize(r1);
        y.Randomize(r2);
        ASSERT_EQ(x.GetShape(), y.GetShape());
        ASSERT_EQ(x.GetVariant(), y.GetVariant());
        ASSERT_GE(x.GetShape(), 0);
        ASSERT_LT(x.GetShape(), 15);
        ASSERT_LT(x.GetVariant(), 6);
        shapes.insert(x.GetShape());
    }
    EXPECT_GT(shapes.size(), 10u);
    EXPECT_EQ(a.Slot(FaceSlot::Eyebrows).GetPosX(), 56); // placement untouched

    // Worked example: seed 5 gives 54, the generator is reseeded with 54 and
    // then gives 214 and 31077: shape 214 % 9 = 7, variant 31077 % 3 = 0.
    CCrtRandom r3(5);
    CFaceItem& forehead = a.Slot(FaceSlot::Forehead);
    forehead.SetVariant(2);
    forehead.Randomize(r3);
    EXPECT_EQ(forehead.GetShape(), 7);
    EXPECT_EQ(forehead.GetVariant(), 0);
}

TEST(FaceItem, PicturesFollowTheCurrentChoice) {
    CFaceFrame face("/prog");
    // Eyes shape 3 variant 0: index 18, both sides id 14118.
    const CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    EXPECT_EQ(eyes.GetPictIndex(), 18);
    EXPECT_EQ(eyes.pict[0].side, -1);
    EXPECT_EQ(eyes.pict[1].side, 1);
    EXPECT_EQ(eyes.pict[0].resourceId, 14118);
    EXPECT_EQ(eyes.pict[1].resourceId, 14118);

    // Nose shape 2 variant 2: index 14, a file.
    const CFaceItem& nose = face.Slot(FaceSlot::Nose);
    EXPECT_EQ(nose.pict[0].fileName, "no14.bmp");
    EXPECT_EQ(nose.PictureFilePath(0), std::filesystem::path("/prog/HAIR/no14.bmp"));
    EXPECT_EQ(face.Slot(FaceSlot::Hair).pict[0].fileName, "ha_0.bmp");
    EXPECT_EQ(face.Slot(FaceSlot::Forehead).pict[0].resourceId, 11004);

    CFaceItem& hair = face.Slot(FaceSlot::Hair);
    hair.SetShape(3);
    hair.SetVariant(0);
    EXPECT_EQ(hair.pict[0].fileName, "ha_0.bmp"); // setters do not look up
    hair.Reload();
    EXPECT_EQ(hair.GetPictIndex(), 3); // variant-major
    EXPECT_EQ(hair.pict[0].fileName, "ha_3.bmp");
    hair.SetShape(9);
    hair.SetVariant(9);
    hair.Reload();
    EXPECT_EQ(hair.pict[0].fileName, "ha99.bmp");

    CFaceItem& nose2 = face.Slot(FaceSlot::Nose);
    nose2.SetPictureSource(true);
    EXPECT_EQ(nose2.pict[0].resourceId, 16014);
    nose2.SetShape(8);
    nose2.SetVariant(5);
    nose2.Reload();
    EXPECT_EQ(nose2.pict[0].resourceId, 16053);

    EXPECT_EQ(PictureFileName("ey", -1, 9), "ey0_9.bmp");
    EXPECT_EQ(PictureFileName("ey", 1, 10), "ey110.bmp");
    EXPECT_EQ(PictureResourceId(8, 1, 20), 18120);
    EXPECT_EQ(PictureResourceId(5, -1, 89), 15189);
}

TEST(SlotCatalogue, PictureNumberingCoversEveryShapeAndVariantOnce) {
    // Worked examples: the nose with shape 2, variant 2 is picture 14; the
    // hair (variant-major) with shape 3, variant 0 is picture 3, and with
    // shape 0, variant 1 picture 10.
    EXPECT_EQ(PictureIndex(false, 9, 6, 2, 2), 14);
    EXPECT_EQ(PictureIndex(true, 10, 10, 3, 0), 3);
    EXPECT_EQ(PictureIndex(true, 10, 10, 0, 1), 10);
    for (const SlotCatalogueEntry& entry : kSlotCatalogue) {
        std::set<int> seen;
        for (int index = 0; index < PictureCount(entry); ++index) {
            const int shape = PictureShape(entry, index);
            const int variant = PictureVariant(entry, index);
            ASSERT_GE(shape, 0);
            ASSERT_LT(shape, entry.shapes);
            ASSERT_GE(variant, 0);
            ASSERT_LT(variant, entry.variants);
            EXPECT_EQ(
                PictureIndex(entry.variantMajor, entry.shapes, entry.variants, shape, variant),
                index)
                << entry.tag;
            seen.insert(shape * 100 + variant);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), entry.shapes * entry.variants) << entry.tag;
    }
}

TEST(SlotCatalogue, PictureStoreLiesInFaceArtAndHair) {
    EXPECT_EQ(PictureLibraryPath("/prog", 16014), std::filesystem::path("/prog/FaceArt/16014.bmp"));
    EXPECT_EQ(PictureFileFolder("/prog") / PictureFileName("no", 0, 14),
              std::filesystem::path("/prog/HAIR/no14.bmp"));
    // Only the nose is in both sources; the library slots have no files.
    int both = 0;
    for (const SlotCatalogueEntry& entry : kSlotCatalogue) {
        EXPECT_TRUE(HasLibraryPictures(entry) || HasPictureFiles(entry)) << entry.tag;
        both += HasLibraryPictures(entry) && HasPictureFiles(entry);
    }
    EXPECT_EQ(both, 1);
    EXPECT_TRUE(HasLibraryPictures(kSlotCatalogue[5]) && HasPictureFiles(kSlotCatalogue[5]));
}

TEST(FaceItem, OutlinePointsArePlacedOnTheCanvasAndMirrored) {
    CFaceFrame face = NewFace();
    CFaceItem& eyes = face.Slot(FaceSlot::Eyes); // x 76, width 42, y 122
    eyes.drawOffset = {2, -3};
    for (int i = 0; i < CFaceItem::kOutlinePoints; ++i) {
        eyes.outline[0][i] = {i, 1};
        eyes.outline[1][i] = {20 - i, 2};
    }
    EXPECT_EQ(eyes.PictLeftX(0), 78);
    EXPECT_EQ(eyes.PictLeftX(1), 260 - 42 - 76 - 3);
    EXPECT_EQ(eyes.OutlinePoint(0, 5).x, 83);
    EXPECT_EQ(eyes.OutlinePoint(0, 5).y, 123);
    EXPECT_EQ(eyes.OutlineMinX(0), 78);
    EXPECT_EQ(eyes.OutlineMaxX(0), 89);
    EXPECT_EQ(eyes.OutlineMinX(1), 139 + 9);
    EXPECT_EQ(eyes.OutlineMaxX(1), 139 + 20);
}
