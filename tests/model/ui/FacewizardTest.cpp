#include "model/ui/Facewizard.h"
#include "model/FaceFrame.h"
#include "model/PhotoRobot.h"
#include "shell/ui/CommandIds.h"
#include "support/FaceTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::photorobot;

namespace {

using test::NewFace;

bool IsChecked(CPageFaceItem* page, int id) {
    auto* b = qobject_cast<QAbstractButton*>(page->Control(id));
    return b && b->isChecked();
}

bool ButtonShown(QWizard& w, QWizard::WizardButton which) {
    QAbstractButton* b = w.button(which);
    return b->isVisible() && b->isEnabled();
}

} // namespace

TEST(Facewizard, PagesCarryTheirControlsAndTitles) {
    CFaceFrame face = NewFace();
    CFacewizard wizard(face);
    wizard.show();
    QApplication::processEvents();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Photo-robot page 1/8"));

    CPageFaceItem* chin = wizard.FacePage(3);
    ASSERT_NE(chin, nullptr);
    EXPECT_EQ(chin->SlotId(), cmd::kSlotChin);
    auto* heading = qobject_cast<QLabel*>(chin->Control(kHeadingId));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), QStringLiteral("Select chin shape"));
    EXPECT_EQ(heading->font().weight(), QFont::DemiBold);
    auto* near = qobject_cast<QAbstractButton*>(chin->Control(kFirstVertId));
    ASSERT_NE(near, nullptr);
    EXPECT_EQ(near->text(), QStringLiteral("Near"));
    // The chin has no horizontal group; the nose no vertical one.
    EXPECT_EQ(chin->Control(kFirstHorzId), nullptr);
    EXPECT_EQ(wizard.FacePage(5)->Control(kFirstVertId), nullptr);
    EXPECT_EQ(qobject_cast<QAbstractButton*>(chin->Control(kUnknownId))->text(),
              QStringLiteral("Unknown"));
    // Cheek-bones: no variants, eleven shapes.
    CPageFaceItem* cheeks = wizard.FacePage(2);
    EXPECT_EQ(cheeks->Control(kFirstVariantId), nullptr);
    EXPECT_NE(cheeks->Control(kFirstShapeId + 10), nullptr);
    EXPECT_EQ(cheeks->Control(kFirstShapeId + 11), nullptr);
}

TEST(Facewizard, ButtonsAndActivatedSlotFollowThePage) {
    CFaceFrame face = NewFace();
    CFacewizard wizard(face);
    std::vector<int> activated;
    QObject::connect(&wizard, &CFacewizard::slotActivated,
                     [&](int slot) { activated.push_back(slot); });
    wizard.show();
    QApplication::processEvents();
    EXPECT_TRUE(ButtonShown(wizard, QWizard::NextButton));
    EXPECT_FALSE(ButtonShown(wizard, QWizard::BackButton));
    EXPECT_FALSE(ButtonShown(wizard, QWizard::FinishButton));
    // The window keeps its size from page to page (the eyebrows page, the
    // longest, fits from the start).
    const QSize firstSize = wizard.size();
    for (int i = 0; i < 7; ++i) {
        wizard.next();
        QApplication::processEvents();
        EXPECT_EQ(wizard.size(), firstSize) << "page " << i + 2;
    }
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Photo-robot page 8/8"));
    EXPECT_TRUE(ButtonShown(wizard, QWizard::BackButton));
    EXPECT_TRUE(ButtonShown(wizard, QWizard::FinishButton));
    EXPECT_FALSE(ButtonShown(wizard, QWizard::NextButton));
    wizard.back();
    QApplication::processEvents();
    EXPECT_TRUE(ButtonShown(wizard, QWizard::BackButton));
    EXPECT_TRUE(ButtonShown(wizard, QWizard::NextButton));
    const std::vector<int> expected = {
        cmd::kSlotForehead, cmd::kSlotCheekBones, cmd::kSlotChin, cmd::kSlotLips,    cmd::kSlotNose,
        cmd::kSlotEyes,     cmd::kSlotEyebrows,   cmd::kSlotEars, cmd::kSlotEyebrows};
    EXPECT_EQ(activated, expected);
}

TEST(Facewizard, ClicksChangeTheFaceAtOnceAndCancelKeepsThem) {
    CFaceFrame face = NewFace();
    face.Slot(FaceSlot::Chin).SetPosY(206);
    std::vector<int> edited;
    {
        CFacewizard wizard(face);
        QObject::connect(&wizard, &CFacewizard::slotEdited,
                         [&](int slot) { edited.push_back(slot); });
        wizard.show();
        QApplication::processEvents();
        CPageFaceItem* chin = wizard.FacePage(3);
        chin->Click(kFirstVertId); // "Near"
        EXPECT_EQ(face.Slot(FaceSlot::Chin).GetPosY(), 180);
        EXPECT_TRUE(IsChecked(chin, kFirstVertId));
        chin->Click(kFirstShapeId + 4); // "Pointed jaw"
        EXPECT_EQ(face.Slot(FaceSlot::Chin).GetShape(), 4);

        CPageFaceItem* eyes = wizard.FacePage(6);
        eyes->Click(kFirstShapeId + 2);
        eyes->Click(kHideId);
        EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 10);
        EXPECT_TRUE(IsChecked(eyes, kUnknownId));
        EXPECT_FALSE(IsChecked(eyes, kFirstShapeId + 2));

        const std::string before = face.Encode();
        eyes->Click(kUnknownId);
        EXPECT_EQ(face.Encode(), before);
        wizard.reject();
    }
    EXPECT_FALSE(CFacewizard::IsOpen());
    EXPECT_EQ(face.Slot(FaceSlot::Chin).GetPosY(), 180);
    EXPECT_EQ(face.Slot(FaceSlot::Chin).GetShape(), 4);
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 10);
    const std::vector<int> expected = {cmd::kSlotChin, cmd::kSlotChin, cmd::kSlotEyes,
                                       cmd::kSlotEyes};
    EXPECT_EQ(edited, expected);
}

TEST(Facewizard, ANewQuestionnaireStartsUncheckedWhateverTheFace) {
    CFaceFrame face = NewFace();
    {
        CFacewizard wizard(face);
        wizard.show();
        QApplication::processEvents();
        wizard.FacePage(1)->Click(kFirstShapeId + 1);
        EXPECT_TRUE(IsChecked(wizard.FacePage(1), kFirstShapeId + 1));
    }
    EXPECT_EQ(face.Slot(FaceSlot::Forehead).GetShape(), 1);
    CFacewizard again(face);
    again.show();
    QApplication::processEvents();
    for (int id = kUnknownId; id < kFirstShapeId + 8; ++id)
        EXPECT_FALSE(IsChecked(again.FacePage(1), id)) << id;
}

TEST(Facewizard, OnlyOneQuestionnaireAtATime) {
    CFaceFrame face = NewFace();
    bool innerRan = true;
    int activatedSlot = 0;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(CFacewizard::IsOpen());
        innerRan = CFacewizard::Run(face, nullptr, {}, {});
        if (auto* w = qobject_cast<QWizard*>(QApplication::activeModalWidget()))
            w->accept();
    });
    EXPECT_TRUE(CFacewizard::Run(face, nullptr, [&](int slot) { activatedSlot = slot; }, {}));
    EXPECT_FALSE(innerRan);
    EXPECT_EQ(activatedSlot, cmd::kSlotForehead);
    EXPECT_FALSE(CFacewizard::IsOpen());
}
