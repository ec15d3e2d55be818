#pragma once

#include "imaging/Devib.h"
#include "imaging/PictureLimit.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace mienlore {

// The BMP file of a working image: a 14-byte file header, the image's 40-byte
// info header, then the pixel words as held (bottom row first, no gaps, no
// colour table). A 1 x 1 image gives 58 bytes.
std::string EncodeBmp(const CDevib& bitmap);

// Writes EncodeBmp's bytes to path (temporary file, then renamed into place).
// Returns false with a message in *error when the image is empty or the file
// cannot be written.
bool WriteBmp(const CDevib& bitmap, const std::filesystem::path& path,
              std::string* error = nullptr);

// Largest picture the BMP reader decodes: the picture limit. A larger one is
// refused before any pixel memory is taken.
inline constexpr std::int64_t kMaxBmpPixels = kMaxPicturePixels;
// Largest BMP file read: the largest picture at 32 bits, headers and palette.
inline constexpr std::uintmax_t kMaxBmpFileBytes = 4 * kMaxBmpPixels + 64 * 1024;
// The BMP file of an 8-bit grey picture given top row first (row r starts at
// pixels + r * stride): a 256-entry grey colour table, rows stored bottom-up
// and padded to four bytes, 96 dots per inch. The feature pictures are kept
// in this form.
std::string EncodeGreyBmp(int width, int height, const std::uint8_t* pixels, std::size_t stride);

// Writes EncodeGreyBmp's bytes to path (temporary file, then renamed into
// place). Returns false with a message in *error when the picture is empty or
// the file cannot be written.
bool WriteGreyBmp(int width, int height, const std::uint8_t* pixels, std::size_t stride,
                  const std::filesystem::path& path, std::string* error = nullptr);

// Decodes a BMP picture of 1, 4, 8, 24 or 32 bits per pixel (uncompressed, or
// 32-bit with bit-field masks), stored bottom-up or top-down, into bitmap.
// Palette and 24-bit pixels get alpha 0xFF; 32-bit pixels keep their stored
// words (bit-field pictures are repacked, alpha 0xFF). Truncated or
// inconsistent data is rejected with a message in *error and bitmap left
// empty; the decoder never reads outside data.
bool DecodeBmp(std::string_view data, CDevib& bitmap, std::string* error = nullptr);

// Reads the file and decodes it as DecodeBmp does.
bool ReadBmp(const std::filesystem::path& path, CDevib& bitmap, std::string* error = nullptr);

} // namespace mienlore
