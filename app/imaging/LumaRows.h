#pragma once

#include "imaging/PixelWord.h"

#include <cstdint>

namespace mienlore {

// out[x] = LumaReal(p[x]) for a run of pixels, in vectorised double precision.
void LumaRealRow(const PixelWord* p, std::uint8_t* out, int n);

} // namespace mienlore
