#include "shell/ui/StaticLink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

namespace mienlore {

CStaticLink::CStaticLink(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    setTextFormat(Qt::PlainText);
}

void CStaticLink::SetLink(const QString& text, const QString& address) {
    if (text == this->text())
        return;
    setText(text);
    m_address = QUrl(address);
    setToolTip(address);
}

bool CStaticLink::Open() {
    const bool opened = m_address.isValid() && !m_address.isEmpty() &&
                        (m_opener ? m_opener(m_address) : QDesktopServices::openUrl(m_address));
    if (!opened)
        QApplication::beep();
    return opened;
}

void CStaticLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Open();
    QLabel::mouseReleaseEvent(event);
}

void CStaticLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace mienlore
