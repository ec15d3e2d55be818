// Operations that compute each pixel from a window around it, reading an
// unchanged copy of the image.
#include "imaging/Devib.h"
#include "imaging/VectorClones.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace mienlore {

namespace {

// The pixels' integer luma, one byte each.
std::vector<std::uint8_t> LumaPlane(const PixelWord* p, int count) {
    std::vector<std::uint8_t> luma(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        luma[k] = static_cast<std::uint8_t>(LumaInt(p[k]));
    return luma;
}

// One row of EdgeMax over the bytes of the pixel words; the alpha bytes are
// set afterwards. n is the number of bytes from the second pixel on.
MIENLORE_VECTOR_CLONES
void EdgeRow(const std::uint8_t* below, const std::uint8_t* row, const std::uint8_t* above,
             std::uint8_t* out, int n, int threshold) {
    auto diff = [](std::uint8_t a, std::uint8_t b) -> std::uint8_t {
        return a > b ? a - b : b - a;
    };
    for (int b = 0; b < n; ++b) {
        std::uint8_t m = diff(below[b + 4], above[b - 4]);
        m = std::max(m, diff(below[b - 4], above[b + 4]));
        m = std::max(m, diff(below[b], above[b]));
        m = std::max(m, diff(row[b - 4], row[b + 4]));
        out[b] = m < threshold ? 0 : m;
    }
}

inline void Order(std::uint8_t& a, std::uint8_t& b) {
    const std::uint8_t lo = std::min(a, b);
    b = std::max(a, b);
    a = lo;
}

// The median of each 3 x 3 window along a row, by a fixed exchange network.
MIENLORE_VECTOR_CLONES
void Median3Row(const std::uint8_t* below, const std::uint8_t* row, const std::uint8_t* above,
                std::uint8_t* out, int n) {
    for (int x = 0; x < n; ++x) {
        std::uint8_t p0 = below[x - 1], p1 = below[x], p2 = below[x + 1];
        std::uint8_t p3 = row[x - 1], p4 = row[x], p5 = row[x + 1];
        std::uint8_t p6 = above[x - 1], p7 = above[x], p8 = above[x + 1];
        Order(p1, p2);
        Order(p4, p5);
        Order(p7, p8);
        Order(p0, p1);
        Order(p3, p4);
        Order(p6, p7);
        Order(p1, p2);
        Order(p4, p5);
        Order(p7, p8);
        Order(p0, p3);
        Order(p5, p8);
        Order(p4, p7);
        Order(p3, p6);
        Order(p1, p4);
        Order(p2, p5);
        Order(p4, p7);
        Order(p4, p2);
        Order(p6, p4);
        Order(p4, p2);
        out[x] = p4;
    }
}

// Maximum (takeMax) or minimum of each (2r+1)^2 window, separably: along the
// rows, then along the columns.
void ExtremePlane(const std::vector<std::uint8_t>& luma, int w, int h, int r, bool takeMax,
                  std::vector<std::uint8_t>& out) {
    std::vector<std::uint8_t> rows(luma.size());
    const auto pick = [takeMax](std::uint8_t a, std::uint8_t b) {
        return takeMax ? std::max(a, b) : std::min(a, b);
    };
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = &luma[static_cast<std::size_t>(y) * w];
        std::uint8_t* o = &rows[static_cast<std::size_t>(y) * w];
        for (int x = r; x < w - r; ++x) {
            std::uint8_t m = in[x - r];
            for (int d = -r + 1; d <= r; ++d)
                m = pick(m, in[x + d]);
            o[x] = m;
        }
    }
    out.assign(luma.size(), 0);
    for (int y = r; y < h - r; ++y)
        for (int x = r; x < w - r; ++x) {
            std::uint8_t m = rows[static_cast<std::size_t>(y - r) * w + x];
            for (int d = -r + 1; d <= r; ++d)
                m = pick(m, rows[static_cast<std::size_t>(y + d) * w + x]);
            out[static_cast<std::size_t>(y) * w + x] = m;
        }
}

// acc[x] += weight * src[x] over a row; the pyramid blur's inner loop.
MIENLORE_VECTOR_CLONES
void MultiplyAdd(std::int32_t* acc, const std::int32_t* src, int weight, int n) {
    for (int x = 0; x < n; ++x)
        acc[x] += weight * src[x];
}

// Truncating division by a positive divisor through double precision: exact,
// since a quotient of 31-bit integers is never within rounding distance of
// the next whole number, and it vectorises where integer division does not.
MIENLORE_VECTOR_CLONES
void DivideRow(const std::int32_t* acc, std::int32_t* out, double divisor, int n) {
    for (int x = 0; x < n; ++x)
        out[x] = static_cast<std::int32_t>(acc[x] / divisor);
}

} // namespace

