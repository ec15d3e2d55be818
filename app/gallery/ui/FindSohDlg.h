#pragma once

#include "gallery/CharacterMap.h"
#include "gallery/SimilarSearchFaces.h"

#include <QDialog>
#include <QPixmap>

#include <filesystem>
#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QProgressBar;
class QPushButton;

namespace mienlore {

class CLang;
class CSonDiagram;
struct WindowPlacement;

// "Persons with similar character": check boxes for the map's traits, the
// map drawn by CSonDiagram, a progress bar, "Start", "Help" and "Close".
// "Start" learns a character map over the gallery's faces and marks where
// the current face falls.
class CFindSohDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 182;
    static constexpr int kHelpTopic = 182;
    static constexpr int kDiagramId = 4000;
    static constexpr int kProgressId = 1014;
    static constexpr int kStartId = 2010;
    static constexpr int kHelpId = 9;
    static constexpr int kCloseId = 2;

    // currentFace gives the indicator values of the current face;
    // placement ("FindSoh_") is stored when the dialog closes.
    CFindSohDlg(const CLang* lang, const SearchGallery& gallery,
                std::function<IndicatorValues()> currentFace, WindowPlacement* placement,
                QWidget* parent = nullptr);

    // The gallery statistics of this run of the program (computed by the
    // first "Start"; a changed gallery is not analysed again).
    static GalleryStatistics& Statistics();

    void SetHelp(std::function<void(int topic)> help);
    // Whether every 10 samples the map is repainted with a 1 ms pause (on by
    // default; off for tests).
    void SetPacing(bool on) { m_pacing = on; }

    // "Start": reads and ticks the traits, builds the map, marks the face.
    void Start();

    QCheckBox* Check(int traitId) const;
    CSonDiagram* Diagram() const { return m_diagram; }
    const CSon& Map() const { return m_map; }
    QProgressBar* Progress() const { return m_progress; }

protected:
    void done(int result) override;

private:
    QPixmap Thumbnail(int face);

    const SearchGallery& m_gallery;
    std::function<IndicatorValues()> m_current;
    WindowPlacement* m_placement;
    std::vector<QCheckBox*> m_checks;
    CSonDiagram* m_diagram;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_help;
    QPushButton* m_close;
    std::function<void(int)> m_helpRun;
    CSon m_map;
    std::map<int, QPixmap> m_thumbnails;
    bool m_pacing = true;
    bool m_running = false;
};

} // namespace mienlore
