#include "imaging/EffectFrames.h"

namespace mienlore {

bool CEffectFrames::Setup(int width, int height, const std::function<bool(int x, int y)>& inside,
                          PixelWord text, PixelWord background) {
    if (width <= 0 || height <= 0 || !m_shown.Create(width, height) ||
        !m_source.Create(width, height))
        return false;
    m_shadow.assign(static_cast<std::size_t>(width) * height, false);
    PixelWord* shown = m_shown.Pixels();
    PixelWord* source = m_source.Pixels();
    const PixelWord red = MakePixel(255, 0, 0);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row; // storage row 0 is the bottom
        for (int x = 0; x < width; ++x) {
            const std::size_t k = static_cast<std::size_t>(row) * width + x;
            shown[k] = inside(x, y) ? text : background;
            const bool shadow = inside(x - kShadowDx, y - kShadowDy);
            m_shadow[k] = shadow;
            source[k] = shadow ? red : background;
        }
    }
    m_frames = 0;
    return true;
}

void CEffectFrames::BoxAverage3(const CDevib& source, CDevib& target) {
    const int w = source.Width();
    const int h = source.Height();
    if (w != target.Width() || h != target.Height() || w < 3 || h < 3)
        return;
    const PixelWord* s = source.Pixels();
    PixelWord* t = target.Pixels();
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const PixelWord p = s[(y + dy) * w + x + dx];
                    r += RedOf(p);
                    g += GreenOf(p);
                    b += BlueOf(p);
                }
            t[y * w + x] = MakePixel(r / 9, g / 9, b / 9);
        }
}

void CEffectFrames::Step() {
    if (m_shown.IsEmpty())
        return;
    const std::size_t n = m_shadow.size();
    const PixelWord* shown = m_shown.Pixels();
    PixelWord* source = m_source.Pixels();
    const PixelWord red = MakePixel(255, 0, 0);
    for (std::size_t k = 0; k < n; ++k)
        source[k] = m_shadow[k] ? red : shown[k];
    BoxAverage3(m_source, m_shown);
    ++m_frames;
}

} // namespace mienlore
