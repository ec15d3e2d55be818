#include "reports/ui/PageText.h"

#include "shell/ui/DialogTranslator.h"
#include "shell/ui/WebPaneLoader.h"
#include "webpane/WebPaneInterface.h"

#include <QResizeEvent>

namespace mienlore {

CPageText::CPageText(const CFateFrame& fate, const CFaceFrame& face,
                     const std::filesystem::path& programFolder, QWidget* parent)
    : QFrame(parent), m_fate(fate), m_face(face), m_page(programFolder),
      m_loader(std::make_unique<CWebPaneLoader>(QString::fromStdString(programFolder.string()))) {
    SetDialogId(this, kDialogId);
    SetControlId(this, kFrameId);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

CPageText::~CPageText() = default;

void CPageText::SetMode(int mode) {
    m_page.SetMode(mode);
    setObjectName(Mode() == kInterpretationType ? QStringLiteral("pageType")
                                                : QStringLiteral("pageText"));
}

bool CPageText::EnsureWebView(const std::filesystem::path& path) {
    if (m_web || !m_loader->Pane())
        return false;
    // Made when the page first shows a document: until then the web engine
    // need not start.
    m_web = m_loader->Pane()->CreatePane(this, QString::fromStdString(path.string()));
    SetControlId(m_web, kWebViewId);
    m_web->setGeometry(rect().adjusted(2, 2, -2, -2));
    m_web->show();
    return true;
}

void CPageText::Refresh() {
    const int style = m_style ? m_style() : kPageStyleWhite;
    if (!m_page.Build(m_fate, m_face, style))
        return; // nothing to show yet: keep the last page
    std::string error;
    std::filesystem::path path;
    bool unchanged = false;
    if (!m_page.Write(&path, &error, &unchanged) && !m_toldFailure) {
        m_toldFailure = true;
        emit writeFailed(tr("The page cannot be written: %1").arg(QString::fromStdString(error)));
    }
    // The same text again: the shown page stays as it is (and where it was
    // scrolled to).
    if (unchanged && m_web && path == m_filePath)
        return;
    Show(path);
}

void CPageText::Show(const std::filesystem::path& path) {
    m_filePath = path;
    if (EnsureWebView(path))
        return;
    if (m_web && !path.empty())
        m_loader->Pane()->Navigate(m_web, QString::fromStdString(path.string()));
}

void CPageText::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (m_web)
        m_web->setGeometry(QRect(QPoint(0, 0), event->size()).adjusted(2, 2, -2, -2));
}

} // namespace mienlore
