#include "analysis/ui/FateTemper.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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
    const int cx = box.left() + box.width() / 2;
    const int cy = box.top() + box.height() / 2;
    const int w = box.width();
    const int h = box.height();

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addEllipse(QRectF(box).adjusted(-1, -1, 1, 1));
    p.setClipPath(clip);
    p.fillRect(rect(), c.grid);

    QLinearGradient g(0, box.top(), 0, box.bottom() + 1);
    g.setColorAt(0, c.minimum);
    g.setColorAt(1, c.maximum);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(box);

    if (m_x >= 0 && m_y >= 0) {
        const QPoint tip = PointerTip();
        QColor halo = c.line;
        halo.setAlpha(90);
        if (tip == QPoint(cx, cy)) {
            p.setBrush(halo);
            const int r1 = (m_pointerWidth + 4) / 2;
            p.drawEllipse(QPoint(cx, cy), r1, r1);
            p.setBrush(c.line);
            const int r2 = std::max(m_pointerWidth / 2, 1);
            p.drawEllipse(QPoint(cx, cy), r2, r2);
        } else {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(halo, m_pointerWidth + 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPoint(cx, cy), tip);
            p.setPen(QPen(c.line, m_pointerWidth, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPoint(cx, cy), tip);
        }
        const int dx = tip.x() - cx;
        const int dy = tip.y() - cy;
        const int radius = static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
        if (radius > 0) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c.line, 1));
            p.drawEllipse(QPoint(cx, cy), radius, radius);
        }
    }

    // The grid: four rings and eight spokes from the first ring to the fourth.
    p.setRenderHint(QPainter::Antialiasing, false);
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
