#pragma once

#include "imaging/ImageRect.h"

#include <cstdint>

namespace mienlore {

// The elliptic region inscribed in a rectangle (right and bottom edges
// exclusive): a pixel belongs to it when its centre lies inside or on the
// ellipse. Exact integer test on doubled coordinates.
class EllipseRegion {
public:
    explicit EllipseRegion(const ImageRect& rect) : m_rect(rect) {}

    bool Contains(int x, int y) const {
        const std::int64_t w = m_rect.Width();
        const std::int64_t h = m_rect.Height();
        if (w <= 0 || h <= 0)
            return false;
        const std::int64_t dx = 2 * static_cast<std::int64_t>(x) + 1 - m_rect.left - m_rect.right;
        const std::int64_t dy = 2 * static_cast<std::int64_t>(y) + 1 - m_rect.top - m_rect.bottom;
        // 128-bit products: the fourth powers overflow 64 bits on large rectangles.
        using Wide = __int128;
        return Wide(dx * dx) * (h * h) + Wide(dy * dy) * (w * w) <= Wide(w * w) * (h * h);
    }

private:
    ImageRect m_rect;
};

} // namespace mienlore
