// The glow smoothing: every source pixel spreads its floating-point luma over
// every second neighbour with Gaussian integer weights; the sums are then
// scaled so that the largest becomes 255.
#include "imaging/Devib.h"
#include "imaging/VectorClones.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace mienlore {

namespace {

// acc[x] += weight * src[x] over a row.
template <typename Acc>
MIENLORE_VECTOR_CLONES void SplatRow(Acc* acc, const std::int32_t* src, std::int32_t weight,
                                     int n) {
    for (int x = 0; x < n; ++x)
        acc[x] += static_cast<Acc>(weight) * src[x];
}

struct Kernel {
    int rx = 0, ry = 0;
    std::vector<std::int32_t> weights; // (2rx+1) x (2ry+1), row dy = -ry first
    std::int32_t At(int dx, int dy) const {
        return weights[static_cast<std::size_t>(dy + ry) * (2 * rx + 1) + dx + rx];
    }
};

Kernel MakeKernel(int sx, int sy, int width, int height) {
    Kernel k;
    k.rx = std::max(std::min(static_cast<int>(sx * 1.5), width / 3), 1);
    k.ry = std::max(std::min(static_cast<int>(sy * 1.5), height / 3), 1);
    const double peak = 2980.0; // trunc(e^8)
    const double sx2 = static_cast<double>(sx) * sx;
    const double sy2 = static_cast<double>(sy) * sy;
    for (int dy = -k.ry; dy <= k.ry; ++dy)
        for (int dx = -k.rx; dx <= k.rx; ++dx)
            k.weights.push_back(
                static_cast<std::int32_t>(peak * std::exp(-(static_cast<double>(dx) * dx) / sx2 -
                                                          (static_cast<double>(dy) * dy) / sy2)));
    return k;
}

// The accumulators: acc(t) = sum over the sampled offsets d with t - d inside
// of luma(t - d) * weight(d), which is what splatting each source pixel onto
// its sampled targets sums up. Rows of the luma plane are padded by rx zeros
// on each side so that the inner loops need no bounds tests.
template <typename Acc>
std::vector<Acc> Accumulate(const std::vector<std::int32_t>& padded, int w, int h,
                            const Kernel& k) {
    const int pw = w + 2 * k.rx;
    std::vector<Acc> acc(static_cast<std::size_t>(w) * h, 0);
    for (int ty = 0; ty < h; ++ty) {
        Acc* out = &acc[static_cast<std::size_t>(ty) * w];
        for (int dy = -k.ry; dy <= k.ry; dy += 2) {
            const int sy = ty - dy;
            if (sy < 0 || sy >= h)
                continue;
            const std::int32_t* line = &padded[static_cast<std::size_t>(sy) * pw + k.rx];
            for (int dx = -k.rx; dx <= k.rx; dx += 2)
                SplatRow(out, line - dx, k.At(dx, dy), w);
        }
    }
    return acc;
}

} // namespace

void CDevib::GlowSmooth(int sx, int sy, int keepRows, bool whiteBorder) {
    // Non-positive strengths have no Gaussian (they would divide by zero).
    if (IsEmpty() || sx <= 0 || sy <= 0)
        return;
    const int w = m_width, h = m_height;
    CDevib src;
    CopyTo(src);
    const Kernel k = MakeKernel(sx, sy, w, h);

    const int pw = w + 2 * k.rx;
    std::vector<std::int32_t> padded(static_cast<std::size_t>(pw) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            padded[static_cast<std::size_t>(y) * pw + k.rx + x] =
                LumaReal(src.m_pixels[static_cast<std::size_t>(y) * w + x]);

    // 32-bit sums unless they could overflow.
    std::int64_t sampledWeights = 0;
    for (int dy = -k.ry; dy <= k.ry; dy += 2)
        for (int dx = -k.rx; dx <= k.rx; dx += 2)
            sampledWeights += k.At(dx, dy);
    std::vector<std::int64_t> wide;
    std::vector<std::int32_t> narrow;
    const bool fits32 = 255 * sampledWeights <= std::numeric_limits<std::int32_t>::max();
    if (fits32)
        narrow = Accumulate<std::int32_t>(padded, w, h, k);
    else
        wide = Accumulate<std::int64_t>(padded, w, h, k);
    auto accAt = [&](std::size_t i) -> std::int64_t { return fits32 ? narrow[i] : wide[i]; };

    std::int64_t peak = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_count); ++i)
        peak = std::max(peak, accAt(i));
    if (peak <= 0) {
        Fill(0);
        return;
    }
    // a * 255 / peak rounded as MulDiv rounds (half up for these positive
    // values): (a * 255 + peak / 2) / peak. The division goes through double
    // precision, exact here (numerator below 2^53, quotient at most 255) and
    // much faster than a 64-bit integer division per pixel.
    const double divisor = static_cast<double>(peak);
    const std::int64_t half = peak / 2;
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_count); ++i) {
        const std::int64_t a = accAt(i);
        m_pixels[i] =
            a == 0 ? 0u
                   : GreyPixel(static_cast<int>(static_cast<double>(a * 255 + half) / divisor));
    }
    if (keepRows > 0)
        for (int y = std::max(0, h - keepRows + 1); y < h; ++y)
            for (int x = k.rx / 2 + 1; x < w; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * w + x;
                if (accAt(i) != 0)
                    m_pixels[i] = src.m_pixels[i];
            }
    if (whiteBorder)
        for (int y = 0; y < h; ++y) {
            const int xEnd = y < k.ry ? w : std::min(k.rx, w);
            for (int x = 0; x < xEnd; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * w + x;
                if (accAt(i) != 0)
                    m_pixels[i] = 0xFFFFFFFFu;
            }
        }
}

} // namespace mienlore
