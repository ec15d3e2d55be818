// The features inside the face: eyes and eyebrows (drawn as the right-hand
// member of their pair), nose, lips and ears.

#include "Catalogue.h"
#include "Pencil.h"

#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace mienlore::faceart {
namespace {

using Points = std::vector<QPointF>;

Sketch MakeSketch(const SlotArt& slot, int shape, int variant, QPointF origin) {
    return Sketch(slot.width, slot.height, origin,
                  static_cast<std::uint32_t>(slot.number * 10007 + shape * 101 + variant));
}

Sketch OnCanvas(const SlotArt& slot, int shape, int variant) {
    return MakeSketch(slot, shape, variant, QPointF(BoxLeft(slot), slot.y));
}

QPointF Turn(QPointF p, QPointF pivot, double degrees) {
    const double a = degrees * M_PI / 180.0;
    const QPointF d = p - pivot;
    return pivot + QPointF(d.x() * std::cos(a) - d.y() * std::sin(a),
                           d.x() * std::sin(a) + d.y() * std::cos(a));
}

// Incline of the three variant sets: none, raised outside, lowered outside.
double InclineOf(int variant, double degrees) {
    switch (variant % 3) {
    case 1:
        return -degrees;
    case 2:
        return degrees;
    default:
        return 0;
    }
}

} // namespace

// ---------------------------------------------------------------- eyes

namespace {

struct EyeShape {
    double halfWidth, upper, lower, iris;
    double lift;   // the outer corner sits this much higher
    double crease; // distance of the lid fold above the lid
    int kind;      // 0 smooth, 1 pointed corners, 2 angled, 3 heavy lid, 4 triangular
};

const EyeShape kEyes[10] = {
    {16, 8.6, 5.6, 6.1, 0, 4.2, 0},     // large
    {15.5, 6.4, 4.0, 5.4, 1.6, 3.6, 1}, // almond-shaped
    {15, 6.8, 4.6, 5.5, 0.5, 3.8, 2},   // oval with angles
    {15, 7.0, 5.0, 5.5, 0, 3.8, 0},     // oval
    {15, 5.6, 4.4, 5.5, 0, 1.6, 3},     // heavy lids
    {11, 6.6, 5.6, 4.8, 0, 3.4, 0},     // round small
    {15, 7.4, 3.4, 5.4, 0, 3.6, 4},     // triangular
    {15, 4.2, 2.8, 5.3, 0.3, 3.4, 0},   // narrow
    {14.5, 2.8, 1.8, 5.0, 0.3, 3.0, 1}, // very narrow
    {11.5, 5.0, 3.9, 4.3, 0, 3.0, 0},   // small
};

} // namespace

