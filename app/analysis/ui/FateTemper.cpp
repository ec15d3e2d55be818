#include "analysis/ui/FateTemper.h"

#include "imaging/Devib.h"
#include "imaging/ui/DevibImage.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace mienlore {

CFateTemper::CFateTemper(QWidget* parent) : QWidget(parent), m_colours(&DefaultFateColours) {
    setObjectName(QStringLiteral("temper"));
}

bool CFateTemper::SetPoint(int x, int y) {
    if (x < 0 || x > 100 || y < 0 || y > 100)
        return false;
    if (x == m_x && y == m_y)
        return false;
    m_x = x;
    m_y = y;
    update();
    return true;
}

void CFateTemper::SetColourSource(std::function<FateColours()> source) {
    m_colours = source ? std::move(source) : std::function<FateColours()>(&DefaultFateColours);
    update();
}

QRect CFateTemper::CircleBox() const {
    const int m = m_pointerWidth + 2;
    QRect r = rect().adjusted(m, m, -m, -m);
    if (r.width() <= 0 || r.height() <= 0)
        return {};
    // Keep the circle round on screens whose pixels are not square.
    const int dpiX = std::max(logicalDpiX(), 1);
    const int dpiY = std::max(logicalDpiY(), 1);
    int w = r.width();
    int h = w * dpiY / dpiX;
    if (h > r.height()) {
        h = r.height();
        w = h * dpiX / dpiY;
    }
    return QRect(r.left() + (r.width() - w) / 2, r.top() + (r.height() - h) / 2, w, h);
}

QPoint CFateTemper::PointerTip() const {
    const QRect box = CircleBox();
    const int cx = box.left() + box.width() / 2;
    const int cy = box.top() + box.height() / 2;
    if (m_x < 0 || m_y < 0)
        return {cx, cy};
    const int w = box.width();
    const int h = box.height();
    return {cx + (w / 2) * (m_x - 50) / 80, cy - (h / 2) * (m_y - 50) / 80};
}

void CFateTemper::paintEvent(QPaintEvent*) {
    const QRect box = CircleBox();
    if (box.isEmpty())
        return;
    const FateColours c = m_colours();
    const Colour line = FromQColor(c.line);
    const int cx = box.left() + box.width() / 2;
    const int cy = box.top() + box.height() / 2;
    const int w = box.width();
    const int h = box.height();

    // The gradient disc, the soft pointer and its ring, drawn off-screen.
    CDevib picture;
    if (!picture.Create(width(), height()))
        return;
    picture.Fill(PixelWordFromColor(FromQColor(c.grid)));
    picture.EllipseGradient(ImageRect{box.left(), box.top(), box.left() + w, box.top() + h},
                            FromQColor(c.minimum), FromQColor(c.minimum), FromQColor(c.maximum),
                            FromQColor(c.maximum));
    if (m_x >= 0 && m_y >= 0) {
        const QPoint tip = PointerTip();
        // A line leaves out its end point, so a pointer of length 0 (the
        // centre itself) is drawn as its first spot: the centre dot.
        const auto pointer = [&](int thickness) {
            if (tip == QPoint(cx, cy))
                picture.Spot(cx, cy, std::max(thickness / 2, 1), line);
            else
                picture.ThickLine(cx, cy, tip.x(), tip.y(), thickness, line);
        };
        pointer(m_pointerWidth + 2);
        picture.PyramidBlur(2, 0);
        pointer(m_pointerWidth);
        const int dx = tip.x() - cx;
        const int dy = tip.y() - cy;
        picture.Ring(cx, cy, static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy))),
                     line);
    }

    QPainter p(this);
    QPainterPath clip;
    clip.addEllipse(QRectF(box).adjusted(-1, -1, 1, 1));
    p.setClipPath(clip);
    p.drawImage(0, 0, ToQImage(picture));

    // The grid: four rings and eight spokes from the first ring to the fourth.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.grid, 1));
    for (int k = 1; k <= 4; ++k)
        p.drawEllipse(QPoint(cx, cy), (w * k / 2) / 5, (h * k / 2) / 5);
    for (int i = 0; i < 8; ++i) {
        const double a = (2 * i + 1) * 6.24318 / 16;
        const double ca = std::cos(a);
        const double sa = std::sin(a);
        const double rx1 = (w / 2) / 5.0, ry1 = (h / 2) / 5.0;
        const double rx4 = (w * 4 / 2) / 5.0, ry4 = (h * 4 / 2) / 5.0;
        p.drawLine(QPointF(cx + rx1 * ca, cy - ry1 * sa), QPointF(cx + rx4 * ca, cy - ry4 * sa));
    }
}

} // namespace mienlore
