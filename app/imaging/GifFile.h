#pragma once

#include "imaging/Devib.h"

#include <filesystem>
#include <string>

namespace mienlore {

// The image as a single-frame GIF (top row first) with a colour table of at
// most 256 colours chosen for the picture (median cut); alpha is not written.
bool EncodeGif(const CDevib& bitmap, std::string& out, std::string* error = nullptr);

// Writes EncodeGif's bytes to path (temporary file, then renamed into place).
bool WriteGif(const CDevib& bitmap, const std::filesystem::path& path,
              std::string* error = nullptr);

} // namespace mienlore
