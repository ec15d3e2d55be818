// The head pieces: forehead (top of the head and hairline), cheek-bones (the
// sides of the face) and chin (the jaw). Each piece is outlined in ink and
// filled with skin grey inside, so that the silhouette fill covers the face.

#include "Catalogue.h"
#include "Pencil.h"

#include <algorithm>
#include <cmath>

namespace mienlore::faceart {
namespace {

using Points = std::vector<QPointF>;

// The head's outline is bolder than the features' lines: the face picture
// blurs the forehead and evens the skin with a median filter after drawing
// the head pieces, which would wipe out a thin line.
constexpr double kHeadLine = 2.3;
constexpr int kHeadInk = 45;

Sketch MakeSketch(const SlotArt& slot, int shape, int variant) {
    return Sketch(slot.width, slot.height, QPointF(BoxLeft(slot), slot.y),
                  static_cast<std::uint32_t>(slot.number * 10007 + shape * 101 + variant));
}

Points ScaleX(Points points, double factor) {
    for (QPointF& p : points)
        p.setX(130 + (p.x() - 130) * factor);
    return points;
}

// A left half given from the centre outwards, turned into the whole curve:
// left end, centre, right end.
Points Arch(const Points& left) {
    Points all(left.rbegin(), left.rend());
    for (std::size_t i = 1; i < left.size(); ++i)
        all.emplace_back(260 - left[i].x(), left[i].y());
    return all;
}

// The arch closed below through two points at height `bottom`.
QPainterPath ClosedBelow(const Points& arch, double bottom) {
    QPainterPath path = Smooth(arch);
    path.lineTo(arch.back().x(), bottom);
    path.lineTo(arch.front().x(), bottom);
    path.closeSubpath();
    return path;
}

// ---------------------------------------------------------------- forehead

Points Skull(int shape) {
    switch (shape) {
    case 0: // round
        return {{130, 34}, {108, 35.5}, {89, 40.5},  {74, 49},  {63.5, 60.5}, {57, 74},
                {54, 88},  {53.5, 102}, {54.5, 116}, {56, 126}, {56.5, 136}};
    case 1: // oval
        return {{130, 32.5},  {112, 34}, {95, 38.5}, {81, 46.5},  {70, 57.5}, {62, 71.5},
                {57.5, 86.5}, {56, 101}, {56, 115},  {56.3, 126}, {56.5, 136}};
    case 2: // square
        return {{130, 36}, {104, 36.5}, {84, 39.5},  {70, 46},    {61, 56}, {56, 70},
                {54, 86},  {53.5, 102}, {54.5, 116}, {55.5, 126}, {56, 136}};
    case 3: // triangular: narrow dome, broad temples
        return {{130, 33},  {115, 34.5}, {100, 39}, {87, 47},  {76, 58},   {67, 72},
                {60.5, 87}, {56, 102},   {54, 116}, {54, 126}, {54.5, 136}};
    default:
        return {{130, 34},  {110, 35.5}, {92, 40},    {77, 48},    {66, 59},   {58.5, 72},
                {54.5, 86}, {53.5, 100}, {54.5, 114}, {55.8, 126}, {56.3, 136}};
    }
}

// The hairline from the centre to the left temple; empty for the bald head.
Points Hairline(int shape) {
    switch (shape) {
    case 0:
        return {{130, 70}, {112, 71.5}, {96, 76},    {83, 83},
                {73, 92},  {66, 102},   {61.5, 112}, {58.5, 122}};
    case 1:
        return {{130, 65},  {116, 66.5}, {102, 71}, {90, 79},
                {80, 89.5}, {72, 101},   {66, 113}, {60.5, 124}};
    case 2:
        return {{130, 72},  {110, 72.3}, {90, 73},  {78, 74.5}, {70.5, 78.5},
                {66.5, 87}, {64, 100},   {62, 112}, {59, 124}};
    case 3:
        return {{130, 63}, {119, 68.5}, {107, 75}, {95, 82.5},
                {83, 91},  {73, 100.5}, {65, 111}, {59, 123}};
    case 4: // small M: slight recession at the corners
        return {{130, 71}, {117, 71.5}, {106, 70.5}, {97, 67.5}, {88, 66.5}, {80.5, 69.5},
                {74, 77},  {69, 88},    {65, 100},   {62, 111},  {59, 123}};
    case 5: // M: deep recessions and a central peak
        return {{130, 77},  {124.5, 72.5}, {117.5, 66.5}, {108.5, 60.5}, {98.5, 56.5}, {89, 56.5},
                {81, 60.5}, {75, 68.5},    {70.5, 80},    {66.5, 94},    {63, 108},    {59.5, 123}};
    case 6: // receded far back: only the sides keep their hair
        return {{79, 51}, {72.5, 59}, {68.5, 70}, {66, 84}, {64, 98}, {62, 111}, {59, 123}};
    default:
        return {};
    }
}

// Where a hairline meets the side of the skull (the left end).
double SkullXAt(const Points& skull, double y) {
    for (std::size_t i = 1; i < skull.size(); ++i)
        if (skull[i].y() >= y) {
            const double t = (y - skull[i - 1].y()) / (skull[i].y() - skull[i - 1].y());
            return skull[i - 1].x() + t * (skull[i].x() - skull[i - 1].x());
        }
    return skull.back().x();
}

void DrawHairCap(Sketch& s, const Points& skull, const Points& hairline, bool sidesOnly) {
    // The hair area: the skull above the hairline on both sides.
    const QPainterPath head = ClosedBelow(Arch(skull), 170);
    QPainterPath face;
    if (sidesOnly) {
        // A bald dome between the two side patches.
        Points edge = hairline;
        edge.insert(edge.begin(), QPointF(hairline.front().x() + 2, 20));
        face = Smooth(edge);
        face.lineTo(edge.back().x(), 170);
        face.lineTo(260 - edge.back().x(), 170);
        face.connectPath(Smooth(MirrorPoints(edge)));
        face.closeSubpath();
    } else {
        face = ClosedBelow(Arch(hairline), 170);
    }
    const QPainterPath hair = head.subtracted(face);
    s.SoftTone(hair, 224, 1.0);
    // Strands rising from the hairline over the top of the head.
    const QPainterPath skullArc = Smooth(skull);
    for (int side = 0; side < 2; ++side) {
        const QPainterPath line = side == 0 ? Smooth(hairline) : MirrorX(Smooth(hairline));
        const QPainterPath top = side == 0 ? skullArc : MirrorX(skullArc);
        const int count = sidesOnly ? 30 : 46;
        for (int i = 0; i < count; ++i) {
            const double t =
                std::clamp((i + 0.5 + s.Random().Uniform(-0.3, 0.3)) / count, 0.0, 1.0);
            const QPointF p = line.pointAtPercent(t);
            // The matching point on the skull, a little further out.
            const QPointF q = top.pointAtPercent(sidesOnly ? std::min(1.0, 0.25 + t * 0.7)
                                                           : std::min(1.0, t * 0.92 + 0.02));
            const double reach = s.Random().Uniform(0.55, 0.95);
            const QPointF end = p + (q - p) * reach;
            const QPointF mid = (p + end) / 2 + QPointF((p.x() - 130) * 0.04, 0);
            QPainterPath st;
            st.moveTo(p);
            st.quadTo(mid, end);
            const int grey = 95 + static_cast<int>(s.Random().Next() % 70);
            s.Stroke(st, StrokeStyle{0.55, grey, 0.05, 0.6, 0.12, true});
        }
    }
    // The hairline itself, soft.
    StrokeStyle edge{0.8, kLight, 0.2, 0.2, 0.15, false};
    if (sidesOnly) {
        s.Stroke(Smooth(hairline), edge);
        s.Stroke(MirrorX(Smooth(hairline)), edge);
    } else {
        s.Stroke(Smooth(Arch(hairline)), edge);
    }
}

} // namespace

QImage DrawForehead(const SlotArt& slot, int shape, int variant) {
    if (shape >= 8)
        return Blank(slot);
    static const double kWidth[3] = {1.08, 1.0, 0.92};
    const double wf = kWidth[variant];
    Sketch s = MakeSketch(slot, shape, variant);
    const Points skull = ScaleX(Skull(shape), wf);
    const Points hairline = ScaleX(Hairline(shape), wf);

    // Skin inside the skull, down past the bottom of the box.
    const Points arch = Arch(skull);
    const QPainterPath skin = ClosedBelow(arch, 140);
    s.Skin(skin);

    if (shape == 7) {
        // Bald: the dome's roundness shown by light shading along its top.
        QPainterPath dome = skin.subtracted(Ellipse(QPointF(130, 78), 70 * wf, 44));
        QPainterPath cap;
        cap.addRect(QRectF(0, 0, 260, 72));
        s.Hatch(dome.intersected(cap), 35, 2.6, StrokeStyle{0.6, kHatch, 0.3, 0.3, 0.1, true});
        // Two soft forehead lines.
        StrokeStyle wrinkle{0.8, 200, 0.35, 0.35, 0.2, false};
        s.Stroke(Smooth({{106, 84}, {118, 82.5}, {130, 82}, {142, 82.5}, {154, 84}}), wrinkle);
        s.Stroke(Smooth({{110, 91}, {120, 89.8}, {130, 89.5}, {140, 89.8}, {150, 91}}), wrinkle);
    } else {
        if (!hairline.empty()) {
            Points hl = hairline;
            // Let the hairline end exactly on the side of the skull.
            hl.back().setX(SkullXAt(skull, hl.back().y()) + 0.8);
            DrawHairCap(s, skull, hl, shape == 6);
        }
        if (shape == 6) {
            StrokeStyle shine{0.6, kHatch, 0.3, 0.3, 0.1, true};
            QPainterPath cap;
            cap.addRect(QRectF(0, 0, 260, 60));
            s.Hatch(skin.subtracted(Ellipse(QPointF(130, 70), 56 * wf, 34)).intersected(cap), 35,
                    2.8, shine);
        }
    }
    // Temple shading: a few light strokes at both sides.
    QPainterPath temples;
    temples.addEllipse(QPointF(130 - 70 * wf, 116), 9 * wf, 12);
    temples.addEllipse(QPointF(130 + 70 * wf, 116), 9 * wf, 12);
    s.Hatch(temples.intersected(skin), 75, 2.5, StrokeStyle{0.6, 205, 0.3, 0.3, 0.1, true});

    // The outline of the head, strongest of all lines.
    StrokeStyle outline{kHeadLine, kHeadInk, 0.0, 0.0, 0.2, false};
    s.Stroke(Smooth(arch), outline);
    return s.Finish();
}

// ---------------------------------------------------------------- cheek-bones

namespace {

struct CheekShape {
    double x[7];   // left side at y 118, 130, 145, 160, 175, 190, 205
    double boneY;  // height of the cheek-bone mark, 0 = none
    int boneGrey;  // strength of the mark
    double hollow; // depth of the hollow below the bone, 0 = none
    int extra;     // 1 = jowl fold, 2 = puffy under the eyes
};

const CheekShape kCheeks[15] = {
    {{55, 52.5, 50.5, 50.5, 52, 55.5, 61}, 0, 0, 0, 0},           // wide round
    {{55, 53, 51.5, 51, 51.5, 54, 59}, 0, 0, 0, 1},               // thick
    {{56, 55, 53, 51.5, 51.5, 54, 60}, 0, 0, 0, 2},               // puffy
    {{56, 52.5, 50.5, 55, 58, 61, 65}, 143, kMid, 0.6, 0},        // very express
    {{55, 51.8, 54.5, 57, 59, 62, 66}, 136, kMid, 0.35, 0},       // raised upper eyes
    {{56, 56, 54, 52.3, 55, 59, 64}, 160, kMid, 0.3, 0},          // below eyes
    {{56, 56, 56, 56.5, 57.5, 60, 64}, 0, 0, 0, 0},               // hardly express
    {{56, 54, 53, 53, 54.5, 58, 63}, 0, 0, 0, 0},                 // round oval
    {{56, 55, 54.5, 55, 56.5, 59.5, 64.5}, 148, 215, 0, 0},       // oval
    {{56, 56, 56, 56, 56, 57, 60.5}, 0, 0, 0, 0},                 // straight-forward
    {{55, 54.5, 54.5, 54.5, 54.5, 55, 57}, 0, 0, 0, 0},           // rectangular
    {{57, 57.5, 58, 59, 60, 62, 66}, 146, kLight, 0.3, 0},        // lean
    {{56, 55.5, 56, 58, 59, 60.5, 64}, 145, kLight, 0.5, 0},      // slightly sunken
    {{56, 55, 55.5, 59, 60.5, 61.5, 64.5}, 144, kMid, 0.75, 0},   // sunken
    {{56, 54, 54, 60.5, 62.8, 62.8, 65}, 143, kInk + 20, 1.0, 0}, // very sunken
};

const double kCheekY[7] = {118, 130, 145, 160, 175, 190, 205};

} // namespace

QImage DrawCheeks(const SlotArt& slot, int shape, int variant) {
    if (shape >= 15)
        return Blank(slot);
    const CheekShape& c = kCheeks[shape];
    Sketch s = MakeSketch(slot, shape, variant);
    Points left;
    for (int i = 0; i < 7; ++i)
        left.emplace_back(c.x[i], kCheekY[i]);
    const Points right = MirrorPoints(left);

    Points area = left;
    for (const QPointF& p : right)
        area.push_back(p);
    QPainterPath skin = Smooth(left);
    skin.lineTo(right.front());
    skin.connectPath(Smooth(right));
    skin.closeSubpath();
    s.Skin(skin);

    // Shadow in the hollow below the cheek-bone: a crescent along the side.
    if (c.hollow > 0) {
        const double top = c.boneY + 6;
        const double depth = 9 + 12 * c.hollow;
        Points crescent;
        for (int i = 0; i < 7; ++i)
            if (kCheekY[i] >= top - 8 && kCheekY[i] <= 200)
                crescent.emplace_back(c.x[i] - 1, kCheekY[i]);
        if (crescent.size() >= 2) {
            crescent.insert(crescent.begin(), QPointF(c.x[1] + 1, top));
            const QPointF low = crescent.back();
            Points back = {low + QPointF(6, -4), QPointF(c.x[3] + depth, (top + low.y()) / 2 + 4),
                           QPointF(c.x[1] + 6, top + 3)};
            Points all = crescent;
            all.insert(all.end(), back.begin(), back.end());
            const QPainterPath hollow = Smooth(all, true);
            const int grey = static_cast<int>(226 - 40 * c.hollow);
            for (int side = 0; side < 2; ++side) {
                const QPainterPath half = (side == 0 ? hollow : MirrorX(hollow)).intersected(skin);
                s.SoftTone(half, grey + 18, 5);
                s.Hatch(half, side == 0 ? 62 : 118, 2.4 - 0.6 * c.hollow,
                        StrokeStyle{0.55, grey, 0.3, 0.3, 0.1, true});
            }
        }
    }
    // The cheek-bone itself: a short curved mark under the outer eye corner.
    if (c.boneY > 0) {
        const double bx = c.x[1] + 3;
        const QPainterPath bone =
            Smooth({{bx, c.boneY - 4}, {bx + 6, c.boneY + 0.5}, {bx + 14, c.boneY + 3}});
        StrokeStyle mark{0.85, std::min(255, c.boneGrey + 25), 0.2, 0.7, 0.08, false};
        s.Stroke(bone, mark);
        s.Stroke(MirrorX(bone), mark);
    }
    if (c.extra == 1) { // jowls
        StrokeStyle fold{0.9, kLight, 0.4, 0.4, 0.15, false};
        const QPainterPath jowl = Smooth({{62, 186}, {67, 195}, {71, 203}});
        s.Stroke(jowl, fold);
        s.Stroke(MirrorX(jowl), fold);
    } else if (c.extra == 2) { // puffy
        StrokeStyle puff{0.85, kLight, 0.4, 0.4, 0.15, false};
        const QPainterPath bag = Smooth({{85, 149}, {94, 153}, {105, 151}});
        s.Stroke(bag, puff);
        s.Stroke(MirrorX(bag), puff);
        const QPainterPath cheek = Smooth({{64, 168}, {72, 176}, {84, 179}});
        s.Stroke(cheek, puff);
        s.Stroke(MirrorX(cheek), puff);
    }
    // The variant sets add the folds of age.
    if (variant >= 1) {
        StrokeStyle fold{0.9, variant == 1 ? kLight : kMid, 0.25, 0.45, 0.15, false};
        const QPainterPath nasolabial =
            Smooth({{111.5, 177}, {106.5, 186}, {103.5, 196}, {103, 205}});
        s.Stroke(nasolabial, fold);
        s.Stroke(MirrorX(nasolabial), fold);
    }
    if (variant >= 2) {
        StrokeStyle line{0.8, kLight, 0.35, 0.35, 0.15, false};
        const QPainterPath under = Smooth({{87, 147.5}, {96, 151}, {106, 149.5}});
        s.Stroke(under, line);
        s.Stroke(MirrorX(under), line);
    }

    StrokeStyle outline{kHeadLine, kHeadInk, 0.0, 0.25, 0.2, false};
    s.Stroke(Smooth(left), outline);
    s.Stroke(Smooth(MirrorPoints(left)).toReversed(), outline);
    return s.Finish();
}

// ---------------------------------------------------------------- chin

QImage DrawChin(const SlotArt& slot, int shape, int variant) {
    if (shape >= 5)
        return Blank(slot);
    static const double kHalf[3] = {10.5, 15.5, 21.5};
    const double c = kHalf[variant / 2];
    const bool dimple = variant % 2 == 1;
    Sketch s = MakeSketch(slot, shape, variant);

    Points upper; // from the cheek down to the jaw corner
    Points lower; // from the jaw corner to the chin centre
    switch (shape) {
    case 0: // square: an angle at the jaw corner, a flat chin
        upper = {{63, 186}, {63.3, 200}, {64.5, 214}, {67, 226}, {71, 234.5}};
        lower = {{71, 234.5}, {85, 240.5}, {130 - c - 6, 244.6}, {130 - c, 246.8}, {130, 247.2}};
        break;
    case 1: // oval
        upper = {{63, 186}, {64.5, 200}, {68, 213}, {74, 225}};
        lower = {{74, 225}, {83, 235}, {130 - c - 9, 243.2}, {130 - c, 246.9}, {130, 247.5}};
        break;
    case 2: // average
        upper = {{63, 186}, {64, 200}, {66.5, 213}, {71, 225}};
        lower = {{71, 225}, {79, 234}, {130 - c - 10, 242.5}, {130 - c, 246.7}, {130, 247.2}};
        break;
    case 3: // round: full, wide curve
        upper = {{62, 186}, {61.8, 200}, {63.2, 213}, {67.5, 226}};
        lower = {{67.5, 226}, {76, 236.5}, {130 - c - 10, 244.5}, {130 - c, 247.6}, {130, 248}};
        break;
    default: // pointed
        upper = {{63, 186}, {65.5, 200}, {70.5, 213}, {78, 225}};
        lower = {{78, 225}, {89, 235}, {104, 243}, {130 - c * 0.45, 247.8}, {130, 248.3}};
        break;
    }
    Points left = upper;
    left.insert(left.end(), lower.begin() + 1, lower.end());
    const bool corner = shape == 0;

    auto contour = [&](bool mirrored) {
        QPainterPath path;
        if (corner) {
            path = Smooth(upper);
            path.connectPath(Smooth(lower));
        } else {
            path = Smooth(left);
        }
        return mirrored ? MirrorX(path) : path;
    };
    QPainterPath skin = contour(false);
    skin.connectPath(contour(true).toReversed());
    skin.closeSubpath();
    s.Skin(skin);

    // Soft modelling: the crease under the lower lip and the chin's ball.
    StrokeStyle soft{0.85, 200, 0.4, 0.4, 0.12, false};
    s.Stroke(Smooth({{121, 226}, {130, 224}, {139, 226}}), soft);
    // The sides of the chin's ball show its width.
    StrokeStyle side{0.8, kLight, 0.5, 0.3, 0.05, false};
    const QPainterPath chinSide =
        Smooth({{130 - c + 2.5, 238.5}, {130 - c - 0.5, 242}, {130 - c - 1.5, 246}});
    s.Stroke(chinSide, side);
    s.Stroke(MirrorX(chinSide), side);
    QPainterPath ball = Ellipse(QPointF(130, 241), c + 4, 5.5);
    QPainterPath bottom;
    bottom.addRect(QRectF(100, 241, 60, 10));
    s.SoftTone(ball.intersected(bottom).intersected(skin), 232, 2.5);
    s.Hatch(ball.intersected(bottom).intersected(skin), 20, 2.2,
            StrokeStyle{0.6, 215, 0.3, 0.3, 0.1, true});
    // The hollow under the lower lip.
    s.SoftTone(Ellipse(QPointF(130, 225.5), 9, 2.2), 226, 3);
    // Shading along the underside of the jaw.
    QPainterPath jawShade = skin.subtracted(skin.translated(0, -3.5));
    s.Hatch(jawShade, 70, 2.0, StrokeStyle{0.6, 215, 0.3, 0.3, 0.1, true});
    if (dimple) {
        StrokeStyle cleft{1.0, kMid, 0.35, 0.35, 0.1, false};
        s.Stroke(Smooth({{130.3, 236}, {129.8, 239.2}, {130.2, 242.4}}), cleft);
        s.Stroke(Smooth({{127, 238.5}, {128.2, 240.5}}),
                 StrokeStyle{0.6, kLight, 0.4, 0.4, 0, false});
        s.Stroke(Smooth({{133, 238.5}, {131.8, 240.5}}),
                 StrokeStyle{0.6, kLight, 0.4, 0.4, 0, false});
    }

    QPainterPath leftPath = contour(false);
    QPainterPath rightPath = contour(true).toReversed();
    // Join both halves into one jaw line that fades in at the cheeks.
    QPainterPath jaw = leftPath;
    jaw.connectPath(rightPath);
    s.Stroke(jaw, StrokeStyle{kHeadLine, kHeadInk, 0.08, 0.08, 0.2, false});
    return s.Finish();
}

} // namespace mienlore::faceart
