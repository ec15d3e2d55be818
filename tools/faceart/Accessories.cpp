// Hair, moustaches, beards and glasses. Picture (shape 0, variant 0) of each
// is "none" and stays white.

#include "Catalogue.h"
#include "Pencil.h"

#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace mienlore::faceart {
namespace {

using Points = std::vector<QPointF>;

Sketch OnCanvas(const SlotArt& slot, int shape, int variant) {
    return Sketch(slot.width, slot.height, QPointF(BoxLeft(slot), slot.y),
                  static_cast<std::uint32_t>(slot.number * 10007 + shape * 101 + variant));
}

// The skull of the reference head, left half from the crown down.
const Points kSkull = {{130, 34},  {110, 35.5}, {92, 40},    {77, 48},    {66, 59},
                       {58.5, 72}, {54.5, 86},  {53.5, 100}, {54.5, 114}, {56, 126}};

// Points moved outwards from a centre; sideways by at most `side` units (the
// box leaves little room beside the head).
Points Offset(const Points& pts, double by, QPointF centre = QPointF(130, 108), double side = 1e9) {
    Points out;
    for (const QPointF& p : pts) {
        QPointF d = p - centre;
        d /= std::hypot(d.x(), d.y());
        out.emplace_back(p.x() + d.x() * std::min(by, side), p.y() + d.y() * by);
    }
    return out;
}

// Random points inside an area, deterministic for the sketch.
QPointF PointIn(Sketch& s, const QPainterPath& area) {
    const QRectF box = area.boundingRect();
    for (int tries = 0; tries < 200; ++tries) {
        const QPointF p(s.Random().Uniform(box.left(), box.right()),
                        s.Random().Uniform(box.top(), box.bottom()));
        if (area.contains(p))
            return p;
    }
    return box.center();
}

// Strokes of Fur are 0.6 to kFurStretch times the given length.
constexpr double kFurStretch = 1.2;

// Short hair strokes filling an area, each pointing along flow(p).
template <typename Flow>
void Fur(Sketch& s, const QPainterPath& area, int count, double length, int darkest, int spread,
         Flow flow, double width = 0.55) {
    for (int i = 0; i < count; ++i) {
        const QPointF p = PointIn(s, area);
        QPointF d = flow(p);
        d /= std::max(1e-6, std::hypot(d.x(), d.y()));
        const double len = length * s.Random().Uniform(0.6, kFurStretch);
        const QPointF bend(d.y() * s.Random().Uniform(-0.6, 0.6),
                           -d.x() * s.Random().Uniform(-0.6, 0.6));
        QPainterPath st;
        st.moveTo(p);
        st.quadTo(p + d * (len / 2) + bend, p + d * len);
        const int grey =
            darkest + static_cast<int>(s.Random().Next() % static_cast<unsigned>(spread));
        s.Stroke(st, StrokeStyle{width, grey, 0.1, 0.6, 0.03, true});
    }
}

} // namespace

// ---------------------------------------------------------------- hair

namespace {

struct Cut {
    double volume;  // how far the hair stands above the skull
    double length;  // lowest point of the side hair
    double fringe;  // the hair's edge above the centre of the forehead
    double parting; // x of the parting; 0 = none
};

const Cut kCuts[10] = {
    {2.5, 116, 68, 0},   // cropped
    {6, 124, 65, 0},     // short
    {8.5, 128, 64, 108}, // side parting
    {8, 142, 66, 130},   // centre parting
    {11, 126, 60, 0},    // swept back
    {9, 134, 93, 0},     // fringe
    {10, 166, 72, 114},  // ear length
    {11, 202, 70, 130},  // collar length
    {12, 228, 70, 112},  // shoulder length
    {13, 242, 68, 130},  // long
};

struct Style {
    int tone;    // flat tone of the hair mass
    int darkest; // darkest strand
    int spread;  // strands range this much lighter
    double wave; // amplitude of waves
    int texture; // 0 strands, 1 curls, 2 frizz, 3 spikes
    double density;
};

const Style kStyles[10] = {
    {228, 95, 80, 0, 0, 1.0},    // straight, fine
    {205, 55, 60, 0, 0, 1.5},    // straight, thick
    {215, 75, 70, 2.2, 0, 1.2},  // wavy
    {196, 60, 70, 0, 1, 1.0},    // curly
    {198, 70, 70, 0, 2, 1.2},    // frizzy
    {175, 40, 45, 0.6, 0, 1.5},  // dark, sleek
    {238, 135, 60, 0.8, 0, 1.0}, // light
    {240, 150, 55, 0.5, 0, 0.8}, // grey
    {215, 65, 70, 0, 3, 1.1},    // spiky
    {242, 115, 80, 0, 0, 0.45},  // thinning
};

} // namespace

