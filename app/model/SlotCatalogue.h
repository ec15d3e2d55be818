#pragma once

#include "model/FaceSlot.h"

namespace mienlore {

// Drawing parameters of a picture, interpreted by the face compositor.
struct PictDrawing {
    int scaleAxes = 3; // bit 0 scales the width, bit 1 the height
    int blend = 0;
    int blur = 0;
    int lighten = 0;
    double scaleFactor = 1.0; // multiplied with the size percentage
};

// The fixed catalogue description and initial values of one slot.
struct SlotCatalogueEntry {
    FaceSlot slot;
    const char* tag;
    bool paired;      // drawn twice, the left picture mirrored
    bool fromLibrary; // pictures from the picture library, else bitmap files
    int width;        // nominal picture box in canvas units
    int height;
    bool sized;
    // Horizontal value: the size for sized slots, else the x position.
    int horzDefault;
    int horzMin;
    int horzMax;
    int horzStep;
    int xDefault; // x of a sized slot (for the others it is horzDefault)
    int yDefault;
    int yMin;
    int yMax;
    int yStep;
    int shapes;
    int variants;
    int defaultShape;
    int defaultVariant;
    bool variantMajor; // picture index counted variant first
    int shapeNameBase; // string id of shape 0's name, 0 = no names
    int variantNameBase;
    PictDrawing drawing;
};

// Drawing parameters in catalogue order.

constexpr PictDrawing CatalogueDrawing(int scaleAxes, int blend, int blur, int lighten,
                                       double scaleFactor = 1.0) {
    return PictDrawing{scaleAxes, blend, blur, lighten, scaleFactor};
}

// clang-format off
inline constexpr SlotCatalogueEntry kSlotCatalogue[kFaceSlotCount] = {
    // slot                 tag   pair   lib    w    h   sized  hDef hMin hMax st  xDef yDef yMin yMax st sh va dS dV vMaj  names          drawing
    {FaceSlot::Forehead,   "lo", false, true,  176, 100, false,  40,  40,  40, 0,  40,  30,  10,  60, 2,  9, 3, 1, 1, false, 21000, 21020, CatalogueDrawing(3, 128, 2, 0)},
    {FaceSlot::CheekBones, "sc", false, false, 172, 116, true,  100,  80, 120, 5,  42, 120, 100, 140, 2, 16, 3, 8, 0, false, 21100, 21120, CatalogueDrawing(3, 0, 0, 0)},
    {FaceSlot::Chin,       "ch", false, false, 172,  60, false,  42,  42,  42, 0,  42, 190, 170, 210, 2,  6, 6, 2, 2, false, 21200, 21220, CatalogueDrawing(3, 0, 0, 0)},
    {FaceSlot::Eyes,       "ey", true,  true,   42,  30, false,  76,  64,  82, 1,  76, 122, 110, 134, 1, 11, 6, 3, 0, false, 21300, 21320, CatalogueDrawing(3, 0, 0, 64)},
    {FaceSlot::Eyebrows,   "br", true,  true,   64,  38, false,  56,  42,  70, 1,  56,  95,  80, 110, 1, 15, 6, 4, 0, false, 21400, 21420, CatalogueDrawing(3, 0, 0, 0)},
    {FaceSlot::Nose,       "no", false, false,  80,  68, true,  100,  82, 156, 2,  89, 120, 120, 120, 0,  9, 6, 2, 2, false, 21500, 21520, CatalogueDrawing(2, 0, 0, 0)},
    {FaceSlot::Lips,       "mo", false, true,   96,  30, true,  100,  67, 137, 5,  79, 190, 180, 200, 1,  6, 4, 1, 1, false, 21600, 21620, CatalogueDrawing(1, 0, 1, 0, 1.2)},
    {FaceSlot::Ears,       "ea", true,  true,   24,  86, true,  100,  77, 117, 5,  13,  95,  75, 115, 1,  7, 3, 1, 1, false, 21700, 21720, CatalogueDrawing(2, 0, 1, 64)},
    {FaceSlot::Hair,       "ha", false, false, 200, 234, true,  100,  85, 124, 5,  24,  10,   0,  40, 2, 10,10, 0, 0, true,      0,     0, CatalogueDrawing(1, 128, 2, 0)},
    {FaceSlot::Moustache,  "mu", false, false, 192, 150, true,  100,  77, 117, 5,  34, 110,  90, 130, 2, 10, 3, 0, 0, true,      0,     0, CatalogueDrawing(3, 0, 1, 0)},
    {FaceSlot::Beard,      "be", false, false, 192, 150, true,  100,  77, 117, 5,  31, 110,  90, 130, 2, 10, 4, 0, 0, true,      0,     0, CatalogueDrawing(3, 0, 1, 0)},
    {FaceSlot::Glasses,    "gl", false, false, 192,  50, true,  100,  88, 112, 2,  34, 110,  95, 130, 2, 10, 2, 0, 0, true,      0,     0, CatalogueDrawing(3, 0, 0, 0)},
};
// clang-format on

// The catalogue entry of the slot at position index (0..11) in face order.
const SlotCatalogueEntry& SlotCatalogue(int index);

// A slot's pictures are numbered 0 .. shapes x variants - 1: shape-major
// (shape x variants + variant), or variant-major (variant x shapes + shape)
// for the accessories.
constexpr int PictureIndex(bool variantMajor, int shapes, int variants, int shape, int variant) {
    return variantMajor ? variant * shapes + shape : shape * variants + variant;
}
constexpr int PictureCount(const SlotCatalogueEntry& entry) {
    return entry.shapes * entry.variants;
}
constexpr int PictureShape(const SlotCatalogueEntry& entry, int index) {
    return entry.variantMajor ? index % entry.shapes : index / entry.variants;
}
constexpr int PictureVariant(const SlotCatalogueEntry& entry, int index) {
    return entry.variantMajor ? index / entry.shapes : index % entry.variants;
}

// The one slot whose picture source changes while the program runs: the
// compositor takes its pictures from the library unsmoothed and from the
// files when smoothing. Its pictures exist in both sources.
inline constexpr FaceSlot kSourceSwitchingSlot = FaceSlot::Nose;

constexpr bool HasLibraryPictures(const SlotCatalogueEntry& entry) {
    return entry.fromLibrary || entry.slot == kSourceSwitchingSlot;
}
constexpr bool HasPictureFiles(const SlotCatalogueEntry& entry) {
    return !entry.fromLibrary || entry.slot == kSourceSwitchingSlot;
}

} // namespace mienlore
