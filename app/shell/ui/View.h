#pragma once

#include "base/CrtRandom.h"
#include "gallery/ui/PageGall.h"
#include "model/FaceHistory.h"
#include "model/ui/ShapePictures.h"
#include "shell/ui/DialogUnits.h"

#include <QBasicTimer>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QComboBox;
#include <QFrame>

namespace mienlore {

struct CAppGlobals;
class CFaceFrame;
class CFateFrame;
class CParams;
class CPageDesc;
class CPageCoef;
class CPageFace;
class CPageFate;
class CPageText;
class CPagePict;

// The frame's client: arranges the panels in the rectangles of its layout,
// keeps the active right-hand page, and runs the update cycle after every
// change of the face. It also makes the random steps while no slot is
// selected and forwards key presses to the face page.
class CView : public QWidget {
    Q_OBJECT
public:
    explicit CView(CAppGlobals& globals, QWidget* parent = nullptr);
    ~CView() override;

    // Panel placeholders of the layout, in dialog units.
    enum Placeholder { kFacesList, kPageBar, kFacePage, kPageArea, kSearchBar, kGallery };
    static QRect PlaceholderUnits(Placeholder p);
    QRect PlaceholderRect(Placeholder p) const; // in pixels
    const DialogUnits& Units() const { return m_units; }

    // Pages of the page area.
    void SelectPage(int id);
    int ActivePage() const { return m_activePage; }
    QWidget* Page(int id) const;

    // After any change of the current face.
    void UpdateCycle();
    void RefreshActivePage();
    // Parses a face code into the current face; false (face unchanged) when
    // it cannot be read.
    bool ApplyFaceText(const QString& text);

    // Face history steps (undo -1, redo +1).
    void StepHistory(int delta);
    const CFaceHistory& History() const { return m_history; }

    int ChangeCounter() const { return m_changes; }
    // The face's name as the user gave it: typed into the name box, picked
    // from the faces list or carried by a face code ("code;name"). The box
    // shows the change counter after each edit; that number is never taken
    // for the name.
    QString FaceName() const;
    // Names the current face (shown in the name box until the next edit).
    void SetFaceName(const QString& name);
    bool FaceHasCurrentSlot() const;

    // Panel visibility and the client size that fits the shown panels.
    void ShowFacesList(bool show);
    void ShowInterpretation(bool show);
    void ShowGallery(bool show);
    QSize FittingSize(bool facesList, bool interpretation, bool gallery) const;

    // While a modal dialog is open, keys are not forwarded to the pages.
    void SetModalOpen(bool open) { m_modalOpen = open; }
    bool IsModalOpen() const { return m_modalOpen; }

    // One random step of the face (what the timer does while no slot is
    // selected), without the update cycle.
    void RandomStep();
    CCrtRandom& Random() { return m_random; }
    // Key timing: while on, each forwarded key press is followed by an
    // immediate repaint of the face and the diagram page, and the time from
    // the key to the end of that repaint is kept (in microseconds).
    void SetKeyTiming(bool on) { m_keyTiming = on; }
    const std::vector<qint64>& KeyTimes() const { return m_keyTimes; }

    // Stops or restarts the 100 ms timer.
    void SetTimerRunning(bool on);

    CFaceFrame& Face() { return m_face; }
    CPageFace* FacePage() const { return m_pageFace; }
    CPageFate* FatePage() const { return m_pageFate; }
    // The text page (mode 0) or the type page (mode 1).
    CPageText* TextPage(int mode) const { return m_pageTexts[mode == 1 ? 1 : 0]; }
    CPagePict* PhotoPage() const { return m_pagePict; }
    CPageDesc* PageBar() const { return m_pageDesc; }
    QComboBox* NameBox() const { return m_nameBox; }
    QWidget* FacesListBar() const { return m_facesBar; }
    QWidget* GalleryStrip() const;
    CPageGall* GalleryPage() const { return m_gallery; }
    CPageCoef* SearchBar() const { return m_searchBar; }

    // Recomputes the analysis and shows it on the diagram page and as the
    // face picture's caption (without counting a change or recording it).
    void RefreshAnalysis();
    // Switches the analysis between man and woman and shows the result.
    void ToggleMale();
    CFateFrame& Fate() { return m_fate; }
    // The smoothing switch: smoothing 0 becomes 3 ("30%"), any other 0.
    void ToggleSmoothing();
    // Randomize: ends the slot selection, so that random steps change the
    // face; while they run, the same command (or Esc) stops them by selecting
    // the slot that was selected before.
    void ToggleRandomSteps();
    bool RandomStepsRunning() const { return !FaceHasCurrentSlot(); }

signals:
    // A frame command started from a page (page bar, face page).
    void commandRequested(int id);
    // A hint for the status bar.
    void hint(const QString& text);
    // A hint that stays in the status bar until replaced; empty clears it.
    void steadyHint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    GallHost GalleryHost();
    bool ForwardsKeysFrom(QObject* watched) const;
    void RecomputeAndRecord();
    void PlacePanels();

    CFaceFrame& m_face;
    CFateFrame& m_fate;
    CParams& m_params;
    CShapePictures m_pictures;
    DialogUnits m_units;
    CFaceHistory m_history;
    CCrtRandom m_random;
    int m_activePage = -1;
    int m_changes = 0;
    QString m_faceName; // the name last given, kept while the box shows the counter
    bool m_modalOpen = false;
    bool m_keyTiming = false;
    bool m_randomHintShown = false;
    int m_slotBeforeRandom = 0;
    std::vector<qint64> m_keyTimes;
    QBasicTimer m_timer;

    QWidget* m_facesBar = nullptr;
    QComboBox* m_nameBox = nullptr;
    CPageDesc* m_pageDesc = nullptr;
    CPageFace* m_pageFace = nullptr;
    CPageFate* m_pageFate = nullptr;
    CPagePict* m_pagePict = nullptr;
    std::array<QWidget*, 4> m_pages{};       // photo, diagram, text, type
    std::array<CPageText*, 2> m_pageTexts{}; // text, type
    CPageCoef* m_searchBar = nullptr;
    CPageGall* m_gallery = nullptr;
};

// Marks the view as under a modal dialog for the life of the object: keys go
// to the dialog, not to the face page, while it is open.
class ModalScope {
public:
    explicit ModalScope(CView* view) : m_view(view) { m_view->SetModalOpen(true); }
    ~ModalScope() { m_view->SetModalOpen(false); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    CView* m_view;
};

} // namespace mienlore
