#include "shell/ui/MainFrame.h"
#include "shell/ui/FrameDialogCommands.h"

#include "gallery/ui/PageGall.h"
#include "model/FaceFrame.h"
#include "model/ui/PageFace.h"
#include "resources/OwnStringIds.h"
#include "shell/Version.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/MenuTable.h"
#include "shell/ui/PageCoefCommands.h"
#include "shell/ui/PhotoCommands.h"
#include "shell/ui/ReportCommands.h"
#include "shell/ui/ToolbarIcons.h"
#include "shell/ui/UiStrings.h"
#include "shell/ui/View.h"
#include "shell/ui/WidgetPlacement.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace mienlore {
namespace {

using namespace cmd;

// Lets a separator in the menu bar push the menus after it to the right end
// (where the Help menu sits).
class MenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == QStyle::SH_DrawMenuBarSeparator)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

const QString kHomePage = QString::fromLatin1(kHomePageUrl);
const QString kSupportMail = QString::fromLatin1(kSupportMailUrl);

// Commands that need a current feature slot on the face page.
constexpr int kNeedSlot[] = {kFilePrint,     kFilePrintPreview, kSaveListAlias, kSaveWebPage,
                             kSaveWebPageAs, kSaveFaceImage,    kExportPdf};

} // namespace

CMainFrame::CMainFrame(CAppGlobals& globals, QWidget* parent)
    : QMainWindow(parent), m_globals(globals) {
    setWindowTitle(UiString(128));
    CreateActions();
    CreateMenus();
    CreateToolbars();

    auto* ready = new QLabel(UiString(str::kReady), statusBar());
    statusBar()->addWidget(ready, 1);

    m_view = new CView(m_globals, this);
    setCentralWidget(m_view);
    m_view->setFocus();
    connect(m_view, &CView::commandRequested, this, [this](int id) { OnCommand(id); });
    connect(m_view, &CView::hint, this,
            [this](const QString& text) { statusBar()->showMessage(text, 4000); });
    connect(m_view, &CView::steadyHint, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });

    m_globals.help.SetFrame(this);
    InstallHandlers();
    InstallDialogCommands(*this, m_globals);
    InstallSearchCommands(*this, m_globals);
    InstallPhotoCommands(*this, InstallReportCommands(*this, m_globals));
    qApp->installEventFilter(this);
    // Tool tips show whether or not the window has the focus (the "Tooltips"
    // option turns them off in eventFilter).
    setAttribute(Qt::WA_AlwaysShowToolTips);

    // Every bar and panel starts hidden and is toggled once into view; the
    // toolbar is toggled back out: the menu, the status bar and all three
    // panels are shown, both toolbars hidden.
    m_toolbarShown = m_statusBarShown = m_facesListShown = m_interpretationShown = m_galleryShown =
        false;
    for (int id : {kToggleToolbar, kToggleStatusBar, kToggleFacesList, kToggleInterpretation,
                   kToggleGallery})
        TogglePanel(id);
    TogglePanel(kToggleToolbar);
    IdleUpdate();

    WindowPlacement& placement = m_globals.params.placements[kPlacementMain];
    if (placement.valid)
        RestoreWidgetPlacement(*this, placement, true);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

void CMainFrame::CreateActions() {
    const auto make = [this](int id, const QString& text) {
        if (m_actions.count(id))
            return m_actions[id];
        auto* a = new QAction(text, this);
        a->setData(id);
        SetCommandId(a, id);
        a->setObjectName(QStringLiteral("cmd%1").arg(id));
        a->setStatusTip(StatusText(id));
        const QString tip = ToolTipText(id);
        if (!tip.isEmpty())
            a->setToolTip(tip);
        a->setIcon(CommandIcon(id));
        a->setIconVisibleInMenu(false);
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
        addAction(a); // keeps its shortcut alive while the menu is closed
        m_actions[id] = a;
        return a;
    };
    for (const MenuDef& menu : MainMenuDefs())
        for (const MenuItemDef& item : menu.items)
            if (item.id != 0)
                make(item.id, QString::fromUtf8(item.text));
    for (int id : Toolbar128())
        if (id != 0)
            make(id, StatusText(id));
    for (int id : Toolbar130())
        if (id != 0)
            make(id, StatusText(id));

    // Accelerators: the first entry of a key wins; a later entry with the
    // same key (Ctrl+P of the photo-robot) only shows in its menu text.
    QList<QKeySequence> taken;
    for (const AcceleratorDef& acc : AcceleratorDefs()) {
        if (taken.contains(acc.key))
            continue;
        taken << acc.key;
        QAction* a = make(acc.id, StatusText(acc.id));
        a->setShortcut(acc.key);
        a->setShortcutContext(Qt::WindowShortcut);
    }

    for (int id : {kToggleInterpretation, kToggleGallery, kToggleStatusBar, kToggleFacesList,
                   kToggleToolbar, kFilePrintPreview})
        make(id, {})->setCheckable(true);
    m_pageGroup = new QActionGroup(this);
    m_pageGroup->setExclusive(true);
    for (int id : {kPagePict, kPageHist, kPageText, kPageType}) {
        m_actions[id]->setCheckable(true);
        m_pageGroup->addAction(m_actions[id]);
    }
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setStyle(new MenuBarStyle(QApplication::style()->name()));
    bar->style()->setParent(bar);
    QAction* rightEnd = nullptr;
    for (const MenuDef& def : MainMenuDefs()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(def.title));
        if (def.rightAligned && !rightEnd)
            rightEnd = menu->menuAction();
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::IdleUpdate);
        for (const MenuItemDef& item : def.items) {
            if (item.id == 0)
                menu->addSeparator();
            else
                menu->addAction(m_actions.at(item.id));
        }
    }
    TranslateMenuBar(m_globals.lang, bar);
    if (rightEnd)
        bar->insertSeparator(rightEnd);
}

