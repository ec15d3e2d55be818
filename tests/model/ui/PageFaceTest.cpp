#include "model/ui/PageFace.h"
#include "imaging/ui/FaceWnd.h"
#include "model/FaceFrame.h"
#include "model/ui/PictList.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogUnits.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

struct PageFixture : ::testing::Test {
    CFaceFrame face{MIENLORE_PROGRAM_FOLDER};
    CPageFace page{face, DialogUnits(7, 16)};
    int changes = 0;
    void SetUp() override {
        QObject::connect(&page, &CPageFace::faceChanged, [this] {
            ++changes;
            page.RenderFace();
        });
        page.resize(500, 450);
        page.show();
        QApplication::processEvents();
    }
    CFaceItem& Slot(FaceSlot s) { return face.Slot(s); }
    void Drag(QPoint from, QPoint to) {
        CFaceWnd* w = page.FaceWindow();
        QMouseEvent press(QEvent::MouseButtonPress, from, w->mapToGlobal(from), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, to, w->mapToGlobal(to), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
    void Wheel(int dy, Qt::KeyboardModifiers mods) {
        CPictList* list = page.PictureList();
        const QPointF at(10, 10);
        QWheelEvent e(at, list->mapToGlobal(at), QPoint(), QPoint(0, dy), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(list->viewport(), &e);
    }
};

} // namespace

TEST_F(PageFixture, EditingButtonsWaitForASelectedSlot) {
    for (int id :
         {cmd::kNextVariant, cmd::kHideItem, cmd::kDefaultPlacement, cmd::kUndo, cmd::kRedo})
        EXPECT_FALSE(page.Button(id)->isEnabled()) << id;
    // "Run" opens the photo-robot: it asks the frame for the command.
    EXPECT_TRUE(page.Button(cmd::kPhotoRobot)->isEnabled());
    QList<int> asked;
    QObject::connect(&page, &CPageFace::commandRequested, [&](int id) { asked << id; });
    page.Button(cmd::kPhotoRobot)->click();
    EXPECT_EQ(asked, QList<int>{cmd::kPhotoRobot});
    page.SelectSlot(cmd::kSlotForehead);
    for (int id : {cmd::kNextVariant, cmd::kHideItem, cmd::kDefaultPlacement})
        EXPECT_TRUE(page.Button(id)->isEnabled()) << id;
    EXPECT_FALSE(page.Button(cmd::kUndo)->isEnabled()); // no history yet
    EXPECT_TRUE(page.Button(cmd::kSlotForehead)->isChecked());
    page.SelectSlot(cmd::kSlotNose);
    EXPECT_FALSE(page.Button(cmd::kSlotForehead)->isChecked());
    EXPECT_TRUE(page.Button(cmd::kSlotNose)->isChecked());
}

TEST_F(PageFixture, SizedAndPlacedSlotsShowTheirOwnHorizontalSlider) {
    page.SelectSlot(cmd::kSlotNose); // nose: sized
    EXPECT_TRUE(page.Slider(1012)->isVisible());
    EXPECT_TRUE(page.SliderIcon(1090)->isVisible());
    EXPECT_FALSE(page.Slider(1011)->isVisible());
    EXPECT_FALSE(page.SliderIcon(1091)->isVisible());
    EXPECT_EQ(page.Slider(1012)->minimum(), 82);
    EXPECT_EQ(page.Slider(1012)->maximum(), 156);
    EXPECT_EQ(page.Slider(1012)->value(), 100);

    page.SelectSlot(cmd::kSlotEyes); // eyes: x in [64, 82]
    EXPECT_TRUE(page.Slider(1011)->isVisible());
    EXPECT_FALSE(page.Slider(1012)->isVisible());
    EXPECT_EQ(page.Slider(1011)->value(), 76);

    page.SelectSlot(cmd::kSlotChin); // chin: x range [42, 42]
    for (int id : {1011, 1012})
        EXPECT_FALSE(page.Slider(id)->isVisible()) << id;
    for (int id : {1090, 1091})
        EXPECT_FALSE(page.SliderIcon(id)->isVisible()) << id;
    EXPECT_EQ(page.Slider(1009)->minimum(), 170);
    EXPECT_EQ(page.Slider(1009)->maximum(), 210);
}

TEST_F(PageFixture, ListsHoldOneEntryPerShapeAndVariant) {
    page.SelectSlot(cmd::kSlotHair); // hair: 10 x 10
    EXPECT_EQ(page.VariantList()->count(), 10);
    EXPECT_EQ(page.PictureList()->count(), 10);
    page.SelectSlot(cmd::kSlotForehead); // forehead: 9 shapes, 3 variants
    EXPECT_EQ(page.PictureList()->count(), 9);
    EXPECT_EQ(page.PictureList()->currentRow(), 1);
    EXPECT_EQ(page.VariantList()->count(), 3);
    EXPECT_EQ(page.VariantList()->currentIndex(), 1);
    EXPECT_EQ(page.PictureList()->item(0)->data(Qt::ToolTipRole).toString(), "Round");
}

TEST_F(PageFixture, ScroWrapsTheVariantAndEmpHidesTheFeature) {
    page.SelectSlot(cmd::kSlotEyes);
    Slot(FaceSlot::Eyes).SetVariant(5);
    page.RefreshControls();
    QTest::mouseClick(page.Button(cmd::kNextVariant), Qt::LeftButton);
    EXPECT_EQ(Slot(FaceSlot::Eyes).GetVariant(), 0);
    EXPECT_EQ(page.VariantList()->currentIndex(), 0);

    QTest::mouseClick(page.Button(cmd::kHideItem), Qt::LeftButton);
    EXPECT_EQ(Slot(FaceSlot::Eyes).GetShape(), 10);
    EXPECT_TRUE(Slot(FaceSlot::Eyes).IsEmpty());
    page.RefreshControls();
    EXPECT_EQ(page.PictureList()->currentRow(), 10);

    page.SelectSlot(cmd::kSlotMoustache); // moustache: hidden means shape 0, variant 0
    Slot(FaceSlot::Moustache).SetShape(4);
    page.HideItem();
    EXPECT_FALSE(Slot(FaceSlot::Moustache).IsPresent());
}

TEST_F(PageFixture, CentRestoresTheDefaultPlacementAndTheSlidersFollow) {
    page.SelectSlot(cmd::kSlotEyebrows);
    Slot(FaceSlot::Eyebrows).SetPosX(44);
    Slot(FaceSlot::Eyebrows).SetPosY(108);
    QTest::mouseClick(page.Button(cmd::kDefaultPlacement), Qt::LeftButton);
    EXPECT_EQ(Slot(FaceSlot::Eyebrows).GetPosX(), 56);
    EXPECT_EQ(Slot(FaceSlot::Eyebrows).GetPosY(), 95);
    EXPECT_EQ(page.Slider(1011)->value(), 56);
    EXPECT_EQ(page.Slider(1009)->value(), 95);
    EXPECT_EQ(changes, 1);
}

TEST_F(PageFixture, ControlsEditTheSlot) {
    page.SelectSlot(cmd::kSlotLips); // lips, sized
    page.PictureList()->setCurrentRow(3);
    EXPECT_EQ(Slot(FaceSlot::Lips).GetShape(), 3);
    EXPECT_EQ(page.Slider(1008)->value(), 3);
    page.VariantList()->setCurrentIndex(2);
    EXPECT_EQ(Slot(FaceSlot::Lips).GetVariant(), 2);
    page.Slider(1012)->setValue(120);
    EXPECT_EQ(Slot(FaceSlot::Lips).GetSize(), 120);
    page.Slider(1009)->setValue(185);
    EXPECT_EQ(Slot(FaceSlot::Lips).GetPosY(), 185);
    page.Slider(1008)->setValue(0);
    EXPECT_EQ(Slot(FaceSlot::Lips).GetShape(), 0);
    EXPECT_EQ(page.PictureList()->currentRow(), 0);
    EXPECT_EQ(changes, 5);
    // The pictures follow the choice.
    EXPECT_EQ(Slot(FaceSlot::Lips).pict[0].resourceId, 17000 + 0 * 4 + 2);
}

TEST_F(PageFixture, KeysStepAndWrapTheSelectedSlot) {
    page.SelectSlot(cmd::kSlotForehead); // forehead shape 1 of 9, variant 1 of 3, y 30 in [10, 60]
    const auto key = [&](Qt::Key k) { page.OnKey(k, Qt::NoModifier); };
    key(Qt::Key_W);
    key(Qt::Key_W);
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetShape(), 8); // wrapped to the last shape
    key(Qt::Key_Z);
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetShape(), 0);
    key(Qt::Key_S);
    key(Qt::Key_S);
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetVariant(), 0);
    key(Qt::Key_A);
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetVariant(), 2);
    key(Qt::Key_E);
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetPosY(), 29);
    key(Qt::Key_X);
    key(Qt::Key_X);
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetPosY(), 31);
    key(Qt::Key_D); // x range [40, 40]: stays
    EXPECT_EQ(Slot(FaceSlot::Forehead).GetPosX(), 40);
    EXPECT_EQ(page.PictureList()->currentRow(), 0);
    EXPECT_EQ(page.Slider(1009)->value(), 31);
    EXPECT_EQ(changes, 10);

    // Keys with Ctrl or Alt are not face keys.
    EXPECT_FALSE(page.OnKey(Qt::Key_W, Qt::ControlModifier));
    EXPECT_EQ(changes, 10);
}

