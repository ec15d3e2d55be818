// Shape and band operations of the face compositor's mask and skin logic.
// Pixel addresses are storage addresses (y = 0 is the bottom row).
#include "imaging/Devib.h"

#include <algorithm>
#include <cstdint>

namespace mienlore {

void CDevib::DarkenWith(const CDevib& other) {
    if (other.m_width != m_width || other.m_height != m_height)
        return;
    for (int k = 0; k < m_count; ++k) {
        const int shape = LumaInt(other.m_pixels[k]);
        if (shape < 254)
            m_pixels[k] = GreyPixel(std::min(LumaInt(m_pixels[k]), shape));
    }
}

void CDevib::PaintWhere(const CDevib& other, PixelWord word) {
    if (other.m_width != m_width || other.m_height != m_height)
        return;
    for (int k = 0; k < m_count; ++k)
        if (LumaInt(other.m_pixels[k]) < 254)
            m_pixels[k] = word;
}

PixelPoint CDevib::FirstDark(int dirX, int dirY) const {
    PixelPoint last;
    for (int n = 0; n < m_height; ++n) {
        const int y = dirY > 0 ? n : m_height - 1 - n;
        for (int i = 0; i < m_width; ++i) {
            const int x = dirX > 0 ? i : m_width - 1 - i;
            last = {x, y};
            if (LumaInt(GetPixel(x, y)) < 240)
                return last;
        }
    }
    return last;
}

int CDevib::RowDark(int dirX, int y) const {
    if (y < 0 || y >= m_height)
        return -1;
    for (int i = 0; i < m_width; ++i) {
        const int x = dirX > 0 ? i : m_width - 1 - i;
        if (LumaInt(GetPixel(x, y)) < 250)
            return x;
    }
    return -1;
}

void CDevib::ShadeRowsKeep(int lo, int hi, int level, int mode, std::optional<ImageRect> keep) {
    if (mode < 0 || mode > 2)
        return;
    int kept = 255; // the skin grey of the last shaded row
    for (int y = 0; y < m_height; ++y) {
        PixelWord* row = &m_pixels[static_cast<std::size_t>(y) * m_width];
        int found = 0, first = -1, last = -1, blueSum = 0;
        for (int x = 10; x + 10 < m_width; ++x) {
            const int ink = 255 - BlueOf(row[x]);
            if (ink > lo && ink < hi) {
                if (first < 0)
                    first = x;
                last = x;
                ++found;
                blueSum += BlueOf(row[x]);
            }
        }
        if (found <= 3)
            continue;
        const int avg = blueSum / found;
        const bool keepRow = keep && m_height - keep->bottom < y && y < m_height - keep->top;
        if (keepRow) {
            // The rows under the hair become flat skin; the outline (darker
            // than the band) stays, so the temples keep their contour below
            // a short hair picture.
            for (int x = first; x < last; ++x)
                if (255 - BlueOf(row[x]) < hi)
                    row[x] = GreyPixel(kept);
            continue;
        }
        int lightest = 0;
        for (int x = first; x < last; ++x) {
            const int blue = BlueOf(row[x]);
            int v = mode == 0   ? (level + blue) * 3 / 6
                    : mode == 1 ? (3 * level + avg + 2 * blue) / 6
                                : (5 * blue + avg) / 6;
            v = std::clamp(v, 0, 255);
            lightest = std::max(lightest, v);
            row[x] = GreyPixel(v);
        }
        // The skin is the lightest part of a row (the features come later),
        // so the kept rows take the lightest grey, not the last one: that is
        // often the face outline and flooded the forehead with a dark block.
        kept = lightest;
    }
}

int CDevib::MeanBand(int lo, int hi, const ImageRect& rect) const {
    ImageRect r = rect;
    ClampRect(r);
    std::int64_t sum = 0;
    int n = 0;
    for (int row = r.top; row < r.bottom; ++row) {
        const PixelWord* line = &m_pixels[static_cast<std::size_t>(m_height - 1 - row) * m_width];
        for (int x = r.left; x < r.right; ++x) {
            const int blue = BlueOf(line[x]);
            const int ink = 255 - blue;
            if (ink > lo && ink < hi) {
                sum += blue;
                ++n;
            }
        }
    }
    return static_cast<int>(n > 0 ? sum / n : sum);
}

} // namespace mienlore
