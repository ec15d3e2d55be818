#pragma once

#include "WebPaneInterface.h"

#include <QObject>
#include <QUrl>
#include <QWidget>

class QWebEngineProfile;
class QWebEngineView;

// One pane: a web view without scroll bars, context menu, plugins, media
// autoplay or downloads, filling the pane.
class WebPaneWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool loading READ IsLoading)
public:
    WebPaneWidget(QWebEngineProfile* profile, QWidget* parent);
    void SetText(const QString& text);
    bool IsLoading() const { return m_loading; }
    QWebEngineView* View() const { return m_view; }

signals:
    void loadStarted();
    void loadFinished(bool ok);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWebEngineView* m_view;
    bool m_loading = false;
};

// The web view module: panes backed by Qt WebEngine, with the "res://"
// scheme that serves pictures from resource packs.
class WebPanePlugin : public QObject, public IWebPane {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IWebPane_iid)
    Q_INTERFACES(IWebPane)
public:
    WebPanePlugin();
    QWidget* CreatePane(QWidget* parent, const QString& text) override;
    void Navigate(QWidget* pane, const QString& text) override;
    void RunScript(QWidget* pane, const QString& script,
                   std::function<void(const QVariant&)> done) override;

private:
    QWebEngineProfile* Profile();
    QWebEngineProfile* m_profile = nullptr;
};

// The URL a pane's text stands for: a plain path is a local file, anything
// with a scheme an address.
QUrl PaneTextToUrl(const QString& text);
