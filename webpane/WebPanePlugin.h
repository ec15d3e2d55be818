#pragma once

#include "WebPaneInterface.h"

#include <QObject>

// The web view module: panes backed by Qt WebEngine.
class WebPanePlugin : public QObject, public IWebPane {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IWebPane_iid)
    Q_INTERFACES(IWebPane)
public:
    QWidget* CreatePane(QWidget* parent) override;
    void Navigate(QWidget* pane, const QString& address) override;
};
