#pragma once

#include "base/Colour.h"

#include <cstdint>

// Pixel words of the working image: bits 0-7 blue, 8-15 green, 16-23 red,
// 24-31 alpha. Caller colours (ColorRef) are Colour values, 0x00BBGGRR with
// red in the low byte, as the settings store them.
namespace mienlore {

using PixelWord = std::uint32_t;
using ColorRef = Colour;

constexpr PixelWord kOpaque = 0xFF000000u;

constexpr int BlueOf(PixelWord p) {
    return static_cast<int>(p & 0xFF);
}
constexpr int GreenOf(PixelWord p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int RedOf(PixelWord p) {
    return static_cast<int>((p >> 16) & 0xFF);
}

// Swaps red and blue; the alpha byte of the result is 0.
constexpr PixelWord PixelWordFromColor(ColorRef c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

constexpr PixelWord MakePixel(int r, int g, int b) {
    return kOpaque | (static_cast<PixelWord>(r) << 16) | (static_cast<PixelWord>(g) << 8) |
           static_cast<PixelWord>(b);
}

// Integer grey level: (77 R + 150 G + 29 B) >> 8.
constexpr int LumaInt(PixelWord p) {
    return (77 * RedOf(p) + 150 * GreenOf(p) + 29 * BlueOf(p)) >> 8;
}

// Floating-point grey level: trunc(0.33 R + 0.56 G + 0.11 B) evaluated in
// double precision.
inline int LumaRealDirect(PixelWord p) {
    return static_cast<int>(0.33 * RedOf(p) + 0.56 * GreenOf(p) + 0.11 * BlueOf(p));
}

// The same value without floating point where it cannot differ: the exact sum
// is (33 R + 56 G + 11 B) / 100, and the rounding error of the double sum (far
// below 1/100) can only change the truncated result when that sum is a whole
// number, where the double form decides.
inline int LumaReal(PixelWord p) {
    const int s = 33 * RedOf(p) + 56 * GreenOf(p) + 11 * BlueOf(p);
    return s % 100 != 0 ? s / 100 : LumaRealDirect(p);
}

constexpr PixelWord GreyPixel(int g) {
    const auto v = static_cast<PixelWord>(g);
    return kOpaque | (v << 16) | (v << 8) | v;
}

// Per channel ((n - i) c1 + i c2) / n; c1 unchanged when i lies outside 0..n
// (or n is not positive). The result carries alpha 0.
constexpr PixelWord Blend(int i, int n, PixelWord c1, PixelWord c2) {
    if (n <= 0 || i < 0 || i > n)
        return c1;
    auto mix = [&](int shift) {
        const int a = static_cast<int>((c1 >> shift) & 0xFF);
        const int b = static_cast<int>((c2 >> shift) & 0xFF);
        return static_cast<PixelWord>(((n - i) * a + i * b) / n) << shift;
    };
    return mix(16) | mix(8) | mix(0);
}

} // namespace mienlore
