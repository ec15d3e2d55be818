#include "analysis/ui/FateColours.h"

#include <algorithm>

namespace mienlore {

QColor StyledColour(std::uint32_t colorref, int style) {
    int r = static_cast<int>(colorref & 0xFF);
    int g = static_cast<int>((colorref >> 8) & 0xFF);
    int b = static_cast<int>((colorref >> 16) & 0xFF);
    if (style == 1) {
        r = 255 - std::clamp(r, 0, 255);
        g = 255 - std::clamp(g, 0, 255);
        b = 255 - std::clamp(b, 0, 255);
    }
    return QColor(r, g, b);
}

FateColours MakeFateColours(std::uint32_t text, std::uint32_t line, std::uint32_t window,
                            std::uint32_t minimum, std::uint32_t maximum, int style) {
    return FateColours{StyledColour(text, style),    StyledColour(line, style),
                       StyledColour(window, style),  StyledColour(minimum, style),
                       StyledColour(maximum, style), StyledColour(0x000000, style)};
}

FateColours DefaultFateColours() {
    // Light yellow text, green lines, grey window, red minimum, blue maximum,
    // "White" style.
    return MakeFateColours(0x80FFFF, 0x00FF00, 0x808080, 0x0000FF, 0xFF0000, 1);
}

} // namespace mienlore
