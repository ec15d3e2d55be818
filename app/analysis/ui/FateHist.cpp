#include "analysis/ui/FateHist.h"

#include <QLinearGradient>
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

std::pair<int, int> CFateHist::BarSpan() const {
    const QRect r = InnerRect();
    if (m_value < 0 || r.width() <= 0)
        return {0, 0};
    int from = 0;
    int to = 0;
    if (m_twoSided) {
        from = r.left() + r.width() / 2;
        to = from + (m_value - 50) * r.width() / 100;
    } else {
        from = r.left();
        to = r.left() + r.width() * m_value / 100;
    }
    return from <= to ? std::pair{from, to} : std::pair{to, from};
}

void CFateHist::paintEvent(QPaintEvent*) {
    const FateColours c = m_colours();
    QPainter p(this);
    p.fillRect(rect(), c.background);
    const QRect r = InnerRect();
    if (r.width() <= 0 || r.height() <= 0)
        return;

    if (m_twoSided) {
        const int mid = r.left() + r.width() / 2;
        QLinearGradient left(r.left(), 0, mid, 0);
        left.setColorAt(0, c.minimum);
        left.setColorAt(1, c.maximum);
        p.fillRect(QRect(r.left(), r.top(), mid - r.left(), r.height()), left);
        QLinearGradient right(mid, 0, r.right() + 1, 0);
        right.setColorAt(0, c.maximum);
        right.setColorAt(1, c.minimum);
        p.fillRect(QRect(mid, r.top(), r.right() + 1 - mid, r.height()), right);
    } else {
        QLinearGradient g(r.left(), 0, r.right() + 1, 0);
        g.setColorAt(0, c.minimum);
        g.setColorAt(1, c.maximum);
        p.fillRect(r, g);
    }

    const auto [from, to] = BarSpan();
    if (to > from) {
        // A soft halo under the bar, then the bar itself.
        const int thick = std::max(2 * (r.height() / 6), 1);
        const int y = r.top() + r.height() / 2;
        QColor halo = c.line;
        halo.setAlpha(90);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(halo, thick + 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, y, to, y);
        p.setPen(QPen(c.line, thick, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(from, y, to, y);
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    p.setPen(QPen(c.background, 1));
    for (int i = 1; i <= 6; ++i) {
        const int x = r.left() + i * r.width() / 7;
        p.drawLine(x, r.top(), x, r.bottom());
    }
}

} // namespace mienlore
