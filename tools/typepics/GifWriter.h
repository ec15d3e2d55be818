#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace typepics {

struct Rgb {
    std::uint8_t r, g, b;
};

// One picture of palette indices, top row first.
struct GifFrame {
    std::vector<std::uint8_t> indices;
    int delayCs = 0; // hundredths of a second (animations)
};

// Writes a GIF file with giflib: one frame, or an endless animation when
// there are several. transparent is a palette index or -1. False with a
// message in *error on failure.
bool WriteGif(const std::filesystem::path& path, int width, int height,
              const std::vector<Rgb>& palette, const std::vector<GifFrame>& frames, int transparent,
              std::string* error);

} // namespace typepics
