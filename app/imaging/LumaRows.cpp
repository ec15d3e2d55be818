#include "imaging/LumaRows.h"

#include "imaging/VectorClones.h"

namespace mienlore {

// The same expression as LumaRealDirect, in the same order, so every lane
// rounds exactly as the scalar form (no fused multiply-add is used).
MIENLORE_VECTOR_CLONES
void LumaRealRow(const PixelWord* __restrict p, std::uint8_t* __restrict out, int n) {
    for (int x = 0; x < n; ++x) {
        const PixelWord v = p[x];
        const double r = static_cast<double>((v >> 16) & 0xFF);
        const double g = static_cast<double>((v >> 8) & 0xFF);
        const double b = static_cast<double>(v & 0xFF);
        out[x] = static_cast<std::uint8_t>(static_cast<int>(0.33 * r + 0.56 * g + 0.11 * b));
    }
}

} // namespace mienlore
