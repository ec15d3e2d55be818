// Drawing operations for the diagrams and the face compositor. Points and
// rectangles are picture coordinates (y = 0 at the top row).
#include "imaging/Devib.h"
#include "imaging/EllipseRegion.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace mienlore {

namespace {

// Soft-edged pixel update shared by Spot and Ring.
inline void BlendInto(PixelWord& p, int i, PixelWord colour) {
    p = Blend(i, 255, p, colour);
}

} // namespace

void CDevib::HorizontalGradient(const ImageRect& rect, ColorRef c1, ColorRef c2) {
    const PixelWord w1 = PixelWordFromColor(c1), w2 = PixelWordFromColor(c2);
    const int n = rect.right - rect.left;
    for (int i = 0; i <= n; ++i) {
        const int x = rect.left + i;
        if (x < 0 || x >= m_width)
            continue;
        const PixelWord word = Blend(i, n, w1, w2);
        for (int row = std::max(rect.top, 0); row <= std::min(rect.bottom, m_height - 1); ++row)
            m_pixels[static_cast<std::size_t>(m_height - 1 - row) * m_width + x] = word;
    }
}

void CDevib::EllipseGradient(ImageRect rect, ColorRef, ColorRef c2, ColorRef, ColorRef c4) {
    ClampRect(rect);
    const EllipseRegion region(rect);
    const PixelWord top = PixelWordFromColor(c2), bottom = PixelWordFromColor(c4);
    const int height = rect.Height();
    for (int i = 0; i <= height; ++i) {
        const int row = rect.top + i;
        if (row >= m_height)
            continue;
        const PixelWord word = Blend(i, height, top, bottom);
        PixelWord* line = &m_pixels[static_cast<std::size_t>(m_height - 1 - row) * m_width];
        for (int x = rect.left; x <= rect.right && x < m_width; ++x)
            if (region.Contains(x, row))
                line[x] = word;
    }
}

void CDevib::Spot(int x, int y, int r, ColorRef colour) {
    if (r <= 0)
        return;
    const PixelWord word = PixelWordFromColor(colour);
    const std::int64_t r2 = static_cast<std::int64_t>(r) * r;
    for (int dy = -r; dy <= r; ++dy) {
        const int row = y + dy;
        if (row < 0 || row >= m_height)
            continue;
        PixelWord* line = &m_pixels[static_cast<std::size_t>(m_height - 1 - row) * m_width];
        for (int dx = -r; dx <= r; ++dx) {
            const int px = x + dx;
            if (px < 0 || px >= m_width)
                continue;
            const std::int64_t d2 =
                static_cast<std::int64_t>(dx) * dx + static_cast<std::int64_t>(dy) * dy;
            const int e = static_cast<int>(d2 * 255 / r2 - 255);
            if (e < 0)
                line[px] = word;
            else
                BlendInto(line[px], e, word);
        }
    }
}

void CDevib::Ring(int x, int y, int r, ColorRef colour) {
    if (r <= 1)
        return;
    const PixelWord word = PixelWordFromColor(colour);
    const std::int64_t r2 = static_cast<std::int64_t>(r) * r;
    const int half = 3 * r / 2;
    for (int dy = -half; dy <= half; ++dy) {
        const int row = y + dy;
        if (row < 0 || row >= m_height)
            continue;
        PixelWord* line = &m_pixels[static_cast<std::size_t>(m_height - 1 - row) * m_width];
        for (int dx = -half; dx <= half; ++dx) {
            const int px = x + dx;
            if (px < 0 || px >= m_width)
                continue;
            const std::int64_t d2 =
                static_cast<std::int64_t>(dx) * dx + static_cast<std::int64_t>(dy) * dy;
            const std::int64_t h = d2 <= r2 ? d2 * 255 / r2 : 510 - d2 * 255 / r2;
            if (h < 128 || h >= 256)
                continue;
            const std::int64_t q = h * h / 255;
            BlendInto(line[px], static_cast<int>(q * q / 255), word);
        }
    }
}

void CDevib::ThickLine(int x0, int y0, int x1, int y1, int thickness, ColorRef colour) {
    if (IsEmpty())
        return;
    const PixelWord word = PixelWordFromColor(colour);
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        if (thickness < 2) {
            if (x >= 0 && x < m_width && y >= 0 && y < m_height)
                m_pixels[static_cast<std::size_t>(m_height - 1 - y) * m_width + x] = word;
        } else {
            Spot(x, y, thickness / 2, colour);
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void CDevib::TintFill(ColorRef c1, ColorRef c2, int mode, CCrtRandom& random) {
    if (IsEmpty() || (mode != 1 && mode != 2))
        return;
    const PixelWord key = m_pixels[0] & 0xFFFFu; // blue and green bytes of pixel 0
    const int r1 = c1 & 0xFF, g1 = (c1 >> 8) & 0xFF, b1 = (c1 >> 16) & 0xFF;
    const int r2 = c2 & 0xFF, g2 = (c2 >> 8) & 0xFF;
    const std::int64_t o = static_cast<std::int64_t>(m_width) * m_width +
                           static_cast<std::int64_t>(m_height) * m_height;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if ((GetPixel(x, y) & 0xFFFFu) != key)
                continue;
            if (mode == 1) {
                SetRGB(x, y, r1, g1, b1);
                continue;
            }
            const std::int64_t m = static_cast<std::int64_t>(x) * x +
                                   static_cast<std::int64_t>(m_height - y) * (m_height - y);
            const int red = static_cast<int>((r1 * m + r2 * (o - m)) / o);
            const int green = static_cast<int>((g1 * m + g2 * (o - m)) / o);
            const int n1 = random.Next(), n2 = random.Next(), n3 = random.Next();
            // The roughening may go below 0 on dark colours; a negative
            // channel would spill into the other bytes of the word.
            SetRGB(x, y, std::max(red - n1 % 4, 0), std::max(green - n2 % 3, 0),
                   std::max(green - n3 % 4, 0));
        }
}

void CDevib::BuildMask(const std::function<bool(int x, int y)>& inside) {
    m_mask.assign(static_cast<std::size_t>(m_count), 0);
    for (int k = 0; k < m_count; ++k)
        m_mask[k] = inside(k % m_width, m_height - k / m_width) ? 1 : 0;
}

void CDevib::PaintMask(ColorRef outside, ColorRef inside) {
    if (m_mask.size() != static_cast<std::size_t>(m_count))
        return;
    const PixelWord in = PixelWordFromColor(inside), out = PixelWordFromColor(outside);
    for (int k = 0; k < m_count; ++k)
        m_pixels[k] = m_mask[k] ? in : out;
}

} // namespace mienlore