QImage DrawHair(const SlotArt& slot, int shape, int variant) {
    if (shape == 0 && variant == 0)
        return Blank(slot);
    const Cut& cut = kCuts[shape];
    const Style& style = kStyles[variant];
    Sketch s = OnCanvas(slot, shape, variant);
    const double volume = cut.volume + (style.texture == 2 ? 6 : 0) + (style.texture == 1 ? 3 : 0);

    // Outer contour: the skull lifted by the volume, then the hanging sides.
    Points outer = Offset(kSkull, volume, QPointF(130, 108), 9.5);
    if (cut.length > 130) {
        const double side = outer.back().x();
        const double hang = cut.length;
        outer.push_back({side - 1.5, std::min(hang, 150.0)});
        if (hang > 160)
            outer.push_back({side - 3, (150 + hang) / 2});
        outer.push_back({side - (hang > 200 ? 3 : 1), hang - 3});
        outer.push_back({side + 4, hang});
    }
    // Inner edge: down the side of the face and up along the hairline.
    Points inner;
    const double bottom = outer.back().y();
    if (cut.length > 130) {
        inner.push_back({std::min(64.0, outer.back().x() + 8), bottom});
        inner.push_back({58, std::min(bottom, 150.0)});
    }
    inner.push_back({57.5, 122});
    inner.push_back({60, 104});
    const double f = cut.fringe;
    if (f > 85) { // a fringe straight across the forehead
        inner.push_back({66, f - 4});
        inner.push_back({90, f + 1});
        inner.push_back({130, f});
    } else {
        inner.push_back({68, 84 + (f - 68) * 0.4});
        inner.push_back({84, f + 8});
        inner.push_back({104, f + 1.5});
        inner.push_back({130, f});
    }
    // Both halves joined into one area.
    Points ring = outer;                    // crown → left bottom
    std::reverse(ring.begin(), ring.end()); // left bottom → crown
    for (std::size_t i = 1; i < outer.size(); ++i)
        ring.emplace_back(260 - outer[i].x(), outer[i].y()); // crown → right bottom
    // The inner edge from the right bottom over the forehead to the left bottom.
    Points innerAll;
    for (const QPointF& p : inner)
        innerAll.emplace_back(260 - p.x(), p.y());
    for (std::size_t i = inner.size() - 1; i-- > 0;)
        innerAll.push_back(inner[i]);
    QPainterPath area = Smooth(ring);
    area.connectPath(Smooth(innerAll));
    area.closeSubpath();
    area.setFillRule(Qt::WindingFill);
    // Keep clear of the box edges: loose strands must not reach them.
    QPainterPath inside;
    inside.addRect(QRectF(BoxLeft(slot) + 5, slot.y + 5, slot.width - 10, slot.height - 10));
    area = area.intersected(inside);

    s.Tone(area, style.tone);
    const int strands = static_cast<int>(90 * style.density);
    if (style.texture == 0 || style.texture == 3) {
        // Strands run from the parting (or the crown) down both sides.
        for (int side = 0; side < 2; ++side) {
            Points o = outer;
            Points i = inner;
            std::reverse(i.begin(), i.end()); // centre → bottom
            // These strands cover the sides; the front strands below cover the top.
            o.erase(o.begin(), o.begin() + 3);
            while (i.size() > 2 && i.front().x() > 86)
                i.erase(i.begin());
            if (side == 1) {
                o = MirrorPoints(o);
                std::reverse(o.begin(), o.end());
                i = MirrorPoints(i);
                std::reverse(i.begin(), i.end());
            }
            QPainterPath a = Smooth(o);
            QPainterPath b = Smooth(i);
            if (style.wave > 0) {
                // Waves: bend both guides alike.
                Points wa;
                Points wb;
                for (int k = 0; k <= 60; ++k) {
                    const double t = k / 60.0;
                    const double w = style.wave * std::sin(t * 6.283 * 3.5);
                    const QPointF pa = a.pointAtPercent(t);
                    const QPointF pb = b.pointAtPercent(t);
                    wa.push_back(pa + QPointF(w, 0));
                    wb.push_back(pb + QPointF(w, 0));
                }
                a = Polyline(wa);
                b = Polyline(wb);
            }
            s.Strands(a, b, strands / 2,
                      StrokeStyle{0.6, style.darkest + 20, 0.08, 0.35, 0.05, true}, 0.25);
        }
        Fur(s, area, strands, 6, style.darkest, style.spread, [](QPointF p) {
            return QPointF((p.x() - 130) * 0.02, 0.7) + QPointF((p.x() - 130) / 90.0, 0);
        });
    } else if (style.texture == 1) {
        // Curls: small loops all over.
        const int curls =
            static_cast<int>(area.boundingRect().width() * area.boundingRect().height() / 60);
        for (int k = 0; k < curls; ++k) {
            const QPointF p = PointIn(s, area);
            const double r = s.Random().Uniform(1.6, 2.8);
            QPainterPath loop;
            loop.moveTo(p + QPointF(r, 0));
            loop.arcTo(QRectF(p.x() - r, p.y() - r, 2 * r, 2 * r), 0, 300);
            const int grey = style.darkest + static_cast<int>(s.Random().Next() % 80);
            s.Stroke(loop, StrokeStyle{0.55, grey, 0.1, 0.3, 0.05, true});
        }
    } else if (style.texture == 2) {
        // Frizz: tight zigzags all over.
        const int count =
            static_cast<int>(area.boundingRect().width() * area.boundingRect().height() / 22);
        for (int k = 0; k < count; ++k) {
            QPointF p = PointIn(s, area);
            Points zig{p};
            for (int seg = 0; seg < 4; ++seg) {
                p += QPointF(s.Random().Uniform(-1.6, 1.6), s.Random().Uniform(-1.6, 1.6));
                zig.push_back(p);
            }
            const int grey = style.darkest + static_cast<int>(s.Random().Next() % 90);
            s.Stroke(Polyline(zig), StrokeStyle{0.5, grey, 0.1, 0.3, 0.0, true});
        }
    }
    if (style.texture != 1 && style.texture != 2) {
        // Front strands: from the parting (or the top of the head) down to
        // the hairline, so that partings and fringes read at a glance.
        const QPainterPath top = Smooth(ring);
        const QPainterPath edge = Smooth(innerAll);
        const int count = static_cast<int>(120 * style.density);
        for (int k = 0; k < count; ++k) {
            const double t = 0.5 + (k + 0.5 - count / 2.0) / count * 0.56;
            const QPointF end = edge.pointAtPercent(std::clamp(t, 0.0, 1.0));
            if (end.y() > 112)
                continue;
            QPointF start;
            if (cut.parting != 0) {
                // Combed away from the parting line: strands next to it start
                // near the front, the others further back.
                const double px = end.x() < cut.parting ? cut.parting - 1.5 : cut.parting + 1.5;
                const double away = std::min(1.0, std::abs(end.x() - cut.parting) / 70.0);
                const double topY = 34 - volume * 0.6;
                const double frontY = cut.fringe - 8;
                start = QPointF(px, frontY + (topY - frontY) * std::sqrt(away) +
                                        s.Random().Uniform(-3, 3));
            } else {
                // The outer contour above, a little towards the middle.
                const double x = 130 + (end.x() - 130) * 0.7;
                double best = 1e9;
                for (int j = 0; j <= 200; ++j) {
                    const QPointF q = top.pointAtPercent(j / 200.0);
                    if (q.y() < 70 && std::abs(q.x() - x) < best) {
                        best = std::abs(q.x() - x);
                        start = q;
                    }
                }
                start += QPointF(0, 3);
            }
            const QPointF mid = (start + end) / 2 + QPointF((end.x() - 130) * 0.08, -2);
            QPainterPath st;
            st.moveTo(start);
            st.quadTo(mid, end + QPointF(0, 0.5));
            const int grey = style.darkest + static_cast<int>(s.Random().Next() %
                                                              static_cast<unsigned>(style.spread));
            s.Stroke(st, StrokeStyle{0.55, grey, 0.25, 0.12, 0.06, true});
        }
    }
    if (style.texture == 3) {
        // Spikes along the top.
        for (int k = 0; k < 26; ++k) {
            const double t = (k + 0.5) / 26;
            const QPointF p = Smooth(ring).pointAtPercent(0.2 + t * 0.6);
            QPointF d = p - QPointF(130, 110);
            d /= std::hypot(d.x(), d.y());
            QPainterPath spike;
            spike.moveTo(p - d * 6 + QPointF(-d.y(), d.x()) * 2.5);
            spike.lineTo(p + d * 4.5);
            spike.lineTo(p - d * 6 - QPointF(-d.y(), d.x()) * 2.5);
            spike.closeSubpath();
            s.Tone(spike, style.tone - 15);
            s.Stroke(Polyline({p - d * 5 + QPointF(-d.y(), d.x()) * 2.2, p + d * 4.5,
                               p - d * 5 - QPointF(-d.y(), d.x()) * 2.2}),
                     StrokeStyle{0.6, style.darkest + 10, 0.1, 0.1, 0.03, false});
        }
    }
    if (cut.parting != 0) {
        // The parting: a light gap in the hair.
        const double px = cut.parting;
        QPainterPathStroker gap;
        gap.setWidth(1.2);
        gap.setCapStyle(Qt::RoundCap);
        s.Skin(gap.createStroke(Smooth({{px, 34 - volume * 0.6},
                                        {px - 0.5, 44},
                                        {px - (px - 130) * 0.1, cut.fringe - 6}})),
               std::min(250, style.tone + 14));
    }
    // A soft outline for the mass.
    s.Stroke(Smooth(ring), StrokeStyle{0.7, style.darkest + 40, 0.1, 0.1, 0.1, false});
    s.Stroke(Smooth(innerAll), StrokeStyle{0.6, style.darkest + 60, 0.1, 0.1, 0.1, false});
    return s.Finish();
}

