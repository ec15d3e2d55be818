#include "Review.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace mienlore::faceart {
namespace {

// The picture as the face window's default smoothing shows it: a Gaussian
// glow of weight exp(-dx²/5² - dy²/6²), on the paper around the picture.
QImage Glow(const QImage& pic) {
    constexpr int sx = 5;
    constexpr int sy = 6;
    constexpr int rx = sx * 3 / 2;
    constexpr int ry = sy * 3 / 2;
    // The weight is separable: blur the rows, then the columns.
    double kx[2 * rx + 1];
    double ky[2 * ry + 1];
    for (int d = -rx; d <= rx; ++d)
        kx[d + rx] = std::exp(-double(d * d) / (sx * sx));
    for (int d = -ry; d <= ry; ++d)
        ky[d + ry] = std::exp(-double(d * d) / (sy * sy));
    const int w = pic.width();
    const int h = pic.height();
    auto at = [&](int x, int y) -> double {
        return x >= 0 && y >= 0 && x < w && y < h ? pic.constScanLine(y)[x] : 255.0;
    };
    std::vector<double> rows(static_cast<std::size_t>((w + 2 * rx) * (h + 2 * ry)), 255.0);
    const int rw = w + 2 * rx;
    for (int y = -ry; y < h + ry; ++y)
        for (int x = 0; x < w; ++x) {
            double sum = 0;
            double weight = 0;
            for (int d = -rx; d <= rx; ++d) {
                sum += kx[d + rx] * at(x + d, y);
                weight += kx[d + rx];
            }
            rows[static_cast<std::size_t>((y + ry) * rw + x + rx)] = sum / weight;
        }
    QImage out(pic.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        uchar* row = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            double sum = 0;
            double weight = 0;
            for (int d = -ry; d <= ry; ++d) {
                sum += ky[d + ry] * rows[static_cast<std::size_t>((y + d + ry) * rw + x + rx)];
                weight += ky[d + ry];
            }
            row[x] = static_cast<uchar>(std::lround(sum / weight));
        }
    }
    return out;
}

QImage ContactSheet(const SlotArt& slot, const std::vector<QImage>& pictures, bool glow) {
    const int zoom = slot.width < 100 ? 3 : 2;
    const int cellW = std::max(slot.width * zoom, 120) + 12;
    const int cellH = slot.height * zoom + 26;
    const int labelW = 170;
    const int headH = 40;
    QImage sheet(labelW + cellW * slot.variants, headH + cellH * slot.shapes, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 240));
    QPainter p(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(6, 4, 400, 18), Qt::AlignLeft,
               QString("%1 (%2)  %3x%4%5")
                   .arg(slot.title)
                   .arg(slot.tag)
                   .arg(slot.width)
                   .arg(slot.height)
                   .arg(glow ? "  as smoothing 2 shows it" : ""));
    for (int v = 0; v < slot.variants; ++v)
        p.drawText(QRect(labelW + v * cellW, 22, cellW, 16), Qt::AlignCenter,
                   QString::fromStdString(VariantName(slot, v)));
    for (int shape = 0; shape < slot.shapes; ++shape) {
        p.drawText(QRect(4, headH + shape * cellH, labelW - 8, cellH),
                   Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::fromStdString(ShapeName(slot, shape)));
        for (int v = 0; v < slot.variants; ++v) {
            const int index =
                slot.variantMajor ? v * slot.shapes + shape : shape * slot.variants + v;
            const QImage pic = glow ? Glow(pictures[static_cast<std::size_t>(index)])
                                    : pictures[static_cast<std::size_t>(index)];
            const QImage big = pic.scaled(pic.width() * zoom, pic.height() * zoom);
            const int x = labelW + v * cellW + (cellW - big.width()) / 2;
            const int y = headH + shape * cellH + 4;
            p.drawImage(x, y, big);
            p.drawText(QRect(labelW + v * cellW, y + big.height() + 2, cellW, 14), Qt::AlignCenter,
                       QString("#%1").arg(index));
        }
    }
    return sheet;
}

struct Choice {
    int shape;
    int variant;
};

