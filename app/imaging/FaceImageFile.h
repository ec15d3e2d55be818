#pragma once

// Writing the composed face to an image file.

#include "imaging/FaceCompositor.h"

#include <filesystem>
#include <string>

namespace mienlore {

// The size of the saved face picture: the window's size for save mode 1 (or
// less), else 288 x 288 before the reduction.
constexpr int kSaveFaceSide = 288;

// Renders the face (no caption, no smoothing) and writes it to path: save
// mode 1 keeps the window size; a larger save mode renders 288 x 288 and
// shrinks it by block averages of that factor (3 gives 38 x 38), and writes
// it with WriteFaceImageFile. Returns false with a message in *error when
// nothing could be written.
bool SaveFaceImage(const CFaceCompositor& compositor, CFaceFrame& face, const FaceLook& look,
                   const std::filesystem::path& path, int saveMode, int windowWidth,
                   int windowHeight, std::string* error = nullptr);

// Writes a face picture made as SaveFaceImage makes it: a ".jpg" path (any
// case) as JPEG, quality 75 for the window-size picture and 100 (mode 0) for
// a reduced copy; a ".png" path as PNG; any other path as BMP.
bool WriteFaceImageFile(const CDevib& image, const std::filesystem::path& path, bool reduced,
                        std::string* error = nullptr);

// The picture SaveFaceImage writes, without writing it.
bool RenderFaceImage(const CFaceCompositor& compositor, CFaceFrame& face, const FaceLook& look,
                     int saveMode, int windowWidth, int windowHeight, CDevib& image);

} // namespace mienlore
