#pragma once

#include "base/ProgramFolder.h"
#include "model/FaceItem.h"
#include "model/FaceSlot.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace mienlore {

// A face: twelve feature slots in face order (forehead first, glasses last).
// A new face holds the catalogue's initial values with its pictures looked
// up. Copying a face copies every slot and picture.
class CFaceFrame {
public:
    // Picture files are looked up below programFolder.
    explicit CFaceFrame(std::filesystem::path programFolder = ExecutableFolder());
    virtual ~CFaceFrame() = default;
    CFaceFrame(const CFaceFrame&) = default;
    CFaceFrame& operator=(const CFaceFrame&) = default;

    // The slot at position 0..11 in face order (out of range: the forehead).
    CFaceItem& Item(int index) { return m_items[ClampIndex(index)]; }
    const CFaceItem& Item(int index) const { return m_items[ClampIndex(index)]; }
    // The slot of a FaceSlot number; any other number gives the forehead.
    CFaceItem& Slot(int slotId) { return Item(FaceSlotIndex(slotId)); }
    const CFaceItem& Slot(int slotId) const { return Item(FaceSlotIndex(slotId)); }
    CFaceItem& Slot(FaceSlot slot) { return Slot(static_cast<int>(slot)); }
    const CFaceItem& Slot(FaceSlot slot) const { return Slot(static_cast<int>(slot)); }

    const std::filesystem::path& ProgramFolder() const { return m_items[0].ProgramFolder(); }

    // The main slots but the cheek-bones get their last ("Empty") shape, the
    // accessories shape 0 and variant 0; the cheek-bones keep their choice.
    void Clear();
    // True when the forehead, chin, eyes, eyebrows, nose, lips and ears are
    // all empty (the cheek-bones are not looked at).
    bool IsBlank() const;
    // The FaceSlot number of the first slot, in hit-test order, whose drawn
    // rectangle contains the point; 0 when none.
    int HitTest(int x, int y) const;

    // The face code: the slot codes of the eleven slots but the glasses,
    // ";", then the trailing text.
    std::string Encode(std::string_view trailing = {}) const;
    // Reads a face code into the face (when apply is set) and reports
    // whether the eight main slots were all readable. The accessories are
    // read when the code has a moustache and reset otherwise; the glasses
    // are reset. Without apply the face is left untouched.
    bool Decode(std::string_view text, bool apply);
    // Applies only the eight main slots, without looking pictures up; stops
    // at the first slot that cannot be read.
    bool DecodeMain(std::string_view text);
    // Applies text; when it holds a ";", text becomes what follows the first
    // ";". Returns the result of the decoding.
    bool DecodeAndStrip(std::string& text);
    // Checks text without applying it: true when the eight main slots are
    // readable and a ";" is present; trailing then gets what follows the
    // first ";".
    bool ValidateAndExtract(std::string_view text, std::string& trailing);

    // Opaque handle of the window that shows this face (set by the drawing
    // code; not part of the description).
    void* shownBy = nullptr;

private:
    static int ClampIndex(int index) { return index >= 0 && index < kFaceSlotCount ? index : 0; }
    static std::array<CFaceItem, kFaceSlotCount> MakeItems(const std::filesystem::path& folder);

    std::array<CFaceItem, kFaceSlotCount> m_items;
};

// Reads one slot from a face code: finds the first occurrence of the slot's
// tag and scans the four numbers after it. When they are all read and apply
// is set, shape and variant (wrapping), size or x and y (clamped) are set
// and, with loadPictures, the pictures looked up; when they are not and
// apply is set, the slot is Reset. Returns whether the four numbers were read.
bool DecodeSlot(CFaceItem& item, std::string_view text, bool apply, bool loadPictures);

// The word that stands for the new face wherever a face code is given on a
// command line.
inline constexpr std::string_view kNewFaceWord = "new";

// The face code an argument stands for: the code of the new face (the
// catalogue's initial values below programFolder) for the word "new", the
// argument itself otherwise.
std::string FaceArgumentCode(std::string_view argument, const std::filesystem::path& programFolder);

// The 12-character code of one slot.
std::string EncodeSlot(const CFaceItem& item);

} // namespace mienlore
