#include "model/PhotoRobot.h"
#include "model/FaceFrame.h"

#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::photorobot;

namespace {

struct Expected {
    FaceSlot slot;
    int horz[3]; // 0 when the page has no horizontal group
    int vert[3]; // 0 when the page has no vertical group
};

// The low / default / high values each page sets, from the catalogue.
constexpr Expected kExpected[] = {
    {FaceSlot::Forehead, {0, 0, 0}, {20, 30, 45}},
    {FaceSlot::CheekBones, {90, 100, 110}, {110, 120, 130}},
    {FaceSlot::Chin, {0, 0, 0}, {180, 190, 200}},
    {FaceSlot::Lips, {83, 100, 118}, {185, 190, 195}},
    {FaceSlot::Nose, {91, 100, 128}, {0, 0, 0}},
    {FaceSlot::Eyes, {70, 76, 79}, {116, 122, 128}},
    {FaceSlot::Eyebrows, {49, 56, 63}, {87, 95, 102}},
    {FaceSlot::Ears, {88, 100, 108}, {85, 95, 105}},
};

} // namespace

TEST(PhotoRobot, PagesFollowTheQuestionnaireOrderWithTheirGroups) {
    const auto& pages = PhotoRobotPages();
    const int dialogs[] = {400, 410, 420, 460, 450, 430, 440, 470};
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_EQ(pages[i].dialogId, dialogs[i]);
        EXPECT_EQ(pages[i].slot, kExpected[i].slot);
        EXPECT_EQ(pages[i].horizontal.empty(), kExpected[i].horz[1] == 0) << i;
        EXPECT_EQ(pages[i].vertical.empty(), kExpected[i].vert[1] == 0) << i;
    }
    EXPECT_EQ(pages[1].shapes.size(), 11u);
    EXPECT_TRUE(pages[1].variants.empty());
    EXPECT_EQ(pages[4].shapes.size(), 7u);
    EXPECT_EQ(pages[6].shapes.size(), 14u);
    EXPECT_STREQ(pages[2].vertical[0], "Near");
    EXPECT_EQ(PhotoRobotTitle(1), "Photo-robot page 1/8");
    EXPECT_EQ(PhotoRobotTitle(8), "Photo-robot page 8/8");
}

TEST(PhotoRobot, ChoicesSetValuesFromTheDefaultsNotTheCurrentValues) {
    for (const Expected& e : kExpected) {
        for (int c = 0; c < 3; ++c) {
            CFaceFrame face("/prog");
            CFaceItem& item = face.Slot(e.slot);
            // Move the slot away first: the choice must not depend on it.
            item.SetPosY(item.YMax());
            item.SetHorzValue(item.HorzMax());
            if (e.vert[1] != 0) {
                ASSERT_TRUE(ApplyPhotoRobotChoice(item, kFirstVertId + c));
                EXPECT_EQ(item.GetPosY(), e.vert[c]) << static_cast<int>(e.slot) << " " << c;
            }
            if (e.horz[1] != 0) {
                ASSERT_TRUE(ApplyPhotoRobotChoice(item, kFirstHorzId + c));
                EXPECT_EQ(item.GetHorzValue(), e.horz[c]) << static_cast<int>(e.slot) << " " << c;
            }
        }
    }
}

TEST(PhotoRobot, ChinNearIsTakenFromTheDefaultAfterADrag) {
    CFaceFrame face("/prog");
    CFaceItem& chin = face.Slot(FaceSlot::Chin);
    chin.SetPosY(206);
    ASSERT_TRUE(ApplyPhotoRobotChoice(chin, kFirstVertId));
    EXPECT_EQ(chin.GetPosY(), 180);
}

TEST(PhotoRobot, ShapeAndVariantRadiosSetTheirPositionInTheGroup) {
    CFaceFrame face("/prog");
    CFaceItem& cheeks = face.Slot(FaceSlot::CheekBones);
    ASSERT_TRUE(ApplyPhotoRobotChoice(cheeks, kFirstShapeId + 10));
    EXPECT_EQ(cheeks.GetShape(), 10); // the position, not the catalogue shape named
    CFaceItem& nose = face.Slot(FaceSlot::Nose);
    ASSERT_TRUE(ApplyPhotoRobotChoice(nose, kFirstShapeId + 1));
    EXPECT_EQ(nose.GetShape(), 1);
    ASSERT_TRUE(ApplyPhotoRobotChoice(nose, kFirstVariantId + 5));
    EXPECT_EQ(nose.GetVariant(), 5);
}

TEST(PhotoRobot, UnknownChangesNothingAndHideEmptiesTheSlot) {
    CFaceFrame face("/prog");
    CFaceItem& eyes = face.Slot(FaceSlot::Eyes);
    eyes.SetShape(3);
    const std::string before = face.Encode();
    EXPECT_FALSE(ApplyPhotoRobotChoice(eyes, kUnknownId));
    EXPECT_FALSE(ApplyPhotoRobotChoice(eyes, 1999));
    EXPECT_EQ(face.Encode(), before);

    ASSERT_TRUE(ApplyPhotoRobotChoice(eyes, kHideId));
    EXPECT_EQ(eyes.GetShape(), eyes.Shapes() - 1);
    EXPECT_EQ(eyes.GetShape(), 10);
    EXPECT_TRUE(eyes.IsEmpty());
}
