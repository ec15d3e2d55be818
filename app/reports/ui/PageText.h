#pragma once

#include "reports/Interpretation.h"

#include <QFrame>

#include <filesystem>
#include <functional>
#include <memory>

namespace mienlore {

class CFaceFrame;
class CFateFrame;
class CWebPaneLoader;

// The trait text page ("Text", mode 0) and the personality-type page
// ("PType", mode 1) of the page area: writes the interpretation of the
// current face to its "text.htm" and shows it in a web view 2 pixels inside
// the page's frame. Without the web view module the page stays empty.
class CPageText : public QFrame {
    Q_OBJECT
public:
    static constexpr int kDialogId = 162;
    static constexpr int kWebViewId = 1000;
    static constexpr int kFrameId = 1015;

    CPageText(const CFateFrame& fate, const CFaceFrame& face,
              const std::filesystem::path& programFolder, QWidget* parent = nullptr);
    ~CPageText() override;

    // 0 = trait text, 1 = personality types; anything else is 0.
    void SetMode(int mode);
    int Mode() const { return m_page.Mode(); }
    // The page style (0 black, 1 white), asked at each refresh.
    void SetStyleSource(std::function<int()> style) { m_style = std::move(style); }

    // Rebuilds and shows the document for the current face.
    void Refresh();

    // The web view (nullptr while none is made or without the module).
    QWidget* WebView() const { return m_web; }
    // The file last written and shown.
    const std::filesystem::path& FilePath() const { return m_filePath; }
    const CInterpretationDocument& Document() const { return m_page.Document(); }

signals:
    // The page could not write its file (shown on the status bar).
    void writeFailed(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Makes the web view showing path; false when there already is one (or
    // no module).
    bool EnsureWebView(const std::filesystem::path& path);
    void Show(const std::filesystem::path& path);

    const CFateFrame& m_fate;
    const CFaceFrame& m_face;
    CInterpretationPage m_page;
    std::function<int()> m_style;
    std::unique_ptr<CWebPaneLoader> m_loader;
    QWidget* m_web = nullptr;
    std::filesystem::path m_filePath;
    bool m_toldFailure = false;
};

} // namespace mienlore