void CMainFrame::CreateToolbars() {
    const auto build = [this](QToolBar* bar, std::span<const int> ids) {
        bar->setIconSize(QSize(16, 15));
        bar->setMovable(false);
        for (int id : ids) {
            if (id == 0)
                bar->addSeparator();
            else
                bar->addAction(m_actions.at(id));
        }
    };
    m_toolbar128 = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolbar128->setObjectName(QStringLiteral("toolbar128"));
    build(m_toolbar128, Toolbar128());
    addToolBar(Qt::TopToolBarArea, m_toolbar128);
    addToolBarBreak(Qt::TopToolBarArea);
    m_toolbar130 = new QToolBar(QStringLiteral("Preview"), this);
    m_toolbar130->setObjectName(QStringLiteral("toolbar130"));
    build(m_toolbar130, Toolbar130());
    addToolBar(Qt::TopToolBarArea, m_toolbar130);
    m_toolbar130->hide();
    for (QToolBar* t : {m_toolbar128, m_toolbar130})
        t->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

QToolBar* CMainFrame::Toolbar(int id) const {
    return id == 128 ? m_toolbar128 : id == 130 ? m_toolbar130 : nullptr;
}

QAction* CMainFrame::Action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::SetCommand(int id, Command command) {
    m_commands[id] = std::move(command);
    ScheduleIdle();
}

void CMainFrame::InstallHandlers() {
    CView* view = m_view;
    CPageFace* face = view->FacePage();
    const auto hasSlot = [view] { return view->FaceHasCurrentSlot(); };

    SetCommand(kAppExit, {[this] { QTimer::singleShot(0, this, &QWidget::close); }, {}});
    SetCommand(kClear, {[face] { face->ClearFace(); }, {}});
    SetCommand(kFileNew, {[this, view] {
                              const CFaceFrame fresh(m_globals.face.ProgramFolder());
                              view->ApplyFaceText(QString::fromStdString(fresh.Encode()));
                          },
                          {}});
    SetCommand(kNextPane, {[this] { FocusPanel(+1); }, {}});
    SetCommand(kPrevPane, {[this] { FocusPanel(-1); }, {}});
    SetCommand(kUndo,
               {[view] { view->StepHistory(-1); }, [view] { return view->History().CanUndo(); }});
    SetCommand(kRedo,
               {[view] { view->StepHistory(+1); }, [view] { return view->History().CanRedo(); }});
    for (int slot : {kSlotForehead, kSlotCheekBones, kSlotChin, kSlotEyes, kSlotEyebrows, kSlotNose,
                     kSlotLips, kSlotEars, kSlotHair, kSlotMoustache, kSlotBeard, kSlotGlasses})
        SetCommand(slot, {[face, slot] { face->SelectSlot(slot); }, {}});
    SetCommand(kSmooth, {[view] { view->ToggleSmoothing(); }, {}});
    SetCommand(kMenWomen, {[view] { view->ToggleMale(); }, {}});
    SetCommand(kRandomize, {[view] { view->ToggleRandomSteps(); }, {}});
    SetCommand(kHideItem, {[face] { face->HideItem(); }, hasSlot});
    SetCommand(kNextVariant, {[face] { face->NextVariant(); }, hasSlot});
    SetCommand(kDefaultPlacement, {[face] { face->DefaultPlace(); }, hasSlot});
    for (int page : {kPagePict, kPageHist, kPageText, kPageType})
        SetCommand(page, {[view, page] { view->SelectPage(page); }, {}});
    for (int id : {kToggleInterpretation, kToggleGallery, kToggleStatusBar, kToggleFacesList,
                   kToggleToolbar})
        SetCommand(id, {[this, id] { TogglePanel(id); }, {}});
    if (CPageGall* gallery = view->GalleryPage()) {
        SetCommand(kOpenGallery, {[gallery] { gallery->ShowGalleryList(); }, {}});
        SetCommand(kGalleryList, {[gallery] { gallery->ShowGalleryList(); }, {}});
        SetCommand(kSaveToGallery, {[gallery] { gallery->Add(); }, {}});
    }
    SetCommand(kWebSite, {[this] { OpenAddress(kHomePage); }, {}});
    SetCommand(kSupport, {[this] { OpenAddress(kSupportMail); }, {}});
}

void CMainFrame::FocusPanel(int step) {
    // The view's visible panels in reading order, each with the first
    // control in it that takes the focus.
    std::vector<std::pair<QWidget*, QWidget*>> panels;
    for (QWidget* panel : m_view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!panel->isVisible())
            continue;
        QWidget* target = nullptr;
        QList<QWidget*> candidates{panel};
        candidates += panel->findChildren<QWidget*>();
        for (QWidget* w : candidates) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                target = w;
                break;
            }
        }
        if (target)
            panels.emplace_back(panel, target);
    }
    if (panels.empty())
        return;
    std::sort(panels.begin(), panels.end(), [](const auto& a, const auto& b) {
        const QPoint pa = a.first->pos(), pb = b.first->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    const int count = static_cast<int>(panels.size());
    int current = -1;
    for (int i = 0; i < count; ++i)
        if (QApplication::focusWidget() &&
            panels[i].first->isAncestorOf(QApplication::focusWidget()))
            current = i;
    if (current < 0 && QApplication::focusWidget()) {
        for (int i = 0; i < count; ++i)
            if (panels[i].first == QApplication::focusWidget())
                current = i;
    }
    const int next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
    panels[next].second->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void CMainFrame::OpenAddress(const QString& address) {
    if (QDesktopServices::openUrl(QUrl(address)))
        return;
    const QString message =
        QStringLiteral("No web browser or mail program could open %1.").arg(address);
    std::fprintf(stderr, "mienlore: %s\n", qPrintable(message));
    QMessageBox::warning(this, windowTitle(), message);
}

bool CMainFrame::IsCommandEnabled(int id) const {
    const auto it = m_commands.find(id);
    if (it == m_commands.end())
        return false;
    for (int needs : kNeedSlot)
        if (needs == id && !m_view->FaceHasCurrentSlot())
            return false;
    return !it->second.enabled || it->second.enabled();
}

bool CMainFrame::OnCommand(int id) {
    if (!IsCommandEnabled(id))
        return false;
    // Copy: the handler may replace itself.
    const std::function<void()> run = m_commands.at(id).run;
    if (run)
        run();
    ScheduleIdle();
    return true;
}

void CMainFrame::IdleUpdate() {
    m_idlePending = false;
    for (auto& [id, action] : m_actions)
        action->setEnabled(IsCommandEnabled(id));
    if (QAction* a = Action(kFilePrintPreview))
        a->setChecked(m_previewOn);
    if (QAction* a = Action(m_view->ActivePage()))
        a->setChecked(true);
}

void CMainFrame::ScheduleIdle() {
    if (m_idlePending)
        return;
    m_idlePending = true;
    QTimer::singleShot(0, this, &CMainFrame::IdleUpdate);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        if (m_globals.params.face.tooltips == 0 && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == this)
            return true;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::FocusIn:
        ScheduleIdle();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::TogglePanel(int id) {
    bool* flag = nullptr;
    switch (id) {
    case kToggleInterpretation:
        flag = &m_interpretationShown;
        break;
    case kToggleGallery:
        flag = &m_galleryShown;
        break;
    case kToggleFacesList:
        flag = &m_facesListShown;
        break;
    case kToggleToolbar:
        flag = &m_toolbarShown;
        break;
    case kToggleStatusBar:
        flag = &m_statusBarShown;
        break;
    default:
        return;
    }
    *flag = !*flag;
    if (QAction* a = Action(id))
        a->setChecked(*flag);
    switch (id) {
    case kToggleInterpretation:
        m_view->ShowInterpretation(*flag);
        break;
    case kToggleGallery:
        m_view->ShowGallery(*flag);
        break;
    case kToggleFacesList:
        m_view->ShowFacesList(*flag);
        break;
    case kToggleToolbar:
        m_toolbar128->setVisible(*flag);
        break;
    case kToggleStatusBar:
        statusBar()->setVisible(*flag);
        return; // the status bar alone does not refit the frame
    }
    FitToPanels();
}

QSize CMainFrame::FrameSizeFor(QSize client) const {
    int h = client.height();
    if (menuBar()->isVisible() || !menuBar()->isHidden())
        h += menuBar()->sizeHint().height();
    for (QToolBar* t : {m_toolbar128, m_toolbar130})
        if (!t->isHidden())
            h += t->sizeHint().height();
    if (!statusBar()->isHidden())
        h += statusBar()->sizeHint().height();
    return {client.width(), h};
}

void CMainFrame::FitToPanels() {
    const QSize client =
        m_view->FittingSize(m_facesListShown, m_interpretationShown, m_galleryShown);
    // The fitting size is also the smallest: a smaller window would cut
    // panels off.
    const QSize fitting = FrameSizeFor(client);
    setMinimumSize(fitting);
    resize(fitting);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_globals.params.placements[kPlacementMain] = CaptureWidgetPlacement(*this);
    QMainWindow::closeEvent(event);
}

} // namespace mienlore
