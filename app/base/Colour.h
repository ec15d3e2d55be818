#pragma once

#include <cstdint>

namespace mienlore {

// A colour as the settings keep it and as the bitmap engine draws with it
// (where it is called ColorRef): the Windows layout, red in bits 0-7, green
// 8-15, blue 16-23. The engine's pixel words use another layout (PixelWord).
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int ColourRed(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int ColourGreen(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int ColourBlue(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace mienlore
