#include "WebPanePlugin.h"

#include <QFileInfo>
#include <QUrl>
#include <QWebEngineView>

QWidget* WebPanePlugin::CreatePane(QWidget* parent) {
    return new QWebEngineView(parent);
}

void WebPanePlugin::Navigate(QWidget* pane, const QString& address) {
    auto* view = qobject_cast<QWebEngineView*>(pane);
    if (view == nullptr)
        return;
    // A plain path names a local file; anything with a scheme is an address.
    const QUrl url =
        QFileInfo::exists(address) ? QUrl::fromLocalFile(address) : QUrl::fromUserInput(address);
    view->setUrl(url);
}
