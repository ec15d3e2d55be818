#pragma once

// Drawing on the face canvas. The canvas is a CDevib addressed like a screen
// surface: (0, 0) is the top-left pixel and y grows downwards, while the
// bitmap keeps its rows bottom-up. Colours are platform colour values
// (0x00BBGGRR); they are stored as pixel words with red and blue swapped and
// alpha 0, as a screen surface stores a pen or brush colour.

#include "imaging/Devib.h"

#include <cstdint>
#include <span>

namespace mienlore {

struct CanvasPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

// The pixel word a pen or brush of this colour leaves on the canvas.
uint32_t CanvasWord(uint32_t colorRef);

// The canvas pixel at (x, y), top-down; the caller keeps inside the canvas.
uint32_t CanvasPixel(const CDevib& canvas, int x, int y);
void SetCanvasPixel(CDevib& canvas, int x, int y, uint32_t word);

// Fills left <= x < right, top <= y < bottom, clipped to the canvas.
void FillCanvasRect(CDevib& canvas, const ImageRect& rect, uint32_t colorRef);

// A 1-pixel line from (x0, y0) towards (x1, y1); like a screen line the end
// point itself is not drawn. Pixels outside the canvas are skipped.
void DrawCanvasLine(CDevib& canvas, int x0, int y0, int x1, int y1, uint32_t colorRef);

// Lines through the points in order; the last point is not drawn.
void DrawCanvasPolyline(CDevib& canvas, std::span<const CanvasPoint> points, uint32_t colorRef);

// Fills the 4-connected area of the colour found at (x, y) with colorRef.
// Only red, green and blue are compared. Four-connectivity is what keeps a
// drawn outline closed: a 1-pixel line steps diagonally, and an 8-connected
// fill would slip through every such step. Returns false (nothing changed)
// when the start lies outside the canvas or already has the new colour.
bool FloodFillCanvas(CDevib& canvas, int x, int y, uint32_t colorRef);

} // namespace mienlore
