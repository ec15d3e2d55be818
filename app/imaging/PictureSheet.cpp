#include "imaging/PictureSheet.h"

#include "base/TextEncoding.h"
#include "imaging/BitmapFont.h"
#include "model/FaceNames.h"
#include "model/SlotCatalogue.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace mienlore {
namespace {

constexpr PixelWord kBackground = GreyPixel(236);
constexpr PixelWord kText = GreyPixel(0);
constexpr PixelWord kFaint = GreyPixel(110);
constexpr PixelWord kFrame = GreyPixel(200);
constexpr int kMargin = 8;
constexpr int kGap = 10;

void SetTopDown(CDevib& image, int x, int y, PixelWord word) {
    if (image.Contains(x, y))
        image.SetPixel(x, image.Height() - 1 - y, word);
}

void FillRect(CDevib& image, int left, int top, int width, int height, PixelWord word) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            SetTopDown(image, x, y, word);
}

void FrameRect(CDevib& image, int left, int top, int width, int height, PixelWord word) {
    for (int x = left - 1; x <= left + width; ++x) {
        SetTopDown(image, x, top - 1, word);
        SetTopDown(image, x, top + height, word);
    }
    for (int y = top - 1; y <= top + height; ++y) {
        SetTopDown(image, left - 1, y, word);
        SetTopDown(image, left + width, y, word);
    }
}

// Copies the picture with each pixel zoom × zoom times, top-left at (x, y).
void DrawPicture(CDevib& image, const CDevib& picture, int x, int y, int zoom) {
    for (int row = 0; row < picture.Height(); ++row) {
        const PixelWord* line = picture.Pixels() + (picture.Height() - 1 - row) * picture.Width();
        for (int col = 0; col < picture.Width(); ++col) {
            const int grey = LumaInt(line[col]);
            FillRect(image, x + col * zoom, y + row * zoom, zoom, zoom, GreyPixel(grey));
        }
    }
}

void CrossOut(CDevib& image, int left, int top, int width, int height) {
    const int n = std::max(width, height);
    for (int i = 0; i < n; ++i) {
        SetTopDown(image, left + i * width / n, top + i * height / n, kFaint);
        SetTopDown(image, left + width - 1 - i * width / n, top + i * height / n, kFaint);
    }
}

} // namespace

CDevib BuildPictureSheet(const CFaceItem& item, CFeaturePictures& store,
                         const StringOverride& strings) {
    const int zoom = item.PictWidth() < 100 ? 2 : 1;
    const int picW = item.PictWidth() * zoom;
    const int picH = item.PictHeight() * zoom;
    const int cellW = std::max(picW, 16 * kGlyphCellWidth);
    const int cellH = picH + kGlyphCellHeight + 4;
    int labelW = 0;
    for (int shape = 0; shape < item.Shapes(); ++shape)
        labelW = std::max(labelW, BitmapTextWidth(ShapeName(item, shape, strings)));
    labelW = std::min(labelW, 30 * kGlyphCellWidth) + kGap;
    const int headerH = 2 * kGlyphCellHeight * 2 + kGlyphCellHeight + 8;

    const int width = kMargin * 2 + labelW + item.Variants() * (cellW + kGap);
    const int height = kMargin * 2 + headerH + item.Shapes() * (cellH + kGap);
    CDevib sheet;
    if (!sheet.Create(width, height))
        return sheet;
    sheet.Fill(kBackground);

    const std::string caption =
        InterfaceName(static_cast<unsigned>(item.Slot()), item.Tag(), strings);
    DrawBitmapText(sheet, kMargin, kMargin, caption, kText, 2);
    DrawBitmapText(sheet, kMargin, kMargin + 2 * kGlyphCellHeight + 2,
                   std::to_string(item.Shapes()) + " shapes x " + std::to_string(item.Variants()) +
                       " variants, " + std::to_string(item.PictWidth()) + "x" +
                       std::to_string(item.PictHeight()) +
                       (item.IsPaired() ? ", right-hand picture" : ""),
                   kFaint);
    const int gridTop = kMargin + headerH;
    const int gridLeft = kMargin + labelW;
    for (int variant = 0; variant < item.Variants(); ++variant) {
        const std::string name = FitBitmapText(VariantName(item, variant, strings), cellW);
        DrawBitmapText(sheet,
                       gridLeft + variant * (cellW + kGap) + (cellW - BitmapTextWidth(name)) / 2,
                       gridTop - kGlyphCellHeight - 4, name, kText);
    }
    for (int shape = 0; shape < item.Shapes(); ++shape) {
        const int top = gridTop + shape * (cellH + kGap);
        const std::string name = FitBitmapText(ShapeName(item, shape, strings), labelW - kGap);
        DrawBitmapText(sheet, kMargin, top + (picH - kGlyphCellHeight) / 2, name, kText);
        for (int variant = 0; variant < item.Variants(); ++variant) {
            const int left = gridLeft + variant * (cellW + kGap) + (cellW - picW) / 2;
            const int index =
                PictureIndex(item.IsVariantMajor(), item.Shapes(), item.Variants(), shape, variant);
            FrameRect(sheet, left, top, picW, picH, kFrame);
            FillRect(sheet, left, top, picW, picH, GreyPixel(255));
            const CDevib picture = store.LoadPicture(item, item.IsPaired() ? 1 : 0, index);
            if (picture.IsEmpty())
                CrossOut(sheet, left, top, picW, picH);
            else
                DrawPicture(sheet, picture, left, top, zoom);
            // Built by insert rather than operator+: GCC 12 at -O3 reports a false
            // overlapping-copy warning for "literal" + std::string.
            std::string number = std::to_string(index);
            number.insert(0, 1, '#');
            DrawBitmapText(sheet, left + (picW - BitmapTextWidth(number)) / 2, top + picH + 3,
                           number, kFaint);
        }
    }
    return sheet;
}

int SlotIndexByName(std::string_view name) {
    static const char* const kWords[kFaceSlotCount] = {
        "forehead", "cheek-bones", "chin", "eyes",      "eyebrows", "nose",
        "lips",     "ears",        "hair", "moustache", "beard",    "glasses"};
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (error == std::errc() && end == name.data() + name.size())
        return FaceSlotIndex(number);
    for (int i = 0; i < kFaceSlotCount; ++i)
        if (EqualsNoCase(name, SlotCatalogue(i).tag) || EqualsNoCase(name, kWords[i]))
            return i;
    return -1;
}

} // namespace mienlore
