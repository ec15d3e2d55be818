#pragma once

#include <array>

namespace mienlore {

// A feature slot of the face. The number doubles as the slot's menu command,
// its face-page button and the string id of its caption.
enum class FaceSlot : int {
    Forehead = 2100,
    CheekBones = 2110,
    Chin = 2120,
    Eyes = 2130,
    Eyebrows = 2140,
    Nose = 2150,
    Lips = 2160,
    Ears = 2170,
    Hair = 2180,
    Moustache = 2190,
    Beard = 2200,
    Glasses = 2300,
};

constexpr int kFaceSlotCount = 12;
// The forehead to the ears: the slots whose last shape means "absent" and
// which the analysis reads.
constexpr int kMainSlotCount = 8;

// The slots in face order (forehead first, glasses last). Slot number n
// (1..12) is kFaceSlots[n - 1].
constexpr std::array<FaceSlot, kFaceSlotCount> kFaceSlots = {
    FaceSlot::Forehead, FaceSlot::CheekBones, FaceSlot::Chin,  FaceSlot::Eyes,
    FaceSlot::Eyebrows, FaceSlot::Nose,       FaceSlot::Lips,  FaceSlot::Ears,
    FaceSlot::Hair,     FaceSlot::Moustache,  FaceSlot::Beard, FaceSlot::Glasses,
};

// Position 0..11 of a slot in face order, or -1 for a number that is no slot.
constexpr int FaceSlotIndex(int slotId) {
    for (int i = 0; i < kFaceSlotCount; ++i)
        if (static_cast<int>(kFaceSlots[i]) == slotId)
            return i;
    return -1;
}

} // namespace mienlore
