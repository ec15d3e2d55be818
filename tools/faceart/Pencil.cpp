#include "Pencil.h"

#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace mienlore::faceart {
namespace {

constexpr int kSuper = 4;        // supersampling factor of the sheet
constexpr double kStep = 0.3;    // resampling step of strokes, canvas units
constexpr double kFlatten = 8.0; // paths are flattened at this magnification

QColor Grey(int g) {
    return QColor(g, g, g);
}

// The subpaths of a path as polylines resampled every kStep units.
std::vector<std::vector<QPointF>> Resample(const QPainterPath& path) {
    std::vector<std::vector<QPointF>> result;
    const QTransform up = QTransform::fromScale(kFlatten, kFlatten);
    for (const QPolygonF& poly : path.toSubpathPolygons(up)) {
        if (poly.size() < 2)
            continue;
        std::vector<QPointF> out;
        out.push_back(poly[0] / kFlatten);
        double carry = 0;
        for (int i = 1; i < poly.size(); ++i) {
            const QPointF a = poly[i - 1] / kFlatten;
            const QPointF b = poly[i] / kFlatten;
            const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
            double at = kStep - carry;
            while (at <= len) {
                out.push_back(a + (b - a) * (at / len));
                at += kStep;
            }
            carry = len - (at - kStep);
        }
        if (std::hypot(out.back().x() - poly.back().x() / kFlatten,
                       out.back().y() - poly.back().y() / kFlatten) > 1e-6)
            out.push_back(poly.back() / kFlatten);
        if (out.size() >= 2)
            result.push_back(std::move(out));
    }
    return result;
}

double Smoothstep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

} // namespace

Sketch::Sketch(int w, int h, QPointF origin, std::uint32_t seed)
    : m_w(w), m_h(h), m_origin(origin), m_rng(seed),
      m_sheet(w * kSuper, h * kSuper, QImage::Format_RGB32) {
    m_sheet.fill(QColor(kPaper, kPaper, kPaper));
    m_painter.begin(&m_sheet);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.scale(kSuper, kSuper);
    m_painter.translate(-origin);
    m_painter.setPen(Qt::NoPen);
}

Sketch::~Sketch() {
    if (m_painter.isActive())
        m_painter.end();
}

void Sketch::Begin(bool multiply) {
    m_painter.setPen(Qt::NoPen);
    m_painter.setCompositionMode(multiply ? QPainter::CompositionMode_Multiply
                                          : QPainter::CompositionMode_Darken);
}

void Sketch::Skin(const QPainterPath& area, int grey) {
    m_painter.setPen(Qt::NoPen);
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.setBrush(Grey(grey));
    m_painter.drawPath(area);
}

void Sketch::Tone(const QPainterPath& area, int grey) {
    Begin(false);
    m_painter.setBrush(Grey(grey));
    m_painter.drawPath(area);
}

namespace {

// One pass of a box blur of half-width r along rows (or columns) of a grey
// plane, edges clamped.
void BoxPass(std::vector<float>& plane, int w, int h, int r, bool rows) {
    const int n = rows ? w : h;
    const int lines = rows ? h : w;
    std::vector<float> line(static_cast<std::size_t>(n));
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> float& {
            return rows ? plane[static_cast<std::size_t>(l * w + i)]
                        : plane[static_cast<std::size_t>(i * w + l)];
        };
        for (int i = 0; i < n; ++i)
            line[static_cast<std::size_t>(i)] = at(i);
        double sum = 0;
        for (int i = -r - 1; i < r; ++i)
            sum += line[static_cast<std::size_t>(std::clamp(i, 0, n - 1))];
        for (int i = 0; i < n; ++i) {
            sum += line[static_cast<std::size_t>(std::min(i + r, n - 1))];
            sum -= line[static_cast<std::size_t>(std::max(i - r - 1, 0))];
            at(i) = static_cast<float>(sum / (2 * r + 1));
        }
    }
}

} // namespace

