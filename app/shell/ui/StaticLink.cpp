#include "shell/ui/StaticLink.h"

#include "shell/ui/BrowserLaunch.h"
#include "shell/ui/UiStrings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace mienlore {
namespace {
constexpr int kLinkBrowserDidNotStart = 32610;
} // namespace

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
    if (!m_address.isValid() || m_address.isEmpty()) {
        QApplication::beep();
        return false;
    }
    if (m_opener) {
        const bool opened = m_opener(m_address);
        if (!opened)
            QApplication::beep();
        return opened;
    }
    // The browser is started without waiting; one that does not start is
    // told with the address, so that the user can open it another way.
    const QString address = m_address.toDisplayString();
    OpenInBrowser(m_address, this, [this, address](const QString& reason) {
        QApplication::beep();
        ShowWarningWithoutWaiting(window(), window()->windowTitle(),
                                  FillIn(UiString(kLinkBrowserDidNotStart),
                                         {QStringLiteral(" (") + reason + ')', address}));
    });
    return true;
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
