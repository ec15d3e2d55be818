#include "model/FaceItem.h"

#include <algorithm>
#include <cstring>

namespace mienlore {

CFaceItem::CFaceItem(FaceSlot slot, std::shared_ptr<const std::filesystem::path> programFolder)
    : m_slot(slot), m_folder(std::move(programFolder)) {
    int index = FaceSlotIndex(static_cast<int>(slot));
    if (index < 0) {
        index = 0;
        m_slot = FaceSlot::Forehead;
    }
    if (!m_folder)
        m_folder = std::make_shared<const std::filesystem::path>();
    const SlotCatalogueEntry& c = SlotCatalogue(index);
    m_number = index + 1;
    std::strncpy(m_tag, c.tag, sizeof m_tag - 1);
    m_paired = c.paired;
    m_width = c.width;
    m_height = c.height;
    m_size = c.sized ? c.horzDefault : 0;
    m_x = c.sized ? c.xDefault : c.horzDefault;
    m_xDefault = m_x;
    m_min = c.horzMin;
    m_max = c.horzMax;
    m_step = c.horzStep;
    m_y = c.yDefault;
    m_yDefault = c.yDefault;
    m_yMin = c.yMin;
    m_yMax = c.yMax;
    m_yStep = c.yStep;
    m_shapes = c.shapes;
    m_variants = c.variants;
    m_shape = c.defaultShape;
    m_variant = c.defaultVariant;
    m_variantMajor = c.variantMajor;
    m_shapeNameBase = c.shapeNameBase;
    m_variantNameBase = c.variantNameBase;
    for (int which = 0; which < 2; ++which) {
        CFaceItemPict& p = pict[which];
        p.fromLibrary = c.fromLibrary;
        p.drawing = c.drawing;
        p.side = which == 0 ? (m_paired ? -1 : 0) : 1;
        std::memcpy(p.tag, m_tag, sizeof p.tag);
    }
    Reload();
}

static int Wrap(int value, int count) {
    if (value < 0)
        value = count - 1;
    if (value >= count)
        value = 0;
    return value;
}

int CFaceItem::SetShape(int shape) {
    return m_shape = Wrap(shape, m_shapes);
}

int CFaceItem::SetVariant(int variant) {
    return m_variant = Wrap(variant, m_variants);
}

int CFaceItem::SetPosX(int x) {
    m_x = IsSized() ? x : std::clamp(x, m_min, std::max(m_min, m_max));
    return m_x;
}

int CFaceItem::SetPosY(int y) {
    return m_y = std::clamp(y, m_yMin, std::max(m_yMin, m_yMax));
}

int CFaceItem::SetSize(int size) {
    m_size = IsSized() ? std::clamp(size, m_min, std::max(m_min, m_max)) : size;
    return m_size;
}

void CFaceItem::Reset() {
    m_shape = 0;
    m_variant = 0;
    Reload();
}

void CFaceItem::Hide() {
    if (IsAccessory()) {
        m_shape = 0;
        m_variant = 0;
    } else {
        m_shape = m_shapes - 1;
    }
    Reload();
}

void CFaceItem::Randomize(CCrtRandom& random) {
    random.Seed(static_cast<std::uint32_t>(random.Next()));
    if (m_shapes > 1)
        m_shape = random.Next() % m_shapes;
    if (m_variants > 1)
        m_variant = random.Next() % m_variants;
    Reload();
}

void CFaceItem::CopyValues(const CFaceItem& other) {
    m_shape = other.m_shape;
    m_variant = other.m_variant;
    m_x = other.m_x;
    m_y = other.m_y;
    m_size = other.m_size;
}

void CFaceItem::DefaultPlacement() {
    if (IsSized())
        m_size = 100;
    else
        m_x = m_xDefault;
    m_y = m_yDefault;
}

void CFaceItem::Reload() {
    const int index = GetPictIndex();
    const int count = m_paired ? 2 : 1;
    for (int which = 0; which < count; ++which) {
        CFaceItemPict& p = pict[which];
        const int side = m_paired ? p.side : 0;
        if (p.fromLibrary)
            p.resourceId = PictureResourceId(m_number, side, index);
        else
            p.fileName = PictureFileName(m_tag, side, index);
    }
}

void CFaceItem::SetPictureSource(bool fromLibrary) {
    pict[0].fromLibrary = fromLibrary;
    pict[1].fromLibrary = fromLibrary;
    Reload();
}

std::filesystem::path CFaceItem::PictureFilePath(int which) const {
    return pict[which == 0 ? 0 : 1].FilePath(*m_folder);
}

int CFaceItem::PictLeftX(int which) const {
    if (which == 0)
        return m_x + drawOffset[0];
    return kCanvasWidth - m_width - m_x + drawOffset[1];
}

FacePoint CFaceItem::OutlinePoint(int which, int i) const {
    which = which == 0 ? 0 : 1;
    const FacePoint& p = outline[which][std::clamp(i, 0, kOutlinePoints - 1)];
    return {p.x + PictLeftX(which), p.y + m_y};
}

int CFaceItem::OutlineMinX(int which) const {
    int result = OutlinePoint(which, 0).x;
    for (int i = 1; i < kOutlinePoints; ++i)
        result = std::min(result, OutlinePoint(which, i).x);
    return result;
}

int CFaceItem::OutlineMaxX(int which) const {
    int result = OutlinePoint(which, 0).x;
    for (int i = 1; i < kOutlinePoints; ++i)
        result = std::max(result, OutlinePoint(which, i).x);
    return result;
}

} // namespace mienlore
