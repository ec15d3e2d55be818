#include "shell/ui/View.h"
#include "analysis/ui/FateHist.h"
#include "analysis/ui/PageFate.h"
#include "model/ui/PageFace.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogUnits.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/PageDesc.h"
#include "shell/ui/QtSettingsStore.h"
#include "support/FrameTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

using namespace mienlore;

using test::KeyClick;

namespace {

struct ViewFixture : test::FrameTest {
    CView& view = *frame.View();
    void SetUp() override {
        frame.show();
        frame.activateWindow();
        QApplication::processEvents();
    }
    CFaceItem& Slot(FaceSlot s) { return globals.face.Slot(s); }
};

} // namespace

TEST(DialogUnits, ConvertEdgesSoNeighboursStayAdjacent) {
    const DialogUnits du(6, 13); // the classic 8-point dialog font
    EXPECT_EQ(du.Rect(7, 4, 281, 24), QRect(11, 7, 432 - 11, 46 - 7));
    // The face page and the page area share no pixel and leave no gap
    // beyond their dialog-unit distance.
    const QRect face = du.Rect(7, 32, 281, 216);
    const QRect area = du.Rect(294, 32, 194, 276);
    EXPECT_EQ(area.x() - (face.x() + face.width()), du.X(294) - du.X(288));
    // A larger font gives a larger layout.
    const DialogUnits big(8, 16);
    EXPECT_GT(big.Rect(7, 32, 281, 216).width(), face.width());
}

TEST_F(ViewFixture, StartsOnTheDiagramPageWithHistPressedAndTheForeheadSelected) {
    EXPECT_EQ(view.ActivePage(), cmd::kPageHist);
    EXPECT_TRUE(view.PageBar()->Button(cmd::kPageHist)->isChecked());
    EXPECT_FALSE(view.PageBar()->Button(cmd::kPagePict)->isChecked());
    EXPECT_TRUE(view.FatePage()->isVisible());
    EXPECT_EQ(view.FacePage()->SelectedSlot(), cmd::kSlotForehead);
    EXPECT_EQ(view.ChangeCounter(), 0);
}

TEST_F(ViewFixture, PageBarSwitchesPagesAndPostsFrameCommands) {
    QTest::mouseClick(view.PageBar()->Button(cmd::kPageType), Qt::LeftButton);
    EXPECT_EQ(view.ActivePage(), cmd::kPageType);
    EXPECT_TRUE(view.PageBar()->Button(cmd::kPageType)->isChecked());
    EXPECT_FALSE(view.PageBar()->Button(cmd::kPageHist)->isChecked());
    EXPECT_FALSE(view.FatePage()->isVisible());
    EXPECT_TRUE(view.Page(cmd::kPageType)->isVisible());
    // Clicking the active page's button keeps it pressed.
    QTest::mouseClick(view.PageBar()->Button(cmd::kPageType), Qt::LeftButton);
    EXPECT_TRUE(view.PageBar()->Button(cmd::kPageType)->isChecked());

    int options = 0;
    frame.SetCommand(cmd::kOptions, {[&] { ++options; }, {}});
    QTest::mouseClick(view.PageBar()->Button(cmd::kPageBarProps), Qt::LeftButton);
    EXPECT_EQ(options, 1);
}

TEST_F(ViewFixture, ChangeCounterCountsInTheNameBox) {
    for (int i = 0; i < 3; ++i)
        KeyClick(Qt::Key_Z);
    EXPECT_EQ(view.ChangeCounter(), 3);
    EXPECT_EQ(view.NameBox()->currentText(), "3");
}

TEST_F(ViewFixture, TypingInTheNameBoxLeavesTheFaceAlone) {
    const std::string before = globals.face.Encode();
    view.NameBox()->lineEdit()->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(view.NameBox()->lineEdit(), "wzasdfex");
    EXPECT_EQ(globals.face.Encode(), before);
    EXPECT_EQ(view.ChangeCounter(), 0);
}

TEST_F(ViewFixture, KeysEditTheSelectedSlotAndTheIndicatorsFollow) {
    frame.OnCommand(cmd::kSlotNose); // nose
    const int size = Slot(FaceSlot::Nose).GetSize();
    KeyClick(Qt::Key_F);
    EXPECT_EQ(Slot(FaceSlot::Nose).GetSize(), size + 1);
    EXPECT_EQ(view.FacePage()->Slider(1012)->value(), size + 1);

    // Pointed eyebrows-and-eyes changes move the analysis; the page shows
    // what the analysis reports.
    frame.OnCommand(cmd::kSlotEyes);
    KeyClick(Qt::Key_W);
    EXPECT_EQ(Slot(FaceSlot::Eyes).GetShape(), 2);
    const auto inte = globals.fate.GetIndicator(2640).value;
    EXPECT_EQ(view.FatePage()->Bar(2640)->Value(), inte);
    EXPECT_EQ(view.FatePage()->ConfidenceText(),
              QString::number(globals.fate.GetIndicator(2800).value) + "%");
    EXPECT_EQ(view.FacePage()->Caption(), QString::fromStdString(globals.fate.GetSummary()));
}

TEST_F(ViewFixture, UndoAndRedoWalkTheHistory) {
    const std::string start = globals.face.Encode();
    frame.OnCommand(cmd::kSlotEyes);
    KeyClick(Qt::Key_Z);
    const std::string one = globals.face.Encode();
    KeyClick(Qt::Key_X);
    const std::string two = globals.face.Encode();
    ASSERT_NE(one, two);
    QToolButton* undo = view.FacePage()->Button(cmd::kUndo);
    QToolButton* redo = view.FacePage()->Button(cmd::kRedo);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(globals.face.Encode(), one);
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(globals.face.Encode(), start);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    // Restoring adds no entries.
    EXPECT_EQ(view.History().Count(), 3);
    QTest::mouseClick(redo, Qt::LeftButton);
    EXPECT_EQ(globals.face.Encode(), one);
    EXPECT_EQ(view.FacePage()->Slider(1009)->value(), Slot(FaceSlot::Eyes).GetPosY());
}

