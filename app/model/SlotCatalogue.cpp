#include "model/SlotCatalogue.h"

namespace mienlore {
namespace {

constexpr PictDrawing Drawing(int scaleAxes, int blend, int blur, int lighten,
                              double scaleFactor = 1.0) {
    return PictDrawing{scaleAxes, blend, blur, lighten, scaleFactor};
}

// clang-format off
constexpr SlotCatalogueEntry kCatalogue[kFaceSlotCount] = {
    // slot                 tag   pair   lib    w    h   sized  hDef hMin hMax st  xDef yDef yMin yMax st sh va dS dV vMaj  names          drawing
    {FaceSlot::Forehead,   "lo", false, true,  176, 100, false,  40,  40,  40, 0,  40,  30,  10,  60, 2,  9, 3, 1, 1, false, 21000, 21020, Drawing(3, 128, 2, 0)},
    {FaceSlot::CheekBones, "sc", false, false, 172, 116, true,  100,  80, 120, 5,  42, 120, 100, 140, 2, 16, 3, 8, 0, false, 21100, 21120, Drawing(3, 0, 0, 0)},
    {FaceSlot::Chin,       "ch", false, false, 172,  60, false,  42,  42,  42, 0,  42, 190, 170, 210, 2,  6, 6, 2, 2, false, 21200, 21220, Drawing(3, 0, 0, 0)},
    {FaceSlot::Eyes,       "ey", true,  true,   42,  30, false,  76,  64,  82, 1,  76, 122, 110, 134, 1, 11, 6, 3, 0, false, 21300, 21320, Drawing(3, 0, 0, 64)},
    {FaceSlot::Eyebrows,   "br", true,  true,   64,  38, false,  56,  42,  70, 1,  56,  95,  80, 110, 1, 15, 6, 4, 0, false, 21400, 21420, Drawing(3, 0, 0, 0)},
    {FaceSlot::Nose,       "no", false, false,  80,  68, true,  100,  82, 156, 2,  89, 120, 120, 120, 0,  9, 6, 2, 2, false, 21500, 21520, Drawing(2, 0, 0, 0)},
    {FaceSlot::Lips,       "mo", false, true,   96,  30, true,  100,  67, 137, 5,  79, 190, 180, 200, 1,  6, 4, 1, 1, false, 21600, 21620, Drawing(1, 0, 1, 0, 1.2)},
    {FaceSlot::Ears,       "ea", true,  true,   24,  86, true,  100,  77, 117, 5,  13,  95,  75, 115, 1,  7, 3, 1, 1, false, 21700, 21720, Drawing(2, 0, 1, 64)},
    {FaceSlot::Hair,       "ha", false, false, 200, 234, true,  100,  85, 124, 5,  24,  10,   0,  40, 2, 10,10, 0, 0, true,      0,     0, Drawing(1, 128, 2, 0)},
    {FaceSlot::Moustache,  "mu", false, false, 192, 150, true,  100,  77, 117, 5,  34, 110,  90, 130, 2, 10, 3, 0, 0, true,      0,     0, Drawing(3, 0, 1, 0)},
    {FaceSlot::Beard,      "be", false, false, 192, 150, true,  100,  77, 117, 5,  31, 110,  90, 130, 2, 10, 4, 0, 0, true,      0,     0, Drawing(3, 0, 1, 0)},
    {FaceSlot::Glasses,    "gl", false, false, 192,  50, true,  100,  88, 112, 2,  34, 110,  95, 130, 2, 10, 2, 0, 0, true,      0,     0, Drawing(3, 0, 0, 0)},
};
// clang-format on

} // namespace

const SlotCatalogueEntry& SlotCatalogue(int index) {
    if (index < 0 || index >= kFaceSlotCount)
        index = 0;
    return kCatalogue[index];
}

} // namespace mienlore
