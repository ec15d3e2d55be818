#include "gallery/ui/PictToolTip.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace mienlore {
namespace {
constexpr int kMargin = 4;
} // namespace

CPictToolTip::CPictToolTip(QWidget* owner) : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("pictToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize CPictToolTip::sizeHint() const {
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, 400, 400), Qt::AlignLeft, m_text);
    return text.size() + QSize(2 * kMargin + 2, 2 * kMargin + 2);
}

void CPictToolTip::ShowText(const QPoint& globalPos, const QString& text) {
    if (text.isEmpty()) {
        m_text.clear();
        hide();
        return;
    }
    if (text != m_text) {
        m_text = text;
        resize(sizeHint());
        update();
    }
    QPoint at = globalPos + QPoint(12, 18);
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect avail = screen->availableGeometry();
        if (at.x() + width() > avail.right())
            at.setX(globalPos.x() - width() - 4);
        if (at.y() + height() > avail.bottom())
            at.setY(globalPos.y() - height() - 4);
    }
    move(at);
    show();
    raise();
}

void CPictToolTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::ToolTipBase));
    p.setPen(pal.color(QPalette::ToolTipText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect().adjusted(kMargin + 1, kMargin + 1, -kMargin - 1, -kMargin - 1),
               Qt::AlignLeft | Qt::AlignTop, m_text);
}

} // namespace mienlore
