#include "imaging/ui/FaceWnd.h"
#include "model/FaceFrame.h"
#include "shell/ui/CommandIds.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace mienlore;

TEST(FaceWnd, RendersTheFaceAndFindsItsFeatures) {
    CFaceFrame face(MIENLORE_PROGRAM_FOLDER);
    CFaceWnd wnd;
    wnd.resize(290, 330);
    wnd.BindFace(&face);
    wnd.Render(QStringLiteral("Nervous"));
    ASSERT_EQ(wnd.Cache().size(), QSize(290, 330));
    EXPECT_EQ(wnd.Caption(), "Nervous");

    // The eyes were drawn where hit testing finds them (window = canvas + 2).
    const FaceRect eye = face.Slot(FaceSlot::Eyes).pict[0].drawnRect;
    ASSERT_GT(eye.right - eye.left, 1);
    const QPoint inEye((eye.left + eye.right) / 2 + 2, (eye.top + eye.bottom) / 2 + 2);
    EXPECT_EQ(wnd.HitTest(inEye), cmd::kSlotEyes);
    EXPECT_EQ(wnd.HitTest(QPoint(-50, -50)), 0);
    // Far outside the head nothing is hit.
    EXPECT_EQ(wnd.HitTest(QPoint(287, 327)), 0);
}

TEST(FaceWnd, HintLineFollowsItsMode) {
    CFaceWnd wnd;
    EXPECT_EQ(wnd.HintText(), "Left click on face image to select face item.");
    wnd.SetHintMode(1);
    EXPECT_EQ(wnd.HintText(), "Use Wheel (Shift) to select next item.");
    wnd.SetHintMode(2);
    EXPECT_EQ(wnd.HintText(), "Left click on face image and move. Use Shift.");
    wnd.SetHintMode(7); // not a mode: kept
    EXPECT_EQ(wnd.HintMode(), 2);
}

TEST(FaceWnd, WithoutAFaceItShowsTheFaceColour) {
    CFaceWnd wnd;
    wnd.resize(40, 30);
    FaceWndLook look;
    look.faceColour = 0xE0E0E4;
    wnd.SetLook(look);
    wnd.Render({});
    EXPECT_EQ(wnd.Cache().pixelColor(10, 10), QColor(0xE4, 0xE0, 0xE0));
}