QImage DrawEyes(const SlotArt& slot, int shape, int variant) {
    if (shape >= 10)
        return Blank(slot);
    const EyeShape& e = kEyes[shape];
    Sketch s = OnCanvas(slot, shape, variant);
    const QPointF c(163, 137);
    const double angle = InclineOf(variant, 9);
    auto R = [&](const QPainterPath& path) { return Rotated(path, c, angle); };
    auto P = [&](QPointF p) { return Turn(p, c, angle); };
    // Shading stays a few units inside the box so that it fades out before
    // the box's edge.
    QPainterPath inside;
    inside.addRect(QRectF(BoxLeft(slot) + 4, slot.y + 4, slot.width - 8, slot.height - 8));

    const QPointF inner(c.x() - e.halfWidth, c.y() + 0.6);
    const QPointF outer(c.x() + e.halfWidth, c.y() - e.lift);
    QPainterPath upper;
    upper.moveTo(inner);
    QPainterPath lower;
    lower.moveTo(inner);
    switch (e.kind) {
    case 1: // pointed corners: the lids meet at sharp angles
        upper.cubicTo(c + QPointF(-e.halfWidth * 0.45, -e.upper * 1.3),
                      c + QPointF(e.halfWidth * 0.5, -e.upper * 1.25), outer);
        lower.cubicTo(c + QPointF(-e.halfWidth * 0.35, e.lower * 1.3),
                      c + QPointF(e.halfWidth * 0.45, e.lower * 1.2), outer);
        break;
    case 2: // oval with angles: flattened arcs and marked corners
        upper.lineTo(c + QPointF(-e.halfWidth * 0.55, -e.upper * 0.95));
        upper.quadTo(c + QPointF(0, -e.upper * 1.15),
                     c + QPointF(e.halfWidth * 0.55, -e.upper * 0.9));
        upper.lineTo(outer);
        lower.lineTo(c + QPointF(-e.halfWidth * 0.5, e.lower * 0.95));
        lower.quadTo(c + QPointF(0, e.lower * 1.1),
                     c + QPointF(e.halfWidth * 0.55, e.lower * 0.85));
        lower.lineTo(outer);
        break;
    case 4: // triangular: a peak towards the nose, straight lower lid
        upper.lineTo(c + QPointF(-e.halfWidth * 0.25, -e.upper));
        upper.quadTo(c + QPointF(e.halfWidth * 0.4, -e.upper * 0.75), outer);
        lower.quadTo(c + QPointF(0, e.lower * 1.25), outer);
        break;
    default:
        upper.cubicTo(c + QPointF(-e.halfWidth * 0.55, -e.upper * 1.3),
                      c + QPointF(e.halfWidth * 0.45, -e.upper * 1.3), outer);
        lower.cubicTo(c + QPointF(-e.halfWidth * 0.45, e.lower * 1.3),
                      c + QPointF(e.halfWidth * 0.55, e.lower * 1.25), outer);
        break;
    }
    QPainterPath opening = upper;
    opening.connectPath(lower.toReversed());
    opening.closeSubpath();
    opening = R(opening);

    // The eye socket: a soft hollow round the eye, deepest under the brow
    // and towards the nose.
    const bool heavy = e.kind == 3;
    const QPainterPath socket =
        Ellipse(c + QPointF(-1.5, -3.5), e.halfWidth + 0.5, e.upper + e.crease + 1);
    s.SoftTone(socket.intersected(inside), 166, 3.5);
    s.SoftTone(Ellipse(inner + QPointF(-1, -2.5), 3.5, 3.5).intersected(inside), 170, 3);

    // The lid between the fold and the lash line, in shadow.
    const double d = e.crease;
    QPainterPath fold;
    fold.moveTo(inner + QPointF(3.5, -d * 0.6 - 0.8));
    fold.cubicTo(c + QPointF(-e.halfWidth * 0.45, -e.upper * 1.3 - d),
                 c + QPointF(e.halfWidth * 0.5, -e.upper * 1.3 - d * (heavy ? 0.4 : 1.0)),
                 outer + QPointF(heavy ? 2.5 : 0.5, -d * 0.5 + (heavy ? 1.5 : 0)));
    QPainterPath lid = fold;
    lid.connectPath(upper.toReversed());
    lid.closeSubpath();
    s.SoftTone(R(lid), heavy ? 125 : 142, 1.6);
    s.Stroke(R(fold), StrokeStyle{heavy ? 1.6 : 1.2, heavy ? 85 : 125, 0.3, 0.3, 0.05, false});

    // The white of the eye, shaded at the corners and under the lid.
    s.Erase(opening);
    s.Tone(opening, 222);
    s.SoftTone(Ellipse(inner, 4, 3).intersected(opening), 222, 2);
    s.SoftTone(Ellipse(outer, 4.5, 3.5).intersected(opening), 215, 2);
    s.SoftTone(R(upper).intersected(opening), 190, 2.5);

    // The iris a dark disc with a darker rim, the pupil black, one glint.
    const QPointF irisCentre = P(c + QPointF(-0.8, heavy ? 1.2 : 0.4));
    const double iris = e.iris * 1.15;
    const QPainterPath irisDisc = Ellipse(irisCentre, iris, iris);
    s.Tone(irisDisc.intersected(opening), 40);
    s.Hatch(irisDisc.intersected(opening), 65, 0.9, StrokeStyle{0.45, 170, 0.3, 0.3, 0.05, true});
    s.Stroke(irisDisc.intersected(opening), 1.1, 38);
    s.Tone(Ellipse(irisCentre, iris * 0.5, iris * 0.5).intersected(opening), 14);
    // The lid's shadow on the top of the iris.
    s.Tone(irisDisc.intersected(opening).intersected(
               R(upper).translated(0, 2.2).united(R(upper).translated(0, 1.1))),
           70);
    s.Erase(
        Ellipse(irisCentre + QPointF(-iris * 0.32, -iris * 0.3), 1.05, 1.05).intersected(opening));

    // Lash line: a dark band, thickest towards the outer corner.
    const bool mature = variant >= 3;
    s.Stroke(R(upper), StrokeStyle{3.9, 18, 0.45, 0.1, 0.03, false});
    s.Stroke(R(lower), StrokeStyle{1.0, 120, 0.35, 0.3, 0.05, false});
    // Lashes at the outer half.
    for (int i = 0; i < (mature ? 6 : 4); ++i) {
        const double t = 0.62 + i * (mature ? 0.065 : 0.09);
        const QPointF p = upper.pointAtPercent(std::min(t, 0.99));
        const QPointF tip = p + QPointF(1.4 + i * 0.45, -2.2 + i * 0.25);
        s.Stroke(R(Smooth({p, (p + tip) / 2 + QPointF(0.2, -0.2), tip})),
                 StrokeStyle{0.75, 40, 0.0, 0.8, 0.0, false});
    }
    // The tear duct at the inner corner.
    s.Stroke(R(Smooth({inner + QPointF(2.2, -0.9), inner + QPointF(1.2, 0.2),
                       inner + QPointF(2.2, 1.0)})),
             StrokeStyle{0.8, kMid, 0.2, 0.2, 0, false});
    // The soft shadow under the lower lid; bags for the mature sets.
    QPainterPath underLid = R(lower).translated(0, 1.8);
    s.SoftTone(QPainterPathStroker().createStroke(underLid).intersected(inside), 228, 1.5);
    if (mature) {
        QPainterPath bag;
        bag.moveTo(inner + QPointF(3, e.lower + 2.5));
        bag.quadTo(c + QPointF(0, e.lower * 1.3 + 5.2), outer + QPointF(-1, e.lower * 0.3 + 3));
        s.Stroke(R(bag), StrokeStyle{0.9, 170, 0.35, 0.35, 0.05, false});
    }
    return s.Finish();
}

