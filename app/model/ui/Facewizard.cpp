#include "model/ui/Facewizard.h"

#include "model/FaceFrame.h"
#include "model/PhotoRobot.h"
#include "shell/ui/DialogTranslator.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mienlore {

using namespace photorobot;

bool CFacewizard::s_open = false;

CPageFaceItem::CPageFaceItem(int pageNumber, const PhotoRobotPage& page, CFaceItem& item,
                             QWidget* parent)
    : QWizardPage(parent), m_pageNumber(pageNumber), m_slotId(static_cast<int>(page.slot)),
      m_item(item) {
    SetDialogId(this, page.dialogId);
    setTitle(QString::fromStdString(PhotoRobotTitle(pageNumber)));

    auto* heading = new QLabel(QString::fromUtf8(page.heading), this);
    SetControlId(heading, kHeadingId);
    QFont font = heading->font();
    font.setWeight(QFont::DemiBold);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    heading->setFont(font);

    auto* groups = new QHBoxLayout;
    groups->setSpacing(8);
    auto* shapeBox = new QGroupBox(this);
    m_shapes = AddGroup(shapeBox, kUnknownId, page.shapes, "Unknown");
    groups->addWidget(shapeBox, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    if (!page.variants.empty()) {
        auto* box = new QGroupBox(this);
        AddGroup(box, kFirstVariantId, page.variants);
        side->addWidget(box);
    }
    auto* placement = new QHBoxLayout;
    if (!page.horizontal.empty()) {
        auto* box = new QGroupBox(this);
        AddGroup(box, kFirstHorzId, page.horizontal);
        placement->addWidget(box, 0, Qt::AlignTop);
    }
    if (!page.vertical.empty()) {
        auto* box = new QGroupBox(this);
        AddGroup(box, kFirstVertId, page.vertical);
        placement->addWidget(box, 0, Qt::AlignTop);
    }
    placement->addStretch();
    side->addLayout(placement);

    auto* hide = new QPushButton(QStringLiteral("Hide"), this);
    SetControlId(hide, kHideId);
    connect(hide, &QPushButton::clicked, this, [this] { OnChoice(kHideId); });
    auto* hideRow = new QHBoxLayout;
    hideRow->addWidget(hide);
    hideRow->addStretch();
    side->addLayout(hideRow);
    side->addStretch();
    groups->addLayout(side, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(groups);
    layout->addStretch();
}

QButtonGroup* CPageFaceItem::AddGroup(QWidget* box, int firstId,
                                      const std::vector<const char*>& labels,
                                      const char* firstLabel) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    int id = firstId;
    auto add = [&](const char* label) {
        auto* radio = new QRadioButton(QString::fromUtf8(label), box);
        SetControlId(radio, id);
        group->addButton(radio, id);
        layout->addWidget(radio);
        ++id;
    };
    if (firstLabel)
        add(firstLabel);
    for (const char* label : labels)
        add(label);
    connect(group, &QButtonGroup::idClicked, this, &CPageFaceItem::OnChoice);
    return group;
}

QWidget* CPageFaceItem::Control(int controlId) const {
    for (QWidget* w : findChildren<QWidget*>())
        if (w->property(kCtrlIdProperty).toInt() == controlId)
            return w;
    return nullptr;
}

void CPageFaceItem::Click(int controlId) {
    if (auto* button = qobject_cast<QAbstractButton*>(Control(controlId)))
        button->click();
}

void CPageFaceItem::initializePage() {
    // Every visit starts with nothing checked.
    for (QButtonGroup* group : findChildren<QButtonGroup*>()) {
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
    }
}

void CPageFaceItem::OnChoice(int controlId) {
    if (controlId == kHideId) {
        if (QAbstractButton* unknown = m_shapes->button(kUnknownId))
            unknown->setChecked(true);
    }
    if (ApplyPhotoRobotChoice(m_item, controlId))
        emit slotEdited(m_slotId);
}

CFacewizard::CFacewizard(CFaceFrame& face, QWidget* parent) : QWizard(parent) {
    s_open = true;
    setWizardStyle(QWizard::ClassicStyle);
    setOptions(QWizard::NoBackButtonOnStartPage | QWizard::NoDefaultButton);
    setButtonText(QWizard::BackButton, QStringLiteral("< Back"));
    setButtonText(QWizard::NextButton, QStringLiteral("Next >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("Finish"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Cancel"));
    setTitleFormat(Qt::PlainText);

    const auto& pages = PhotoRobotPages();
    for (int i = 0; i < kPageCount; ++i) {
        auto* page = new CPageFaceItem(i + 1, pages[i], face.Slot(pages[i].slot), this);
        // The window caption carries the page title instead.
        page->setTitle(QString());
        setPage(i + 1, page);
        connect(page, &CPageFaceItem::slotEdited, this, &CFacewizard::slotEdited);
    }
    for (int i = 1; i <= kPageCount; ++i)
        m_largestPage = m_largestPage.expandedTo(page(i)->sizeHint());
    setStartId(1);
    connect(this, &QWizard::currentIdChanged, this, &CFacewizard::OnPageChanged);
    setWindowTitle(QString::fromStdString(PhotoRobotTitle(1)));
}

QSize CFacewizard::sizeHint() const {
    const QSize base = QWizard::sizeHint();
    const QWizardPage* shown = currentPage() ? currentPage() : page(startId());
    if (!shown)
        return base;
    return base + (m_largestPage - shown->sizeHint()).expandedTo(QSize(0, 0));
}

CFacewizard::~CFacewizard() {
    s_open = false;
}

bool CFacewizard::IsOpen() {
    return s_open;
}

CPageFaceItem* CFacewizard::FacePage(int pageNumber) const {
    return qobject_cast<CPageFaceItem*>(page(pageNumber));
}

void CFacewizard::OnPageChanged(int id) {
    CPageFaceItem* p = FacePage(id);
    if (!p)
        return;
    setWindowTitle(QString::fromStdString(PhotoRobotTitle(id)));
    emit slotActivated(p->SlotId());
}

bool CFacewizard::Run(CFaceFrame& face, QWidget* owner, std::function<void(int)> onSlotActivated,
                      std::function<void(int)> onSlotEdited) {
    if (s_open)
        return false;
    CFacewizard wizard(face, owner);
    if (onSlotActivated)
        connect(&wizard, &CFacewizard::slotActivated, &wizard, onSlotActivated);
    if (onSlotEdited)
        connect(&wizard, &CFacewizard::slotEdited, &wizard, onSlotEdited);
    wizard.exec();
    return true;
}

} // namespace mienlore
