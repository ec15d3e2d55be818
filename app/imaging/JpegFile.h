#pragma once

#include "imaging/Devib.h"

#include <filesystem>
#include <string>

namespace mienlore {

// The JPEG mode flag: 1 encodes the colour at a quarter of the resolution
// (4:2:0 chroma subsampling, the usual choice for window-size pictures);
// 0 keeps the colour at full resolution (4:4:4, for small reduced pictures
// where every pixel counts). Any other value is treated as 1.
enum JpegMode { kJpegFullColour = 0, kJpegSubsampledColour = 1 };

// A baseline JPEG of the image's pixels (bottom-up rows handed to the encoder
// as they are held); quality 0..100 (values outside are clamped, 0 is encoded
// as 1, the lowest the encoder takes).
bool EncodeJpeg(const CDevib& bitmap, int mode, int quality, std::string& out,
                std::string* error = nullptr);

// Writes EncodeJpeg's bytes to path (temporary file, then renamed into place).
bool WriteJpeg(const CDevib& bitmap, const std::filesystem::path& path, int mode, int quality,
               std::string* error = nullptr);

} // namespace mienlore
