#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

// What the program asks of the web view module: make a pane that shows HTML
// pages, and point a pane at a page (a file path or an address).
class IWebPane {
public:
    virtual ~IWebPane() = default;
    virtual QWidget* CreatePane(QWidget* parent) = 0;
    virtual void Navigate(QWidget* pane, const QString& address) = 0;
};

#define IWebPane_iid "org.orvanta.mienlore.IWebPane/1.0"
Q_DECLARE_INTERFACE(IWebPane, IWebPane_iid)