// ---------------------------------------------------------------- eyebrows

namespace {

struct BrowShape {
    double length;
    double inner, tail; // thickness at both ends
    double arch;        // height of the arch
    double peak;        // where the arch is highest, 0..1 from the inner end
    int kind;           // 0 arched, 1 broken (angled), 2 evenly curved
};

const BrowShape kBrows[14] = {
    {34, 2.3, 1.1, 3, 0.6, 0},    // short thin
    {36, 3.5, 2.0, 3.5, 0.6, 0},  // short
    {36, 5.2, 3.6, 3, 0.6, 0},    // short wide
    {44, 2.3, 1.0, 4, 0.6, 0},    // average thin
    {44, 3.5, 2.2, 0.8, 0.5, 0},  // average straight
    {44, 3.5, 1.8, 6, 0.58, 0},   // average arched
    {44, 3.3, 1.8, 5, 0.45, 2},   // average curved
    {44, 3.5, 2.0, 6.5, 0.62, 1}, // average broken
    {46, 2.4, 4.4, 3, 0.6, 0},    // widen to temples
    {46, 4.6, 0.9, 3, 0.55, 0},   // narrowed down to temples
    {46, 5.2, 3.0, 7.5, 0.58, 0}, // heavy arched
    {52, 2.3, 1.0, 4, 0.6, 0},    // long thin
    {52, 3.5, 1.8, 7, 0.58, 0},   // long arched
    {52, 5.2, 3.6, 4, 0.6, 0},    // long wide
};

double ArchAt(const BrowShape& b, double t) {
    if (b.kind == 1)
        return t < b.peak ? t / b.peak : 1 - (t - b.peak) / (1 - b.peak) * 0.85;
    if (b.kind == 2)
        return std::sin(M_PI * std::clamp(t * 0.95 + 0.02, 0.0, 1.0)) * 1.0;
    if (t < b.peak)
        return std::sin(M_PI / 2 * t / b.peak);
    return std::cos(M_PI / 2 * (t - b.peak) / (1 - b.peak)) * 0.85 +
           0.15 * (1 - (t - b.peak) / (1 - b.peak)) - 0.15;
}

} // namespace