void CDevib::EdgeMax(int threshold) {
    if (m_width < 3 || m_height < 3)
        return;
    CDevib src;
    CopyTo(src);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(src.m_pixels.data());
    auto* outBytes = reinterpret_cast<std::uint8_t*>(m_pixels.data());
    const std::size_t stride = static_cast<std::size_t>(m_width) * 4;
    for (int y = 1; y < m_height - 1; ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * stride + 4;
        EdgeRow(bytes + at - stride, bytes + at, bytes + at + stride, outBytes + at,
                (m_width - 2) * 4, threshold);
        PixelWord* row = &m_pixels[static_cast<std::size_t>(y) * m_width];
        for (int x = 1; x < m_width - 1; ++x)
            row[x] |= kOpaque;
    }
}

void CDevib::RankFilter(int r, int which) {
    if (r < 0 || m_width < 2 * r + 3 || m_height < 2 * r + 3)
        return;
    const std::vector<std::uint8_t> luma = LumaPlane(m_pixels.data(), m_count);
    const int w = m_width;
    const int x0 = r + 1, x1 = w - r - 1; // x from r+1 while x + r + 1 < width
    const int y0 = r + 1, y1 = m_height - r - 1;
    auto row = [&](int y) { return &luma[static_cast<std::size_t>(y) * w]; };

    if (which != 0) {
        std::vector<std::uint8_t> extreme;
        ExtremePlane(luma, w, m_height, r, which < 0, extreme);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                m_pixels[static_cast<std::size_t>(y) * w + x] =
                    GreyPixel(extreme[static_cast<std::size_t>(y) * w + x]);
        return;
    }
    std::vector<std::uint8_t> ranked(static_cast<std::size_t>(w));
    if (r == 1) {
        for (int y = y0; y < y1; ++y) {
            Median3Row(row(y - 1) + x0, row(y) + x0, row(y + 1) + x0, ranked.data(), x1 - x0);
            for (int x = x0; x < x1; ++x)
                m_pixels[static_cast<std::size_t>(y) * w + x] = GreyPixel(ranked[x - x0]);
        }
        return;
    }
    // The middle of the window's values; with an odd count the same element
    // in either sort direction.
    const int side = 2 * r + 1;
    std::vector<std::uint8_t> window(static_cast<std::size_t>(side) * side);
    const std::size_t middle = window.size() / 2;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            std::size_t n = 0;
            for (int dy = -r; dy <= r; ++dy) {
                const std::uint8_t* line = row(y + dy) + x;
                for (int dx = -r; dx <= r; ++dx)
                    window[n++] = line[dx];
            }
            std::nth_element(window.begin(), window.begin() + middle, window.end());
            m_pixels[static_cast<std::size_t>(y) * w + x] = GreyPixel(window[middle]);
        }
}

void CDevib::PyramidBlur(int r, int keepRows) {
    if (r <= 0 || IsEmpty())
        return;
    r = std::min({r, m_width / 3, m_height / 3, 8});
    if (r <= 0)
        return;
    const int w = m_width;
    // Channel planes of the unchanged source.
    std::vector<std::int32_t> planes[3];
    for (int c = 0; c < 3; ++c) {
        planes[c].resize(static_cast<std::size_t>(m_count));
        const int shift = 16 - 8 * c;
        for (int k = 0; k < m_count; ++k)
            planes[c][k] = static_cast<std::int32_t>((m_pixels[k] >> shift) & 0xFF);
    }
    int weightSum = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            weightSum += 2 * r + 1 - std::abs(dx) - std::abs(dy);
    const double divisor = weightSum;

    const int n = w - 2 * r;
    std::vector<std::int32_t> acc(static_cast<std::size_t>(n));
    std::vector<std::int32_t> value[3];
    for (auto& v : value)
        v.resize(static_cast<std::size_t>(n));
    const int lastRow = std::min(m_height - r - 1, m_height - keepRows);
    for (int y = r; y <= lastRow; ++y) {
        for (int c = 0; c < 3; ++c) {
            std::fill(acc.begin(), acc.end(), 0);
            for (int dy = -r; dy <= r; ++dy) {
                const std::int32_t* line = &planes[c][static_cast<std::size_t>(y + dy) * w + r];
                for (int dx = -r; dx <= r; ++dx)
                    MultiplyAdd(acc.data(), line + dx, 2 * r + 1 - std::abs(dx) - std::abs(dy), n);
            }
            DivideRow(acc.data(), value[c].data(), divisor, n);
        }
        PixelWord* out = &m_pixels[static_cast<std::size_t>(y) * w + r];
        for (int i = 0; i < n; ++i)
            out[i] = MakePixel(value[0][i], value[1][i], value[2][i]);
    }
}

} // namespace mienlore
