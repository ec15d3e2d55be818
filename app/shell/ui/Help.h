#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QWidget>

#include <filesystem>
#include <memory>

class QHelpEngine;
class QSplitter;
class QTabWidget;

namespace mienlore {

// The help topics the program opens.
namespace help {
constexpr int kContents = 0;       // "Help Topics" (57670, F1)
constexpr int kOptions = 810;      // the options pages
constexpr int kFindFace = 180;     // the find-face dialog
constexpr int kCharacterMap = 182; // the character-map dialog
} // namespace help

// The page of the help file for a topic number (contents for unknown ones).
QString HelpTopicPage(int topic);

class CHelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    CHelpBrowser(QHelpEngine* engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine* m_engine;
};

// The help window: contents and index beside the page.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QHelpEngine* engine, QWidget* parent = nullptr);
    void ShowTopic(int topic);
    CHelpBrowser* Browser() const { return m_browser; }
    QTabWidget* Navigation() const { return m_tabs; }

private:
    QHelpEngine* m_engine;
    QTabWidget* m_tabs;
    CHelpBrowser* m_browser;
};

// The program's help: the Qt Help file "Mienlore.qch" of the program folder,
// shown in one help window. The window belongs to the main frame (or, before
// there is one, to this object), never to the dialog that asked for it: it
// stays open when that dialog closes. Without the help file, help does nothing.
class CMyHelp {
public:
    explicit CMyHelp(std::filesystem::path programFolder);
    ~CMyHelp();
    CMyHelp(const CMyHelp&) = delete;
    CMyHelp& operator=(const CMyHelp&) = delete;

    const std::filesystem::path& HelpFile() const { return m_file; }

    // The main frame: the help window is its child.
    void SetFrame(QWidget* frame);

    // Opens the help window at the topic; false (nothing shown) when the
    // help file is missing or cannot be read. The next call tries again.
    // `from` is the window asking (a dialog or the frame); the help window
    // stays usable while that window is modal, and outlives it.
    bool ShowTopic(QWidget* from, int topic);
    CHelpWindow* Window() const { return m_window; }

private:
    bool Open();

    std::filesystem::path m_file;
    QPointer<QWidget> m_frame;
    std::unique_ptr<QHelpEngine> m_engine;
    QPointer<CHelpWindow> m_window;
};

} // namespace mienlore