// ---------------------------------------------------------------- moustache

QImage DrawMoustache(const SlotArt& slot, int shape, int variant) {
    if (shape == 0 && variant == 0)
        return Blank(slot);
    Sketch s = OnCanvas(slot, shape, variant);
    static const int kDarkest[3] = {120, 80, 45};
    static const int kTone[3] = {238, 215, 185};
    const int darkest = kDarkest[variant];
    const double density = 0.7 + 0.35 * variant;
    Points half; // left half, from the top centre round to the bottom centre
    switch (shape) {
    case 0: // stubble over the upper lip
        half = {{130, 185}, {114, 187}, {103, 193}, {102, 199}, {112, 199}, {130, 198.5}};
        break;
    case 1: // pencil
        half = {{130, 195}, {118, 195.2}, {106, 197.5}, {107, 199.2}, {118, 198.3}, {130, 198.2}};
        break;
    case 2: // chevron
        half = {{130, 183}, {116, 183.5}, {105, 188},  {101, 197},
                {103, 201}, {116, 199.5}, {130, 199.5}};
        break;
    case 3: // walrus: drooping over the lip
        half = {{130, 182.5}, {114, 183}, {102, 188}, {96, 199},
                {97, 207},    {104, 205}, {116, 204}, {130, 205}};
        break;
    case 4: // handlebar
        half = {{130, 185},  {116, 185.5}, {104, 190}, {94, 193},  {88, 190},   {87, 185},
                {90, 183.5}, {92, 187},    {96, 197},  {110, 199}, {130, 198.5}};
        break;
    case 5: // horseshoe: bars down to the jaw
        half = {{130, 184}, {114, 184.5}, {103, 189}, {100, 200},   {100, 222},  {101, 236},
                {105, 237}, {106, 222},   {106, 203}, {116, 199.5}, {130, 199.5}};
        break;
    case 6: // toothbrush
        half = {{130, 184.5}, {121, 184.5}, {119.5, 190}, {120, 198.5}, {130, 198.5}};
        break;
    case 7: // Fu Manchu: thin ends hanging down
        half = {{130, 192},   {116, 193}, {106, 197}, {102, 205},   {101, 222},  {100, 238},
                {102.5, 239}, {104, 222}, {105, 205}, {112, 199.5}, {130, 198.8}};
        break;
    case 8: // lampshade
        half = {{130, 184.5}, {119, 184.5}, {115, 190}, {106, 198.5}, {118, 199}, {130, 199}};
        break;
    default: // painter's brush: wide and bushy
        half = {{130, 182}, {112, 182.5}, {99, 188},   {95, 197},
                {98, 202},  {114, 201},   {130, 201.5}};
        break;
    }
    Points all = half;
    for (std::size_t i = half.size() - 1; i-- > 1;)
        all.emplace_back(260 - half[i].x(), half[i].y());
    QPainterPath area = Smooth(all, true);
    s.Tone(area, shape == 0 ? 246 - variant * 6 : kTone[variant]);
    const double spanArea = area.boundingRect().width() * area.boundingRect().height();
    if (shape == 0) {
        for (int k = 0; k < static_cast<int>(spanArea * 0.35 * density); ++k)
            s.Dot(PointIn(s, area), 0.35, 0.35, 150 - variant * 25);
    } else {
        Fur(
            s, area, static_cast<int>(spanArea * 0.5 * density), 4.0, darkest, 70,
            [](QPointF p) {
                const double side = p.x() < 130 ? -1 : 1;
                return QPointF(side * 0.55, 1.0);
            },
            0.6);
        s.Stroke(Smooth(all, true), StrokeStyle{0.5, darkest + 60, 0, 0, 0.15, false});
    }
    return s.Finish();
}

