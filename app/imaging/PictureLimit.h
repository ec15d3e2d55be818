#pragma once

// The one limit on pictures read from files: how many pixels a decoded
// picture may hold. Larger pictures are decoded shrunk by a whole factor
// where the format allows it (JPEG, PNG, GIF), so that a file of a few bytes
// whose header claims a huge size cannot make the program reserve gigabytes.

#include <cstdint>

namespace mienlore {

// 16 million pixels (64 MB as 32-bit pixel words; for example 5000 x 3200):
// more than any feature picture or photograph needs.
inline constexpr std::int64_t kMaxPicturePixels = 16 * 1000 * 1000;

// The smallest whole factor that brings a width x height picture within
// kMaxPicturePixels when both sides are divided by it (rounding up); 1 for
// pictures within the limit. 0 for a size of zero or less.
inline int PictureShrinkFactor(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0)
        return 0;
    int factor = 1;
    while (((width + factor - 1) / factor) * ((height + factor - 1) / factor) > kMaxPicturePixels)
        ++factor;
    return factor;
}

} // namespace mienlore
