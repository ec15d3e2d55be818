// The glow smoothing: every source pixel spreads its floating-point luma over
// every second neighbour with Gaussian integer weights; the sums are then
// scaled so that the largest becomes 255.
#include "imaging/Devib.h"
#include "imaging/LumaRows.h"
#include "imaging/VectorClones.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace mienlore {

namespace {

// acc[x] += weight * luma[x] over a row.
template <typename Acc>
MIENLORE_VECTOR_CLONES void SplatRow(Acc* acc, const std::uint8_t* luma, std::int32_t weight,
                                     int n) {
    for (int x = 0; x < n; ++x)
        acc[x] += static_cast<Acc>(weight) * luma[x];
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
void Accumulate(const std::vector<std::uint8_t>& padded, int w, int h, const Kernel& k, Acc* acc) {
    const int pw = w + 2 * k.rx;
    for (int ty = 0; ty < h; ++ty) {
        Acc* out = acc + static_cast<std::size_t>(ty) * w;
        std::fill(out, out + w, 0);
        for (int dy = -k.ry; dy <= k.ry; dy += 2) {
            const int sy = ty - dy;
            if (sy < 0 || sy >= h)
                continue;
            const std::uint8_t* line = &padded[static_cast<std::size_t>(sy) * pw + k.rx];
            for (int dx = -k.rx; dx <= k.rx; dx += 2)
                SplatRow(out, line - dx, k.At(dx, dy), w);
        }
    }
}

} // namespace

void CDevib::GlowSmooth(int sx, int sy, int keepRows, bool whiteBorder) {
    // Non-positive strengths have no Gaussian (they would divide by zero).
    if (IsEmpty() || sx <= 0 || sy <= 0)
        return;
    const int w = m_width, h = m_height;
    const Kernel k = MakeKernel(sx, sy, w, h);

    // The source as luma, and the source pixels of the rows kept at the top.
    const int pw = w + 2 * k.rx;
    std::vector<std::uint8_t> padded(static_cast<std::size_t>(pw) * h, 0);
    for (int y = 0; y < h; ++y)
        LumaRealRow(&m_pixels[static_cast<std::size_t>(y) * w],
                    &padded[static_cast<std::size_t>(y) * pw + k.rx], w);
    const int firstKept = keepRows > 0 ? std::max(0, h - keepRows + 1) : h;
    const std::vector<PixelWord> kept(m_pixels.begin() + static_cast<std::ptrdiff_t>(firstKept) * w,
                                      m_pixels.end());

    // The sums go into the pixel words themselves as 32-bit integers unless
    // they could overflow, then into a 64-bit buffer.
    std::int64_t sampledWeights = 0;
    for (int dy = -k.ry; dy <= k.ry; dy += 2)
        for (int dx = -k.rx; dx <= k.rx; dx += 2)
            sampledWeights += k.At(dx, dy);
    const bool fits32 = 255 * sampledWeights <= std::numeric_limits<std::int32_t>::max();
    std::vector<std::int64_t> wide;
    auto* narrow = reinterpret_cast<std::int32_t*>(m_pixels.data());
    if (fits32) {
        Accumulate(padded, w, h, k, narrow);
    } else {
        wide.resize(static_cast<std::size_t>(m_count));
        Accumulate(padded, w, h, k, wide.data());
    }
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
    // From here a pixel word is 0 exactly where its sum was 0. The white
    // border is applied after the kept rows, so it wins where both apply.
    if (firstKept == h && !whiteBorder)
        return;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (m_pixels[i] == 0)
                continue;
            if (whiteBorder && (x < k.rx || y < k.ry))
                m_pixels[i] = 0xFFFFFFFFu;
            else if (y >= firstKept && x > k.rx / 2)
                m_pixels[i] = kept[i - static_cast<std::size_t>(firstKept) * w];
        }
}

} // namespace mienlore
