// Operations that move pixels: rotation, resampling, cropping, shrinking,
// mirroring.
#include "imaging/Devib.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace mienlore {

namespace {

inline int ClampIndex(int v, int size) {
    return v < 0 ? 0 : v >= size ? size - 1 : v;
}

// The source coordinates of a rotation, split into per-column and per-row
// terms: sx = (cx + dx cos) - dy sin and sy = (cy + dx sin) + dy cos,
// evaluated in exactly that order.
struct RotationTerms {
    std::vector<double> columnX, columnY, rowX, rowY;

    RotationTerms(int w, int h, double degrees) {
        const double theta = degrees * 3.14159 / 180;
        const double c = std::cos(theta), s = std::sin(theta);
        const int cx = w / 2, cy = h / 2;
        for (int x = 0; x < w; ++x) {
            const int dx = x - cx;
            columnX.push_back(cx + dx * c);
            columnY.push_back(cy + dx * s);
        }
        for (int y = 0; y < h; ++y) {
            const int dy = y - cy;
            rowX.push_back(dy * s);
            rowY.push_back(dy * c);
        }
    }
};

// Linear interpolation at e between positions f (value b) and g (value d).
inline double Lerp(double e, double f, double g, double b, double d) {
    return f == g ? (b + d) / 2 : ((g - e) * b + (e - f) * d) / (g - f);
}

// Per target column (or row) of a resample: the two source indices and their
// target positions.
struct SampleAxis {
    std::vector<int> i0, i1;
    std::vector<double> p0, p1;

    SampleAxis(int targetSize, int sourceSize) {
        const double factor = static_cast<double>(targetSize) / sourceSize;
        for (int t = 0; t < targetSize; ++t) {
            const int a = ClampIndex(static_cast<int>(t / factor), sourceSize);
            const int b = ClampIndex(a + 1, sourceSize);
            i0.push_back(a);
            i1.push_back(b);
            p0.push_back(a * factor);
            p1.push_back(b * factor);
        }
    }
};

} // namespace

void CDevib::Rotate(double degrees, bool smooth) {
    if (IsEmpty())
        return;
    const int w = m_width, h = m_height;
    CDevib src;
    CopyTo(src);
    const RotationTerms t(w, h, degrees);
    const PixelWord* in = src.m_pixels.data();
    for (int y = 0; y < h; ++y) {
        PixelWord* out = &m_pixels[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w; ++x) {
            const double sx = t.columnX[x] - t.rowX[y];
            const double sy = t.columnY[x] + t.rowY[y];
            if (!smooth) {
                out[x] = in[static_cast<std::size_t>(ClampIndex(static_cast<int>(sy), h)) * w +
                            ClampIndex(static_cast<int>(sx), w)];
                continue;
            }
            const int i = ClampIndex(static_cast<int>(sx), w);
            const double fx = sx - i - 0.5;
            const int i2 = ClampIndex(fx < 0 ? i - 1 : i + 1, w);
            const int j = ClampIndex(static_cast<int>(sy), h);
            const double fy = sy - j - 0.5;
            const int j2 = ClampIndex(fy < 0 ? j - 1 : j + 1, h);
            const int wx = static_cast<int>(std::fabs(fx) * 256);
            const int wy = static_cast<int>(std::fabs(fy) * 256);
            const PixelWord a = in[static_cast<std::size_t>(j) * w + i];
            const PixelWord b = in[static_cast<std::size_t>(j) * w + i2];
            const PixelWord c = in[static_cast<std::size_t>(j2) * w + i];
            const PixelWord d = in[static_cast<std::size_t>(j2) * w + i2];
            PixelWord result = kOpaque;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
                const int cc = (c >> shift) & 0xFF, cd = (d >> shift) & 0xFF;
                const int top = ((256 - wx) * ca + wx * cb) / 256;
                const int bottom = ((256 - wx) * cc + wx * cd) / 256;
                result |= static_cast<PixelWord>(((256 - wy) * top + wy * bottom) / 256) << shift;
            }
            out[x] = result;
        }
    }
}

