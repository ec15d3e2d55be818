#include "files/ui/ClipboardCommands.h"
#include "files/ClipboardRecord.h"
#include "files/ui/QtClipboard.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace mienlore;

TEST(ClipboardCommands, CopyThenPasteLeavesTheFaceAndTheRecord) {
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(CanPastePhotoRobot());
    CFaceFrame face(test::ProgramFolder());
    face.Slot(FaceSlot::Nose).SetShape(4);
    ASSERT_TRUE(CopyPhotoRobot(face));
    EXPECT_TRUE(CanPastePhotoRobot());

    CFaceFrame other(test::ProgramFolder());
    ASSERT_TRUE(PastePhotoRobot(other));
    EXPECT_EQ(other.Encode(), face.Encode());
    // A copied face stays for further pastes and is not taken as a hand-over.
    EXPECT_TRUE(PastePhotoRobot(other));
    EXPECT_FALSE(TakeHandedOverFromClipboard(other));
    EXPECT_TRUE(CanPastePhotoRobot());
}

TEST(ClipboardCommands, HandOverIsTakenOnceAndBadRecordsLeaveTheFace) {
    CQtClipboard clipboard;
    CFaceFrame source(test::ProgramFolder());
    source.Slot(FaceSlot::Lips).SetShape(2);
    ASSERT_TRUE(PutRecord(clipboard, source.Encode(), kSendRecordTag));
    CFaceFrame face(test::ProgramFolder());
    ASSERT_TRUE(TakeHandedOverFromClipboard(face));
    EXPECT_EQ(face.Slot(FaceSlot::Lips).GetShape(), 2);
    EXPECT_FALSE(CanPastePhotoRobot());

    ASSERT_TRUE(PutRecord(clipboard, "not a face code at all", kFaceRecordTag));
    const std::string before = face.Encode();
    EXPECT_FALSE(PastePhotoRobot(face));
    EXPECT_EQ(face.Encode(), before);
}

TEST(ClipboardCommands, CopyAsBitmapPutsThePicture) {
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(CopyFacePicture(picture));
    const QImage back = QGuiApplication::clipboard()->image();
    EXPECT_EQ(back.size(), QSize(20, 10));
    EXPECT_EQ(back.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_FALSE(CopyFacePicture(QImage()));
}
