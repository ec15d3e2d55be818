#include "Catalogue.h"

#include "model/FaceItem.h"
#include "model/FaceItemPict.h"
#include "resources/StringTable.h"

namespace mienlore::faceart {
namespace {

struct Drawing {
    FaceSlot slot;
    const char* title;
    QImage (*draw)(const SlotArt& slot, int shape, int variant);
};

// clang-format off
constexpr Drawing kDrawings[kFaceSlotCount] = {
    {FaceSlot::Forehead,   "Forehead",    &DrawForehead},
    {FaceSlot::CheekBones, "Cheek-bones", &DrawCheeks},
    {FaceSlot::Chin,       "Chin",        &DrawChin},
    {FaceSlot::Eyes,       "Eyes",        &DrawEyes},
    {FaceSlot::Eyebrows,   "Eyebrows",    &DrawBrows},
    {FaceSlot::Nose,       "Nose",        &DrawNose},
    {FaceSlot::Lips,       "Lips",        &DrawLips},
    {FaceSlot::Ears,       "Ears",        &DrawEars},
    {FaceSlot::Hair,       "Hair",        &DrawHair},
    {FaceSlot::Moustache,  "Moustache",   &DrawMoustache},
    {FaceSlot::Beard,      "Beard",       &DrawBeard},
    {FaceSlot::Glasses,    "Glasses",     &DrawGlasses},
};
// clang-format on

SlotArt FromCatalogue(int index) {
    const SlotCatalogueEntry& c = SlotCatalogue(index);
    const Drawing& d = kDrawings[index];
    return SlotArt{&c,
                   index + 1,
                   c.tag,
                   d.title,
                   c.width,
                   c.height,
                   c.sized ? c.xDefault : c.horzDefault,
                   c.yDefault,
                   c.shapes,
                   c.variants,
                   c.paired,
                   c.variantMajor,
                   HasLibraryPictures(c),
                   HasPictureFiles(c),
                   d.draw};
}

std::string NameOf(int base, int i) {
    const char* name = base != 0 ? ResourceString(static_cast<unsigned>(base + i)) : nullptr;
    return name ? name : "Set  " + std::to_string(i + 1);
}

// The side a generated picture is stored under: the right-hand member of a
// pair, or the single picture.
int SideOf(const SlotArt& slot) {
    return slot.paired ? 1 : 0;
}

} // namespace

const std::vector<SlotArt>& Slots() {
    static const std::vector<SlotArt> kSlots = [] {
        std::vector<SlotArt> all;
        for (int i = 0; i < kFaceSlotCount; ++i)
            all.push_back(FromCatalogue(i));
        return all;
    }();
    return kSlots;
}

int PictureCount(const SlotArt& slot) {
    return mienlore::PictureCount(*slot.entry);
}

int ShapeOf(const SlotArt& slot, int index) {
    return PictureShape(*slot.entry, index);
}

int VariantOf(const SlotArt& slot, int index) {
    return PictureVariant(*slot.entry, index);
}

int LibraryId(const SlotArt& slot, int index) {
    return PictureResourceId(slot.number, SideOf(slot), index);
}

std::string FileName(const SlotArt& slot, int index) {
    return PictureFileName(slot.tag, SideOf(slot), index);
}

std::string ShapeName(const SlotArt& slot, int shape) {
    return NameOf(slot.entry->shapeNameBase, shape);
}

std::string VariantName(const SlotArt& slot, int variant) {
    return NameOf(slot.entry->variantNameBase, variant);
}

double BoxLeft(const SlotArt& slot) {
    return slot.paired ? CFaceItem::kCanvasWidth - slot.width - slot.x : slot.x;
}

QImage Blank(const SlotArt& slot) {
    QImage image(slot.width, slot.height, QImage::Format_Grayscale8);
    image.fill(255);
    return image;
}

} // namespace mienlore::faceart
