// What a user meets on the main window: tool tips on every control that has
// one, the keys desktop users expect, stopping random steps, and a window
// that cannot be made so small that panels are cut off.
#include "model/FaceFrame.h"
#include "model/ui/PageFace.h"
#include "model/ui/PictList.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QHelpEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

using namespace mienlore;
using test::KeyClick;
using namespace mienlore::cmd;

namespace {

struct Controls : test::FrameTest {
    void SetUp() override {
        frame.show();
        QApplication::processEvents();
    }
    CView& View() { return *frame.View(); }

    // The text of the tool tip a hovering mouse gets over the widget (empty
    // when none shows).
    QString ShownTip(QWidget* w, QPoint at = {-1, -1}) {
        // A tip that is hidden fades out; wait until it is gone.
        QToolTip::hideText();
        (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
        if (at.x() < 0)
            at = w->rect().center();
        QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
        QApplication::sendEvent(w, &help);
        QApplication::processEvents();
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

} // namespace

TEST_F(Controls, ToolTipsShowOnEveryKindOfControlAndTheOptionTurnsThemOff) {
    CPageFace* page = View().FacePage();
    for (int id : {kSlotForehead, kSlotCheekBones, kSlotLips, kHideItem, kDefaultPlacement, kUndo,
                   kRedo, kPhotoRobot}) {
        QAbstractButton* b = page->Button(id);
        ASSERT_NE(b, nullptr) << id;
        EXPECT_FALSE(b->toolTip().isEmpty()) << id;
        EXPECT_EQ(ShownTip(b), b->toolTip()) << id;
    }
    // The picture list shows the name of the picture under the mouse.
    CPictList* list = page->PictureList();
    ASSERT_GT(list->count(), 0);
    const QRect first = list->visualItemRect(list->item(0));
    EXPECT_FALSE(ShownTip(list->viewport(), first.center()).isEmpty());
    // Toolbar and page bar.
    frame.OnCommand(kToggleToolbar);
    QApplication::processEvents();
    QToolBar* bar = frame.Toolbar(128);
    ASSERT_TRUE(bar->isVisible());
    QWidget* open = bar->widgetForAction(frame.Action(kFileOpen));
    ASSERT_NE(open, nullptr);
    EXPECT_FALSE(ShownTip(open).isEmpty());
    auto* pageButton = View().findChild<QToolButton*>(QStringLiteral("ctl%1").arg(kPageHist));
    ASSERT_NE(pageButton, nullptr);
    EXPECT_FALSE(ShownTip(pageButton).isEmpty());

    globals.params.face.tooltips = 0;
    EXPECT_TRUE(ShownTip(page->Button(kSlotForehead)).isEmpty());
    EXPECT_TRUE(ShownTip(open).isEmpty());
    globals.params.face.tooltips = 1;
    EXPECT_FALSE(ShownTip(page->Button(kSlotForehead)).isEmpty());
}

TEST_F(Controls, DesktopKeysUndoRedoNewFaceSaveAndPanels) {
    const std::string start = globals.face.Encode();
    View().FacePage()->SelectSlot(kSlotNose);
    KeyClick(Qt::Key_Z); // next shape
    QApplication::processEvents();
    const std::string changed = globals.face.Encode();
    ASSERT_NE(changed, start);
    KeyClick(Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(globals.face.Encode(), start);
    KeyClick(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(globals.face.Encode(), changed);

    // Ctrl+N: the new face, one step back with undo.
    KeyClick(Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(globals.face.Encode(), CFaceFrame(test::ProgramFolder()).Encode());
    KeyClick(Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(globals.face.Encode(), changed);

    // Ctrl+S and toolbar button 57604 are "Save As..." of the list.
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(kFileSave)->isEnabled());
    EXPECT_TRUE(frame.Action(kFileSaveAsButton)->isEnabled());
    EXPECT_EQ(frame.Action(kFileSave)->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_S));

    // F6 and Shift+F6 walk the panels.
    QWidget* before = QApplication::focusWidget();
    KeyClick(Qt::Key_F6);
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, before);
    KeyClick(Qt::Key_F6, Qt::ShiftModifier);
    KeyClick(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), next);

    // Ctrl+Q ends the program.
    KeyClick(Qt::Key_Q, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(Controls, RandomStepsStopWithEscOrASecondCtrlRAndTheHintSaysSo) {
    View().FacePage()->SelectSlot(kSlotEyes);
    KeyClick(Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(View().RandomStepsRunning());
    EXPECT_TRUE(frame.statusBar()->currentMessage().contains(QStringLiteral("Esc")));
    QTest::qWait(250);
    KeyClick(Qt::Key_Escape);
    EXPECT_FALSE(View().RandomStepsRunning());
    EXPECT_EQ(View().FacePage()->SelectedSlot(), kSlotEyes); // the slot selected before
    const std::string held = globals.face.Encode();
    QTest::qWait(250);
    EXPECT_EQ(globals.face.Encode(), held);
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());

    KeyClick(Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(View().RandomStepsRunning());
    KeyClick(Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(View().RandomStepsRunning());
}

TEST_F(Controls, TheWindowCannotBeMadeSmallerThanItsPanels) {
    const QSize fitted = frame.size();
    frame.resize(100, 80);
    QApplication::processEvents();
    EXPECT_GE(frame.width(), fitted.width());
    EXPECT_GE(frame.height(), fitted.height());
    EXPECT_EQ(frame.minimumSize(), fitted);
    // Hiding a panel lowers the minimum with the fitting size.
    frame.OnCommand(kToggleInterpretation);
    QApplication::processEvents();
    EXPECT_NE(frame.minimumSize(), fitted);
    EXPECT_EQ(frame.minimumSize(), frame.size());
}
