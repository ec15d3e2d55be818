#include "files/ui/ClipboardCommands.h"
#include "files/ui/PeopList.h"
#include "model/FaceFrame.h"
#include "model/PhotoRobot.h"
#include "model/ui/Facewizard.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/QtSettingsStore.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mienlore;

using Frame = test::FrameTest;

TEST_F(Frame, CopyThenPasteKeepsTheFaceAndAddsOneHistoryStep) {
    QGuiApplication::clipboard()->clear();
    frame.IdleUpdate();
    EXPECT_FALSE(frame.Action(cmd::kPasteFaceText)->isEnabled());
    globals.face.Slot(FaceSlot::Lips).SetShape(3);
    const std::string before = globals.face.Encode();
    ASSERT_TRUE(frame.OnCommand(cmd::kCopyFaceText));
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(cmd::kPasteFaceText)->isEnabled());
    const int steps = frame.View()->History().Count();
    ASSERT_TRUE(frame.OnCommand(cmd::kPasteFaceText));
    EXPECT_EQ(globals.face.Encode(), before);
    EXPECT_EQ(frame.View()->History().Count(), steps + 1);

    ASSERT_TRUE(frame.OnCommand(cmd::kCopyBitmap));
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(Frame, PhotoRobotOpensOnceAndItsChoicesRunTheUpdateCycle) {
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(cmd::kPhotoRobot)->isEnabled());
    const int steps = frame.View()->History().Count();
    bool enabledWhileOpen = true;
    QTimer::singleShot(0, [&] {
        auto* wizard = qobject_cast<CFacewizard*>(QApplication::activeModalWidget());
        ASSERT_NE(wizard, nullptr);
        frame.IdleUpdate();
        enabledWhileOpen = frame.IsCommandEnabled(cmd::kPhotoRobot);
        wizard->FacePage(1)->Click(photorobot::kFirstShapeId + 2);
        wizard->next();
        wizard->reject();
    });
    ASSERT_TRUE(frame.OnCommand(cmd::kPhotoRobot));
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_EQ(globals.face.Slot(FaceSlot::Forehead).GetShape(), 2);
    EXPECT_EQ(frame.View()->History().Count(), steps + 1);
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(cmd::kPhotoRobot)->isEnabled());
}

TEST_F(Frame, FacesListPicksIntoTheView) {
    auto* list = qobject_cast<CPeopList*>(frame.View()->FacesListBar());
    ASSERT_NE(list, nullptr);
    CFaceFrame stored(MIENLORE_PROGRAM_FOLDER);
    stored.Slot(FaceSlot::Eyes).SetShape(6);
    test::WriteFileBytes(dir / "l.phy", stored.Encode("Eve") + "\r\n");
    const int steps = frame.View()->History().Count();
    list->LoadList(QString::fromStdString((dir / "l.phy").string()));
    EXPECT_EQ(globals.face.Slot(FaceSlot::Eyes).GetShape(), 6);
    EXPECT_EQ(frame.View()->History().Count(), steps + 1);
    EXPECT_EQ(list->NameBox()->currentText(), QStringLiteral("Eve"));
}
