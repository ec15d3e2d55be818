#pragma once

namespace mienlore {

// A rectangle in picture coordinates: x grows to the right, y grows downwards
// from the top row of the picture, right and bottom are exclusive edges (as on
// a drawing surface).
struct ImageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ImageRect&) const = default;
};

struct ImageSize {
    int width = 0;
    int height = 0;
    bool operator==(const ImageSize&) const = default;
};

// A pixel address in storage order (y = 0 is the bottom row).
struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

} // namespace mienlore
