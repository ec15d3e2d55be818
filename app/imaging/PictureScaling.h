#pragma once

// Scaling a feature picture to its drawn size. Shrinking merges several
// source pixels into one and keeps the darkest of them, so that thin dark
// strokes survive; enlarging repeats pixels. Each axis is handled on its
// own, so a picture may shrink in one direction and grow in the other.

#include "imaging/Devib.h"

namespace mienlore {

// Fills target (already created at the wanted size) from source. Rows are
// mapped top-down, as on a screen surface. Does nothing when either bitmap
// is empty.
void StretchPicture(const CDevib& source, CDevib& target);

} // namespace mienlore