QImage DrawBrows(const SlotArt& slot, int shape, int variant) {
    if (shape >= 14)
        return Blank(slot);
    BrowShape b = kBrows[shape];
    const bool bushy = variant >= 3;
    // Thickness of the hair mass; every brow keeps a readable body.
    b.inner = b.inner * (bushy ? 1.4 : 1.15) + 0.7;
    b.tail = b.tail * (bushy ? 1.4 : 1.15) + 0.5;
    Sketch s = OnCanvas(slot, shape, variant);
    QPainterPath inside;
    inside.addRect(QRectF(BoxLeft(slot) + 3, slot.y + 3, slot.width - 6, slot.height - 6));
    const QPointF start(147, 117);
    const double angle = InclineOf(variant, 7);
    // Centre line and thickness along the brow.
    constexpr int kSteps = 40;
    Points top;
    Points bottom;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const double x = start.x() + b.length * t;
        const double y = start.y() - b.arch * ArchAt(b, t);
        double th = b.inner + (b.tail - b.inner) * t;
        if (t < 0.08) // the inner end is rounded off
            th *= 0.55 + 0.45 * std::sqrt(t / 0.08);
        if (t > 0.85) // the tail runs out to a point
            th *= std::max(0.15, (1 - t) / 0.15);
        top.push_back(Turn(QPointF(x, y - th * 0.55), start, angle));
        bottom.push_back(Turn(QPointF(x, y + th * 0.45), start, angle));
    }
    QPainterPath band = Smooth(top);
    band.connectPath(Smooth(Points(bottom.rbegin(), bottom.rend())));
    band.closeSubpath();
    // The brow ridge's shadow below the brow.
    s.SoftTone(band.translated(0, 2.5).intersected(inside), 222, 5);
    // The hair as a dense mass, soft at its upper edge and its tail.
    s.SoftTone(band, bushy ? 88 : 112, 1.0);
    s.Tone(band.intersected(band.translated(0, 1.0)), bushy ? 100 : 124);
    // Hairs: near the nose they stand up, along the brow they lie towards the temple.
    const double area = b.length * (b.inner + b.tail) / 2;
    const int count = static_cast<int>(area * (bushy ? 1.6 : 1.2));
    for (int i = 0; i < count; ++i) {
        const double t = s.Random().Uniform(0, 1);
        const std::size_t k = static_cast<std::size_t>(t * kSteps);
        const double across = s.Random().Uniform(0.05, 0.95);
        const QPointF root = bottom[k] + (top[k] - bottom[k]) * across * 0.8;
        const QPointF along = (k + 1 <= kSteps ? top[k + 1] - top[k] : top[k] - top[k - 1]);
        const double len = std::hypot(along.x(), along.y());
        const QPointF dir = len > 0 ? along / len : QPointF(1, 0);
        const double rise = t < 0.15 ? 1.6 - t * 6 : 0.45;
        QPointF hair = dir + QPointF(dir.y(), -dir.x()) * rise;
        hair /= std::hypot(hair.x(), hair.y());
        const double hl = s.Random().Uniform(2.2, 3.8);
        const int grey = 30 + static_cast<int>(s.Random().Next() % 70);
        QPainterPath stroke;
        stroke.moveTo(root);
        stroke.quadTo(root + hair * hl * 0.5 + dir * 0.3, root + hair * hl);
        s.Stroke(stroke, StrokeStyle{0.6, grey, 0.1, 0.7, 0.0, false});
    }
    // A firm lower edge.
    s.Stroke(Smooth(bottom), StrokeStyle{0.9, 60, 0.2, 0.5, 0.03, false});
    return s.Finish();
}

