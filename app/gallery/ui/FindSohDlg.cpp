#include "gallery/ui/FindSohDlg.h"

#include "gallery/ui/SearchDialogControls.h"
#include "gallery/ui/SonDiagram.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/UiStrings.h"
#include "shell/ui/WidgetPlacement.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace mienlore {
namespace {

// The check boxes: trait id and text, in trait order.
struct CheckDef {
    int id;
    const char* text;
};
constexpr CheckDef kChecks[] = {
    {2530, "Temperament"}, {2550, "Adventurism"},     {2560, "Egoism"},     {2570, "Hostility"},
    {2580, "Optimism"},    {2590, "Self-confidence"}, {2620, "Will power"}, {2630, "Diligence"},
    {2640, "Intellect"},   {2650, "Humor"},           {2660, "Lucky"},      {2670, "Slyness"},
};
static_assert(std::size(kChecks) == kMapTraitIds.size());

} // namespace

GalleryStatistics& CFindSohDlg::Statistics() {
    static GalleryStatistics stats;
    return stats;
}

CFindSohDlg::CFindSohDlg(const CLang* lang, const SearchGallery& gallery,
                         std::function<IndicatorValues()> currentFace, WindowPlacement* placement,
                         QWidget* parent)
    : QDialog(parent), m_gallery(gallery), m_current(std::move(currentFace)),
      m_placement(placement) {
    setObjectName(QStringLiteral("findSohDlg"));
    setWindowTitle(QStringLiteral("Persons with similar character"));
    SetDialogId(this, kDialogId);

    auto* checks = new QVBoxLayout;
    checks->setSpacing(2);
    for (const CheckDef& c : kChecks) {
        auto* box = new QCheckBox(QString::fromUtf8(c.text), this);
        box->setObjectName(QStringLiteral("chk%1").arg(c.id + 1));
        SetControlId(box, c.id + 1);
        checks->addWidget(box);
        m_checks.push_back(box);
    }
    checks->addStretch(1);

    m_diagram = new CSonDiagram(this);
    m_diagram->setMinimumSize(560, 380);
    m_diagram->SetMap(nullptr);
    m_diagram->SetFaceSource(
        [this](int face) {
            return face >= 0 && face < static_cast<int>(m_gallery.faces.size())
                       ? m_gallery.faces[face].name
                       : std::string();
        },
        [this](int face) { return Thumbnail(face); });
    m_diagram->SetWordSource(
        [](unsigned id) { return UiString(static_cast<int>(id), 80).toStdString(); });

    m_progress = MakeSearchProgress(this, kProgressId, 0, 1);

    m_start = MakeSearchButton(this, kStartId, "Start");
    m_help = MakeSearchButton(this, kHelpId, "Help");
    m_close = MakeSearchButton(this, kCloseId, "Close");
    m_start->setDefault(true);
    m_help->setEnabled(false);
    connect(m_start, &QPushButton::clicked, this, &CFindSohDlg::Start);
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (m_helpRun)
            m_helpRun(kHelpTopic);
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addLayout(checks);
    top->addWidget(m_diagram, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_start);
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    if (lang)
        TranslateDialog(*lang, this, kDialogId);
}

void CFindSohDlg::SetHelp(std::function<void(int)> help) {
    m_helpRun = std::move(help);
    m_help->setEnabled(static_cast<bool>(m_helpRun));
}

QCheckBox* CFindSohDlg::Check(int traitId) const {
    for (std::size_t i = 0; i < std::size(kChecks); ++i)
        if (kChecks[i].id == traitId)
            return m_checks[i];
    return nullptr;
}

QPixmap CFindSohDlg::Thumbnail(int face) {
    const auto it = m_thumbnails.find(face);
    if (it != m_thumbnails.end())
        return it->second;
    QPixmap picture;
    if (face >= 0 && face < static_cast<int>(m_gallery.pictures.size())) {
        QImageReader reader(QString::fromStdString(m_gallery.pictures[face].string()));
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (!image.isNull())
            picture = QPixmap::fromImage(
                image.scaled(30, 36, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    m_thumbnails[face] = picture;
    return picture;
}

void CFindSohDlg::Start() {
    if (m_running)
        return;
    m_running = true;
    m_start->setEnabled(false);
    m_close->setEnabled(false);

    std::vector<int> ticked;
    for (std::size_t i = 0; i < std::size(kChecks); ++i)
        if (m_checks[i]->isChecked())
            ticked.push_back(kChecks[i].id);
    const std::vector<int> traits = ChooseMapTraits(ticked);
    for (std::size_t i = 0; i < std::size(kChecks); ++i)
        m_checks[i]->setChecked(std::find(traits.begin(), traits.end(), kChecks[i].id) !=
                                traits.end());

    const int n = static_cast<int>(m_gallery.faces.size());
    m_progress->setRange(0, std::max(1, n));
    m_progress->setValue(0);
    GalleryStatistics& stats = Statistics();
    if (!stats.computed)
        stats = ComputeGalleryStatistics(m_gallery.faces, [this](int done) {
            m_progress->setValue(done);
            m_progress->repaint();
        });

    m_diagram->SetComputing(true);
    m_diagram->ShowThumbnails(false);
    m_diagram->SetMarkedNode(-1);
    m_diagram->SetMap(&m_map);
    MapProgress progress;
    progress.trained = [this](int t) {
        m_progress->setValue(t);
        if (m_pacing) {
            m_progress->repaint();
            m_diagram->repaint();
            QThread::msleep(1);
        }
    };
    progress.mapped = [this](int remaining) { m_progress->setValue(remaining); };
    BuildCharacterMap(m_map, stats, MapDimensions(traits), progress);

    m_diagram->SetMarkedNode(m_current ? MarkedNode(m_map, stats, m_current()) : -1);
    m_diagram->SetComputing(false);
    m_diagram->ShowThumbnails(true);
    m_diagram->SetMap(&m_map);
    m_progress->setValue(0);
    m_start->setEnabled(true);
    m_close->setEnabled(true);
    m_running = false;
}

void CFindSohDlg::done(int result) {
    if (m_running)
        return;
    if (m_placement)
        *m_placement = CaptureWidgetPlacement(*this);
    QDialog::done(result);
}

} // namespace mienlore