TEST_F(PageFixture, ClickingTheFaceSelectsAndDraggingMoves) {
    page.RenderFace();
    const FaceRect eye = Slot(FaceSlot::Eyes).pict[1].drawnRect;
    ASSERT_GT(eye.right - eye.left, 1);
    const QPoint onEye((eye.left + eye.right) / 2 + 2, (eye.top + eye.bottom) / 2 + 2);
    EXPECT_EQ(page.FaceWindow()->HitTest(onEye), cmd::kSlotEyes);

    Drag(onEye, onEye + QPoint(7, -9));
    EXPECT_EQ(page.SelectedSlot(), cmd::kSlotEyes);
    // Horizontal 7 -> x + 3; vertical -9 -> y - 4 (integer halves, sign kept).
    EXPECT_EQ(Slot(FaceSlot::Eyes).GetPosX(), 79);
    EXPECT_EQ(Slot(FaceSlot::Eyes).GetPosY(), 118);
    EXPECT_EQ(page.Slider(1011)->value(), 79);

    // Moves of 2 pixels or less change nothing.
    const int before = changes;
    Drag(onEye, onEye + QPoint(2, -2));
    EXPECT_EQ(changes, before);
}

TEST_F(PageFixture, WheelStepsTheListAndShiftWheelTheVariant) {
    page.SelectSlot(cmd::kSlotNose); // nose shape 2, variant 2
    Wheel(-120, Qt::NoModifier);
    EXPECT_EQ(Slot(FaceSlot::Nose).GetShape(), 3);
    Wheel(120, Qt::NoModifier);
    Wheel(120, Qt::NoModifier);
    EXPECT_EQ(Slot(FaceSlot::Nose).GetShape(), 1);
    Wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(Slot(FaceSlot::Nose).GetVariant(), 3);

    Slot(FaceSlot::Nose).SetShape(0);
    page.RefreshControls();
    Wheel(120, Qt::NoModifier); // clamped at the first entry
    EXPECT_EQ(Slot(FaceSlot::Nose).GetShape(), 0);
}

