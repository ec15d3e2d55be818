#pragma once

#include "imaging/Devib.h"

#include <filesystem>
#include <string>

namespace mienlore {

// True when the path's extension is ".jpg" or ".jpeg" in any letter case.
bool IsJpegPath(const std::filesystem::path& path);

// True when the path's extension is ".png" in any letter case.
bool IsPngPath(const std::filesystem::path& path);

// Writes the image as JPEG (mode and quality as WriteJpeg takes them) when
// IsJpegPath, as PNG when IsPngPath, else as BMP. Failures are reported by
// false and *error.
bool WriteImageFile(const CDevib& bitmap, const std::filesystem::path& path, int jpegMode,
                    int jpegQuality, std::string* error = nullptr);

} // namespace mienlore
