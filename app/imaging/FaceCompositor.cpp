#include "imaging/FaceCompositor.h"

#include "base/CrtRandom.h"
#include "imaging/CanvasDrawing.h"
#include "imaging/FeaturePicture.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace mienlore {

namespace {

// Where the surroundings are flooded from: left of every feature.
constexpr int kFloodX = 4;
constexpr int kFloodY = 100;
// The ears hang this far left of the forehead's lower-left corner.
constexpr int kEarInset = 16;

int MemberCount(const CFaceItem& item) {
    return item.IsPaired() ? 2 : 1;
}

// The size percentage times the picture's own scale factor; 0 for a slot
// that is not sized (drawn at its natural size).
int ScalePercent(const CFaceItem& item, int which) {
    return static_cast<int>(item.GetSize() * item.pict[which].drawing.scaleFactor);
}

CanvasPoint Outline(const CFaceItem& item, int which, int i) {
    const FacePoint p = item.OutlinePoint(which, i);
    return {p.x, p.y};
}

// A closing line includes both ends, so that it meets the outlines it joins.
void CloseGap(CDevib& canvas, CanvasPoint from, CanvasPoint to, ColorRef color) {
    DrawCanvasLine(canvas, from.x, from.y, to.x, to.y, color);
    if (canvas.Contains(to.x, to.y))
        SetCanvasPixel(canvas, to.x, to.y, CanvasWord(color));
}

// Runs op on the rect of the canvas: on the canvas itself when rect covers
// it exactly, else on a copy that is put back.
template <typename Op> void OnRect(CDevib& canvas, const ImageRect& rect, Op&& op) {
    if (rect == ImageRect{0, 0, canvas.Width(), canvas.Height()}) {
        op(canvas);
        return;
    }
    CDevib part;
    if (!part.Grab(canvas, rect) || part.IsEmpty())
        return;
    op(part);
    part.DrawTo(canvas, rect.left, rect.top, part.Width(), part.Height());
}

} // namespace

int FaceColorIndex(ColorRef faceColor) {
    if (faceColor == kFaceGray)
        return 1;
    if (faceColor == kFaceWhite)
        return 2;
    return 0;
}

ColorRef SilhouetteColor(ColorRef faceColor) {
    const ColorRef green = (faceColor >> 8) & 0xFF;
    const ColorRef shifted = green >= 10 ? green - 10 : green + 10;
    return (faceColor & ~0xFF00u) | (shifted << 8);
}

CFaceCompositor::CFaceCompositor(PictureLoader loader) : m_loader(std::move(loader)) {}

const CDevib& CFaceCompositor::PreparedPicture(const std::shared_ptr<const CDevib>& source,
                                               const ImageRect& target,
                                               const PictureLook& look) const {
    const PreparedKey key{source.get(), target.Width(), target.Height(),
                          look.side,    look.blur,      look.lighten};
    if (auto it = m_prepared.find(key); it != m_prepared.end())
        return it->second.picture;
    // A face needs about twenty pictures; start afresh rather than grow.
    if (m_prepared.size() >= kPreparedLimit)
        m_prepared.clear();
    Prepared& entry = m_prepared[key];
    entry.source = source;
    entry.picture = PrepareDrawing(*source, target, look);
    return entry.picture;
}

void CFaceCompositor::DrawMember(CDevib& canvas, CFaceItem& item, int which) const {
    CFaceItemPict& pict = item.pict[which];
    const int x = item.PictLeftX(which);
    const int y = item.GetPosY();
    const std::shared_ptr<const CDevib> picture = Load(item, which);
    if (!picture) {
        pict.drawnRect = {x, y, x + 1, y + 1};
        return;
    }
    pict.pixelWidth = picture->Width();
    pict.pixelHeight = picture->Height();
    PictureLook look;
    look.scalePercent = ScalePercent(item, which);
    look.axes = pict.drawing.scaleAxes;
    look.side = item.IsPaired() ? pict.side : 0;
    look.blur = pict.drawing.blur;
    look.lighten = pict.drawing.lighten;
    const ImageRect r =
        PlacePicture(x, y, picture->Width(), picture->Height(), look.scalePercent, look.axes);
    DarkenCanvas(canvas, r, PreparedPicture(picture, r, look));
    pict.drawnRect = {r.left, r.top, r.right, r.bottom};
}