TEST_F(ViewFixture, RandomizeStartsRandomStepsAndSelectingASlotStopsThem) {
    const int before = view.ChangeCounter();
    frame.OnCommand(cmd::kRandomize);
    EXPECT_FALSE(view.FaceHasCurrentSlot());
    QTRY_VERIFY_WITH_TIMEOUT(view.ChangeCounter() >= before + 2, 5000);
    frame.OnCommand(cmd::kSlotLips);
    EXPECT_TRUE(view.FaceHasCurrentSlot());
    const int counted = view.ChangeCounter();
    const std::string held = globals.face.Encode();
    // A timer started now fires after at least three of the view's 100 ms
    // ticks would have.
    bool later = false;
    QTimer::singleShot(300, [&later] { later = true; });
    QTRY_VERIFY_WITH_TIMEOUT(later, 5000);
    EXPECT_EQ(view.ChangeCounter(), counted);
    EXPECT_EQ(globals.face.Encode(), held);
}

TEST_F(ViewFixture, RandomStepsTouchOnlyMainSlotsAndKeepThemVisible) {
    view.SetTimerRunning(false);
    view.Random().Seed(12345);
    const std::string before = globals.face.Encode();
    for (int i = 0; i < 400; ++i) {
        view.RandomStep();
        for (int s = 0; s < kMainSlotCount; ++s)
            ASSERT_FALSE(globals.face.Item(s).IsEmpty()) << "step " << i << " slot " << s;
    }
    // Accessories and placement never move.
    const std::string after = globals.face.Encode();
    EXPECT_NE(after, before);
    EXPECT_EQ(after.substr(96), before.substr(96)); // hair, moustache, beard
    for (int s = 0; s < kMainSlotCount; ++s)
        EXPECT_EQ(after.substr(12 * s + 6, 6), before.substr(12 * s + 6, 6));
}

TEST_F(ViewFixture, FittingSizeFollowsTheShownPanels) {
    // Every shown panel fits with a margin of 8 pixels, and some panel
    // touches that margin on each side (nothing is wasted); showing more
    // panels never makes the size smaller.
    const auto check = [&](bool list, bool interpretation, bool gallery,
                           std::initializer_list<CView::Placeholder> shown) {
        const QSize size = view.FittingSize(list, interpretation, gallery);
        int widest = 0;
        int lowest = 0;
        for (CView::Placeholder p : shown) {
            const QRect r = view.PlaceholderRect(p);
            EXPECT_LE(r.x() + r.width() + 8, size.width()) << p;
            EXPECT_LE(r.y() + r.height() + 8, size.height()) << p;
            widest = std::max(widest, r.x() + r.width() + 8);
            lowest = std::max(lowest, r.y() + r.height() + 8);
        }
        EXPECT_EQ(size, QSize(widest, lowest));
        return size;
    };
    const QSize faceOnly = check(false, false, false, {CView::kFacePage});
    const QSize withPages =
        check(true, true, false, {CView::kFacesList, CView::kFacePage, CView::kPageArea});
    const QSize everything = check(
        true, true, true, {CView::kFacesList, CView::kFacePage, CView::kPageArea, CView::kGallery});
    EXPECT_GT(withPages.width(), faceOnly.width());
    EXPECT_GE(everything.width(), withPages.width());
    EXPECT_GT(everything.height(), withPages.height());
}

TEST_F(ViewFixture, AWiderViewWidensThePagesToEightPixelsShort) {
    frame.resize(frame.width() + 120, frame.height());
    QApplication::processEvents();
    ASSERT_GT(view.width(), view.FittingSize(true, true, true).width());
    EXPECT_EQ(view.FatePage()->geometry().right(), view.width() - 9);
    EXPECT_EQ(view.GalleryStrip()->geometry().right(), view.width() - 9);
}

TEST_F(ViewFixture, ApplyFaceTextTakesGoodCodesAndRefusesBadOnes) {
    const std::string before = globals.face.Encode();
    EXPECT_FALSE(view.ApplyFaceText("lo0101040030 garbage"));
    EXPECT_EQ(globals.face.Encode(), before);
    EXPECT_EQ(view.ChangeCounter(), 0);
    const QString code =
        QStringLiteral("lo0201040030sc0800100120ch0202042190ey0300076122br0400056095no0202100120"
                       "mo0101100190ea0101100095ha0000100010mu0000100110be0000100110;");
    EXPECT_TRUE(view.ApplyFaceText(code));
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetShape(), 2);
    EXPECT_EQ(view.ChangeCounter(), 1);
    // "new" brings the new face back, as on the command line.
    EXPECT_TRUE(view.ApplyFaceText(QStringLiteral("new")));
    EXPECT_EQ(globals.face.Encode(), CFaceFrame(globals.face.ProgramFolder()).Encode());
    EXPECT_EQ(view.ChangeCounter(), 2);
}

TEST_F(ViewFixture, MenButtonSwitchesTheAnalysis) {
    EXPECT_TRUE(globals.fate.IsMale());
    QTest::mouseClick(view.FatePage()->MenButton(), Qt::LeftButton);
    EXPECT_FALSE(globals.fate.IsMale());
    EXPECT_FALSE(view.FatePage()->IsMale());
    EXPECT_TRUE(frame.OnCommand(cmd::kMenWomen));
    EXPECT_TRUE(globals.fate.IsMale());
}