void Sketch::SoftTone(const QPainterPath& area, int grey, double feather, bool layer) {
    const int w = m_sheet.width();
    const int h = m_sheet.height();
    QImage mask(w, h, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(kSuper, kSuper);
        p.translate(-m_origin);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(area);
    }
    std::vector<float> plane(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < w; ++x)
            plane[static_cast<std::size_t>(y * w + x)] = row[x] / 255.0f;
    }
    // Three box blurs approximate a Gaussian of sigma = feather / 2.
    const double sigma = feather * kSuper / 2;
    const int r =
        std::max(0, static_cast<int>(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2)));
    if (r > 0)
        for (int pass = 0; pass < 3; ++pass) {
            BoxPass(plane, w, h, r, true);
            BoxPass(plane, w, h, r, false);
        }
    QImage shade(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(shade.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double c = std::clamp<double>(plane[static_cast<std::size_t>(y * w + x)], 0, 1);
            // The blur's far tail stays paper: pictures whose edges must be
            // white keep them.
            const double dark = c * (255 - grey);
            const int v = dark < 1.5 ? 255 : static_cast<int>(std::lround(255 - dark));
            row[x] = qRgb(v, v, v);
        }
    }
    m_painter.save();
    m_painter.resetTransform();
    m_painter.setCompositionMode(layer ? QPainter::CompositionMode_Multiply
                                       : QPainter::CompositionMode_Darken);
    m_painter.drawImage(0, 0, shade);
    m_painter.restore();
}

void Sketch::Erase(const QPainterPath& area) {
    Skin(area, kPaper);
}

void Sketch::Stroke(const QPainterPath& path, double width, int grey) {
    StrokeStyle style;
    style.width = width;
    style.grey = grey;
    Stroke(path, style);
}

void Sketch::Stroke(const QPainterPath& path, const StrokeStyle& style) {
    Begin(style.multiply);
    m_painter.setBrush(Grey(style.grey));
    for (const std::vector<QPointF>& pts : Resample(path)) {
        const std::size_t n = pts.size();
        const double length = (n - 1) * kStep;
        const double phase = m_rng.Uniform(0, 6.283);
        const double wave = m_rng.Uniform(5, 11);
        std::vector<QPointF> left;
        std::vector<QPointF> right;
        left.reserve(n);
        right.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const QPointF prev = pts[i == 0 ? 0 : i - 1];
            const QPointF next = pts[i + 1 == n ? n - 1 : i + 1];
            QPointF tangent = next - prev;
            const double tl = std::hypot(tangent.x(), tangent.y());
            if (tl > 0)
                tangent /= tl;
            const QPointF normal(-tangent.y(), tangent.x());
            const double t = n > 1 ? double(i) / double(n - 1) : 0;
            double profile = 1.0;
            if (style.taperIn > 0)
                profile = std::min(profile, 0.3 + 0.7 * Smoothstep(t / style.taperIn));
            if (style.taperOut > 0)
                profile = std::min(profile, 0.3 + 0.7 * Smoothstep((1 - t) / style.taperOut));
            const double half = style.width * profile / 2;
            const double shake = style.wobble * std::sin(phase + t * length / wave * 6.283);
            const QPointF centre = pts[i] + normal * shake;
            left.push_back(centre + normal * half);
            right.push_back(centre - normal * half);
        }
        QPainterPath outline;
        outline.setFillRule(Qt::WindingFill);
        outline.moveTo(left[0]);
        for (std::size_t i = 1; i < n; ++i)
            outline.lineTo(left[i]);
        for (std::size_t i = n; i-- > 0;)
            outline.lineTo(right[i]);
        outline.closeSubpath();
        m_painter.drawPath(outline);
        // Round ends; overlapping caps would darken twice when multiplying.
        if (style.multiply)
            continue;
        const double r0 = std::hypot(left[0].x() - right[0].x(), left[0].y() - right[0].y()) / 2;
        const double r1 =
            std::hypot(left[n - 1].x() - right[n - 1].x(), left[n - 1].y() - right[n - 1].y()) / 2;
        m_painter.drawEllipse((left[0] + right[0]) / 2, r0, r0);
        m_painter.drawEllipse((left[n - 1] + right[n - 1]) / 2, r1, r1);
    }
}

