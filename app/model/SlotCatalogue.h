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

// The catalogue entry of the slot at position index (0..11) in face order.
const SlotCatalogueEntry& SlotCatalogue(int index);

} // namespace mienlore
