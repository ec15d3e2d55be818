#pragma once

// Numbers and picture sizes given as option values.

#include <cstdlib>
#include <optional>
#include <string>

namespace mienlore::cli {

// A whole decimal number within lo..hi, or nothing.
inline std::optional<int> ParseIntIn(const std::string& text, int lo, int hi) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < lo || v > hi)
        return std::nullopt;
    return static_cast<int>(v);
}

// The widest and tallest picture a command draws.
constexpr int kMaxImageSide = 4000;

struct ImageSize {
    int width = 0;
    int height = 0;
};

// "WIDTHxHEIGHT" (or "WIDTHXHEIGHT") with each side in minSide..kMaxImageSide,
// or nothing.
inline std::optional<ImageSize> ParseImageSize(const std::string& text, int minSide) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos)
        return std::nullopt;
    const auto w = ParseIntIn(text.substr(0, x), minSide, kMaxImageSide);
    const auto h = ParseIntIn(text.substr(x + 1), minSide, kMaxImageSide);
    if (!w || !h)
        return std::nullopt;
    return ImageSize{*w, *h};
}

// What --size takes, for the error message.
inline std::string ImageSizeNeeds(int minSide) {
    return "--size needs WIDTHxHEIGHT (" + std::to_string(minSide) + ".." +
           std::to_string(kMaxImageSide) + " each)";
}

} // namespace mienlore::cli
