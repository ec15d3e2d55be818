#pragma once

#include <QColor>

#include <cstdint>

namespace mienlore {

// The colours the diagram page and its drawing windows paint with, after the
// style rule: under the "White" style every component c becomes 255 - c.
struct FateColours {
    QColor text;       // labels
    QColor line;       // "Diagram": bars, pointer and ring
    QColor background; // "Background": the bars' window colour
    QColor minimum;    // "Min": gradient start
    QColor maximum;    // "Max": gradient end
    QColor grid;       // the diagram's grid: black, white under the "White" style
};

// A platform colour value (red in the low byte) through the style rule.
QColor StyledColour(std::uint32_t colorref, int style);

// The colour set from the stored colour values and style.
FateColours MakeFateColours(std::uint32_t text, std::uint32_t line, std::uint32_t window,
                            std::uint32_t minimum, std::uint32_t maximum, int style);

// The colour set of the default settings.
FateColours DefaultFateColours();

} // namespace mienlore
