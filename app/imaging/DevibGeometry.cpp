// Operations that move pixels: rotation, resampling, cropping, shrinking,
// mirroring.
#include "imaging/Devib.h"
#include "imaging/VectorClones.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
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

// Blends two pixel words by weight/256 towards q: red and blue together in
// one multiply, green (with alpha) in another. Each 16-bit lane stays below
// 256 * 255, so no carry crosses lanes, and the shift by 8 truncates exactly
// as a division by 256 of each channel does. weight is 0..256.
inline PixelWord MixWords(PixelWord p, PixelWord q, std::uint32_t weight) {
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t rb =
        (((p & 0x00FF00FFu) * keep + (q & 0x00FF00FFu) * weight) >> 8) & 0x00FF00FFu;
    const std::uint32_t ga =
        (((p >> 8) & 0x00FF00FFu) * keep + ((q >> 8) & 0x00FF00FFu) * weight) & 0xFF00FF00u;
    return rb | ga;
}

// Linear interpolation at e between positions f (value b) and g (value d):
// ((g - e) b + (e - f) d) / (g - f), or (b + d) / 2 when f = g. The three
// position terms are worked out once per target column or row; for f = g they
// become 0.5, 0.5 and 1, which gives (b + d) / 2 to the last bit (halving is
// exact), so the inner loops need no branch.
struct LerpTerms {
    std::vector<double> ge, ef, gf;
    void Add(double e, double f, double g) {
        if (f == g) {
            ge.push_back(0.5);
            ef.push_back(0.5);
            gf.push_back(1.0);
        } else {
            ge.push_back(g - e);
            ef.push_back(e - f);
            gf.push_back(g - f);
        }
    }
};

// Per target column (or row) of a resample: the two source indices and the
// interpolation terms at their target positions.
struct SampleAxis {
    std::vector<int> i0, i1;
    LerpTerms terms;

    SampleAxis() = default;
    // Entries from..from+count-1 of a full axis.
    SampleAxis(const SampleAxis& full, int from, int count) {
        const auto take = [from, count](const auto& v) {
            return std::vector<typename std::decay_t<decltype(v)>::value_type>(
                v.begin() + from, v.begin() + from + count);
        };
        i0 = take(full.i0);
        i1 = take(full.i1);
        terms.ge = take(full.terms.ge);
        terms.ef = take(full.terms.ef);
        terms.gf = take(full.terms.gf);
    }

    SampleAxis(int targetSize, int sourceSize) {
        const double factor = static_cast<double>(targetSize) / sourceSize;
        for (int t = 0; t < targetSize; ++t) {
            const int a = ClampIndex(static_cast<int>(t / factor), sourceSize);
            const int b = ClampIndex(a + 1, sourceSize);
            i0.push_back(a);
            i1.push_back(b);
            terms.Add(t, a * factor, b * factor);
        }
    }
};

// out[x] = (ge[x] b[x] + ef[x] d[x]) / gf[x].
MIENLORE_VECTOR_CLONES
void LerpRow(const double* __restrict ge, const double* __restrict ef, const double* __restrict gf,
             const double* __restrict b, const double* __restrict d, double* __restrict out,
             int n) {
    for (int x = 0; x < n; ++x)
        out[x] = (ge[x] * b[x] + ef[x] * d[x]) / gf[x];
}

// The vertical step with one set of terms for the whole row, truncated.
MIENLORE_VECTOR_CLONES
void LerpRowToChannel(double ge, double ef, double gf, const double* __restrict b,
                      const double* __restrict d, std::int32_t* __restrict out, int n) {
    for (int x = 0; x < n; ++x) {
        const int v = static_cast<int>((ge * b[x] + ef * d[x]) / gf);
        out[x] = v < 0 ? 0 : v > 255 ? 255 : v;
    }
}

// One source row interpolated along x at every target column, per channel.
class InterpolatedRows {
public:
    InterpolatedRows(const CDevib& source, const SampleAxis& ax, int targetWidth)
        : m_source(source), m_ax(ax), m_n(targetWidth), m_b(static_cast<std::size_t>(targetWidth)),
          m_d(static_cast<std::size_t>(targetWidth)) {
        for (auto& slot : m_slots)
            slot.values.resize(static_cast<std::size_t>(3) * targetWidth);
    }