void Sketch::Hatch(const QPainterPath& area, double angle, double spacing,
                   const StrokeStyle& style) {
    const double a = angle * M_PI / 180.0;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF nrm(-dir.y(), dir.x());
    const QRectF box = area.boundingRect();
    const QPointF corners[4] = {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
    double nlo = 1e9, nhi = -1e9, dlo = 1e9, dhi = -1e9;
    for (const QPointF& c : corners) {
        const double pn = c.x() * nrm.x() + c.y() * nrm.y();
        const double pd = c.x() * dir.x() + c.y() * dir.y();
        nlo = std::min(nlo, pn);
        nhi = std::max(nhi, pn);
        dlo = std::min(dlo, pd);
        dhi = std::max(dhi, pd);
    }
    const double step = 0.25;
    for (double off = nlo + spacing / 2; off < nhi; off += spacing) {
        const double jitter = m_rng.Uniform(-0.15, 0.15) * spacing;
        bool inside = false;
        QPointF start;
        QPointF last;
        for (double d = dlo; d <= dhi + step; d += step) {
            const QPointF p = nrm * (off + jitter) + dir * d;
            const bool in = d <= dhi && area.contains(p);
            if (in && !inside) {
                start = p;
                inside = true;
            } else if (!in && inside) {
                inside = false;
                if (std::hypot(last.x() - start.x(), last.y() - start.y()) > 0.8) {
                    QPainterPath chord;
                    chord.moveTo(start);
                    chord.lineTo(last);
                    StrokeStyle s = style;
                    s.taperIn = s.taperOut = 0.45;
                    Stroke(chord, s);
                }
            }
            last = p;
        }
    }
}

void Sketch::Dot(QPointF centre, double rx, double ry, int grey) {
    Begin(false);
    m_painter.setBrush(Grey(grey));
    m_painter.drawEllipse(centre, rx, ry);
}

void Sketch::Strands(const QPainterPath& a, const QPainterPath& b, int count,
                     const StrokeStyle& style, double lengthJitter) {
    constexpr int kSamples = 48;
    for (int i = 0; i < count; ++i) {
        const double f = std::clamp((i + 0.5 + m_rng.Uniform(-0.35, 0.35)) / count, 0.0, 1.0);
        const double t0 = m_rng.Uniform(0, lengthJitter);
        const double t1 = 1 - m_rng.Uniform(0, lengthJitter);
        std::vector<QPointF> pts;
        for (int k = 0; k <= kSamples; ++k) {
            const double t = t0 + (t1 - t0) * k / kSamples;
            pts.push_back(a.pointAtPercent(t) * (1 - f) + b.pointAtPercent(t) * f);
        }
        Stroke(Polyline(pts), style);
    }
}

QImage Sketch::Finish() {
    m_painter.end();
    QImage out(m_w, m_h, QImage::Format_Grayscale8);
    constexpr int area = kSuper * kSuper;
    for (int y = 0; y < m_h; ++y) {
        uchar* row = out.scanLine(y);
        for (int x = 0; x < m_w; ++x) {
            int sum = 0;
            for (int sy = 0; sy < kSuper; ++sy) {
                const QRgb* src =
                    reinterpret_cast<const QRgb*>(m_sheet.constScanLine(y * kSuper + sy));
                for (int sx = 0; sx < kSuper; ++sx)
                    sum += qRed(src[x * kSuper + sx]);
            }
            row[x] = static_cast<uchar>((sum + area / 2) / area);
        }
    }
    return out;
}

QPainterPath Polyline(const std::vector<QPointF>& points) {
    QPainterPath path;
    if (points.empty())
        return path;
    path.moveTo(points[0]);
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    return path;
}

QPainterPath Smooth(const std::vector<QPointF>& p, bool closed) {
    QPainterPath path;
    const std::size_t n = p.size();
    if (n == 0)
        return path;
    path.moveTo(p[0]);
    if (n == 1)
        return path;
    const std::size_t segments = closed ? n : n - 1;
    auto at = [&](long i) -> QPointF {
        if (closed)
            return p[static_cast<std::size_t>((i % long(n) + long(n)) % long(n))];
        return p[static_cast<std::size_t>(std::clamp<long>(i, 0, long(n) - 1))];
    };
    for (std::size_t s = 0; s < segments; ++s) {
        const long i = static_cast<long>(s);
        const QPointF c1 = at(i) + (at(i + 1) - at(i - 1)) / 6.0;
        const QPointF c2 = at(i + 1) - (at(i + 2) - at(i)) / 6.0;
        path.cubicTo(c1, c2, at(i + 1));
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath Ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath MirrorX(const QPainterPath& path) {
    return QTransform(-1, 0, 0, 1, 260, 0).map(path);
}

std::vector<QPointF> MirrorPoints(const std::vector<QPointF>& points) {
    std::vector<QPointF> out;
    for (std::size_t i = points.size(); i-- > 0;)
        out.emplace_back(260 - points[i].x(), points[i].y());
    return out;
}

QPainterPath Rotated(const QPainterPath& path, QPointF pivot, double degrees) {
    QTransform t;
    t.translate(pivot.x(), pivot.y());
    t.rotate(degrees);
    t.translate(-pivot.x(), -pivot.y());
    return t.map(path);
}

} // namespace mienlore::faceart
