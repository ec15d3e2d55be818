#pragma once

#include <QString>
#include <QVariant>
#include <QtPlugin>

#include <functional>

class QWidget;

// What the program asks of the web view module. A pane is a child widget
// that shows the page whose address (a file path or a URL) it is given as its
// text: at creation and after every change of the text. An empty text does
// not navigate; the same address given again loads the page again, past any
// cache. The pane fills the rectangle it is given.
//
// Panes emit loadStarted() and loadFinished(bool ok) (connect by signature)
// and carry the property "loading" while a page loads.
class IWebPane {
public:
    virtual ~IWebPane() = default;
    virtual QWidget* CreatePane(QWidget* parent, const QString& text = QString()) = 0;
    // Sets the pane's text: navigates to it unless it is empty.
    virtual void Navigate(QWidget* pane, const QString& text) = 0;
    // Runs a script in the shown page; done receives its result.
    virtual void RunScript(QWidget* pane, const QString& script,
                           std::function<void(const QVariant&)> done) = 0;
};

#define IWebPane_iid "org.orvanta.mienlore.IWebPane/2.0"
Q_DECLARE_INTERFACE(IWebPane, IWebPane_iid)