    // Channel c (0 red, 1 green, 2 blue) of source row y along the target
    // columns; the two most recent rows are kept.
    const double* Row(int y, int c, int avoid) {
        for (auto& slot : m_slots)
            if (slot.row == y)
                return slot.values.data() + static_cast<std::size_t>(c) * m_n;
        Slot& slot = m_slots[0].row == avoid ? m_slots[1] : m_slots[0];
        slot.row = y;
        const PixelWord* line = m_source.Pixels() + static_cast<std::size_t>(y) * m_source.Width();
        for (int ch = 0; ch < 3; ++ch) {
            const int shift = 16 - 8 * ch;
            for (int x = 0; x < m_n; ++x) {
                m_b[x] = (line[m_ax.i0[x]] >> shift) & 0xFF;
                m_d[x] = (line[m_ax.i1[x]] >> shift) & 0xFF;
            }
            LerpRow(m_ax.terms.ge.data(), m_ax.terms.ef.data(), m_ax.terms.gf.data(), m_b.data(),
                    m_d.data(), slot.values.data() + static_cast<std::size_t>(ch) * m_n, m_n);
        }
        return slot.values.data() + static_cast<std::size_t>(c) * m_n;
    }

private:
    struct Slot {
        int row = -1;
        std::vector<double> values;
    };
    const CDevib& m_source;
    const SampleAxis& m_ax;
    int m_n;
    std::vector<double> m_b, m_d;
    Slot m_slots[2];
};

} // namespace

namespace {

// The bilinear sample positions of one run of target pixels along a row:
// source columns i, i2 with weight wx towards i2, rows j, j2 with weight wy.
// Kept apart from the pixel blending so that this part vectorises.
struct SampleRun {
    std::vector<std::int32_t> i, i2, wx, j, j2, wy;
    explicit SampleRun(int n) : i(n), i2(n), wx(n), j(n), j2(n), wy(n) {}
};

// One axis of Bilinear: index = clamp(trunc(s)), f = s - index - 0.5,
// index2 = clamp(f < 0 ? index - 1 : index + 1), weight = trunc(|f| * 256).
// Where both indices are the same clamped pixel the weight does not matter
// ((256 - w) c + w c = 256 c); 0 keeps it in the blend's range.
MIENLORE_VECTOR_CLONES
void SampleAxisRun(const double* __restrict column, double rowTerm, int size,
                   std::int32_t* __restrict index, std::int32_t* __restrict index2,
                   std::int32_t* __restrict weight, int n) {
    for (int x = 0; x < n; ++x) {
        const double s = column[x] + rowTerm;
        const int a = std::min(std::max(static_cast<int>(s), 0), size - 1);
        const double f = s - a - 0.5;
        const int step = f < 0 ? -1 : 1;
        const int b = std::min(std::max(a + step, 0), size - 1);
        const int wt = static_cast<int>(std::fabs(f) * 256);
        index[x] = a;
        index2[x] = b;
        weight[x] = a == b ? 0 : wt;
    }
}

// Turns the run's columns and rows into the word offsets of the four samples:
// i = (j, i), i2 = (j, i2), j = (j2, i), j2 = (j2, i2).
MIENLORE_VECTOR_CLONES
void SampleOffsets(SampleRun& run, int width, int n) {
    std::int32_t* __restrict i = run.i.data();
    std::int32_t* __restrict i2 = run.i2.data();
    std::int32_t* __restrict j = run.j.data();
    std::int32_t* __restrict j2 = run.j2.data();
    for (int x = 0; x < n; ++x) {
        const std::int32_t row = j[x] * width, row2 = j2[x] * width;
        const std::int32_t a = i[x], b = i2[x];
        i[x] = row + a;
        i2[x] = row + b;
        j[x] = row2 + a;
        j2[x] = row2 + b;
    }
}

} // namespace

