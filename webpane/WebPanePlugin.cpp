#include "WebPanePlugin.h"
#include "ResScheme.h"

#include <QFileInfo>
#include <QResizeEvent>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

QUrl PaneTextToUrl(const QString& text) {
    if (text.startsWith(QLatin1Char('/')) || QFileInfo::exists(text))
        return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    return QUrl::fromUserInput(text);
}

WebPaneWidget::WebPaneWidget(QWebEngineProfile* profile, QWidget* parent)
    : QWidget(parent), m_view(new QWebEngineView(this)) {
    setObjectName(QStringLiteral("webPane"));
    auto* page = new QWebEnginePage(profile, m_view);
    m_view->setPage(page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    QWebEngineSettings* s = page->settings();
    // The page scrolls with the wheel and keys but shows no bars.
    s->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    s->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, true);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // Our pages are UTF-8, with or without a charset of their own.
    s->setDefaultTextEncoding(QStringLiteral("utf-8"));
    connect(m_view, &QWebEngineView::loadStarted, this, [this] {
        m_loading = true;
        emit loadStarted();
    });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_loading = false;
        emit loadFinished(ok);
    });
}

void WebPaneWidget::SetText(const QString& text) {
    if (text.isEmpty())
        return;
    const QUrl url = PaneTextToUrl(text);
    m_loading = true; // until the page has loaded
    if (url == m_view->url())
        m_view->triggerPageAction(QWebEnginePage::ReloadAndBypassCache);
    else
        m_view->setUrl(url);
}

void WebPaneWidget::resizeEvent(QResizeEvent* event) {
    m_view->setGeometry(QRect(QPoint(0, 0), event->size()));
}

WebPanePlugin::WebPanePlugin() {
    // Chromium refuses its sandbox to root; the panes only show our own pages.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Schemes must be known before the first profile exists.
    RegisterResScheme();
}

QWebEngineProfile* WebPanePlugin::Profile() {
    if (!m_profile) {
        // Off the record: nothing is kept on disk between runs; no cache, so
        // a page written again is always read again.
        m_profile = new QWebEngineProfile(this);
        m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
        m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        InstallResScheme(m_profile);
        // No downloads: a request is never accepted.
        connect(m_profile, &QWebEngineProfile::downloadRequested, this,
                [](QWebEngineDownloadRequest* request) { request->cancel(); });
    }
    return m_profile;
}

QWidget* WebPanePlugin::CreatePane(QWidget* parent, const QString& text) {
    auto* pane = new WebPaneWidget(Profile(), parent);
    pane->SetText(text);
    return pane;
}

void WebPanePlugin::Navigate(QWidget* pane, const QString& text) {
    if (auto* w = qobject_cast<WebPaneWidget*>(pane))
        w->SetText(text);
}

void WebPanePlugin::RunScript(QWidget* pane, const QString& script,
                              std::function<void(const QVariant&)> done) {
    auto* w = qobject_cast<WebPaneWidget*>(pane);
    if (!w) {
        if (done)
            done(QVariant());
        return;
    }
    w->View()->page()->runJavaScript(script, [done](const QVariant& v) {
        if (done)
            done(v);
    });
}