// ---------------------------------------------------------------- nose

namespace {

struct NoseShape {
    double tipY, tip, wing, bridge, middle; // middle: extra width half-way down
    bool pointed;
};

const NoseShape kNoses[8] = {
    {167, 6, 15, 6, 0, false},     // short
    {174, 4.5, 12, 4.5, 0, false}, // narrow
    {174, 6, 15, 6, 0, false},     // straight
    {175, 7.5, 19, 4.5, 0, false}, // widen down
    {176, 3.8, 14, 5, 0, true},    // pointed
    {174, 6, 15, 6.5, 3.5, false}, // rhombic
    {174, 9, 21, 8, 0, false},     // wide
    {177, 8.5, 19, 7.5, 0, false}, // large
};

} // namespace

QImage DrawNose(const SlotArt& slot, int shape, int variant) {
    if (shape >= 8)
        return Blank(slot);
    NoseShape n = kNoses[shape];
    double wing = n.wing;
    double baseLift = 0;   // the wings' base higher than usual
    double wingHeight = 7; // height of the nostril wings
    double nostril = 1.0;  // size of the nostrils
    bool hooked = false;
    switch (variant) {
    case 0:
        wing *= 0.82;
        nostril = 0.75;
        break;
    case 1:
        wingHeight = 4.5;
        break;
    case 3:
        hooked = true;
        nostril = 1.5;
        break;
    case 4:
        baseLift = 4;
        break;
    case 5:
        wing *= 1.22;
        nostril = 1.2;
        break;
    default:
        break;
    }
    Sketch s = OnCanvas(slot, shape, variant);
    const double ty = n.tipY;
    const double by = ty + 5 - baseLift; // where the wings meet the cheek

    // Bridge: the sides of the nose in soft shade (the left one deeper),
    // with a light line along each edge.
    StrokeStyle bridge{0.9, 175, 0.35, 0.3, 0.06, false};
    const double midY = 124 + (ty - 124) * 0.5;
    const QPainterPath side = Smooth({{124.5, 123},
                                      {130 - n.bridge + 0.5, 134},
                                      {130 - n.bridge - n.middle, midY},
                                      {130 - n.tip - 2.5, ty - 8}});
    QPainterPath shade = side;
    shade.lineTo(130 - n.tip - 5.5, ty - 6);
    shade.lineTo(130 - n.bridge - n.middle - 4.5, midY);
    shade.lineTo(121, 126);
    shade.closeSubpath();
    s.SoftTone(shade, 200, 3);
    s.SoftTone(MirrorX(shade), 218, 3);
    s.Stroke(side, bridge);
    s.Stroke(MirrorX(side), bridge);

    // Tip: the soft ball, pointed or drooping as the shape says, with its
    // shadow underneath.
    const double tipDrop = hooked ? 3.5 : 0;
    QPainterPath tip;
    tip.moveTo(130 - n.tip - 1.5, ty - 3);
    if (n.pointed)
        tip.cubicTo(130 - n.tip * 0.5, ty + 3 + tipDrop, 130 - 0.8, ty + 3.6 + tipDrop, 130,
                    ty + 3.8 + tipDrop);
    else
        tip.cubicTo(130 - n.tip, ty + 2 + tipDrop, 130 - n.tip * 0.5, ty + 3 + tipDrop, 130,
                    ty + 3 + tipDrop);
    QPainterPath tipRight = MirrorX(tip).toReversed();
    tip.connectPath(tipRight);
    s.SoftTone(Ellipse(QPointF(130, by + 1.5 + tipDrop * 0.5), n.tip + 3, 2.8), 172, 2.2);
    s.Stroke(tip, StrokeStyle{1.1, 105, 0.3, 0.3, 0.04, false});

    // Wings (alae): a C-curve that fades in from the side of the tip and is
    // strongest where it turns under into the nostril; the groove round the
    // wing lies in shadow.
    QPainterPath alaLeft;
    alaLeft.moveTo(130 - n.tip - 3.5, by - wingHeight - 5);
    alaLeft.cubicTo(130 - wing + 1.5, by - wingHeight - 5.5, 130 - wing - 1.5, by - 6, 130 - wing,
                    by - 1.5);
    alaLeft.cubicTo(130 - wing + 0.5, by + 1.8, 130 - wing + 3.5, by + 3.2, 130 - wing + 6,
                    by + 2.6);
    QPainterPathStroker groove;
    groove.setWidth(2.5);
    const QPainterPath grooveLeft = groove.createStroke(alaLeft.translated(-1.2, 0));
    s.SoftTone(grooveLeft, 175, 2.4);
    s.SoftTone(MirrorX(grooveLeft), 185, 2.4);
    const StrokeStyle wingStyle{1.3, 78, 0.5, 0.15, 0.04, false};
    s.Stroke(alaLeft, wingStyle);
    s.Stroke(MirrorX(alaLeft), wingStyle);
    // Nostrils: dark commas tucked under the wings.
    const double nx = n.tip + 3 + (wing - n.wing) * 0.35;
    const double ny = by + 2.2;
    const int nostrilGrey = hooked ? 15 : 28;
    const QPainterPath hole = Rotated(Ellipse(QPointF(130 - nx, ny), 3.1 * nostril, 1.45 * nostril),
                                      QPointF(130 - nx, ny), 14);
    s.SoftTone(hole, nostrilGrey + 40, 1.2);
    s.Tone(hole, nostrilGrey);
    s.Tone(MirrorX(hole), nostrilGrey);
    s.SoftTone(MirrorX(hole), nostrilGrey + 40, 1.2);
    // Columella between the nostrils.
    s.Stroke(Smooth({{130 - nx + 2.5, ny + 1.2},
                     {130, ny + 2.2 + tipDrop * 0.4},
                     {130 + nx - 2.5, ny + 1.2}}),
             StrokeStyle{1.0, 120, 0.3, 0.3, 0, false});
    // The nose's shadow on the upper lip.
    s.SoftTone(Ellipse(QPointF(130, by + 6.5), wing * 0.55, 2.2), 205, 3);
    return s.Finish();
}

