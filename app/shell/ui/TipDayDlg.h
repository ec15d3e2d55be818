#pragma once

#include <QDialog>
#include <QPoint>

#include <filesystem>
#include <memory>

class QCheckBox;
class QPushButton;
class QTextBrowser;

namespace mienlore {

class CLang;
class CWebPaneLoader;
struct TipsParams;

// "Tip of the Day" (dialog 191): one tip page from the "Tips" folder in a web
// view, "Next Tip" and the "Show tips at startup" check box. The tip number
// and the start-up switch live in the settings; the check box state and the
// window's last position are kept for the run.
class CTipDayDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 191;
    static constexpr int kWebViewId = 1000;
    static constexpr int kNextId = 1050;
    static constexpr int kShowAtStartId = 1051;
    static constexpr int kTipCount = 43;

    // What the window keeps for the run only.
    struct RunState {
        bool showAtStart = true;
        QPoint position{-100, -100};
    };
    static RunState& Run();

    CTipDayDlg(TipsParams& tips, const CLang& lang, std::filesystem::path programFolder,
               QWidget* parent = nullptr);
    ~CTipDayDlg() override;

    // The file of tip number n: Tips/<base>n.htm, the base name from the
    // language ("Main"/"tips", default "tip").
    std::filesystem::path TipFile(int n) const;
    // Shows the next tip (42 wraps to 0).
    void NextTip();

    QCheckBox* ShowAtStartBox() const { return m_check; }
    QPushButton* NextButton() const { return m_next; }
    // The web view (or, without the module, a plain text browser).
    QWidget* TipView() const { return m_view; }
    std::filesystem::path ShownFile() const { return m_shown; }

    // Advances the tip number by one (with wrap-around).
    static void AdvanceTip(TipsParams& tips);

    // The three ways the window opens: at start-up (when the setting asks for
    // it), from "Tip of the Day" (1051) and from the faces list's "Keys" button
    // (at the keyboard tip). Each advances the tip number after it closes.
    static void ShowAtStartup(TipsParams& tips, const CLang& lang,
                              const std::filesystem::path& programFolder, QWidget* owner);
    static void ShowOnDemand(TipsParams& tips, const CLang& lang,
                             const std::filesystem::path& programFolder, QWidget* owner);
    static void ShowKeys(TipsParams& tips, const CLang& lang,
                         const std::filesystem::path& programFolder, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void ShowTip();

    TipsParams& m_tips;
    const CLang& m_lang;
    std::filesystem::path m_folder;
    std::unique_ptr<CWebPaneLoader> m_loader;
    QWidget* m_view = nullptr;
    QTextBrowser* m_browser = nullptr;
    QCheckBox* m_check = nullptr;
    QPushButton* m_next = nullptr;
    std::filesystem::path m_shown;
    bool m_placed = false;
};

} // namespace mienlore
