#include "gallery/ui/PageGall.h"

#include "files/StoredFace.h"
#include "files/ui/InputNameDlg.h"
#include "gallery/GallEdit.h"
#include "gallery/ui/FindInGListDlg.h"
#include "gallery/ui/PictListBox.h"
#include "imaging/Devib.h"
#include "resources/LoadString.h"
#include "resources/OwnStringIds.h"
#include "shell/Lang.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/StaticLink.h"
#include "shell/ui/UiStrings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace mienlore {
namespace {

QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

int Index(GallFolder which) {
    return static_cast<int>(which);
}

} // namespace

CPageGall::CPageGall(CGallery& gallery, CFaceFrame& face, GallHost host, const CLang* lang,
                     QWidget* parent)
    : QWidget(parent), m_gallery(gallery), m_face(face), m_host(std::move(host)), m_lang(lang) {
    Build();
    FillStrip(GallFolder::Gallery);
    ReloadMyGallery();
    ShowFolder(GallFolder::Gallery);
}

CPageGall::~CPageGall() = default;

void CPageGall::Build() {
    SetDialogId(this, kDialogId);
    setObjectName(QStringLiteral("pageGall"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 2);
    layout->setSpacing(1);

    // Top row: the radios, the title and the link.
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    auto* group = new QButtonGroup(this);
    const struct {
        GallFolder folder;
        int id;
        const char* text;
    } radios[] = {{GallFolder::My, kMyId, "My"}, {GallFolder::Gallery, kGalleryId, "Gallery"}};
    for (const auto& r : radios) {
        auto* radio = new QRadioButton(QString::fromUtf8(r.text), this);
        SetControlId(radio, r.id);
        radio->setObjectName(QStringLiteral("ctl%1").arg(r.id));
        group->addButton(radio);
        top->addWidget(radio);
        m_radios[Index(r.folder)] = radio;
        connect(radio, &QRadioButton::clicked, this, [this, f = r.folder] { ShowFolder(f); });
    }
    m_titleLabel = new QLabel(QStringLiteral("Select in Gallery"), this);
    SetControlId(m_titleLabel, kTitleId);
    m_titleLabel->setObjectName(QStringLiteral("ctl%1").arg(kTitleId));
    // The title is a portrait's name, which the user may have typed: shown
    // as it was typed, never read as markup.
    m_titleLabel->setTextFormat(Qt::PlainText);
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    m_titleLabel->setFont(bold);
    top->addWidget(m_titleLabel, 1);
    m_link = new CStaticLink(this);
    m_link->setObjectName(QStringLiteral("ctl%1").arg(kLinkId));
    const GallLink& heading = GalleryHeadingLink();
    m_link->SetLink(QStringLiteral("Mienlore"), QString::fromUtf8(heading.address));
    top->addWidget(m_link);
    layout->addLayout(top);

    // Middle: Prev, the strips over the scroll bar, Next, then Add and Del.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(2);
    const auto makeButton = [this](int id, const char* text) {
        auto* b = new QToolButton(this);
        b->setText(QString::fromUtf8(text));
        SetControlId(b, id);
        b->setObjectName(QStringLiteral("ctl%1").arg(id));
        b->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
        const auto uid = static_cast<unsigned>(id);
        const std::string tip = m_lang ? m_lang->LoadString(uid) : LoadInterfaceString(uid, 256);
        if (!tip.empty() && tip != std::to_string(id))
            b->setToolTip(QString::fromStdString(tip));
        m_buttons[id] = b;
        return b;
    };
    middle->addWidget(makeButton(kPrevId, "Prev"));
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    for (GallFolder f : {GallFolder::Gallery, GallFolder::My}) {
        auto* strip = new CPictListBox(this);
        const int id = f == GallFolder::Gallery ? kGalleryStripId : kMyStripId;
        SetControlId(strip, id);
        strip->setObjectName(QStringLiteral("ctl%1").arg(id));
        strip->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        column->addWidget(strip, 1);
        m_strips[Index(f)] = strip;
        connect(strip, &CPictListBox::cellClicked, this, &CPageGall::ClickCell);
        connect(strip, &CPictListBox::scrollRequested, this,
                [this, strip](int delta) { ScrollTo(strip->Strip().First() + delta); });
    }
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    SetControlId(m_scroll, kScrollId);
    m_scroll->setObjectName(QStringLiteral("ctl%1").arg(kScrollId));
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(CGallStrip::kPageStep);
    column->addWidget(m_scroll);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        CPictListBox* strip = ShownStrip();
        if (strip->Strip().First() == value)
            return;
        strip->Strip().ScrollTo(value);
        strip->StripChanged();
    });
    middle->addLayout(column, 1);
    middle->addWidget(makeButton(kNextId, "Next"));
    auto* edit = new QVBoxLayout;
    edit->setSpacing(2);
    edit->addWidget(makeButton(kAddId, "Add"));
    edit->addWidget(makeButton(kDelId, "Del"));
    middle->addLayout(edit);
    layout->addLayout(middle, 1);

    m_addTip = m_buttons[kAddId]->toolTip();
    connect(m_buttons[kPrevId], &QToolButton::clicked, this, &CPageGall::Prev);
    connect(m_buttons[kNextId], &QToolButton::clicked, this, &CPageGall::Next);
    connect(m_buttons[kAddId], &QToolButton::clicked, this, &CPageGall::Add);
    connect(m_buttons[kDelId], &QToolButton::clicked, this, &CPageGall::Delete);

    if (m_lang)
        TranslateDialog(*m_lang, this, kDialogId);
}

