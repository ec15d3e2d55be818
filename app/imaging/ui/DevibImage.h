#pragma once

#include "imaging/Devib.h"

#include <QImage>

namespace mienlore {

// The image as a QImage (Format_RGB32 shares the pixel word layout; rows are
// turned top row first; alpha becomes 0xFF as the format requires).
QImage ToQImage(const CDevib& bitmap);

// Converts image to Format_RGB32 and stores it in bitmap (bottom row first,
// alpha 0xFF). A null image leaves bitmap empty and returns false.
bool FromQImage(const QImage& image, CDevib& bitmap);

} // namespace mienlore
