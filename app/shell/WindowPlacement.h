#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mienlore {

// A window's remembered placement, in the field layout of the Windows
// placement record so that stored values stay exchangeable with it.
struct WindowPlacement {
    std::uint32_t length = 0;
    std::uint32_t flags = 0;
    std::uint32_t showCommand = 0;
    int minX = 0, minY = 0;                       // minimised position
    int maxX = 0, maxY = 0;                       // maximised position
    int left = 0, top = 0, right = 0, bottom = 0; // normal rectangle
    bool valid = false;
};

// Size of the Windows placement record, stored in the length field.
inline constexpr std::uint32_t kPlacementLength = 44;
// Show command of a window in its normal state.
inline constexpr std::uint32_t kShowNormal = 1;
// A window narrower or lower than this is not restored.
inline constexpr int kMinRestoreSize = 20;

// The ten fields after the length: "flags,show,minX,minY,maxX,maxY,l,t,r,b".
std::string FormatPlacement(const WindowPlacement& placement);

// Reads the text FormatPlacement writes. Exactly ten numbers make a valid
// placement (with the length set); anything else gives an invalid one.
WindowPlacement ParsePlacement(std::string_view text);

// Fits a placement onto a screen of the given size before it is applied: a
// rectangle off the left or top edge is moved to 0, one whose right or bottom
// edge lies beyond the screen is moved back by the overhang; the size never
// changes, and the show command becomes normal. False (placement untouched)
// when the rectangle is narrower or lower than kMinRestoreSize.
bool FitPlacementToScreen(WindowPlacement& placement, int screenWidth, int screenHeight);

} // namespace mienlore