// ---------------------------------------------------------------- lips

namespace {

struct LipShape {
    double half, upper, lower;
};

const LipShape kLips[5] = {
    {24, 2.6, 3.2}, // thin
    {25, 4.6, 5.6}, // even
    {25, 7.2, 4.6}, // thick upper
    {25, 3.6, 8.2}, // thick lower
    {33, 4.6, 5.6}, // wide
};

} // namespace

QImage DrawLips(const SlotArt& slot, int shape, int variant) {
    if (shape >= 5)
        return Blank(slot);
    LipShape l = kLips[shape];
    const double my = 203;
    double bow = 1.3;        // depth of the cupid's bow
    double cornerDrop = 0.5; // corners lower than the centre of the mouth line
    double fullness = 1.0;   // centre of the lips fuller than the sides
    switch (variant) {
    case 0:
        bow = 0;
        cornerDrop = 0;
        fullness = 0.8;
        break;
    case 2:
        cornerDrop = 3.2;
        break;
    case 3:
        bow = 2.6;
        fullness = 1.25;
        l.half *= 0.92;
        break;
    default:
        break;
    }
    Sketch s = OnCanvas(slot, shape, variant);
    const double w = l.half;
    const QPointF leftCorner(130 - w, my + cornerDrop);
    const QPointF rightCorner(130 + w, my + cornerDrop);

    // Upper lip outline with the cupid's bow.
    const double top = my - l.upper * fullness;
    Points upper = {leftCorner,
                    {130 - w * 0.62, my - l.upper * 0.72 + cornerDrop * 0.45},
                    {130 - w * 0.24, top - bow * 0.3},
                    {130, top + bow},
                    {130 + w * 0.24, top - bow * 0.3},
                    {130 + w * 0.62, my - l.upper * 0.72 + cornerDrop * 0.45},
                    rightCorner};
    if (bow == 0)
        upper = {leftCorner,
                 {130 - w * 0.55, my - l.upper * 0.8},
                 {130, top},
                 {130 + w * 0.55, my - l.upper * 0.8},
                 rightCorner};
    // Mouth line, with the small dip of the upper lip's centre.
    const Points mouth = {leftCorner,          {130 - w * 0.55, my + cornerDrop * 0.35 - 0.3},
                          {130 - 3, my - 0.2}, {130, my + 0.7},
                          {130 + 3, my - 0.2}, {130 + w * 0.55, my + cornerDrop * 0.35 - 0.3},
                          rightCorner};
    const double bottom = my + l.lower * fullness;
    const Points lower = {leftCorner,
                          {130 - w * 0.6, my + l.lower * 0.8 + cornerDrop * 0.4},
                          {130, bottom},
                          {130 + w * 0.6, my + l.lower * 0.8 + cornerDrop * 0.4},
                          rightCorner};

    QPainterPath upperLip = Smooth(upper);
    upperLip.connectPath(Smooth(mouth).toReversed());
    upperLip.closeSubpath();
    QPainterPath lowerLip = Smooth(mouth);
    lowerLip.connectPath(Smooth(lower).toReversed());
    lowerLip.closeSubpath();
    // The upper lip lies in shadow; the lower lip catches the light and
    // casts a shadow below itself.
    QPainterPath inside;
    inside.addRect(QRectF(BoxLeft(slot) + 3, slot.y + 3, slot.width - 6, slot.height - 6));
    s.SoftTone(upperLip, 160, 1.2);
    s.Hatch(upperLip, 100, 1.2, StrokeStyle{0.5, 150, 0.3, 0.3, 0.04, true});
    s.SoftTone(lowerLip, 222, 1.2);
    QPainterPath lowerShade =
        lowerLip.intersected(Ellipse(QPointF(130, bottom), w * 0.75, l.lower * 0.5));
    s.SoftTone(lowerShade, 200, 1.5);
    s.SoftTone(Ellipse(QPointF(130, bottom + 2.4), w * 0.45, 2.0).intersected(inside), 172, 2.2);

    s.Stroke(Smooth(upper), StrokeStyle{1.0, 110, 0.25, 0.25, 0.04, false});
    s.Stroke(Smooth(mouth), StrokeStyle{3.4, 22, 0.3, 0.3, 0.04, false});
    s.Stroke(Smooth(lower), StrokeStyle{0.9, 150, 0.4, 0.4, 0.04, false});
    // Mouth corners.
    for (int side = -1; side <= 1; side += 2) {
        const QPointF corner = side < 0 ? leftCorner : rightCorner;
        s.Stroke(Smooth({corner + QPointF(side * -1.5, -0.4), corner,
                         corner + QPointF(side * 1.3, 1.0)}),
                 StrokeStyle{1.2, 70, 0.3, 0.5, 0, false});
    }
    // Philtrum above the bow.
    if (bow > 0) {
        StrokeStyle ridge{0.6, 200, 0.5, 0.2, 0.03, false};
        s.Stroke(Smooth({{127.2, 192.5}, {126.8, top - bow * 0.3 - 0.8}}), ridge);
        s.Stroke(Smooth({{132.8, 192.5}, {133.2, top - bow * 0.3 - 0.8}}), ridge);
    }
    return s.Finish();
}