// ---------------------------------------------------------------- beard

// Canvas rows: the beard box ends at 260; strands end above 259.
constexpr double kLongBeardBottom = 256;
constexpr double kBeardTipLimit = 259;

QImage DrawBeard(const SlotArt& slot, int shape, int variant) {
    if (shape == 0 && variant == 0)
        return Blank(slot);
    Sketch s = OnCanvas(slot, shape, variant);
    static const int kDarkest[4] = {125, 100, 82, 150};
    static const int kTone[4] = {238, 226, 210, 242};
    const int darkest = kDarkest[variant];
    const double density = variant == 2 ? 0.62 : variant == 3 ? 0.45 : 0.4 + 0.15 * variant;
    // The jaw of the reference head, left half from the sideburn to the chin.
    const Points jaw = {{56, 124}, {56.5, 140}, {57.5, 160}, {59.5, 180},  {63, 196},
                        {68, 212}, {76, 226},   {90, 239},   {108, 245.5}, {130, 247.5}};
    auto whole = [](const Points& left) {
        Points all = left;
        for (std::size_t i = left.size() - 1; i-- > 0;)
            all.emplace_back(260 - left[i].x(), left[i].y());
        return all;
    };
    const double below[4] = {3, 4.5, 6, 5};
    QPainterPath area;
    switch (shape) {
    case 1: // goatee: a full, rounded tuft over the chin
        area = Smooth(whole({{130, 213},
                             {119, 214},
                             {112, 221},
                             {111, 233},
                             {115, 244},
                             {122, 250},
                             {130, 252}}),
                      true);
        break;
    case 2:   // chin strap: a band along the jaw
    case 8: { // chin curtain: a wider band
        const double w = shape == 2 ? 4.5 : 9;
        Points outer = Offset(jaw, below[variant] * 0.6, QPointF(130, 170));
        Points innerEdge = Offset(jaw, -w, QPointF(130, 170));
        QPainterPath o = Smooth(whole(outer));
        Points in = whole(innerEdge);
        std::reverse(in.begin(), in.end());
        o.connectPath(Smooth(in));
        o.closeSubpath();
        area = o;
        break;
    }
    case 5: // Van Dyke: a narrow beard drawn to a point below the chin
        area = Smooth(whole({{130, 216},
                             {125, 217},
                             {122.5, 225},
                             {123, 238},
                             {125.5, 249},
                             {128.5, 256},
                             {130, 258}}),
                      true);
        break;
    case 6: { // mutton chops: sideburns over the cheeks, chin shaven
        Points chop = {{56, 122}, {55, 150}, {57, 180}, {62, 200}, {70, 214}, {82, 216},
                       {92, 205}, {88, 186}, {76, 166}, {66, 140}, {63, 122}};
        QPainterPath left = Smooth(chop, true);
        area = left.united(MirrorX(left));
        break;
    }
    case 7: // soul patch
        area = Smooth(whole({{130, 213.5}, {126.5, 214.5}, {125.5, 219}, {127, 224}, {130, 226}}),
                      true);
        break;
    case 9: { // circle beard: round the mouth and over the chin
        QPainterPath outerRing = Smooth(whole({{130, 211},
                                               {114, 212},
                                               {107, 220},
                                               {108, 234},
                                               {115, 246},
                                               {124, 251},
                                               {130, 252}}),
                                        true);
        QPainterPath mouth = Ellipse(QPointF(130, 206), 22, 9);
        QPainterPath ring =
            Smooth(whole({{130, 182}, {110, 184}, {100, 196}, {101, 210}, {107, 221}, {130, 225}}),
                   true)
                .subtracted(mouth);
        area = outerRing.united(ring);
        break;
    }
    default: { // stubble (0), full short (3), full long (4)
        Points outer = Offset(jaw, below[variant], QPointF(130, 170));
        if (shape == 4) {
            // The long beard hangs below the chin in a rounded point that
            // stays inside the picture's box (bottom 260), so it never ends
            // in a straight cut.
            const std::size_t n = outer.size();
            outer[n - 1].setY(kLongBeardBottom);
            outer[n - 2].setY(std::max(outer[n - 2].y(), kLongBeardBottom - 4.5));
            outer[n - 3].setY(std::max(outer[n - 3].y(), kLongBeardBottom - 10.5));
        }
        // Inner edge: the cheeks above the beard line and round the mouth.
        const Points inner = {{62, 124},  {63, 160},  {68, 182},  {84, 193}, {102, 194},
                              {101, 204}, {106, 217}, {118, 222}, {130, 223}};
        QPainterPath o = Smooth(whole(outer));
        Points in = whole(inner);
        std::reverse(in.begin(), in.end());
        o.connectPath(Smooth(in));
        o.closeSubpath();
        area = o.subtracted(Ellipse(QPointF(130, 206), 20, 8));
        break;
    }
    }
    const double spanArea = area.boundingRect().width() * area.boundingRect().height();
    if (shape == 0) {
        s.Tone(area, 248 - variant * 4);
        for (int k = 0; k < static_cast<int>(spanArea * 0.12 * density); ++k)
            s.Dot(PointIn(s, area), 0.35, 0.35, 160 - variant * 20);
    } else {
        s.Tone(area, kTone[variant]);
        // Strands hang down; they start high enough for their tips to end
        // above the box's bottom edge.
        const double strand = shape == 4 ? 6.0 : 4.0;
        QPainterPath roots;
        roots.addRect(QRectF(0, 0, 260, kBeardTipLimit - strand * kFurStretch));
        Fur(
            s, area.intersected(roots), static_cast<int>(spanArea * 0.28 * density), strand,
            darkest, 70, [](QPointF p) { return QPointF((130 - p.x()) * 0.01, 1.0); }, 0.6);
        s.Stroke(area, StrokeStyle{0.5, darkest + 70, 0, 0, 0.15, false});
    }
    return s.Finish();
}

