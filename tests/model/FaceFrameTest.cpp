#include "model/FaceFrame.h"
#include "model/FaceHistory.h"

#include <gtest/gtest.h>

using namespace mienlore;

TEST(FaceFrame, SlotsByIdFallBackToTheForehead) {
    CFaceFrame face("/prog");
    EXPECT_EQ(face.Slot(2130).Slot(), FaceSlot::Eyes);
    EXPECT_EQ(face.Slot(2300).Slot(), FaceSlot::Glasses);
    EXPECT_EQ(face.Slot(2135).Slot(), FaceSlot::Forehead);
    EXPECT_EQ(face.Slot(0).Slot(), FaceSlot::Forehead);
    EXPECT_EQ(face.Item(11).SlotNumber(), 12);
    EXPECT_EQ(face.Item(12).Slot(), FaceSlot::Forehead);
    EXPECT_EQ(face.ProgramFolder(), std::filesystem::path("/prog"));
    EXPECT_EQ(CFaceFrame().ProgramFolder(), ExecutableFolder());
}

TEST(FaceFrame, ClearBlanksEverythingButTheCheekBones) {
    CFaceFrame face("/prog");
    face.Slot(FaceSlot::Hair).SetShape(5);
    face.Slot(FaceSlot::CheekBones).SetShape(3);
    EXPECT_FALSE(face.IsBlank());
    face.Clear();
    EXPECT_TRUE(face.IsBlank());
    EXPECT_EQ(face.Slot(FaceSlot::CheekBones).GetShape(), 3);
    EXPECT_EQ(face.Slot(FaceSlot::Hair).GetShape(), 0);
    EXPECT_EQ(face.Slot(FaceSlot::Ears).GetShape(), 6);
    EXPECT_EQ(face.Slot(FaceSlot::Forehead).GetShape(), 8);
    face.Slot(FaceSlot::Lips).SetShape(0);
    EXPECT_FALSE(face.IsBlank());
}

TEST(FaceFrame, HitTestPrefersTheEyesAndUsesBothSidesOfAPair) {
    CFaceFrame face("/prog");
    EXPECT_EQ(face.HitTest(-5, -5), 0);
    for (int i = 0; i < kFaceSlotCount; ++i)
        for (auto& p : face.Item(i).pict)
            p.drawnRect = {-10, -10, -9, -9};
    face.Slot(FaceSlot::Forehead).pict[0].drawnRect = {0, 0, 200, 100};
    face.Slot(FaceSlot::Eyes).pict[1].drawnRect = {150, 50, 190, 80};
    face.Slot(FaceSlot::Hair).pict[0].drawnRect = {0, 0, 260, 260};
    EXPECT_EQ(face.HitTest(160, 60), 2130); // eyes over forehead and hair
    EXPECT_EQ(face.HitTest(190, 60), 2100); // right edge is outside the eyes
    EXPECT_EQ(face.HitTest(10, 150), 2180);
    EXPECT_EQ(face.HitTest(300, 10), 0);
    // A single picture's second rectangle is never drawn and never hit.
    face.Slot(FaceSlot::Nose).pict[1].drawnRect = {0, 0, 260, 260};
    EXPECT_EQ(face.HitTest(10, 150), 2180);
}

TEST(FaceHistory, UndoRedoMoveTheCursorWithoutRecordingTheRestore) {
    CFaceFrame face("/prog");
    CFaceHistory history;
    EXPECT_FALSE(history.Undo(face));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());

    history.Append(face); // 0: initial
    face.Slot(FaceSlot::Eyes).SetShape(5);
    history.Append(face); // 1
    face.Slot(FaceSlot::Nose).SetShape(7);
    history.Append(face); // 2
    EXPECT_EQ(history.Cursor(), 2);
    EXPECT_TRUE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());

    // The update cycle that follows a restore calls Append; it must not add.
    auto cycle = [&] { history.Append(face); };
    EXPECT_TRUE(history.Undo(face, cycle));
    EXPECT_EQ(history.Count(), 3);
    EXPECT_EQ(history.Cursor(), 1);
    EXPECT_EQ(face.Slot(FaceSlot::Nose).GetShape(), 2);
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 5);
    EXPECT_FALSE(history.IsRestoring());
    EXPECT_TRUE(history.Undo(face, cycle));
    EXPECT_TRUE(history.Undo(face, cycle)); // clamped at 0
    EXPECT_EQ(history.Cursor(), 0);
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 3);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.CanRedo());

    EXPECT_TRUE(history.Redo(face, cycle));
    EXPECT_EQ(face.Slot(FaceSlot::Eyes).GetShape(), 5);

    // A change after an undo goes behind the later entries.
    face.Slot(FaceSlot::Lips).SetShape(4);
    history.Append(face);
    EXPECT_EQ(history.Count(), 4);
    EXPECT_EQ(history.Cursor(), 3);
    EXPECT_EQ(history.Entry(2).find("no07"), 60u);
    EXPECT_EQ(history.Entry(3).back(), ';');
    EXPECT_TRUE(history.Redo(face)); // clamped at the end, re-applies the last
    EXPECT_EQ(history.Cursor(), 3);
    EXPECT_EQ(face.Slot(FaceSlot::Lips).GetShape(), 4);
}
