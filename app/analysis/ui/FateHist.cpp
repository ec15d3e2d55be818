#include "analysis/ui/FateHist.h"

#include "imaging/Devib.h"
#include "imaging/ui/DevibImage.h"

#include <QPainter>

#include <algorithm>

namespace mienlore {

CFateHist::CFateHist(int indicator, bool twoSided, QWidget* parent)
    : QWidget(parent), m_indicator(indicator), m_twoSided(twoSided),
      m_colours(&DefaultFateColours) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("hist%1").arg(indicator));
}

void CFateHist::SetValue(int value) {
    if (value >= 0)
        value = std::min(value, 100);
    else
        value = -1;
    if (value == m_value)
        return;
    m_value = value;
    update();
}

void CFateHist::SetColourSource(std::function<FateColours()> source) {
    m_colours = source ? std::move(source) : std::function<FateColours()>(&DefaultFateColours);
    update();
}

QRect CFateHist::InnerRect() const {
    return rect().adjusted(4, 4, -4, -4);
}

std::pair<int, int> CFateHist::BarLine() const {
    const QRect r = InnerRect();
    if (m_value < 0 || r.width() <= 0)
        return {0, 0};
    if (m_twoSided) {
        const int mid = r.left() + r.width() / 2;
        return {mid, mid + (m_value - 50) * r.width() / 100};
    }
    return {r.left(), r.left() + r.width() * m_value / 100};
}

std::pair<int, int> CFateHist::BarSpan() const {
    const auto [from, to] = BarLine();
    return from <= to ? std::pair{from, to} : std::pair{to, from};
}

void CFateHist::paintEvent(QPaintEvent*) {
    const FateColours c = m_colours();
    QPainter p(this);
    const QRect r = InnerRect();
    if (r.width() <= 0 || r.height() <= 0) {
        p.fillRect(rect(), c.background);
        return;
    }

    // The gradient and the soft bar, drawn off-screen. Gradient rectangles
    // include their right and bottom edges.
    CDevib picture;
    if (!picture.Create(width(), height()))
        return;
    picture.Fill(PixelWordFromColor(FromQColor(c.background)));
    const Colour lo = FromQColor(c.minimum);
    const Colour hi = FromQColor(c.maximum);
    const int mid = r.left() + r.width() / 2;
    if (m_twoSided) {
        picture.HorizontalGradient(ImageRect{r.left(), r.top(), mid, r.bottom()}, lo, hi);
        picture.HorizontalGradient(ImageRect{mid, r.top(), r.right(), r.bottom()}, hi, lo);
    } else {
        picture.HorizontalGradient(ImageRect{r.left(), r.top(), r.right(), r.bottom()}, lo, hi);
    }
    if (const auto [from, to] = BarLine(); to != from) {
        const int thick = 2 * (r.height() / 6);
        const int y = r.top() + r.height() / 2;
        const Colour line = FromQColor(c.line);
        picture.ThickLine(from, y, to, y, thick, line);
        picture.PyramidBlur(2, 0);
        picture.ThickLine(from, y, to, y, thick, line);
    }
    p.drawImage(0, 0, ToQImage(picture));

    p.setPen(QPen(c.background, 1));
    for (int i = 1; i <= 6; ++i) {
        const int x = r.left() + i * r.width() / 7;
        p.drawLine(x, r.top(), x, r.bottom());
    }
}

} // namespace mienlore