// ---------------------------------------------------------------- glasses

QImage DrawGlasses(const SlotArt& slot, int shape, int variant) {
    if (shape == 0 && variant == 0)
        return Blank(slot);
    Sketch s = OnCanvas(slot, shape, variant);
    const bool heavy = variant == 1;
    const double width = heavy ? 3.2 : 1.8;
    const int grey = heavy ? 32 : 50;
    const QPointF eye(163, 137);
    QPainterPath lens;
    double hw = 17;
    double top = 12;
    switch (shape) {
    case 0:
        hw = 15;
        lens = Ellipse(eye, 15, 14);
        top = 14;
        break;
    case 1:
        hw = 18;
        lens = Ellipse(eye, 18, 12);
        top = 12;
        break;
    case 2:
        hw = 19;
        lens.addRoundedRect(QRectF(eye.x() - 19, eye.y() - 11.5, 38, 23), 3.5, 3.5);
        top = 11.5;
        break;
    case 3: // aviator: a drop, deeper at the outer bottom
        hw = 19;
        lens = Smooth({{144, 126},
                       {163, 124.5},
                       {181, 126},
                       {182.5, 136},
                       {176, 149},
                       {163, 152},
                       {151, 148},
                       {145, 138}},
                      true);
        top = 12.5;
        break;
    case 4: // cat-eye: outer top corners swept up
        hw = 19;
        lens = Smooth({{145, 130},
                       {160, 127},
                       {177, 124},
                       {184, 122},
                       {181, 137},
                       {171, 147},
                       {157, 148},
                       {146, 141}},
                      true);
        top = 10;
        break;
    case 5: // half-rim: heavy brow bar
        hw = 18;
        lens.addRoundedRect(QRectF(eye.x() - 18, eye.y() - 11, 36, 22), 6, 6);
        top = 11;
        break;
    case 6: // rimless
        hw = 17;
        lens.addRoundedRect(QRectF(eye.x() - 17, eye.y() - 11, 34, 22), 7, 7);
        top = 11;
        break;
    case 7: // square, heavy
        hw = 18;
        lens.addRoundedRect(QRectF(eye.x() - 18, eye.y() - 14, 36, 28), 2, 2);
        top = 14;
        break;
    case 8: // small round
        hw = 11;
        lens = Ellipse(eye, 11, 11);
        top = 11;
        break;
    default: // large
        hw = 21;
        lens.addRoundedRect(QRectF(eye.x() - 21, eye.y() - 16, 42, 32), 9, 9);
        top = 16;
        break;
    }
    const QPainterPath left = MirrorX(lens);
    const double frameW = shape == 6 ? 1.0 : width;
    const int frameGrey = shape == 6 ? 120 : grey;
    if (shape == 5) {
        // Heavy bar along the top, thin line below.
        QPainterPath bar;
        bar.addRect(QRectF(eye.x() - hw - 1, eye.y() - top - 1.5, 2 * hw + 2, 6));
        bar = bar.intersected(lens.united(Ellipse(eye, hw + 2, top + 2)));
        s.Tone(bar, heavy ? 50 : 90);
        s.Tone(MirrorX(bar), heavy ? 50 : 90);
    }
    s.Stroke(lens, StrokeStyle{frameW, frameGrey, 0, 0, 0.03, false});
    s.Stroke(left, StrokeStyle{frameW, frameGrey, 0, 0, 0.03, false});
    // A glint on each glass.
    StrokeStyle glint{0.7, 200, 0.4, 0.4, 0.03, false};
    s.Stroke(Smooth({eye + QPointF(hw * 0.35, -top * 0.55), eye + QPointF(hw * 0.6, -top * 0.2)}),
             glint);
    s.Stroke(Smooth({QPointF(260 - eye.x() + hw * 0.3, eye.y() - top * 0.6),
                     QPointF(260 - eye.x() + hw * 0.55, eye.y() - top * 0.25)}),
             glint);
    // The bridge over the nose.
    const double bridgeY = eye.y() - top * 0.45;
    QPainterPath bridge;
    bridge.moveTo(eye.x() - hw + 0.5, bridgeY);
    bridge.quadTo(130, bridgeY - 5.5, 260 - eye.x() + hw - 0.5, bridgeY);
    s.Stroke(bridge, StrokeStyle{heavy ? 2.6 : 1.6, grey, 0, 0, 0.03, false});
    if (shape == 3) { // aviators have a second bar
        QPainterPath bar;
        bar.moveTo(eye.x() - hw + 1.5, 126.5);
        bar.lineTo(260 - eye.x() + hw - 1.5, 126.5);
        s.Stroke(bar, StrokeStyle{1.4, grey, 0, 0, 0.02, false});
    }
    // Nose pads.
    s.Stroke(Smooth({{137, bridgeY + 4}, {139.5, bridgeY + 9}}),
             StrokeStyle{0.7, kLight, 0, 0, 0, false});
    s.Stroke(Smooth({{123, bridgeY + 4}, {120.5, bridgeY + 9}}),
             StrokeStyle{0.7, kLight, 0, 0, 0, false});
    // The arms, running back to the ears.
    const double armY = eye.y() - top * 0.6;
    QPainterPath arm;
    arm.moveTo(eye.x() + hw - 0.5, armY);
    arm.lineTo(208, armY + 1.5);
    s.Stroke(arm, StrokeStyle{heavy ? 2.6 : 1.6, grey, 0, 0.3, 0.02, false});
    s.Stroke(MirrorX(arm), StrokeStyle{heavy ? 2.6 : 1.6, grey, 0, 0.3, 0.02, false});
    return s.Finish();
}

} // namespace mienlore::faceart