// ---------------------------------------------------------------- ears

namespace {

struct EarShape {
    double top, middle, low; // how far the rim stands out at three heights
    double round;            // 1 = a round rim
};

const EarShape kEars[6] = {
    {12, 12.5, 11, 0},   // adpressed
    {16.5, 17, 14.5, 0}, // average
    {21.5, 22, 19, 0},   // sticked out
    {16, 21, 22, 0},     // sticked out down
    {22.5, 19, 14.5, 0}, // sticked out curved
    {21, 22.5, 19, 1},   // sticked out round
};

} // namespace

QImage DrawEars(const SlotArt& slot, int shape, int variant) {
    if (shape >= 6)
        return Blank(slot);
    const EarShape& e = kEars[shape];
    // Drawn in the box's own coordinates: the ear's placement follows the head.
    Sketch s = MakeSketch(slot, shape, variant, QPointF(0, 0));
    const double lobeBottom[3] = {70, 77, 83};
    const double lobeOut[3] = {0, 4.5, 7};
    const double lb = lobeBottom[variant];
    const double lo = lobeOut[variant];

    Points rim;
    if (e.round > 0) {
        rim = {{6, 12},     {9, 8},         {e.top - 4, 10}, {e.middle, 24}, {e.middle + 0.3, 36},
               {e.low, 50}, {e.low - 4, 60}};
    } else {
        rim = {{6, 12},        {9, 8.5},    {e.top - 3, 10.5}, {e.top, 19},
               {e.middle, 33}, {e.low, 49}, {e.low - 3, 59}};
    }
    if (variant == 0) {
        rim.push_back({e.low * 0.45 + 3, 67});
        rim.push_back({7, lb});
    } else {
        rim.push_back({e.low * 0.55 + lo * 0.4 + 2, 66});
        rim.push_back({7.5 + lo, lb - 3});
        rim.push_back({6 + lo * 0.6, lb});
        rim.push_back({5.5, lb - 2.5});
    }
    QPainterPath skin = Smooth(rim);
    skin.lineTo(1.5, rim.back().y());
    skin.lineTo(1.5, rim.front().y());
    skin.closeSubpath();
    s.Skin(skin);

    // Inner fold (antihelix) and the bowl (concha) with its shading.
    const double inset = std::max(4.0, (e.middle - 7) * 0.45);
    const QPainterPath fold = Smooth({{9.5, 15},
                                      {e.top - inset, 17},
                                      {e.middle - inset - 1, 30},
                                      {e.low - inset - 1.5, 46},
                                      {9.5, 57}});
    QPainterPath bowl =
        Smooth({{8, 30}, {e.middle - inset - 3, 33}, {e.low - inset - 3.5, 45}, {8.5, 52}});
    bowl.closeSubpath();
    s.SoftTone(bowl, 150, 2.2);
    s.Stroke(fold, StrokeStyle{1.3, 85, 0.3, 0.35, 0.05, false});
    // The tragus.
    s.Stroke(Smooth({{6.5, 40}, {9.5, 43}, {9.5, 48}, {7, 51}}),
             StrokeStyle{1.3, 80, 0.3, 0.3, 0, false});
    // Shading inside the rim.
    QPainterPath rimBand =
        skin.subtracted(skin.translated(-2.2, 0)).subtracted(skin.translated(0, 2));
    s.SoftTone(rimBand, 190, 1.2);

    s.Stroke(Smooth(rim), StrokeStyle{2.0, 40, 0.1, 0.12, 0.05, false});
    return s.Finish();
}

} // namespace mienlore::faceart