// Darkening composition of one picture onto the canvas (mirrored for side -1).
void Darken(QImage& canvas, const QImage& pic, int x, int y, bool mirror, int width = 0) {
    QImage src = mirror ? pic.mirrored(true, false) : pic;
    if (width > 0 && width != src.width()) {
        x -= (width - src.width()) / 2;
        src = src.scaled(width, src.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    for (int row = 0; row < src.height(); ++row) {
        const int cy = y + row;
        if (cy < 0 || cy >= canvas.height())
            continue;
        const uchar* s = src.constScanLine(row);
        uchar* d = canvas.scanLine(cy);
        for (int col = 0; col < src.width(); ++col) {
            const int cx = x + col;
            if (cx < 0 || cx >= canvas.width() || s[col] >= 254)
                continue;
            d[cx] = std::min(d[cx], s[col]);
        }
    }
}

int IndexOf(const SlotArt& slot, Choice c) {
    return slot.variantMajor ? c.variant * slot.shapes + c.shape
                             : c.shape * slot.variants + c.variant;
}

QImage Compose(const PictureSet& pictures, const Choice (&face)[12]) {
    QImage canvas(260, 270, QImage::Format_Grayscale8);
    canvas.fill(255);
    const std::vector<SlotArt>& all = Slots();
    auto pic = [&](int n) -> const QImage& {
        const SlotArt& slot = all[static_cast<std::size_t>(n - 1)];
        return pictures.at(n)[static_cast<std::size_t>(IndexOf(slot, face[n - 1]))];
    };
    // Ears follow the lower left corner of the forehead outline.
    int earX = 13;
    {
        const QImage& fh = pic(1);
        for (int row = fh.height() - 1, found = 0; row >= 0 && !found; --row)
            for (int col = 0; col < fh.width(); ++col)
                if (fh.constScanLine(row)[col] < 240) {
                    earX = 40 + col - 16;
                    found = 1;
                    break;
                }
    }
    const int order[] = {3, 2, 1, 4, 5, 6, 7, 8, 12, 9, 10, 11};
    for (int n : order) {
        const SlotArt& slot = all[static_cast<std::size_t>(n - 1)];
        const Choice c = face[n - 1];
        const bool accessory = n >= 9;
        if (accessory ? IndexOf(slot, c) == 0 : c.shape + 1 >= slot.shapes)
            continue;
        const int x = n == 8 ? earX : slot.x;
        if (slot.paired) {
            Darken(canvas, pic(n), x, slot.y, true);
            Darken(canvas, pic(n), 260 - slot.width - x, slot.y, false);
        } else {
            Darken(canvas, pic(n), x, slot.y, false, n == 7 ? slot.width * 12 / 10 : 0);
        }
    }
    return canvas;
}

QImage FacesSheet(const PictureSet& pictures) {
    // lo sc ch ey br no mo ea ha mu be gl
    static const Choice kFaces[][12] = {
        {{1, 1},
         {8, 0},
         {2, 2},
         {3, 0},
         {4, 0},
         {2, 2},
         {1, 1},
         {1, 1},
         {0, 0},
         {0, 0},
         {0, 0},
         {0, 0}},
        {{0, 0},
         {0, 0},
         {3, 4},
         {0, 0},
         {10, 0},
         {6, 5},
         {2, 3},
         {2, 1},
         {3, 1},
         {0, 0},
         {0, 0},
         {0, 0}},
        {{2, 1},
         {10, 1},
         {0, 5},
         {6, 2},
         {7, 1},
         {7, 3},
         {4, 0},
         {3, 2},
         {5, 2},
         {3, 1},
         {0, 0},
         {2, 0}},
        {{3, 2},
         {14, 2},
         {4, 0},
         {8, 1},
         {11, 2},
         {4, 0},
         {0, 2},
         {0, 0},
         {7, 4},
         {0, 0},
         {2, 2},
         {0, 0}},
        {{5, 1},
         {3, 0},
         {1, 3},
         {1, 1},
         {5, 3},
         {3, 4},
         {3, 1},
         {4, 1},
         {1, 6},
         {1, 2},
         {3, 1},
         {0, 1}},
        {{6, 0},
         {1, 2},
         {3, 4},
         {4, 0},
         {13, 5},
         {5, 1},
         {2, 2},
         {5, 2},
         {0, 0},
         {4, 2},
         {4, 2},
         {3, 0}},
        {{7, 1},
         {12, 1},
         {2, 1},
         {9, 2},
         {2, 0},
         {0, 0},
         {0, 3},
         {1, 0},
         {0, 0},
         {0, 0},
         {0, 0},
         {8, 1}},
        {{4, 2},
         {5, 0},
         {4, 3},
         {5, 0},
         {8, 4},
         {1, 0},
         {4, 2},
         {2, 0},
         {8, 9},
         {0, 0},
         {0, 0},
         {0, 0}},
    };
    constexpr int count = sizeof kFaces / sizeof kFaces[0];
    constexpr int zoom = 2;
    QImage sheet(4 * 260 * zoom, ((count + 3) / 4) * 270 * zoom, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int i = 0; i < count; ++i) {
        const QImage face = Compose(pictures, kFaces[i]);
        p.drawImage(
            (i % 4) * 260 * zoom, (i / 4) * 270 * zoom,
            face.scaled(260 * zoom, 270 * zoom, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return sheet;
}

// The initial face wearing every cut in one style, then every style in one cut.
QImage HairSheet(const PictureSet& pictures) {
    const Choice base[12] = {{1, 1}, {8, 0}, {2, 2}, {3, 0}, {4, 0}, {2, 2},
                             {1, 1}, {1, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
    constexpr int zoom = 2;
    QImage sheet(10 * 260 * zoom / 2, 2 * 270 * zoom / 2, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 10; ++i) {
            Choice face[12];
            std::copy(std::begin(base), std::end(base), face);
            face[8] = row == 0 ? Choice{i, 1} : Choice{7, i};
            p.drawImage(i * 260, row * 270, Compose(pictures, face));
        }
    return sheet;
}

} // namespace

bool WriteReviewSheets(const PictureSet& pictures, const QString& folder) {
    bool ok = true;
    for (const SlotArt& slot : Slots())
        for (bool glow : {false, true}) {
            const QImage sheet = ContactSheet(slot, pictures.at(slot.number), glow);
            ok = sheet.save(folder + QString("/sheet_%1_%2%3.png")
                                         .arg(slot.number, 2, 10, QChar('0'))
                                         .arg(slot.tag)
                                         .arg(glow ? "_s2" : "")) &&
                 ok;
        }
    ok = FacesSheet(pictures).save(folder + "/faces.png") && ok;
    ok = HairSheet(pictures).save(folder + "/hair.png") && ok;
    return ok;
}

} // namespace mienlore::faceart
