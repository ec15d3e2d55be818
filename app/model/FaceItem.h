#pragma once

#include "base/CrtRandom.h"
#include "model/FaceItemPict.h"
#include "model/FaceSlot.h"

#include <array>
#include <filesystem>
#include <memory>

namespace mienlore {

struct FacePoint {
    int x = 0;
    int y = 0;
};

// One feature slot of a face: the current catalogue choice (shape, variant),
// its placement, and its pictures. Shape and variant indices wrap around,
// positions and sizes are clamped to the catalogue ranges.
class CFaceItem {
public:
    static constexpr int kCanvasWidth = 260;
    static constexpr int kOutlinePoints = 12;

    // A slot with the catalogue's initial values; picture file names resolve
    // below programFolder. Pictures are looked up at once.
    CFaceItem(FaceSlot slot, std::shared_ptr<const std::filesystem::path> programFolder);
    virtual ~CFaceItem() = default;
    CFaceItem(const CFaceItem&) = default;
    CFaceItem& operator=(const CFaceItem&) = default;

    // Catalogue description.
    FaceSlot Slot() const { return m_slot; }
    int SlotNumber() const { return m_number; } // 1..12 in face order
    const char* Tag() const { return m_tag; }
    bool IsPaired() const { return m_paired; }
    int PictWidth() const { return m_width; }
    int PictHeight() const { return m_height; }
    int HorzMin() const { return m_min; }
    int HorzMax() const { return m_max; }
    int HorzStep() const { return m_step; }
    int DefaultX() const { return m_xDefault; }
    int DefaultY() const { return m_yDefault; }
    int YMin() const { return m_yMin; }
    int YMax() const { return m_yMax; }
    int YStep() const { return m_yStep; }
    int Shapes() const { return m_shapes; }
    int Variants() const { return m_variants; }
    bool IsVariantMajor() const { return m_variantMajor; }
    int ShapeNameBase() const { return m_shapeNameBase; }
    int VariantNameBase() const { return m_variantNameBase; }
    // The four accessory slots (hair, moustache, beard, glasses).
    bool IsAccessory() const { return m_number > kMainSlotCount; }

    // Values. The setters return the stored value.
    int GetShape() const { return m_shape; }
    int SetShape(int shape);
    int GetVariant() const { return m_variant; }
    int SetVariant(int variant);
    int GetPosX() const { return m_x; }
    int SetPosX(int x); // stored unchanged when sized, else clamped
    int GetPosY() const { return m_y; }
    int SetPosY(int y);
    int GetSize() const { return m_size; }
    int SetSize(int size); // clamped when sized, else stored unchanged
    // The horizontal value: the size of a sized slot, else x.
    int GetHorzValue() const { return IsSized() ? m_size : m_x; }
    int SetHorzValue(int value) { return IsSized() ? SetSize(value) : SetPosX(value); }

    bool IsSized() const { return m_size > 0; }
    // Last shape: the feature is absent (meaningful for the eight main slots).
    bool IsEmpty() const { return m_shape + 1 >= m_shapes; }
    // Accessories are present unless shape and variant are both 0.
    bool IsPresent() const { return GetPictIndex() != 0; }
    int GetPictIndex() const {
        return PictureIndex(m_variantMajor, m_shapes, m_variants, m_shape, m_variant);
    }
    inline int GetVertClass() const;
    inline int GetHorzClass() const;

    // Operations. The setters above leave the pictures alone (callers look
    // them up with Reload when they need them); the operations below that
    // change shape or variant look them up at once.
    void Reset(); // shape 0, variant 0
    void Hide();  // accessories: shape 0 and variant 0; others: last shape
    // Draws shape and variant from the generator: reseeds it with its own
    // next value (srand(rand())), then shape = rand() % shapes and variant =
    // rand() % variants (each only when there is more than one). Position
    // and size stay.
    void Randomize(CCrtRandom& random);
    void CopyValues(const CFaceItem& other); // shape, variant, x, y, size
    void DefaultPlacement();                 // size 100 or default x; default y

    // Looks the current pictures up again: the library resource id or the
    // file name of each picture from the current picture index.
    void Reload();
    // Switches both pictures between the picture library and files (the
    // nose's smoothing switch) and looks them up again.
    void SetPictureSource(bool fromLibrary);
    const std::filesystem::path& ProgramFolder() const { return *m_folder; }
    // Full path of the current file picture of one side (0 = left or single).
    std::filesystem::path PictureFilePath(int which) const;

    // Compositor state: drawing offsets and outline points per picture
    // (0 = left or single picture, 1 = right picture of a pair).
    std::array<int, 2> drawOffset = {0, 0};
    std::array<std::array<FacePoint, kOutlinePoints>, 2> outline = {};
    std::array<CFaceItemPict, 2> pict;

    // Canvas x of the left (or single) picture and of the right picture.
    int PictLeftX(int which) const;
    // Canvas position of outline point i of a picture.
    FacePoint OutlinePoint(int which, int i) const;
    int OutlineMinX(int which) const;
    int OutlineMaxX(int which) const;

private:
    FaceSlot m_slot;
    int m_number;
    char m_tag[8] = {};
    bool m_paired;
    int m_width;
    int m_height;
    int m_size;
    int m_x;
    int m_xDefault;
    int m_min;
    int m_max;
    int m_step;
    int m_y;
    int m_yDefault;
    int m_yMin;
    int m_yMax;
    int m_yStep;
    int m_shapes;
    int m_variants;
    int m_shape;
    int m_variant;
    bool m_variantMajor;
    int m_shapeNameBase;
    int m_variantNameBase;
    std::shared_ptr<const std::filesystem::path> m_folder;
};

// Class of a value in [lo, hi] split into n classes: 1..n, or -1 when the
// range is empty.
constexpr int ValueClass(int value, int lo, int hi, int classes) {
    if (lo >= hi)
        return -1;
    const int c = (value - lo) * classes / (hi - lo) + 1;
    return c < 1 ? 1 : c > classes ? classes : c;
}

// The classes read the ranges from the catalogue (a slot's ranges never
// change), so that the divisions are by constants.
namespace detail {
template <int Index> constexpr int VertClass(int y, int classes) {
    return ValueClass(y, kSlotCatalogue[Index].yMin, kSlotCatalogue[Index].yMax, classes);
}
template <int Index> constexpr int HorzClass(int value, int classes) {
    return ValueClass(value, kSlotCatalogue[Index].horzMin, kSlotCatalogue[Index].horzMax, classes);
}
} // namespace detail

// Forehead: y in 5 classes; chin, eyes, eyebrows: y in 3; others none.
int CFaceItem::GetVertClass() const {
    switch (m_slot) {
    case FaceSlot::Forehead:
        return detail::VertClass<0>(m_y, 5);
    case FaceSlot::Chin:
        return detail::VertClass<2>(m_y, 3);
    case FaceSlot::Eyes:
        return detail::VertClass<3>(m_y, 3);
    case FaceSlot::Eyebrows:
        return detail::VertClass<4>(m_y, 3);
    default:
        return -1;
    }
}

// Eyes: x in 3 classes; eyebrows: x in 5; lips and ears: size in 3.
int CFaceItem::GetHorzClass() const {
    switch (m_slot) {
    case FaceSlot::Eyes:
        return detail::HorzClass<3>(m_x, 3);
    case FaceSlot::Eyebrows:
        return detail::HorzClass<4>(m_x, 5);
    case FaceSlot::Lips:
        return detail::HorzClass<6>(m_size, 3);
    case FaceSlot::Ears:
        return detail::HorzClass<7>(m_size, 3);
    default:
        return -1;
    }
}

} // namespace mienlore
