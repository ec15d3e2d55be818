#pragma once

// The three ways one feature picture meets the face canvas: darkening
// composition of the drawing, the tint of its area over a photograph, and
// the silhouette fill with its outline points. Positions are canvas
// coordinates, top-down.

#include "imaging/CanvasDrawing.h"
#include "imaging/Devib.h"

#include <array>

namespace mienlore {

// Where a picture of size (width, height) placed at (x, y) is drawn. A scale
// other than 0 and 100 percent stretches the width (axes bit 0) and/or the
// height (bit 1) about the picture's centre.
ImageRect PlacePicture(int x, int y, int width, int height, int scalePercent, int axes);

struct PictureLook {
    int scalePercent = 0;
    int axes = 3;
    int side = 0; // -1: drawn mirrored left-to-right
    int blur = 0;
    int lighten = 0;
};

// Grabs the target rectangle, darkens it with the scaled, mirrored, blurred
// and lightened picture (near-white picture pixels leave the canvas
// untouched) and puts it back. Returns the target rectangle.
ImageRect DrawFeaturePicture(CDevib& canvas, int x, int y, const CDevib& picture,
                             const PictureLook& look);

enum class ShadeKind { Horizontal = 1, Vertical = 2, Radial = 3 };

// Tints the picture's area with a colour that dominates at its centre while
// the canvas (the photograph) shows through towards the edges; a larger
// strength (1..9) gives the canvas more weight. Only the picture's size is
// used. Returns the target rectangle.
ImageRect ShadeFeatureArea(CDevib& canvas, int x, int y, const CDevib& picture, int scalePercent,
                           int axes, uint32_t colorRef, int kind, int strength);

// Twelve outline points: 0 top-left, 1 top-right, 2 bottom-left, 3
// bottom-right dark pixel; 4, 6, 8, 10 the left contour and 5, 7, 9, 11 the
// right contour at 1/5 .. 4/5 of the height between them.
using OutlinePoints = std::array<CanvasPoint, 12>;

struct ShapeFill {
    ImageRect bounds;     // bounding rectangle of the points on the canvas
    OutlinePoints points; // relative to (x, y), the position the picture was placed at
};

// Finds the outline points of the (scaled, mirrored) picture and, when paint
// is set and the points span an area, paints every canvas pixel under a
// picture pixel darker than near-white with colorRef stored unchanged as the
// pixel word.
ShapeFill FillFeatureShape(CDevib& canvas, int x, int y, const CDevib& picture, int scalePercent,
                           int axes, int side, uint32_t colorRef, bool paint);

// The steps of the operations above, for callers that keep prepared
// pictures between drawings.
//
// The picture at the target size: stretched when the size differs, mirrored
// for side -1.
CDevib PreparePicture(const CDevib& picture, int width, int height, int side);
// The same, then blurred and lightened: the picture as it is composed.
CDevib PrepareDrawing(const CDevib& picture, const ImageRect& target, const PictureLook& look);
// Darkens the canvas under target with a prepared drawing of target's size.
void DarkenCanvas(CDevib& canvas, const ImageRect& target, const CDevib& drawn);
// The outline points of a prepared shape drawn at target for a picture
// placed at (x, y).
ShapeFill FindOutline(const CDevib& shape, const ImageRect& target, int x, int y);
// Stores colorRef (unchanged, as a pixel word) under the shape's non-white
// pixels.
void PaintShape(CDevib& canvas, const ImageRect& target, const CDevib& shape, ColorRef colorRef);

} // namespace mienlore
