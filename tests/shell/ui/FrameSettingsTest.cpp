#include "model/ui/PageFace.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/ToolbarIcons.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QApplication>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace mienlore;

using test::StoreIn;

TEST(FrameSettings, PlacementIsCapturedOnCloseAndSettingsSavedAtTheEnd) {
    test::TempDir dir;
    {
        CAppGlobals globals(test::PrivateProgramFolder(dir), StoreIn(dir));
        CMainFrame frame(globals);
        frame.show();
        frame.move(30, 40);
        QApplication::processEvents();
        EXPECT_FALSE(globals.params.placements[kPlacementMain].valid);
        frame.close();
        EXPECT_TRUE(globals.params.placements[kPlacementMain].valid);
        EXPECT_EQ(globals.params.placements[kPlacementMain].right -
                      globals.params.placements[kPlacementMain].left,
                  frame.width());
    }
    QSettings stored(QString::fromStdString((dir / "s.ini").string()), QSettings::IniFormat);
    const QString main = stored.value("Wind/Main").toString();
    EXPECT_FALSE(main.isEmpty());
    EXPECT_NE(main, "0,0,0,0,0,0,0,0,0,0");

    // The next start puts the window back where it was.
    CAppGlobals again(test::PrivateProgramFolder(dir), StoreIn(dir));
    ASSERT_TRUE(again.params.placements[kPlacementMain].valid);
    CMainFrame frame(again);
    EXPECT_EQ(frame.width(), again.params.placements[kPlacementMain].right -
                                 again.params.placements[kPlacementMain].left);
}

TEST(FrameSettings, SmoothingSwitchAlternatesBetweenOffAndThirtyPercent) {
    test::TempDir dir;
    CAppGlobals globals(test::PrivateProgramFolder(dir), StoreIn(dir));
    CMainFrame frame(globals);
    ASSERT_EQ(globals.params.face.filter, 2);
    frame.OnCommand(cmd::kSmooth);
    EXPECT_EQ(globals.params.face.filter, 0);
    frame.OnCommand(cmd::kSmooth);
    EXPECT_EQ(globals.params.face.filter, 3);
}

TEST(FrameSettings, KeysWaitWhileAModalDialogIsOpen) {
    test::TempDir dir;
    CAppGlobals globals(test::PrivateProgramFolder(dir), StoreIn(dir));
    CMainFrame frame(globals);
    frame.show();
    frame.activateWindow();
    QApplication::processEvents();
    frame.OnCommand(cmd::kSlotEyes);
    const std::string before = globals.face.Encode();
    frame.View()->SetModalOpen(true);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
    QTest::keyClick(target, Qt::Key_Z);
    EXPECT_EQ(globals.face.Encode(), before);
    frame.View()->SetModalOpen(false);
    QTest::keyClick(target, Qt::Key_Z);
    EXPECT_NE(globals.face.Encode(), before);
}

TEST(ToolbarIcons, EveryButtonHasASharpDoubleSizePicture) {
    for (int id :
         {cmd::kFileOpen, cmd::kFileSaveAsButton, cmd::kFilePrint, cmd::kFilePrintPreview,
          cmd::kFilePageSetup, cmd::kSaveWebPage, cmd::kSaveFaceImage, cmd::kOptions,
          cmd::kPagePict, cmd::kPageHist, cmd::kPageText, cmd::kPageType, cmd::kHelpTopics}) {
        const QIcon icon = CommandIcon(id);
        ASSERT_FALSE(icon.isNull()) << id;
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 15))) << id;
        EXPECT_TRUE(sizes.contains(QSize(32, 30))) << id;
    }
    EXPECT_TRUE(CommandIcon(cmd::kSlotForehead).isNull());
}

TEST(FrameSettings, AFailedSaveAndMissingTextFilesAreToldWithTheFileName) {
    test::TempDir dir;
    test::WriteFileBytes(dir / "file", "x"); // a file where a folder is needed
    const QString blocked = QString::fromStdString((dir / "file" / "s.ini").string());
    CAppGlobals globals(test::ProgramFolder(), std::make_unique<CQtSettingsStore>(blocked));
    const QString message = globals.SaveSettingsReport();
    EXPECT_TRUE(message.contains(blocked)) << message.toStdString();
    EXPECT_TRUE(globals.UnreadableTextFiles().isEmpty());

    CAppGlobals fine(test::ProgramFolder(), StoreIn(dir));
    EXPECT_TRUE(fine.SaveSettingsReport().isEmpty());

    // A program folder without the analysis texts.
    CAppGlobals bare(dir.Path(), StoreIn(dir));
    const QStringList missing = bare.UnreadableTextFiles();
    ASSERT_EQ(missing.size(), 2);
    EXPECT_TRUE(missing[0].contains(QStringLiteral("traits.ini")));
    EXPECT_TRUE(missing[1].contains(QStringLiteral("typepages.ini")));
}
