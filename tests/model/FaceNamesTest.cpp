#include "model/FaceNames.h"
#include "model/FaceFrame.h"

#include <gtest/gtest.h>

using namespace mienlore;

TEST(FaceNames, NamesComeFromTheStringsOrSetNumbers) {
    CFaceFrame face("/prog");
    const CFaceItem& forehead = face.Slot(FaceSlot::Forehead);
    EXPECT_EQ(ShapeName(forehead, 0), "Round");
    EXPECT_EQ(VariantName(forehead, 2), "Narrow");
    EXPECT_EQ(ChoiceName(forehead), "Oval, Average");

    const CFaceItem& cheeks = face.Slot(FaceSlot::CheekBones);
    EXPECT_EQ(ChoiceName(cheeks), "Oval, Set  1"); // variants have no strings
    EXPECT_EQ(ShapeName(face.Slot(FaceSlot::Hair), 3), "Set  4");
    EXPECT_EQ(VariantName(face.Slot(FaceSlot::Eyes), 5), "Set  6");

    face.Slot(FaceSlot::Ears).Hide();
    EXPECT_EQ(ShapeName(face.Slot(FaceSlot::Ears), 6), "Without ears");
    EXPECT_EQ(ChoiceName(face.Slot(FaceSlot::Ears)), "");

    const StringOverride lang = [](unsigned id) -> std::optional<std::string> {
        if (id == 21001)
            return std::string("Ovale");
        return std::nullopt;
    };
    EXPECT_EQ(ChoiceName(forehead, lang), "Ovale, Average");
}
