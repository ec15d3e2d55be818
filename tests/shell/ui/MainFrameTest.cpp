#include "shell/ui/MainFrame.h"
#include "model/ui/PageFace.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/QtSettingsStore.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace mienlore;

using test::KeyClick;

namespace {

struct FrameFixture : test::FrameTest {
    void SetUp() override {
        frame.show();
        QApplication::processEvents();
    }
    QStringList MenuTexts(int index) {
        QStringList texts;
        const QList<QAction*> menus = frame.menuBar()->actions();
        int i = 0;
        for (QAction* m : menus) {
            if (m->isSeparator())
                continue;
            if (i++ == index)
                for (QAction* a : m->menu()->actions())
                    texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return texts;
    }
};

} // namespace

TEST_F(FrameFixture, MenuHoldsEveryItemInOrderWithSeparators) {
    QStringList titles;
    for (QAction* m : frame.menuBar()->actions())
        titles << (m->isSeparator() ? QStringLiteral("|") : m->text());
    // The separator pushes Help to the right end of the bar.
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Find", "|", "&Help"}));

    EXPECT_EQ(MenuTexts(0),
              (QStringList{QStringLiteral("&Open…\tCtrl+O"), QStringLiteral("&Save As…\tCtrl+S"),
                           "Open picture...", "-", "Open gallery...", "Save to gallery...", "-",
                           QStringLiteral("&Print…\tCtrl+P"), "Print Pre&view",
                           QStringLiteral("Export as PDF…"), QStringLiteral("P&age Setup…"), "-",
                           "Save As WEB Page", QStringLiteral("Save As Web Page…"),
                           QStringLiteral("Save Face Image…"), "-", "Exit"}));
    const QStringList edit = MenuTexts(1);
    ASSERT_EQ(edit.size(), 26);
    EXPECT_EQ(edit[2], "Head \tCtrl+1");
    EXPECT_EQ(edit[10], "-");
    EXPECT_EQ(edit[14], "Glasses \tCtrl+G");
    EXPECT_EQ(edit[25], "Photo-robot\tCtrl+P");
    EXPECT_EQ(MenuTexts(2), (QStringList{"Interpretation", "Gallery", "&Status Bar", "-",
                                         "Face Traits", "Diagram", "Text", "PType"}));
    EXPECT_EQ(MenuTexts(4), (QStringList{"Help Topics", QStringLiteral("Ti&p of the Day…"), "-",
                                         "Web Site", "Technical Support", "-", "&About Mienlore"}));
}

TEST_F(FrameFixture, CtrlPPrintsAndTheSecondEntryOfAKeyIsIgnored) {
    EXPECT_EQ(frame.Action(cmd::kFilePrint)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(frame.Action(cmd::kPhotoRobot)->shortcut().isEmpty());
    // Menu texts with an accelerator but no table entry get no shortcut.
    EXPECT_TRUE(frame.Action(cmd::kSlotGlasses)->shortcut().isEmpty());
    EXPECT_TRUE(frame.Action(cmd::kSaveList)->shortcut().isEmpty());
    EXPECT_EQ(frame.Action(cmd::kDefaultPlacement)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(frame.Action(cmd::kListAdd)->shortcut(),
              QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus));

    int printed = 0;
    frame.SetCommand(cmd::kFilePrint, {[&] { ++printed; }, {}});
    frame.IdleUpdate();
    KeyClick(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed, 1);
}

TEST_F(FrameFixture, StatusTextsAndToolTipsComeFromTheStringTable) {
    EXPECT_EQ(frame.Action(cmd::kFileOpen)->statusTip(), "Open an existing list");
    EXPECT_EQ(frame.Action(cmd::kFileOpen)->toolTip(), "Open");
    EXPECT_EQ(frame.Action(cmd::kSaveList)->statusTip(), "Save List (Ctrl+S)");
    EXPECT_EQ(frame.Action(cmd::kFileSaveAsButton)->toolTip(), "Save as");

    QMenu* view = frame.menuBar()->actions()[2]->menu();
    view->popup(QPoint(0, 0));
    view->setActiveAction(frame.Action(cmd::kToggleInterpretation));
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Show or hide the interpretation window");
}

TEST_F(FrameFixture, StartsWithPanelsShownToolbarsHiddenAndTheDiagramPage) {
    EXPECT_TRUE(frame.Toolbar(128)->isHidden());
    EXPECT_TRUE(frame.Toolbar(130)->isHidden());
    EXPECT_TRUE(frame.statusBar()->isVisible());
    EXPECT_TRUE(frame.IsFacesListShown() && frame.IsInterpretationShown() &&
                frame.IsGalleryShown());
    EXPECT_TRUE(frame.Action(cmd::kToggleInterpretation)->isChecked());
    EXPECT_TRUE(frame.Action(cmd::kToggleGallery)->isChecked());
    EXPECT_TRUE(frame.Action(cmd::kToggleStatusBar)->isChecked());
    EXPECT_EQ(frame.View()->ActivePage(), cmd::kPageHist);
    EXPECT_TRUE(frame.Action(cmd::kPageHist)->isChecked());

    const QList<QAction*> buttons128 = frame.Toolbar(128)->actions();
    ASSERT_EQ(buttons128.size(), 16);
    EXPECT_EQ(buttons128[1]->data().toInt(), cmd::kFileSaveAsButton);
    EXPECT_TRUE(buttons128[2]->isSeparator());
    EXPECT_FALSE(buttons128[0]->icon().isNull());
}

TEST_F(FrameFixture, CommandsWithoutHandlersStayDisabled) {
    frame.IdleUpdate();
    // An id that no command answers stays refused.
    EXPECT_FALSE(frame.OnCommand(12345));
    for (int id :
         {cmd::kSlotForehead, cmd::kClear, cmd::kRandomize, cmd::kToggleInterpretation,
          cmd::kPageHist, cmd::kAppExit, cmd::kFindFace, cmd::kFindInGallery, cmd::kFindOnMap,
          cmd::kPageText, cmd::kPageType, cmd::kHelpTopics, cmd::kAbout, cmd::kTipOfTheDay})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
}

TEST_F(FrameFixture, PrintAndExportsNeedACurrentSlot) {
    for (int id : {cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kSaveWebPage, cmd::kSaveFaceImage})
        frame.SetCommand(id, {[] {}, {}});
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(cmd::kFilePrint)->isEnabled());
    frame.OnCommand(cmd::kRandomize); // Randomize ends the selection
    frame.IdleUpdate();
    for (int id : {cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kSaveWebPage, cmd::kSaveFaceImage})
        EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;
    frame.OnCommand(cmd::kSlotEyes);
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(cmd::kSaveFaceImage)->isEnabled());
}

