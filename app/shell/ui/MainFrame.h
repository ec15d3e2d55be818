#pragma once

#include <QMainWindow>

#include <functional>
#include <map>

class QAction;
class QActionGroup;
class QToolBar;

namespace mienlore {

struct CAppGlobals;
class CView;

// The program's main window: the menu bar, the accelerators, two toolbars,
// the status bar and the view. Every command of the menu, the accelerators,
// the toolbars and the pages is routed here to whatever carries it out; a
// command without a handler stays visible but disabled.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CAppGlobals& globals, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // What a command does and when it is available.
    struct Command {
        std::function<void()> run;
        std::function<bool()> enabled; // empty: always enabled
    };
    // Installs (or replaces) the handler of a command id.
    void SetCommand(int id, Command command);
    bool HasHandler(int id) const { return m_commands.count(id) != 0; }

    // Routes a command as the menu, an accelerator or a button would.
    // Returns false when the command is unknown or disabled.
    bool OnCommand(int id);
    bool IsCommandEnabled(int id) const;

    QAction* Action(int id) const;
    CView* View() const { return m_view; }
    QToolBar* Toolbar(int id) const; // 128 or 130

    // The idle pass: brings the enabled state and check marks of the
    // commands up to date. Runs after each burst of events.
    void IdleUpdate();

    bool IsToolbarShown() const { return m_toolbarShown; }
    bool IsFacesListShown() const { return m_facesListShown; }
    bool IsInterpretationShown() const { return m_interpretationShown; }
    bool IsGalleryShown() const { return m_galleryShown; }
    bool IsStatusBarShown() const { return m_statusBarShown; }
    bool IsPreviewOn() const { return m_previewOn; }
    // Set by the print preview when it takes the view's place and leaves.
    void SetPreviewOn(bool on) {
        m_previewOn = on;
        ScheduleIdle();
    }

    // The frame size that gives the view exactly this client size with the
    // bars now shown.
    QSize FrameSizeFor(QSize client) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void InstallHandlers();
    void TogglePanel(int id);
    void FitToPanels();
    void ScheduleIdle();

    CAppGlobals& m_globals;
    CView* m_view = nullptr;
    std::map<int, QAction*> m_actions;
    std::map<int, Command> m_commands;
    QToolBar* m_toolbar128 = nullptr;
    QToolBar* m_toolbar130 = nullptr;
    QActionGroup* m_pageGroup = nullptr;
    bool m_idlePending = false;

    bool m_toolbarShown = false;
    bool m_statusBarShown = false;
    bool m_facesListShown = false;
    bool m_interpretationShown = false;
    bool m_galleryShown = false;
    bool m_previewOn = false;
};

} // namespace mienlore
