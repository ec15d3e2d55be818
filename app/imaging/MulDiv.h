#pragma once

#include <cstdint>

namespace mienlore {

// a * b / c with a 64-bit intermediate, rounded to the nearest integer with
// halves rounded away from zero (the rounding of the Windows MulDiv call).
// Returns -1 when c is 0 or the result does not fit in 32 bits, as MulDiv does.
int MulDiv(int a, int b, int c);

} // namespace mienlore
