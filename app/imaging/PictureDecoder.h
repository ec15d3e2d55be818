#pragma once

// Reading photographs: the raster formats the console tool and the program
// share (BMP, GIF, JPEG, PNG). The program adds its own readers on top (more
// raster formats and the Windows metafiles) through the same function type.

#include "imaging/Devib.h"
#include "imaging/PictureLimit.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace mienlore {

// A decoded picture: its pixels at the natural size, and its physical size in
// HIMETRIC units (hundredths of a millimetre) when the format carries one
// (the metafiles); 0 otherwise.
struct DecodedPicture {
    CDevib bitmap;
    int himetricWidth = 0;
    int himetricHeight = 0;
};

// Decodes the bytes of a picture file into picture (replacing what it held).
// Returns false with a message in *error when the bytes are not a picture the
// decoder reads; picture is then left empty.
using PictureDecoder =
    std::function<bool(std::string_view bytes, DecodedPicture& picture, std::string* error)>;

// BMP, GIF (the first frame, transparent pixels white), JPEG and PNG (alpha
// laid on white), told apart by their signatures, not by the file name.
// A JPEG, PNG or GIF beyond the picture limit (imaging/PictureLimit.h) is
// decoded shrunk to fit it; a BMP beyond it is refused.
bool DecodeRasterPicture(std::string_view bytes, DecodedPicture& picture, std::string* error);

// True when the bytes start as a BMP, GIF, JPEG or PNG file does.
bool KnownPictureSignature(std::string_view bytes);

// Reads the whole file; false with a message when it cannot be read or is
// larger than 256 MB.
bool ReadPictureFile(const std::filesystem::path& path, std::string& bytes, std::string* error);

} // namespace mienlore
