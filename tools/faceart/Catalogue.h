#pragma once

// The twelve feature slots as the generator draws them. Sizes, counts,
// placement, picture numbering and file names all come from the program's
// slot catalogue (model/SlotCatalogue.h, model/FaceItemPict.h); this file only
// pairs each slot with its drawing function and a title for review sheets.

#include "model/SlotCatalogue.h"

#include <QImage>

#include <string>
#include <vector>

namespace mienlore::faceart {

struct SlotArt {
    const SlotCatalogueEntry* entry;
    int number;        // 1..12
    const char* tag;   // two-letter tag, also the file name prefix in HAIR/
    const char* title; // for review sheets
    int width, height; // picture box
    int x, y;          // default placement of the box (left picture for pairs)
    int shapes, variants;
    bool paired;       // drawn as the right-hand member; the left one is mirrored
    bool variantMajor; // picture index = variant × shapes + shape
    bool library;      // written to FaceArt/<id>.bmp
    bool file;         // written to HAIR/<tag><index>.bmp
    QImage (*draw)(const SlotArt& slot, int shape, int variant);
};

const std::vector<SlotArt>& Slots();

int PictureCount(const SlotArt& slot);
int ShapeOf(const SlotArt& slot, int index);
int VariantOf(const SlotArt& slot, int index);
int LibraryId(const SlotArt& slot, int index);
std::string FileName(const SlotArt& slot, int index);

// Names shown on the review sheets.
std::string ShapeName(const SlotArt& slot, int shape);
std::string VariantName(const SlotArt& slot, int variant);

// Canvas position of the right-hand member of a pair (or of a single box).
double BoxLeft(const SlotArt& slot);

// The drawing functions, one per slot.
QImage DrawForehead(const SlotArt&, int shape, int variant);
QImage DrawCheeks(const SlotArt&, int shape, int variant);
QImage DrawChin(const SlotArt&, int shape, int variant);
QImage DrawEyes(const SlotArt&, int shape, int variant);
QImage DrawBrows(const SlotArt&, int shape, int variant);
QImage DrawNose(const SlotArt&, int shape, int variant);
QImage DrawLips(const SlotArt&, int shape, int variant);
QImage DrawEars(const SlotArt&, int shape, int variant);
QImage DrawHair(const SlotArt&, int shape, int variant);
QImage DrawMoustache(const SlotArt&, int shape, int variant);
QImage DrawBeard(const SlotArt&, int shape, int variant);
QImage DrawGlasses(const SlotArt&, int shape, int variant);

// A plain white picture of the slot's box.
QImage Blank(const SlotArt& slot);

} // namespace mienlore::faceart
