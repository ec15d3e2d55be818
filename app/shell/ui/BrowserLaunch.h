#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QObject;
class QWidget;

namespace mienlore {

// Opens an address with the desktop's opener (xdg-open) without waiting for
// it. The opener is watched for watchMs: when it cannot be started, or ends
// with a failure in that time (a browser that refuses to run ends so),
// onFailure gets the reason, on the event loop. An opener still running
// after that is taken to have started the browser. Without the opener
// program the address goes to Qt's own desktop services.
void OpenInBrowser(const QUrl& url, QObject* owner, std::function<void(const QString&)> onFailure,
                   int watchMs = 5000, const QString& opener = QStringLiteral("xdg-open"));

// Shows a warning without running an event loop of its own: a failure found
// by a watcher arrives while other windows (a dialog being closed, say) may be
// inside theirs, and a nested modal loop there could never be left.
void ShowWarningWithoutWaiting(QWidget* parent, const QString& title, const QString& text);

} // namespace mienlore
