#include "shell/ui/View.h"
#include "shell/ui/ButtonTextFit.h"

#include "analysis/FateFrame.h"
#include "analysis/ui/PageFate.h"
#include "files/StoredFace.h"
#include "files/ui/PeopList.h"
#include "gallery/ui/PageCoef.h"
#include "gallery/ui/PageGall.h"
#include "imaging/Devib.h"
#include "imaging/ui/DevibImage.h"
#include "imaging/ui/FaceWnd.h"
#include "imaging/ui/PagePict.h"
#include "model/FaceFrame.h"
#include "model/ui/PageFace.h"
#include "reports/ui/PageText.h"
#include "resources/OwnStringIds.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/PageDesc.h"
#include "shell/ui/UiStrings.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimerEvent>
#include <QToolButton>

#include <ctime>

namespace mienlore {
namespace {

struct PlaceholderDef {
    int id;
    QRect units;
};

// The panel rectangles, in dialog units.
constexpr PlaceholderDef kPlaceholders[] = {
    {1017, QRect(7, 4, 281, 24)},     // faces list bar
    {1018, QRect(294, 4, 194, 24)},   // page bar
    {1019, QRect(7, 32, 281, 216)},   // face page
    {1015, QRect(294, 32, 194, 276)}, // page area
    {1016, QRect(7, 252, 281, 56)},   // search bar
    {1020, QRect(7, 311, 480, 60)},   // gallery strip
};

constexpr int kPageIds[4] = {cmd::kPagePict, cmd::kPageHist, cmd::kPageText, cmd::kPageType};

} // namespace

QRect CView::PlaceholderUnits(Placeholder p) {
    return kPlaceholders[p].units;
}

QRect CView::PlaceholderRect(Placeholder p) const {
    const QRect u = kPlaceholders[p].units;
    return m_units.Rect(u.x(), u.y(), u.width(), u.height());
}

CView::CView(CAppGlobals& globals, QWidget* parent)
    : QWidget(parent), m_face(globals.face), m_fate(globals.fate), m_params(globals.params),
      m_pictures(globals.face.ProgramFolder()), m_units(font()),
      m_random(static_cast<std::uint32_t>(std::time(nullptr))) {
    setObjectName(QStringLiteral("view"));
    setFocusPolicy(Qt::StrongFocus);

    // The faces list: a picked entry changes the face like any edit.
    auto* facesList =
        new CPeopList([this] { return FaceHasCurrentSlot(); }, m_face,
                      [this] {
                          m_pageFace->RefreshControls();
                          UpdateCycle();
                          const CPeopListModel& list = static_cast<CPeopList*>(m_facesBar)->Model();
                          const int picked = list.Selection();
                          if (picked >= 0 && picked < static_cast<int>(list.Items().size()))
                              m_faceName = QString::fromStdString(
                                  list.Items()[static_cast<std::size_t>(picked)].name);
                      },
                      &globals.lang, this);
    m_facesBar = facesList;
    m_nameBox = facesList->NameBox();
    m_facesBar->setGeometry(PlaceholderRect(kFacesList));

    SetDialogId(this, 140);
    m_pageFace = new CPageFace(m_face, m_units, this);
    SetDialogId(m_pageFace, 150);
    m_pageFace->SetPictureSource(
        [this](const CFaceItem& item, int shape) { return m_pictures.Picture(item, shape); });
    m_pageFace->FaceWindow()->SetLookSource([this, &params = m_params] {
        FaceWndLook look;
        look.faceColour = params.face.faceColour;
        look.fillColour = params.face.fillColour;
        look.infoColour = params.face.infoColour;
        look.showInfo = params.face.showInfo != 0;
        look.showHints = params.face.tooltips != 0;
        look.smoothing = params.face.filter;
        look.photoBackground = m_pagePict && m_pagePict->BackgroundFace();
        return look;
    });
    m_pageFace->setGeometry(PlaceholderRect(kFacePage));
    connect(m_pageFace, &CPageFace::faceChanged, this, &CView::UpdateCycle);
    connect(m_pageFace->FaceWindow(), &CFaceWnd::pictureUnreadable, this,
            [this](const QString& path) {
                emit hint(QStringLiteral("The feature picture %1 cannot be read.").arg(path));
            });
    connect(m_pageFace, &CPageFace::undoRequested, this, [this] { StepHistory(-1); });
    connect(m_pageFace, &CPageFace::redoRequested, this, [this] { StepHistory(+1); });
    connect(m_pageFace, &CPageFace::commandRequested, this, &CView::commandRequested);

    m_pageDesc = new CPageDesc(m_units, this);
    SetDialogId(m_pageDesc, 153);
    m_pageDesc->setGeometry(PlaceholderRect(kPageBar));
    connect(m_pageDesc, &CPageDesc::pageRequested, this, &CView::SelectPage);
    connect(m_pageDesc, &CPageDesc::commandRequested, this, &CView::commandRequested);

    // The photo page, then the text and type pages.
    m_pagePict = new CPagePict(m_face, m_units, this);
    SetDialogId(m_pagePict, 160);
    m_pages[0] = m_pagePict;
    m_pageFace->FaceWindow()->SetPhotoPainter(
        [pict = m_pagePict](CDevib& canvas, const ImageRect& rect) {
            pict->DrawUnderFace(canvas, rect);
        });
    connect(m_pagePict, &CPagePict::faceRenderRequested, m_pageFace, &CPageFace::RenderFace);
    connect(m_pagePict, &CPagePict::statusMessage, this, &CView::hint);
    for (int mode : {kInterpretationText, kInterpretationType}) {
        auto* page = new CPageText(m_fate, m_face, m_face.ProgramFolder(), this);
        page->SetMode(mode);
        page->SetStyleSource([&params = m_params] { return params.fate.style; });
        connect(page, &CPageText::writeFailed, this, &CView::hint);
        m_pageTexts[mode] = page;
        m_pages[2 + mode] = page;
    }
    m_pageFate = new CPageFate(m_units, this);
    SetDialogId(m_pageFate, 161);
    m_pageFate->SetColourSource([&params = m_params] { return MakeFateColours(params.fate); });
    m_fate.BindFace(&m_face);
    connect(m_pageFate, &CPageFate::maleToggled, this, &CView::ToggleMale);
    m_pages[1] = m_pageFate;
    for (QWidget* page : m_pages)
        page->hide();

    m_searchBar = new CPageCoef(m_units, this);
    connect(m_searchBar, &CPageCoef::commandRequested, this, &CView::commandRequested);
    m_gallery = new CPageGall(globals.gallery, m_face, GalleryHost(), &globals.lang, this);
    PlacePanels();

    // Every panel in the language of the run.
    TranslateDialog(globals.lang, this, 140);
    TranslateDialog(globals.lang, m_facesBar, 152);
    TranslateDialog(globals.lang, m_pageFace, 150);
    TranslateDialog(globals.lang, m_pageDesc, 153);
    TranslateDialog(globals.lang, m_pageFate, 161);
    TranslateDialog(globals.lang, m_pagePict, 160);
    FitButtonTexts(this);
    m_pagePict->LoadSample();

    m_timer.start(100, this);
    m_pageFace->SelectSlot(cmd::kSlotForehead);
    qApp->installEventFilter(this);
    SelectPage(cmd::kPageHist);
    resize(FittingSize(true, true, true));
    // The start face is analysed and becomes the first history entry, so
    // that the first change can be undone.
    RecomputeAndRecord();
    m_pageFace->RenderFace();
}

GallHost CView::GalleryHost() {
    GallHost host;
    host.hasCurrentSlot = [this] { return FaceHasCurrentSlot(); };
    host.prepare = [this] { m_pageFace->SelectSlot(cmd::kSlotForehead); };
    host.faceChanged = [this] {
        for (int i = 0; i < kFaceSlotCount; ++i)
            m_face.Item(i).Reload();
        m_pageFace->RefreshControls();
        UpdateCycle();
    };
    host.facePicture = [this](CDevib& picture) {
        return FromQImage(m_pageFace->FaceWindow()->Cache(), picture);
    };
    host.showPicture = [this](const QString& path) { m_pagePict->LoadPhoto(path, false); };
    host.hasPhoto = [this] { return m_pagePict->View().HasPicture(); };
    host.photoPicture = [this](CDevib& picture) {
        return m_pagePict->View().HasPicture() &&
               FromQImage(m_pagePict->PictureWindow()->Image(), picture);
    };
    host.showFaceTraits = [this] { SelectPage(cmd::kPagePict); };
    return host;
}

QWidget* CView::GalleryStrip() const {
    return m_gallery;
}

CView::~CView() {
    qApp->removeEventFilter(this);
    m_timer.stop();
}

void CView::PlacePanels() {
    const QRect area = PlaceholderRect(kPageArea);
    int right = area.right();
    // Wider than the layout: the pages and the gallery strip reach to 8
    // pixels short of the right edge.
    if (width() > area.x() + area.width() + 8)
        right = width() - 8 - 1;
    for (QWidget* page : m_pages)
        page->setGeometry(QRect(area.topLeft(), QPoint(right, area.bottom())));
    m_searchBar->setGeometry(PlaceholderRect(kSearchBar));
    const QRect g = PlaceholderRect(kGallery);
    m_gallery->setGeometry(
        QRect(g.topLeft(),
              QPoint(width() > area.x() + area.width() + 8 ? right : g.right(), g.bottom())));
}

void CView::resizeEvent(QResizeEvent*) {
    PlacePanels();
}

QWidget* CView::Page(int id) const {
    for (int i = 0; i < 4; ++i)
        if (kPageIds[i] == id)
            return m_pages[i];
    return nullptr;
}

void CView::SelectPage(int id) {
    if (!Page(id))
        return;
    m_activePage = id;
    m_pageDesc->ShowActive(id);
    for (int i = 0; i < 4; ++i)
        m_pages[i]->setVisible(kPageIds[i] == id && !m_pageDesc->isHidden());
    RefreshActivePage();
}

void CView::RefreshActivePage() {
    // The diagram page is refreshed by every update cycle.
    if (m_activePage == cmd::kPagePict)
        m_pagePict->Refresh();
    else if (m_activePage == cmd::kPageText)
        m_pageTexts[0]->Refresh();
    else if (m_activePage == cmd::kPageType)
        m_pageTexts[1]->Refresh();
}

bool CView::FaceHasCurrentSlot() const {
    return m_pageFace->HasCurrentSlot();
}

void CView::RefreshAnalysis() {
    m_fate.Recompute(true);
    const QString summary = QString::fromStdString(m_fate.GetSummary());
    m_pageFate->Refresh(m_fate, summary);
    m_pageFace->SetCaption(summary);
}

void CView::ToggleMale() {
    m_fate.SetMale(!m_fate.IsMale());
    RefreshAnalysis();
    m_pageFace->RenderFace();
}

void CView::ToggleSmoothing() {
    m_params.face.filter = m_params.face.filter == 0 ? 3 : 0;
    m_pageFace->RenderFace();
}

void CView::RecomputeAndRecord() {
    RefreshAnalysis();
    m_history.Append(m_face);
    m_pageFace->SetHistoryState(m_history.CanUndo(), m_history.CanRedo());
}

QString CView::FaceName() const {
    if (!m_nameBox)
        return m_faceName;
    const QString shown = m_nameBox->currentText();
    return shown == QString::number(m_changes) ? m_faceName : shown.trimmed();
}

void CView::SetFaceName(const QString& name) {
    m_faceName = name.trimmed();
    if (m_nameBox)
        m_nameBox->setEditText(m_faceName);
}

void CView::UpdateCycle() {
    // A name typed into the box since the last edit stays the face's name
    // once the box shows the counter again.
    if (m_nameBox) {
        const QString shown = m_nameBox->currentText();
        if (shown != QString::number(m_changes))
            m_faceName = shown.trimmed();
    }
    ++m_changes;
    if (m_nameBox)
        m_nameBox->setEditText(QString::number(m_changes));
    RecomputeAndRecord();
    RefreshActivePage();
    m_pageFace->RenderFace();
}

bool CView::ApplyFaceText(const QString& text) {
    // All or nothing, as a face taken from the list: a code that cannot be
    // read leaves the face as it was.
    std::string code = FaceArgumentCode(text.toStdString(), m_face.ProgramFolder());
    if (!ApplyFaceCode(m_face, code))
        return false;
    m_pageFace->RefreshControls();
    UpdateCycle();
    // Another face: its name is the one the code carries, if any.
    const std::string line = text.toStdString();
    const std::string_view name = StoredFaceName(line);
    m_faceName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed();
    return true;
}

void CView::StepHistory(int delta) {
    m_history.Step(delta, m_face, [this] {
        for (int i = 0; i < kFaceSlotCount; ++i)
            m_face.Item(i).Reload();
        m_pageFace->RefreshControls();
        UpdateCycle();
    });
    m_pageFace->SetHistoryState(m_history.CanUndo(), m_history.CanRedo());
}

void CView::ShowFacesList(bool show) {
    m_facesBar->setVisible(show);
}

void CView::ShowInterpretation(bool show) {
    m_pageDesc->setVisible(show);
    for (int i = 0; i < 4; ++i)
        m_pages[i]->setVisible(show && kPageIds[i] == m_activePage);
}

void CView::ShowGallery(bool) {
    // The strip stays; the frame size decides whether it is in view.
}

QSize CView::FittingSize(bool facesList, bool interpretation, bool gallery) const {
    const QRect face = PlaceholderRect(kFacePage);
    const QRect area = PlaceholderRect(kPageArea);
    const QRect strip = PlaceholderRect(kGallery);
    const auto right = [](const QRect& r) { return r.x() + r.width(); };
    const auto bottom = [](const QRect& r) { return r.y() + r.height(); };
    const int w = 8 + (interpretation ? right(area) : right(face));
    int h = 0;
    if (gallery)
        h = 8 + bottom(strip);
    else if (interpretation || facesList)
        h = 8 + bottom(area);
    else
        h = 8 + bottom(face);
    return {w, h};
}

void CView::SetTimerRunning(bool on) {
    if (on && !m_timer.isActive())
        m_timer.start(100, this);
    else if (!on)
        m_timer.stop();
}

void CView::RandomStep() {
    m_random.Seed(static_cast<std::uint32_t>(m_random.Next()));
    const int r1 = m_random.Next();
    const int r2 = m_random.Next();
    const int r3 = m_random.Next();
    CFaceItem& item = m_face.Item(r1 % kMainSlotCount);
    item.SetShape(item.GetShape() + r2 % 5 - 2);
    item.Reload();
    item.SetVariant(item.GetVariant() + r3 % 5 - 2);
    item.Reload();
    if (item.IsEmpty()) {
        item.SetShape(item.GetShape() - 1);
        item.Reload();
    }
}

void CView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (!FaceHasCurrentSlot()) {
        RandomStep();
        UpdateCycle();
    } else if (m_randomHintShown) {
        m_randomHintShown = false;
        emit steadyHint({});
    }
}

