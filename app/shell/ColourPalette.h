#pragma once

#include "shell/Params.h"

#include <array>

namespace mienlore {

struct NamedColour {
    const char* name;
    Colour colour;
};

// The 40 colours of the colour picker's palette, in display order (eight to
// a row). The names are shown as tool tips exactly as written.
inline constexpr int kPaletteColours = 40;
const std::array<NamedColour, kPaletteColours>& ColourPalette();

// The named colours of the face picture offered by the options sheet.
const std::array<NamedColour, 3>& FaceColourChoices();

// Position of the face colour among FaceColourChoices(), or 0 when it is none
// of them.
int FaceColourChoice(Colour colour);

// The smoothing levels by filter index: "No", "10%" ... "50%".
const std::array<const char*, kFilterLevels>& FilterLevelNames();

} // namespace mienlore
