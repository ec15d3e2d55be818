// Operations that compute each pixel from itself alone.
#include "imaging/Devib.h"
#include "imaging/LumaRows.h"

#include <algorithm>

#include <array>
#include <cstdint>

namespace mienlore {

void CDevib::ToGray() {
    PixelWord* p = m_pixels.data();
    for (int k = 0; k < m_count; ++k)
        p[k] = GreyPixel(LumaInt(p[k]));
}

void CDevib::Invert() {
    PixelWord* p = m_pixels.data();
    for (int k = 0; k < m_count; ++k)
        p[k] = kOpaque | (p[k] ^ 0x00FFFFFFu);
}

void CDevib::ToBlackWhite(int threshold) {
    // Luma in chunks: the vectorised form needs a small buffer.
    constexpr int kChunk = 2048;
    std::uint8_t luma[kChunk];
    PixelWord* p = m_pixels.data();
    if (threshold == 0) {
        std::int64_t sum = 0;
        std::int64_t n = 0;
        for (int start = 0; start < m_count; start += kChunk) {
            const int len = std::min(kChunk, m_count - start);
            LumaRealRow(p + start, luma, len);
            for (int i = 0; i < len; ++i) {
                const bool counts = luma[i] >= 1 && luma[i] <= 254;
                sum += counts ? luma[i] : 0;
                n += counts;
            }
        }
        if (n > 0)
            threshold = static_cast<int>(sum / n);
    }
    for (int start = 0; start < m_count; start += kChunk) {
        const int len = std::min(kChunk, m_count - start);
        LumaRealRow(p + start, luma, len);
        for (int i = 0; i < len; ++i)
            p[start + i] = luma[i] < threshold ? 0xFF000000u : 0xFFFFFFFFu;
    }
}

void CDevib::Lighten(int k) {
    if (k < 0)
        return;
    if (k > 255)
        k = 255;
    std::array<PixelWord, 256> lift{};
    for (int c = 0; c < 256; ++c)
        lift[c] = static_cast<PixelWord>(c + k - k * c / 255);
    PixelWord* p = m_pixels.data();
    for (int i = 0; i < m_count; ++i) {
        const PixelWord w = p[i];
        p[i] = kOpaque | (lift[(w >> 16) & 0xFF] << 16) | (lift[(w >> 8) & 0xFF] << 8) |
               lift[w & 0xFF];
    }
}

void CDevib::ReplaceColor(ColorRef colour, int x, int y) {
    if (IsEmpty())
        return;
    const PixelWord key = (Contains(x, y) ? GetPixel(x, y) : m_pixels[0]) & 0x00FFFFFFu;
    const PixelWord word = PixelWordFromColor(colour);
    PixelWord* p = m_pixels.data();
    for (int k = 0; k < m_count; ++k)
        if ((p[k] & 0x00FFFFFFu) == key)
            p[k] = word;
}

} // namespace mienlore