void CFaceCompositor::DrawSlot(CDevib& canvas, CFaceItem& item) const {
    for (int which = 0; which < MemberCount(item); ++which)
        DrawMember(canvas, item, which);
}

void CFaceCompositor::FillSlot(CDevib& canvas, CFaceItem& item, ColorRef color, bool paint) const {
    for (int which = 0; which < MemberCount(item); ++which) {
        const std::shared_ptr<const CDevib> picture = Load(item, which);
        if (!picture)
            continue;
        // The drawing offsets count only when the shape is painted.
        const int offset = paint ? 0 : item.drawOffset[which];
        const int x = item.PictLeftX(which) - offset;
        const int y = item.GetPosY();
        PictureLook look;
        look.scalePercent = ScalePercent(item, which);
        look.axes = item.pict[which].drawing.scaleAxes;
        look.side = item.IsPaired() ? item.pict[which].side : 0;
        const ImageRect target =
            PlacePicture(x, y, picture->Width(), picture->Height(), look.scalePercent, look.axes);
        const CDevib& shape = PreparedPicture(picture, target, look);
        const ShapeFill fill = FindOutline(shape, target, x, y);
        if (paint && fill.bounds.Width() > 0 && fill.bounds.Height() > 0)
            PaintShape(canvas, target, shape, color);
        // Stored relative to the picture's placed position (with offsets).
        for (int i = 0; i < CFaceItem::kOutlinePoints; ++i)
            item.outline[which][i] = {fill.points[i].x - offset, fill.points[i].y};
    }
}

void CFaceCompositor::ShadeSlot(CDevib& canvas, const CFaceItem& item, ColorRef color, int kind,
                                int strength) const {
    for (int which = 0; which < MemberCount(item); ++which) {
        // Only library pictures are shaded; a file picture shades nothing.
        if (!item.pict[which].fromLibrary)
            continue;
        const std::shared_ptr<const CDevib> picture = Load(item, which);
        if (!picture)
            continue;
        ShadeFeatureArea(canvas, item.PictLeftX(which), item.GetPosY(), *picture,
                         ScalePercent(item, which), item.pict[which].drawing.scaleAxes, color, kind,
                         strength);
    }
}

std::shared_ptr<const CDevib> CFaceCompositor::Load(const CFaceItem& item, int which) const {
    if (!m_loader)
        return nullptr;
    std::shared_ptr<const CDevib> picture = m_loader(item, which);
    return picture && !picture->IsEmpty() ? picture : nullptr;
}

void CFaceCompositor::DrawPhotoBackground(CDevib& canvas, const ImageRect& rect, CFaceFrame& face,
                                          const FaceLook& look) const {
    if (m_photo)
        m_photo(canvas, rect);
    constexpr int kAcross = static_cast<int>(ShadeKind::Horizontal);
    constexpr int kRadial = static_cast<int>(ShadeKind::Radial);
    struct Shade {
        FaceSlot slot;
        int kind;
        int strength;
    };
    static constexpr Shade kShades[] = {
        {FaceSlot::Forehead, kAcross, 8},   {FaceSlot::Eyes, kRadial, 7},
        {FaceSlot::Eyebrows, kRadial, 7},   {FaceSlot::Nose, kRadial, 7},
        {FaceSlot::Lips, kRadial, 9},       {FaceSlot::Ears, kRadial, 7},
        {FaceSlot::CheekBones, kRadial, 7}, {FaceSlot::Chin, kAcross, 8},
    };
    for (const Shade& s : kShades) {
        const CFaceItem& item = face.Slot(s.slot);
        if (item.IsEmpty())
            continue;
        const ColorRef color = s.slot == FaceSlot::Ears ? kFaceWhite : look.faceColor;
        ShadeSlot(canvas, item, color, s.kind, s.strength);
    }
}