TEST_F(FrameFixture, HidingTheInterpretationNarrowsTheFrameAndKeepsItsCorner) {
    frame.move(40, 30);
    QApplication::processEvents();
    const QPoint corner = frame.pos();
    const int faceRight = frame.View()->PlaceholderRect(CView::kFacePage).x() +
                          frame.View()->PlaceholderRect(CView::kFacePage).width();
    const int wide = frame.width();
    frame.OnCommand(cmd::kToggleInterpretation);
    QApplication::processEvents();
    EXPECT_FALSE(frame.Action(cmd::kToggleInterpretation)->isChecked());
    EXPECT_LT(frame.width(), wide);
    EXPECT_EQ(frame.View()->width(), faceRight + 8);
    EXPECT_EQ(frame.pos(), corner);
    frame.OnCommand(cmd::kToggleInterpretation);
    QApplication::processEvents();
    EXPECT_EQ(frame.width(), wide);
}

TEST_F(FrameFixture, AcceleratorsSelectSlotsAndPages) {
    KeyClick(Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(frame.View()->FacePage()->SelectedSlot(), cmd::kSlotEyes);
    KeyClick(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(frame.View()->FacePage()->SelectedSlot(), cmd::kSlotHair);
    frame.OnCommand(cmd::kSlotGlasses);
    EXPECT_EQ(frame.View()->FacePage()->SelectedSlot(), cmd::kSlotGlasses);
    frame.OnCommand(cmd::kPageText);
    frame.IdleUpdate();
    EXPECT_EQ(frame.View()->ActivePage(), cmd::kPageText);
    EXPECT_TRUE(frame.Action(cmd::kPageText)->isChecked());
    EXPECT_FALSE(frame.Action(cmd::kPageHist)->isChecked());
}

TEST_F(FrameFixture, CtrlHSelectsTheHairWithoutClearingTheFace) {
    const std::string before = globals.face.Encode();
    KeyClick(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(globals.face.Encode(), before);
    KeyClick(Qt::Key_H);
    EXPECT_TRUE(globals.face.IsBlank());
    EXPECT_EQ(frame.View()->FacePage()->SelectedSlot(), cmd::kSlotForehead);
}

TEST_F(FrameFixture, StatusBarToggleKeepsTheCheckMarkInStep) {
    frame.OnCommand(cmd::kToggleStatusBar);
    EXPECT_TRUE(frame.statusBar()->isHidden());
    EXPECT_FALSE(frame.Action(cmd::kToggleStatusBar)->isChecked());
    frame.OnCommand(cmd::kToggleStatusBar);
    EXPECT_FALSE(frame.statusBar()->isHidden());
}
