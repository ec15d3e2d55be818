#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The area of one screen that windows may use, in desktop coordinates.
struct ScreenArea {
    int left = 0, top = 0, width = 0, height = 0;
};

// Fits a placement onto the screens before it is applied. The rectangle goes
// to the screen it overlaps most (the first screen, the primary one, when it
// overlaps none); off that screen's left or top edge it is moved onto the
// edge, with its right or bottom edge beyond the screen it is moved back by
// the overhang. The size never changes, and the show command becomes normal.
// False (placement untouched, the window keeps its default placement) when
// there is no screen, when the rectangle is narrower or lower than
// kMinRestoreSize, or larger than its screen: such a size was not made here.
bool FitPlacementToScreens(WindowPlacement& placement, const std::vector<ScreenArea>& screens);

// The same for one screen of the given size at the origin.
bool FitPlacementToScreen(WindowPlacement& placement, int screenWidth, int screenHeight);

} // namespace mienlore