void CFaceCompositor::DrawSilhouette(CDevib& canvas, const ImageRect& rect, CFaceFrame& face,
                                     const FaceLook& look) const {
    const ColorRef silhouette = SilhouetteColor(look.faceColor);
    CFaceItem& forehead = face.Slot(FaceSlot::Forehead);
    CFaceItem& cheeks = face.Slot(FaceSlot::CheekBones);
    CFaceItem& chin = face.Slot(FaceSlot::Chin);
    CFaceItem& ears = face.Slot(FaceSlot::Ears);
    const CFaceItem& hair = face.Slot(FaceSlot::Hair);
    const bool hairDrawn = hair.IsPresent();

    if (!cheeks.IsEmpty())
        FillSlot(canvas, cheeks, silhouette, true);
    if (!chin.IsEmpty())
        FillSlot(canvas, chin, silhouette, true);
    if (!ears.IsEmpty())
        FillSlot(canvas, ears, silhouette, false);
    // The forehead's outline is always found when it is drawn (the ears and
    // the closing lines hang on it); under a hair picture it is not painted.
    if (!forehead.IsEmpty())
        FillSlot(canvas, forehead, silhouette, !hairDrawn);

    ears.drawOffset = {0, 0};
    if (!ears.IsEmpty()) {
        ears.SetPosX(forehead.OutlinePoint(0, 2).x - kEarInset);
        FillSlot(canvas, ears, silhouette, true);
    }

    // Close the seams between the head pieces so that the flood below cannot
    // slip into the face.
    if (!forehead.IsEmpty() && !cheeks.IsEmpty()) {
        CloseGap(canvas, Outline(forehead, 0, 2), Outline(cheeks, 0, 4), silhouette);
        CloseGap(canvas, Outline(forehead, 0, 3), Outline(cheeks, 0, 5), silhouette);
    }
    if (!cheeks.IsEmpty() && !chin.IsEmpty()) {
        CloseGap(canvas, Outline(cheeks, 0, 2), Outline(chin, 0, 0), silhouette);
        CloseGap(canvas, Outline(cheeks, 0, 8), Outline(chin, 0, 4), silhouette);
        CloseGap(canvas, Outline(cheeks, 0, 3), Outline(chin, 0, 1), silhouette);
        CloseGap(canvas, Outline(cheeks, 0, 9), Outline(chin, 0, 5), silhouette);
    }
    if (hairDrawn) {
        // The jaw contour: down the left side of the cheek-bones and the
        // chin, across the chin's bottom and up the right side.
        std::vector<CanvasPoint> jaw;
        if (!cheeks.IsEmpty())
            for (int i : {4, 6, 8, 10, 2})
                jaw.push_back(Outline(cheeks, 0, i));
        if (!chin.IsEmpty())
            for (int i : {4, 6, 8, 10, 2, 3, 11, 9, 7, 5})
                jaw.push_back(Outline(chin, 0, i));
        if (!cheeks.IsEmpty())
            for (int i : {3, 11, 9, 7, 5})
                jaw.push_back(Outline(cheeks, 0, i));
        if (!jaw.empty()) {
            DrawCanvasPolyline(canvas, jaw, silhouette);
            CloseGap(canvas, jaw.back(), jaw.back(), silhouette);
        }
    }

    if (look.fillColor == look.faceColor)
        return;
    // Flood the surroundings with the key colour, then recolour every pixel
    // of the key colour with the fill colour.
    if (!FloodFillCanvas(canvas, kFloodX, kFloodY, kSurroundKey))
        return;
    CCrtRandom unused; // the flat tint draws no random numbers
    OnRect(canvas, rect,
           [&](CDevib& area) { area.TintFill(look.fillColor, look.faceColor, 1, unused); });
}

void CFaceCompositor::DrawHeadPictures(CDevib& canvas, CFaceFrame& face) const {
    for (FaceSlot slot : {FaceSlot::Chin, FaceSlot::CheekBones, FaceSlot::Forehead}) {
        CFaceItem& item = face.Slot(slot);
        if (!item.IsEmpty())
            DrawSlot(canvas, item);
    }
}

