#pragma once

#include "gallery/TraitSearch.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace mienlore {

class CLang;
struct WindowPlacement;

// "Find Face": the search by traits. Per trait a check box and a slider
// (0..100) between its low and high labels; a personality-type combo box
// that fills in a preset; "Default", "Start", "Help" and "Close", and a
// progress bar over the eight slots. The targets of the last "Start" are
// kept for the run of the program.
class CFindFaceDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 180;
    static constexpr int kHelpTopic = 180;
    static constexpr int kProgressId = 1014;
    static constexpr int kHelpId = 9;
    static constexpr int kDefaultId = 1110;
    static constexpr int kStartId = 2010;
    static constexpr int kCloseId = 2;
    static constexpr int kTypeLabelId = 1271;
    static constexpr int kTypeComboId = 1047;

    // The search itself, run at "Start" with the prepared targets; it calls
    // the progress hooks (the dialog's own are passed in).
    using SearchRun =
        std::function<TraitSearchResult(const PreparedTargets&, const TraitSearchProgress&)>;

    // typesFile: the personality-type texts for the combo box; placement:
    // "FindFace", restored (position only) now and stored when closing.
    CFindFaceDlg(const CLang* lang, const std::filesystem::path& typesFile,
                 WindowPlacement* placement, QWidget* parent = nullptr);

    // The targets of the last "Start" (static storage for the program's run).
    static TraitTargets& StoredTargets();

    void SetSearch(SearchRun run) { m_run = std::move(run); }
    // The help command; the Help button is enabled when one is given.
    void SetHelp(std::function<void(int topic)> help);

    void ShowTargets(const TraitTargets& targets);
    TraitTargets ControlTargets() const;
    // Combo selection: 0 "-" resets, k >= 1 applies preset k - 1.
    void ChooseType(int selection);
    // "Start": stores the targets and runs the search when one of them is
    // strong enough; returns whether it ran.
    bool Start();
    bool IsSearching() const { return m_searching; }

    QCheckBox* Check(int id) const;
    QSlider* Slider(int id) const;
    QComboBox* TypeCombo() const { return m_types; }
    QProgressBar* Progress() const { return m_progress; }
    QPushButton* Button(int id) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void EnableButtons(bool on);

    std::array<QCheckBox*, kTargetTraitCount> m_checks{};
    std::array<QSlider*, kTargetTraitCount> m_sliders{};
    QComboBox* m_types;
    QProgressBar* m_progress;
    QPushButton* m_help;
    QPushButton* m_default;
    QPushButton* m_start;
    QPushButton* m_close;
    SearchRun m_run;
    std::function<void(int)> m_helpRun;
    WindowPlacement* m_placement;
    bool m_searching = false;
};

} // namespace mienlore