CPictListBox* CPageGall::Strip(GallFolder which) const {
    return m_strips[Index(which)];
}

QToolButton* CPageGall::Button(int id) const {
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

QRadioButton* CPageGall::Radio(GallFolder which) const {
    return m_radios[Index(which)];
}

void CPageGall::FillStrip(GallFolder which) {
    const std::vector<CGallItem>& items = m_gallery.Displayed(which);
    const std::size_t described = m_gallery.DescribedCount(which);
    std::vector<CPictListBox::Entry> entries;
    entries.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        entries.push_back({FromPath(items[i].PicturePath()), i < described});
    Strip(which)->SetEntries(std::move(entries));
    if (which == m_folder)
        SyncScrollBar();
}

void CPageGall::GalleryLoaded() {
    FillStrip(GallFolder::Gallery);
    if (m_listDlg && m_listDlg->isVisible())
        ShowGalleryList();
}

void CPageGall::ReloadMyGallery() {
    m_gallery.LoadMyGallery();
    FillStrip(GallFolder::My);
}

void CPageGall::ShowFolder(GallFolder which) {
    m_folder = which;
    {
        const QSignalBlocker block(m_radios[Index(which)]);
        m_radios[Index(which)]->setChecked(true);
    }
    Strip(GallFolder::My)->setVisible(which == GallFolder::My);
    Strip(GallFolder::Gallery)->setVisible(which == GallFolder::Gallery);
    m_buttons[kDelId]->setEnabled(which == GallFolder::My);
    // "Add" describes the chosen portrait of the shipped Gallery.
    m_buttons[kAddId]->setToolTip(which == GallFolder::My ? m_addTip
                                                          : UiString(str::kDescribePortrait));
    SyncScrollBar();
}

void CPageGall::SyncScrollBar() {
    const CGallStrip& strip = ShownStrip()->Strip();
    const QSignalBlocker block(m_scroll);
    m_scroll->setRange(0, strip.MaxFirst());
    m_scroll->setValue(strip.First());
}

void CPageGall::ScrollTo(int first) {
    CPictListBox* strip = ShownStrip();
    strip->Strip().ScrollTo(first);
    strip->StripChanged();
    SyncScrollBar();
}

void CPageGall::ApplySelection(std::optional<int> position) {
    ShownStrip()->StripChanged();
    SyncScrollBar();
    if (position)
        Apply(*position);
}

void CPageGall::Prev() {
    ApplySelection(ShownStrip()->Strip().Step(-1));
}

void CPageGall::Next() {
    ApplySelection(ShownStrip()->Strip().Step(+1));
}

void CPageGall::ClickCell(int cell) {
    CGallStrip& strip = ShownStrip()->Strip();
    strip.SetSelectedCell(cell);
    ApplySelection(strip.Select());
}

void CPageGall::ShowPosition(int position) {
    ApplySelection(ShownStrip()->Strip().Show(position));
}

void CPageGall::Apply(int position) {
    const std::vector<CGallItem>& items = m_gallery.Displayed(m_folder);
    if (position < 0 || position >= static_cast<int>(items.size()))
        return;
    const CGallItem& item = items[static_cast<std::size_t>(position)];
    if (m_host.showPicture)
        m_host.showPicture(FromPath(item.PicturePath()));
    if (m_host.hasCurrentSlot && !m_host.hasCurrentSlot() && m_host.prepare)
        m_host.prepare();
    CFaceFrame scratch(m_face.ProgramFolder());
    std::string code;
    std::string name;
    // A description that does not read counts as none: the face is cleared.
    if (!item.ReadDescription(scratch, code, name) || !ApplyFaceCode(m_face, code))
        m_face.Clear();
    if (m_host.faceChanged)
        m_host.faceChanged();
    ShowTitle(item.PicturePath());
}

void CPageGall::ShowTitle(const std::filesystem::path& picture) {
    const GallTitle title = GalleryTitle(picture);
    m_title = QString::fromStdString(title.title);
    m_titleLabel->setText(QStringLiteral(" ") + m_title);
    const GallLink& link = GalleryLink(title.link);
    m_link->SetLink(QString::fromUtf8(link.text), QString::fromUtf8(link.address));
}

void CPageGall::Add() {
    if (m_folder == GallFolder::My)
        AddToMyGallery();
    else
        Describe();
}

void CPageGall::AddToMyGallery() {
    QString name = m_title.isEmpty() ? QStringLiteral("Noname") : m_title;
    bool saveImage = false;
    const std::filesystem::path folder = MyGalleryFolder(m_gallery.ProgramFolder());
    for (;;) {
        if (!AskName(name, saveImage) || name.isEmpty())
            return;
        const std::string problem = GalleryNameProblem(name.toStdString());
        if (problem.empty())
            break;
        Report(QStringLiteral("\"%1\" cannot be used as a name in My Gallery. %2")
                   .arg(name, QString::fromStdString(problem)));
    }
    const std::string stored = name.toStdString();
    if (GalleryEntryExists(folder, stored) &&
        !AskYesNo(UiString(str::kMyGallery),
                  QStringLiteral("\"%1\" is already in My Gallery. Do you want to replace it?")
                      .arg(name)))
        return;

    CDevib picture;
    const bool drawn = saveImage && m_host.photoPicture ? m_host.photoPicture(picture)
                       : m_host.facePicture             ? m_host.facePicture(picture)
                                                        : false;
    if (!drawn || picture.IsEmpty()) {
        Report(UiString(str::kNoPictureToSave));
        return;
    }
    const WriteResult written = AddGalleryEntry(folder, stored, m_face, picture);
    if (!written)
        Report(QStringLiteral("\"%1\" could not be saved in My Gallery: %2")
                   .arg(name, QString::fromStdString(written.error)));
    ReloadMyGallery();
    // The new portrait comes into view.
    const std::filesystem::path added = GalleryEntryPaths(folder, stored).picture;
    for (const CGallItem& item : m_gallery.Displayed(GallFolder::My))
        if (item.PicturePath().filename() == added.filename())
            ScrollTo(item.index);
}

void CPageGall::Describe() {
    const std::optional<int> applied = ShownStrip()->Strip().AppliedLast();
    const std::vector<CGallItem>& items = m_gallery.Displayed(GallFolder::Gallery);
    if (!applied || *applied >= static_cast<int>(items.size()) || m_title.isEmpty()) {
        QApplication::beep();
        return;
    }
    const CGallItem& item = items[static_cast<std::size_t>(*applied)];
    // A description is rewritten only when the user says so (No by default).
    if (item.HasDescription() &&
        !AskYesNo(m_title, UiString(str::kReplaceDescription) + QStringLiteral("\n\n") + m_title))
        return;
    const WriteResult written = DescribeGalleryItem(item, m_face, m_title.toStdString());
    if (!written) {
        Report(QStringLiteral("The description of \"%1\" could not be saved: %2")
                   .arg(m_title, QString::fromStdString(written.error)));
        return;
    }
    ShownStrip()->SetDescribed(*applied, true);
}

void CPageGall::Delete() {
    if (m_folder != GallFolder::My)
        return;
    const std::optional<int> applied = Strip(GallFolder::My)->Strip().AppliedLast();
    const std::vector<CGallItem>& items = m_gallery.Displayed(GallFolder::My);
    if (!applied || *applied >= static_cast<int>(items.size())) {
        QApplication::beep();
        return;
    }
    if (!AskYesNo(UiString(str::kMyGallery), UiString(str::kRemoveItem)))
        return;
    const WriteResult removed = RemoveGalleryEntry(m_gallery.Folder(GallFolder::My),
                                                   items[static_cast<std::size_t>(*applied)]);
    if (!removed)
        Report(QStringLiteral("The portrait could not be removed: %1")
                   .arg(QString::fromStdString(removed.error)));
    const int first = Strip(GallFolder::My)->Strip().First();
    ReloadMyGallery();
    ScrollTo(first);
}

void CPageGall::ShowGalleryList() {
    ShowFolder(GallFolder::Gallery);
    const std::vector<CGallFace>& faces = m_gallery.GalleryFaces();
    if (faces.empty())
        return;
    if (m_host.showFaceTraits)
        m_host.showFaceTraits();
    if (!m_listDlg) {
        m_listDlg = new CFindInGListDlg(m_lang, this);
        m_listDlg->setWindowFlag(Qt::Tool);
        connect(m_listDlg, &CFindInGListDlg::chosen, this, [this](int index) {
            const std::vector<CGallFace>& list = m_gallery.GalleryFaces();
            if (index < 0 || index >= static_cast<int>(list.size()))
                return;
            ShowFolder(GallFolder::Gallery);
            ShowPosition(list[static_cast<std::size_t>(index)].index);
        });
    }
    std::vector<std::string> names;
    names.reserve(faces.size());
    for (const CGallFace& f : faces)
        names.push_back(f.Name().empty() ? GalleryTitle(f.PicturePath()).title : f.Name());
    m_listDlg->SetNames(names);
    m_listDlg->show();
    m_listDlg->raise();
    m_listDlg->activateWindow();
}

bool CPageGall::AskName(QString& name, bool& saveImage) {
    const bool photo = m_host.photoPicture && m_host.hasPhoto && m_host.hasPhoto();
    if (m_askName)
        return m_askName(name, saveImage, photo);
    CInputNameDlg dlg(m_lang, this, true);
    dlg.SetName(name);
    dlg.NameEdit()->selectAll();
    dlg.SaveImageBox()->setChecked(false);
    dlg.SaveImageBox()->setEnabled(photo);
    if (!photo)
        dlg.SaveImageBox()->setToolTip(UiString(str::kNoPhotoToSave));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    name = dlg.Name().trimmed();
    saveImage = dlg.SaveImage();
    return true;
}

bool CPageGall::AskYesNo(const QString& title, const QString& text) {
    if (m_ask)
        return m_ask(title, text);
    // The question may hold a name the user typed: shown as plain text.
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void CPageGall::Report(const QString& text) {
    if (m_report) {
        m_report(text);
        return;
    }
    {
        // The message may hold a name or path the user typed: plain text.
        QMessageBox box(QMessageBox::Warning, UiString(str::kMyGallery), text, QMessageBox::Ok,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

} // namespace mienlore
