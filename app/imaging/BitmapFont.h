#pragma once

// A small fixed-width bitmap font for labels drawn without a window system
// (contact sheets, console-made pictures): 5 × 7 dots in a 6 × 8 cell,
// printable ASCII. Other characters are drawn as '?', one per UTF-8 character.

#include "imaging/Devib.h"
#include "imaging/PixelWord.h"

#include <string>
#include <string_view>

namespace mienlore {

constexpr int kGlyphCellWidth = 6;
constexpr int kGlyphCellHeight = 8;

// Width in pixels of the text drawn at the scale (every dot scale × scale).
int BitmapTextWidth(std::string_view text, int scale = 1);

// The text cut to at most maxWidth pixels; a cut text ends with "..".
std::string FitBitmapText(std::string_view text, int maxWidth, int scale = 1);

// Draws the text with the top-left corner of its first cell at (x, y) in
// picture coordinates (y = 0 at the top), clipped to the image.
void DrawBitmapText(CDevib& image, int x, int y, std::string_view text, PixelWord word,
                    int scale = 1);

} // namespace mienlore
