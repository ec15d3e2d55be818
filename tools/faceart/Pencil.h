#pragma once

// The pencil: draws one feature picture in the coordinates of the reference
// head (canvas 260 units wide, centre x 130) and cuts it into the picture's
// box. Drawing happens on a supersampled sheet that is averaged down, so that
// strokes are smooth and the white paper stays exactly 255.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <cstdint>
#include <vector>

namespace mienlore::faceart {

// Grey levels of the hand.
inline constexpr int kPaper = 255;
inline constexpr int kSkin = 252;  // inside the head pieces: fills the silhouette, stays white
inline constexpr int kInk = 58;    // main outlines
inline constexpr int kMid = 105;   // secondary lines (creases, inner contours)
inline constexpr int kLight = 160; // light construction lines and hatching
inline constexpr int kHatch = 185; // soft shading

// Stroke weight of the hand, in canvas units.
inline constexpr double kLine = 1.25;

// Small deterministic generator (xorshift), the same on every platform.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : m_state(seed * 2654435761u + 0x9E3779B9u) { Next(); }
    std::uint32_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    // Uniform in [lo, hi).
    double Uniform(double lo, double hi) { return lo + (hi - lo) * (Next() % 100000) / 100000.0; }

private:
    std::uint32_t m_state;
};

struct StrokeStyle {
    double width = kLine;
    int grey = kInk;
    double taperIn = 0.15;  // share of the length over which the stroke swells
    double taperOut = 0.15; // share of the length over which it fades
    double wobble = 0.08;   // amplitude of the hand's tremor, canvas units
    bool multiply = false;  // overlapping strokes darken each other (hatching)
};

class Sketch {
public:
    // A picture of w × h pixels whose top-left corner lies at `origin` on the
    // reference canvas.
    Sketch(int w, int h, QPointF origin, std::uint32_t seed);
    ~Sketch();
    Sketch(const Sketch&) = delete;
    Sketch& operator=(const Sketch&) = delete;

    Rng& Random() { return m_rng; }
    int Width() const { return m_w; }
    int Height() const { return m_h; }
    QPointF Origin() const { return m_origin; }

    // Fills an area with skin grey (replacing what is there).
    void Skin(const QPainterPath& area, int grey = kSkin);
    // Fills an area with a flat grey, darkening only.
    void Tone(const QPainterPath& area, int grey);
    // Graphite shading: the area filled with `grey` and its edge softened
    // over about `feather` canvas units (a Gaussian blur of the fill), so
    // that it fades into the paper. With `layer` the shade multiplies with
    // what is there (layers of graphite build up), else it only darkens.
    void SoftTone(const QPainterPath& area, int grey, double feather, bool layer = false);
    void Stroke(const QPainterPath& path, const StrokeStyle& style = {});
    void Stroke(const QPainterPath& path, double width, int grey);
    // Parallel hatching at `angle` degrees inside `area`, lines `spacing` apart.
    void Hatch(const QPainterPath& area, double angle, double spacing, const StrokeStyle& style);
    // A solid dot (pupils, nostrils).
    void Dot(QPointF centre, double rx, double ry, int grey);
    // Strands between two guide paths: strand i follows the blend of both
    // guides, sampled at the same share of their length.
    void Strands(const QPainterPath& a, const QPainterPath& b, int count, const StrokeStyle& style,
                 double lengthJitter = 0.1);
    // Clears an area back to paper.
    void Erase(const QPainterPath& area);

    // The finished picture: 8-bit grey, the box size.
    QImage Finish();

private:
    void Begin(bool multiply);

    int m_w;
    int m_h;
    QPointF m_origin;
    Rng m_rng;
    QImage m_sheet;
    QPainter m_painter;
};

// Helpers for building paths in canvas units.
QPainterPath Polyline(const std::vector<QPointF>& points);
// A smooth curve through the points (Catmull-Rom as cubic Béziers).
QPainterPath Smooth(const std::vector<QPointF>& points, bool closed = false);
QPainterPath Ellipse(QPointF centre, double rx, double ry);
// The path mirrored about the canvas centre line x = 130.
QPainterPath MirrorX(const QPainterPath& path);
// Points of a path mirrored about x = 130, in reverse order.
std::vector<QPointF> MirrorPoints(const std::vector<QPointF>& points);
// A path rotated by `degrees` about `pivot`.
QPainterPath Rotated(const QPainterPath& path, QPointF pivot, double degrees);

} // namespace mienlore::faceart