void CDevib::Rotate(double degrees, bool smooth) {
    if (IsEmpty())
        return;
    const int w = m_width, h = m_height;
    // The unchanged source; no need to clear it before the copy.
    const std::unique_ptr<PixelWord[]> copy(new (std::nothrow) PixelWord[m_pixels.size()]);
    if (!copy)
        return;
    std::memcpy(copy.get(), m_pixels.data(), m_pixels.size() * sizeof(PixelWord));
    const PixelWord* in = copy.get();
    const RotationTerms t(w, h, degrees);
    // Strips of columns keep the source pixels a run reads close together.
    constexpr int kStrip = 32;
    SampleRun run(std::min(w, kStrip));
    for (int x0 = 0; x0 < w; x0 += kStrip) {
        const int n = std::min(kStrip, w - x0);
        for (int y = 0; y < h; ++y) {
            PixelWord* out = &m_pixels[static_cast<std::size_t>(y) * w + x0];
            if (!smooth) {
                const double rowX = t.rowX[y], rowY = t.rowY[y];
                for (int x = 0; x < n; ++x) {
                    const int sx = static_cast<int>(t.columnX[x0 + x] - rowX);
                    const int sy = static_cast<int>(t.columnY[x0 + x] + rowY);
                    out[x] =
                        in[static_cast<std::size_t>(ClampIndex(sy, h)) * w + ClampIndex(sx, w)];
                }
                continue;
            }
            // a - b is a + (-b) exactly, so the column terms can always be added.
            SampleAxisRun(&t.columnX[x0], -t.rowX[y], w, run.i.data(), run.i2.data(), run.wx.data(),
                          n);
            SampleAxisRun(&t.columnY[x0], t.rowY[y], h, run.j.data(), run.j2.data(), run.wy.data(),
                          n);
            // Word offsets of the four samples, then the blends.
            SampleOffsets(run, w, n);
            for (int x = 0; x < n; ++x) {
                const auto wx = static_cast<std::uint32_t>(run.wx[x]);
                const PixelWord top = MixWords(in[run.i[x]], in[run.i2[x]], wx);
                const PixelWord bottom = MixWords(in[run.j[x]], in[run.j2[x]], wx);
                out[x] = MixWords(top, bottom, static_cast<std::uint32_t>(run.wy[x])) | kOpaque;
            }
        }
    }
}

void CDevib::Resample(CDevib& target, const CDevib& source) {
    if (target.IsEmpty() || source.IsEmpty() || &target == &source)
        return;
    const int tw = target.m_width;
    const SampleAxis ax(tw, source.m_width);
    const SampleAxis ay(target.m_height, source.m_height);
    InterpolatedRows rows(source, ax, tw);
    std::vector<std::int32_t> channel(static_cast<std::size_t>(3) * tw);
    for (int y = 0; y < target.m_height; ++y) {
        for (int c = 0; c < 3; ++c) {
            const double* r0 = rows.Row(ay.i0[y], c, ay.i1[y]);
            const double* r1 = rows.Row(ay.i1[y], c, ay.i0[y]);
            LerpRowToChannel(ay.terms.ge[y], ay.terms.ef[y], ay.terms.gf[y], r0, r1,
                             channel.data() + static_cast<std::size_t>(c) * tw, tw);
        }
        PixelWord* out = &target.m_pixels[static_cast<std::size_t>(y) * tw];
        for (int x = 0; x < tw; ++x)
            out[x] = MakePixel(channel[x], channel[tw + x], channel[2 * tw + x]);
    }
}

void CDevib::ResampleWindow(CDevib& target, const CDevib& source, int fullWidth, int fullHeight,
                            int ox, int oy, PixelWord fill) {
    if (target.IsEmpty() || source.IsEmpty() || &target == &source || fullWidth <= 0 ||
        fullHeight <= 0)
        return;
    target.Fill(fill);
    const int tw = target.m_width;
    // The target columns and rows that fall inside the full resample.
    const int x0 = std::max(0, -ox), x1 = std::min(tw, fullWidth - ox);
    const int y0 = std::max(0, -oy), y1 = std::min(target.m_height, fullHeight - oy);
    if (x0 >= x1 || y0 >= y1)
        return;
    const int n = x1 - x0;
    const SampleAxis fullX(fullWidth, source.m_width);
    const SampleAxis ax(fullX, x0 + ox, n);
    const SampleAxis ay(fullHeight, source.m_height);
    InterpolatedRows rows(source, ax, n);
    std::vector<std::int32_t> channel(static_cast<std::size_t>(3) * n);
    for (int j = y0; j < y1; ++j) {
        const int y = j + oy;
        for (int c = 0; c < 3; ++c) {
            const double* r0 = rows.Row(ay.i0[y], c, ay.i1[y]);
            const double* r1 = rows.Row(ay.i1[y], c, ay.i0[y]);
            LerpRowToChannel(ay.terms.ge[y], ay.terms.ef[y], ay.terms.gf[y], r0, r1,
                             channel.data() + static_cast<std::size_t>(c) * n, n);
        }
        PixelWord* out = &target.m_pixels[static_cast<std::size_t>(j) * tw + x0];
        for (int x = 0; x < n; ++x)
            out[x] = MakePixel(channel[x], channel[n + x], channel[2 * n + x]);
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
