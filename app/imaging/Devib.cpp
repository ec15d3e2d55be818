#include "imaging/Devib.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace mienlore {

CDevib::CDevib(CDevib&& other) noexcept
    : m_pixels(std::move(other.m_pixels)), m_header(other.m_header), m_width(other.m_width),
      m_height(other.m_height), m_count(other.m_count), m_mask(std::move(other.m_mask)) {
    other.Release();
}

CDevib& CDevib::operator=(CDevib&& other) noexcept {
    if (this != &other) {
        m_pixels = std::move(other.m_pixels);
        m_header = other.m_header;
        m_width = other.m_width;
        m_height = other.m_height;
        m_count = other.m_count;
        m_mask = std::move(other.m_mask);
        other.Release();
    }
    return *this;
}

CDevib::~CDevib() {
    Release();
}

bool CDevib::Create(int width, int height) {
    Release();
    // The header's image size is a 32-bit field: width x height x 4 must fit.
    constexpr std::int64_t kMaxCount = std::numeric_limits<std::int32_t>::max() / 4;
    if (width <= 0 || height <= 0 || static_cast<std::int64_t>(width) * height > kMaxCount)
        return false;
    try {
        m_pixels.assign(static_cast<std::size_t>(width) * height, 0);
    } catch (const std::bad_alloc&) {
        m_pixels = {};
        return false;
    }
    m_header = BitmapInfoHeader{};
    m_header.width = width;
    m_header.height = height;
    m_header.sizeImage = static_cast<std::uint32_t>(width) * height * 4;
    m_width = width;
    m_height = height;
    m_count = width * height;
    return true;
}

bool CDevib::Release() {
    m_pixels = {};
    m_mask = {};
    m_header = BitmapInfoHeader{};
    m_width = m_height = m_count = 0;
    return true;
}

void CDevib::CopyTo(CDevib& other) const {
    if (&other == this)
        return;
    if (IsEmpty()) {
        other.Release();
        return;
    }
    if (other.m_width != m_width || other.m_height != m_height) {
        if (!other.Create(m_width, m_height))
            return;
    }
    std::memcpy(other.m_pixels.data(), m_pixels.data(), m_pixels.size() * sizeof(PixelWord));
}

void CDevib::Fill(PixelWord word) {
    std::fill(m_pixels.begin(), m_pixels.end(), word);
}

void CDevib::ClampRect(ImageRect& rect) const {
    rect.left = std::clamp(rect.left, 0, m_width);
    rect.right = std::clamp(rect.right, 0, m_width);
    rect.top = std::clamp(rect.top, 0, m_height);
    rect.bottom = std::clamp(rect.bottom, 0, m_height);
}

bool CDevib::Grab(const CDevib& surface, const ImageRect& rect) {
    if (rect.Width() < 0 || rect.Height() < 0)
        return false;
    if (&surface == this) {
        CDevib copy;
        CopyTo(copy);
        return Grab(copy, rect);
    }
    if (!Create(rect.Width(), rect.Height()))
        return false;
    for (int y = 0; y < m_height; ++y) {
        // Storage row y of the grab is picture row rect.bottom - 1 - y.
        const int pictureRow = rect.bottom - 1 - y;
        if (pictureRow < 0 || pictureRow >= surface.m_height)
            continue;
        const int srcRow = surface.m_height - 1 - pictureRow;
        const int x0 = std::max(0, -rect.left);
        const int x1 = std::min(m_width, surface.m_width - rect.left);
        if (x0 >= x1)
            continue;
        std::memcpy(
            &m_pixels[static_cast<std::size_t>(y) * m_width + x0],
            &surface.m_pixels[static_cast<std::size_t>(srcRow) * surface.m_width + rect.left + x0],
            static_cast<std::size_t>(x1 - x0) * sizeof(PixelWord));
    }
    return true;
}

void CDevib::DrawTo(CDevib& surface, int x, int y, int w, int h) const {
    if (&surface == this || IsEmpty() || surface.IsEmpty())
        return;
    w = std::min(w, m_width);
    h = std::min(h, m_height);
    for (int k = 0; k < h; ++k) {
        const int srcRow = h - 1 - k; // the bottom h rows, top one first
        const int pictureRow = y + k;
        if (pictureRow < 0 || pictureRow >= surface.m_height)
            continue;
        const int dstRow = surface.m_height - 1 - pictureRow;
        const int i0 = std::max(0, -x);
        const int i1 = std::min(w, surface.m_width - x);
        if (i0 >= i1)
            continue;
        std::memcpy(&surface.m_pixels[static_cast<std::size_t>(dstRow) * surface.m_width + x + i0],
                    &m_pixels[static_cast<std::size_t>(srcRow) * m_width + i0],
                    static_cast<std::size_t>(i1 - i0) * sizeof(PixelWord));
    }
}

void CDevib::StretchFrom(const CDevib& bitmap) {
    if (IsEmpty() || bitmap.IsEmpty() || &bitmap == this)
        return;
    std::vector<int> srcX(m_width);
    for (int x = 0; x < m_width; ++x)
        srcX[x] = static_cast<int>(static_cast<std::int64_t>(x) * bitmap.m_width / m_width);
    for (int y = 0; y < m_height; ++y) {
        const int pictureRow = m_height - 1 - y;
        const int srcPictureRow =
            static_cast<int>(static_cast<std::int64_t>(pictureRow) * bitmap.m_height / m_height);
        const PixelWord* src =
            &bitmap.m_pixels[static_cast<std::size_t>(bitmap.m_height - 1 - srcPictureRow) *
                             bitmap.m_width];
        PixelWord* dst = &m_pixels[static_cast<std::size_t>(y) * m_width];
        for (int x = 0; x < m_width; ++x)
            dst[x] = src[srcX[x]];
    }
}

} // namespace mienlore