void CDevib::Resample(CDevib& target, const CDevib& source) {
    if (target.IsEmpty() || source.IsEmpty() || &target == &source)
        return;
    const SampleAxis ax(target.m_width, source.m_width);
    const SampleAxis ay(target.m_height, source.m_height);
    const int sw = source.m_width;
    for (int y = 0; y < target.m_height; ++y) {
        const PixelWord* row0 = &source.m_pixels[static_cast<std::size_t>(ay.i0[y]) * sw];
        const PixelWord* row1 = &source.m_pixels[static_cast<std::size_t>(ay.i1[y]) * sw];
        PixelWord* out = &target.m_pixels[static_cast<std::size_t>(y) * target.m_width];
        for (int x = 0; x < target.m_width; ++x) {
            const PixelWord p00 = row0[ax.i0[x]], p10 = row0[ax.i1[x]];
            const PixelWord p01 = row1[ax.i0[x]], p11 = row1[ax.i1[x]];
            PixelWord result = kOpaque;
            for (int shift = 0; shift <= 16; shift += 8) {
                const double v0 =
                    Lerp(x, ax.p0[x], ax.p1[x], (p00 >> shift) & 0xFF, (p10 >> shift) & 0xFF);
                const double v1 =
                    Lerp(x, ax.p0[x], ax.p1[x], (p01 >> shift) & 0xFF, (p11 >> shift) & 0xFF);
                const int v =
                    std::clamp(static_cast<int>(Lerp(y, ay.p0[y], ay.p1[y], v0, v1)), 0, 255);
                result |= static_cast<PixelWord>(v) << shift;
            }
            out[x] = result;
        }
    }
}

ImageSize CDevib::CropCentered(const ImageRect& rect, PixelWord fill) {
    CDevib src(std::move(*this));
    const int w = rect.Width(), h = rect.Height();
    if (!Create(w, h))
        return {};
    Fill(fill);
    const int ox = (src.m_width - w) / 2 + rect.left;
    const int oy = (src.m_height - h) / 2 + rect.top;
    for (int j = 0; j < h; ++j) {
        const int sy = j + oy;
        if (sy < 0 || sy >= src.m_height)
            continue;
        const int i0 = std::max(0, -ox);
        const int i1 = std::min(w, src.m_width - ox);
        for (int i = i0; i < i1; ++i)
            m_pixels[static_cast<std::size_t>(j) * w + i] =
                src.m_pixels[static_cast<std::size_t>(sy) * src.m_width + i + ox];
    }
    return {w, h};
}

ImageSize CDevib::BlockAverage(int ax, int ay) {
    if (IsEmpty())
        return {};
    ax = std::clamp(ax, 1, 8);
    ay = std::clamp(ay, 1, 8);
    const int cw = 2 * ax + 1, ch = 2 * ay + 1;
    const int w = m_width / cw - ax, h = m_height / ch - ay;
    CDevib src(std::move(*this));
    if (!Create(w, h))
        return {};
    const int cells = cw * ch;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int sum[3] = {0, 0, 0};
            for (int y = j * ch; y < j * ch + ch; ++y) {
                const PixelWord* row = &src.m_pixels[static_cast<std::size_t>(y) * src.m_width];
                for (int x = i * cw; x < i * cw + cw; ++x) {
                    sum[0] += RedOf(row[x]);
                    sum[1] += GreenOf(row[x]);
                    sum[2] += BlueOf(row[x]);
                }
            }
            SetPixel(i, j, MakePixel(sum[0] / cells, sum[1] / cells, sum[2] / cells));
        }
    return {w, h};
}

void CDevib::MirrorHorizontal() {
    for (int y = 0; y < m_height; ++y) {
        PixelWord* row = &m_pixels[static_cast<std::size_t>(y) * m_width];
        std::reverse(row, row + m_width);
    }
}

} // namespace mienlore
