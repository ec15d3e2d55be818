#pragma once

// The program's picture decoder: every raster format Qt's image readers know
// (BMP, GIF, JPEG, PNG and what the image format plugins add), Windows
// metafiles (WMF through libwmf, EMF through libemf2svg) drawn with Qt SVG at
// their natural size, and the shared raster decoders as a last resort.

#include "imaging/PictureDecoder.h"

namespace mienlore {

bool DecodeAnyPicture(std::string_view bytes, DecodedPicture& picture, std::string* error);

// The metafile readers on their own. The physical size (HIMETRIC) comes from
// the file's header; the picture is drawn at that size on 96 dots per inch.
bool IsWmf(std::string_view bytes);
bool IsEmf(std::string_view bytes);
bool DecodeWmf(std::string_view bytes, DecodedPicture& picture, std::string* error);
bool DecodeEmf(std::string_view bytes, DecodedPicture& picture, std::string* error);

} // namespace mienlore