TEST_F(PageFixture, SliderValuesAreKeptWithinZeroToThreeHundred) {
    EXPECT_EQ(ClampSliderValue(-5), 0);
    EXPECT_EQ(ClampSliderValue(301), 300);
    EXPECT_EQ(ClampSliderValue(150), 150);
}

TEST_F(PageFixture, ClearEmptiesTheFaceAndSelectsTheForehead) {
    page.SelectSlot(cmd::kSlotEars);
    Slot(FaceSlot::Hair).SetShape(3);
    page.OnKey(Qt::Key_H, Qt::NoModifier);
    EXPECT_TRUE(face.IsBlank());
    EXPECT_FALSE(Slot(FaceSlot::Hair).IsPresent());
    EXPECT_EQ(page.SelectedSlot(), cmd::kSlotForehead);
    EXPECT_EQ(page.PictureList()->currentRow(), 8);
}

TEST(PictList, ItemHeightFollowsTheFirstPicture) {
    EXPECT_EQ(CPictList::ItemHeightFor(QSize(42, 30)), 36);
    EXPECT_EQ(CPictList::ItemHeightFor(QSize(24, 20)), 30); // never below 30
    EXPECT_EQ(CPictList::ItemHeightFor(QSize(176, 100)), 100 / 3 + 6);
    EXPECT_EQ(CPictList::ItemHeightFor(QSize(80, 96)), 96 / 3 + 6);
    EXPECT_EQ(CPictList::ItemHeightFor(QSize()), 30);

    QImage img(6, 3, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(0, 0, qRgb(0, 0, 0)); // one black pixel in the first cell
    const QImage small = ShrinkByThree(img);
    EXPECT_EQ(small.size(), QSize(2, 1));
    EXPECT_EQ(qRed(small.pixel(0, 0)), 255 * 8 / 9);
    EXPECT_EQ(qRed(small.pixel(1, 0)), 255);
}