void CView::ToggleRandomSteps() {
    if (RandomStepsRunning()) {
        m_pageFace->SelectSlot(m_slotBeforeRandom > 0 ? m_slotBeforeRandom : cmd::kSlotForehead);
        m_randomHintShown = false;
        emit steadyHint({});
        return;
    }
    m_slotBeforeRandom = m_pageFace->SelectedSlot();
    m_pageFace->EndSelection();
    m_randomHintShown = true;
    emit steadyHint(UiString(str::kRandomStepsHint));
}

bool CView::ForwardsKeysFrom(QObject* watched) const {
    if (!watched->isWidgetType())
        return false;
    // Each key press is seen once: at the widget that receives it first.
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (watched != target)
        return false;
    if (m_modalOpen || QApplication::activeModalWidget())
        return false;
    // Not while the print preview has taken the view's place.
    if (isHidden())
        return false;
    // Typing a name into the faces list's name box must not edit the face.
    if (m_nameBox && target && (target == m_nameBox || target->parentWidget() == m_nameBox))
        return false;
    // Only keys meant for the main window.
    return target && target->window() == window();
}

bool CView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && ForwardsKeysFrom(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && RandomStepsRunning()) {
            ToggleRandomSteps();
            return true;
        }
        QElapsedTimer clock;
        clock.start();
        const bool handled = m_pageFace->OnKey(key->key(), key->modifiers());
        if (handled && m_keyTiming) {
            m_pageFace->FaceWindow()->repaint();
            m_pageFate->repaint();
            m_keyTimes.push_back(clock.nsecsElapsed() / 1000);
        }
        m_pagePict->OnKey(key->key());
    }
    return false;
}

} // namespace mienlore
