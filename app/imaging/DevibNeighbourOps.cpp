// Operations that compute each pixel from a window around it. Each reads the
// unchanged source through a small ring of copied rows (the rows it still
// needs once it has written over them), which keeps the working set small and
// avoids copying the whole image.
#include "imaging/Devib.h"
#include "imaging/VectorClones.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace mienlore {

namespace {

// Copies of source rows, indexed by row number modulo the ring size.
template <typename T> class RowRing {
public:
    RowRing(int rows, int width)
        : m_rows(rows), m_width(width), m_data(static_cast<std::size_t>(rows) * width) {}
    T* Row(int y) { return &m_data[static_cast<std::size_t>(y % m_rows) * m_width]; }

private:
    int m_rows, m_width;
    std::vector<T> m_data;
};

void LumaRow(const PixelWord* p, std::uint8_t* out, int n) {
    for (int x = 0; x < n; ++x)
        out[x] = static_cast<std::uint8_t>(LumaInt(p[x]));
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

// Maximum (takeMax) or minimum over 2r+1 neighbours along a row, for x in
// r..w-r-1.
void RowExtreme(const std::uint8_t* in, std::uint8_t* out, int w, int r, bool takeMax) {
    for (int x = r; x < w - r; ++x) {
        std::uint8_t m = in[x - r];
        for (int d = -r + 1; d <= r; ++d)
            m = takeMax ? std::max(m, in[x + d]) : std::min(m, in[x + d]);
        out[x] = m;
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
    const int w = m_width;
    RowRing<PixelWord> source(3, w);
    auto keep = [&](int y) {
        std::memcpy(source.Row(y), &m_pixels[static_cast<std::size_t>(y) * w],
                    w * sizeof(PixelWord));
    };
    keep(0);
    keep(1);
    for (int y = 1; y < m_height - 1; ++y) {
        keep(y + 1);
        auto bytes = [&](int row) {
            return reinterpret_cast<const std::uint8_t*>(source.Row(row)) + 4;
        };
        PixelWord* row = &m_pixels[static_cast<std::size_t>(y) * w];
        EdgeRow(bytes(y - 1), bytes(y), bytes(y + 1), reinterpret_cast<std::uint8_t*>(row + 1),
                (w - 2) * 4, threshold);
        for (int x = 1; x < w - 1; ++x)
            row[x] |= kOpaque;
    }
}

void CDevib::RankFilter(int r, int which) {
    if (r < 0 || m_width < 2 * r + 3 || m_height < 2 * r + 3)
        return;
    const int w = m_width, side = 2 * r + 1;
    const int x0 = r + 1, x1 = w - r - 1; // x from r+1 while x + r + 1 < width
    const int y0 = r + 1, y1 = m_height - r - 1;
    // Luma of the unchanged source rows (for which != 0: their running
    // extremes along the row).
    RowRing<std::uint8_t> luma(side, w);
    std::vector<std::uint8_t> lumaRow(static_cast<std::size_t>(w));
    auto load = [&](int y) {
        const PixelWord* p = &m_pixels[static_cast<std::size_t>(y) * w];
        if (which == 0)
            LumaRow(p, luma.Row(y), w);
        else {
            LumaRow(p, lumaRow.data(), w);
            RowExtreme(lumaRow.data(), luma.Row(y), w, r, which < 0);
        }
    };
    for (int y = y0 - r; y < y0 + r; ++y)
        load(y);
    std::vector<std::uint8_t> ranked(static_cast<std::size_t>(w));
    std::vector<std::uint8_t> window(static_cast<std::size_t>(side) * side);
    const std::size_t middle = window.size() / 2;
    for (int y = y0; y < y1; ++y) {
        load(y + r);
        if (which != 0) {
            for (int x = x0; x < x1; ++x) {
                std::uint8_t m = luma.Row(y - r)[x];
                for (int d = -r + 1; d <= r; ++d)
                    m = which < 0 ? std::max(m, luma.Row(y + d)[x])
                                  : std::min(m, luma.Row(y + d)[x]);
                ranked[x] = m;
            }
        } else if (r == 1) {
            Median3Row(luma.Row(y - 1) + x0, luma.Row(y) + x0, luma.Row(y + 1) + x0,
                       ranked.data() + x0, x1 - x0);
        } else {
            // The middle of the window's values; with an odd count the same
            // element in either sort direction.
            for (int x = x0; x < x1; ++x) {
                std::size_t n = 0;
                for (int dy = -r; dy <= r; ++dy) {
                    const std::uint8_t* line = luma.Row(y + dy) + x;
                    for (int dx = -r; dx <= r; ++dx)
                        window[n++] = line[dx];
                }
                std::nth_element(window.begin(), window.begin() + middle, window.end());
                ranked[x] = window[middle];
            }
        }
        PixelWord* out = &m_pixels[static_cast<std::size_t>(y) * w];
        for (int x = x0; x < x1; ++x)
            out[x] = GreyPixel(ranked[x]);
    }
}

void CDevib::PyramidBlur(int r, int keepRows) {
    if (r <= 0 || IsEmpty())
        return;
    r = std::min({r, m_width / 3, m_height / 3, 8});
    if (r <= 0)
        return;
    const int w = m_width, side = 2 * r + 1;
    // Per source row, its red, green and blue as 32-bit values.
    RowRing<std::int32_t> source(side, 3 * w);
    auto load = [&](int y) {
        const PixelWord* p = &m_pixels[static_cast<std::size_t>(y) * w];
        std::int32_t* channels = source.Row(y);
        for (int x = 0; x < w; ++x) {
            channels[x] = RedOf(p[x]);
            channels[w + x] = GreenOf(p[x]);
            channels[2 * w + x] = BlueOf(p[x]);
        }
    };
    int weightSum = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            weightSum += 2 * r + 1 - std::abs(dx) - std::abs(dy);
    const double divisor = weightSum;

    const int n = w - 2 * r;
    std::vector<std::int32_t> acc(static_cast<std::size_t>(n));
    std::vector<std::int32_t> value(static_cast<std::size_t>(3) * n);
    const int lastRow = std::min(m_height - r - 1, m_height - keepRows);
    for (int y = 0; y < 2 * r && y < m_height; ++y)
        load(y);
    for (int y = r; y <= lastRow; ++y) {
        load(y + r);
        for (int c = 0; c < 3; ++c) {
            std::fill(acc.begin(), acc.end(), 0);
            for (int dy = -r; dy <= r; ++dy) {
                const std::int32_t* line = source.Row(y + dy) + c * w + r;
                for (int dx = -r; dx <= r; ++dx)
                    MultiplyAdd(acc.data(), line + dx, 2 * r + 1 - std::abs(dx) - std::abs(dy), n);
            }
            DivideRow(acc.data(), value.data() + c * n, divisor, n);
        }
        PixelWord* out = &m_pixels[static_cast<std::size_t>(y) * w + r];
        for (int i = 0; i < n; ++i)
            out[i] = MakePixel(value[i], value[n + i], value[2 * n + i]);
    }
}

} // namespace mienlore