void CFaceCompositor::EvenSkin(CDevib& canvas, const ImageRect& rect, const CFaceFrame& face,
                               const FaceLook& look) const {
    const CFaceItem& cheeks = face.Slot(FaceSlot::CheekBones);
    if (cheeks.IsEmpty())
        return;
    OnRect(canvas, rect, [&](CDevib& skin) { EvenSkinOf(skin, rect.left, rect.top, face, look); });
}

// The canvas rectangles of the cheek-bones and the forehead are taken
// relative to (left, top), where the skin bitmap starts on the canvas.
void CFaceCompositor::EvenSkinOf(CDevib& skin, int left, int top, const CFaceFrame& face,
                                 const FaceLook& look) {
    const FaceRect& c = face.Slot(FaceSlot::CheekBones).pict[0].drawnRect;
    skin.ToGray();
    const int level = skin.MeanBand(
        5, 128, ImageRect{c.left - left, c.top - top, c.right - left, c.bottom - top});
    const FaceRect& f = face.Slot(FaceSlot::Forehead).pict[0].drawnRect;
    const ImageRect foreheadRect{f.left - left, f.top - top, f.right - left, f.bottom - top};
    const bool keepForehead = face.Slot(FaceSlot::Hair).IsPresent();
    skin.ShadeRowsKeep(5, 128, level, FaceColorIndex(look.faceColor),
                       keepForehead ? std::optional<ImageRect>(foreheadRect) : std::nullopt);
    skin.RankFilter(1, 0);
}

void CFaceCompositor::DrawFeatures(CDevib& canvas, CFaceFrame& face, const FaceLook& look) const {
    for (FaceSlot slot :
         {FaceSlot::Eyes, FaceSlot::Eyebrows, FaceSlot::Nose, FaceSlot::Lips, FaceSlot::Ears}) {
        CFaceItem& item = face.Slot(slot);
        if (item.IsEmpty())
            continue;
        // The smoothed view uses the softer nose drawings of the files.
        if (slot == kSourceSwitchingSlot)
            item.SetPictureSource(look.smoothing == 0);
        DrawSlot(canvas, item);
    }
    for (FaceSlot slot :
         {FaceSlot::Glasses, FaceSlot::Hair, FaceSlot::Moustache, FaceSlot::Beard}) {
        CFaceItem& item = face.Slot(slot);
        if (item.IsPresent())
            DrawSlot(canvas, item);
    }
}

void CFaceCompositor::DrawFace(CDevib& canvas, const ImageRect& rect, CFaceFrame& face,
                               const FaceLook& look) const {
    FillCanvasRect(canvas, rect, look.faceColor);
    if (look.photoBackground)
        DrawPhotoBackground(canvas, rect, face, look);
    else
        DrawSilhouette(canvas, rect, face, look);
    DrawHeadPictures(canvas, face);
    EvenSkin(canvas, rect, face, look);
    DrawFeatures(canvas, face, look);
}

int CFaceCompositor::Render(CDevib& cache, int width, int height, CFaceFrame& face,
                            const FaceLook& look, const std::string& caption,
                            const CaptionPainter& painter) const {
    if (!cache.Create(width, height))
        return 0;
    DrawFace(cache, ImageRect{0, 0, width, height}, face, look);
    // The band at the top that keeps the caption sharp.
    int band = 20;
    if (look.showInfo)
        band = (!caption.empty() && painter) ? painter(cache, caption) + 2 : 0;
    const int s = std::clamp(look.smoothing, 0, 5);
    if (s > 0)
        cache.GlowSmooth(s + 3, s + 4, band, true);
    return band;
}

int CFaceCompositor::HitTest(const CFaceFrame& face, const ImageRect& rect, int x, int y) {
    if (x < rect.left || x >= rect.right || y < rect.top || y >= rect.bottom)
        return 0;
    return face.HitTest(x - rect.left, y - rect.top);
}

} // namespace mienlore
