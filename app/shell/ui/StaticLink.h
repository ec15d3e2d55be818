#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

namespace mienlore {

// A static text shown underlined in the link colour with a hand cursor; a
// click opens its address with the desktop's "open" action, or beeps when
// that fails.
class CStaticLink : public QLabel {
    Q_OBJECT
public:
    explicit CStaticLink(QWidget* parent = nullptr);

    // Changes text and address only when the text differs from the one shown.
    void SetLink(const QString& text, const QString& address);
    QString Address() const { return m_address.toString(); }

    // Opens the address as a click does; false (after a beep) when it cannot.
    // A browser that then fails to start is told in a message box.
    bool Open();
    // What opens addresses (the desktop by default); for tests.
    void SetOpener(std::function<bool(const QUrl&)> opener) { m_opener = std::move(opener); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QUrl m_address;
    std::function<bool(const QUrl&)> m_opener;
};

} // namespace mienlore
