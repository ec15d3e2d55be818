#include "model/ui/PageFace.h"

#include "imaging/ui/FaceWnd.h"
#include "model/FaceFrame.h"
#include "model/FaceNames.h"
#include "model/ui/PictList.h"
#include "resources/OwnStringIds.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogUnits.h"
#include "shell/ui/UiStrings.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

namespace mienlore {
namespace {

constexpr int kSlotButtonIds[11] = {cmd::kSlotForehead,  cmd::kSlotCheekBones, cmd::kSlotChin,
                                    cmd::kSlotEyes,      cmd::kSlotEyebrows,   cmd::kSlotNose,
                                    cmd::kSlotLips,      cmd::kSlotEars,       cmd::kSlotHair,
                                    cmd::kSlotMoustache, cmd::kSlotBeard};
constexpr const char* kSlotButtonTexts[11] = {"Head", "Scul", "Chin", "Eyes", "Brov", "Nous",
                                              "Mout", "Ears", "Hair", "Must", "Bear"};

void TagControl(QWidget* w, int id) {
    w->setProperty("ctrlId", id);
    w->setObjectName(QStringLiteral("ctl%1").arg(id));
}

QPixmap SliderIconPixmap(bool size) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    if (size) {
        // A small and a large square: size.
        p.drawRect(QRectF(1.5, 8.5, 5, 5));
        p.drawRect(QRectF(7.5, 2.5, 7, 11));
    } else {
        // A double arrow: horizontal position.
        p.drawLine(QPointF(2, 8), QPointF(14, 8));
        p.drawLine(QPointF(2, 8), QPointF(5, 5));
        p.drawLine(QPointF(2, 8), QPointF(5, 11));
        p.drawLine(QPointF(14, 8), QPointF(11, 5));
        p.drawLine(QPointF(14, 8), QPointF(11, 11));
    }
    return pm;
}

} // namespace

int ClampSliderValue(int value) {
    return std::clamp(value, 0, 300);
}

CPageFace::CPageFace(CFaceFrame& face, const DialogUnits& du, QWidget* parent)
    : QWidget(parent), m_face(face) {
    setObjectName(QStringLiteral("pageFace"));
    setAutoFillBackground(false);

    m_list = new CPictList(this);
    TagControl(m_list, 1044);
    m_list->setGeometry(du.Rect(26, 20, 50, 188));

    m_shapeSlider = new QSlider(Qt::Vertical, this);
    m_variantSlider = new QSlider(Qt::Horizontal, this);
    m_ySlider = new QSlider(Qt::Vertical, this);
    m_sizeSlider = new QSlider(Qt::Horizontal, this);
    m_xSlider = new QSlider(Qt::Horizontal, this);
    TagControl(m_shapeSlider, 1008);
    TagControl(m_variantSlider, 1010);
    TagControl(m_ySlider, 1009);
    TagControl(m_sizeSlider, 1012);
    TagControl(m_xSlider, 1011);
    m_shapeSlider->setGeometry(du.Rect(76, 20, 10, 188));
    m_variantSlider->setGeometry(du.Rect(86, 18, 40, 10));
    m_variantSlider->setToolTip(UiString(str::kVariantTip));
    m_variantSlider->hide();
    m_ySlider->setGeometry(du.Rect(256, 25, 20, 163));
    m_sizeSlider->setGeometry(du.Rect(115, 188, 58, 12));
    m_xSlider->setGeometry(du.Rect(191, 188, 58, 12));
    // Smallest value at the top, like the list beside it and the face itself.
    m_shapeSlider->setInvertedAppearance(true);
    m_ySlider->setInvertedAppearance(true);
    for (QSlider* s : {m_shapeSlider, m_variantSlider, m_ySlider, m_sizeSlider, m_xSlider}) {
        s->setRange(0, 0);
        const int id = s->property("ctrlId").toInt();
        connect(s, &QSlider::valueChanged, this, [this, id] {
            if (!m_updating)
                OnSliderMoved(id);
        });
    }

    m_sizeIcon = new QLabel(this);
    m_xIcon = new QLabel(this);
    TagControl(m_sizeIcon, 1090);
    TagControl(m_xIcon, 1091);
    m_sizeIcon->setPixmap(SliderIconPixmap(true));
    m_xIcon->setPixmap(SliderIconPixmap(false));
    m_sizeIcon->setGeometry(du.Rect(103, 188, 11, 12));
    m_xIcon->setGeometry(du.Rect(179, 188, 11, 12));
    m_sizeIcon->setAlignment(Qt::AlignCenter);
    m_xIcon->setAlignment(Qt::AlignCenter);

    m_faceWnd = new CFaceWnd(this);
    TagControl(m_faceWnd, 1001);
    m_faceWnd->setGeometry(du.Rect(83, 23, 166, 164));
    m_faceWnd->SetFaceColour(0xF0FFFF);
    m_faceWnd->BindFace(&m_face);
    m_shapeSlider->raise();

    for (int k = 0; k < 11; ++k)
        m_slotButtons[k] = MakeButton(kSlotButtonIds[k], QString::fromLatin1(kSlotButtonTexts[k]),
                                      du.Rect(0, 1 + 19 * k, 20, 17), true);
    m_emp = MakeButton(cmd::kHideItem, QStringLiteral("Emp"), du.Rect(26, 1, 24, 17));
    m_undo = MakeButton(cmd::kUndo, QStringLiteral("Undo"), du.Rect(52, 1, 24, 17));
    m_redo = MakeButton(cmd::kRedo, QStringLiteral("Redo"), du.Rect(78, 1, 24, 17));
    m_scro = MakeButton(cmd::kNextVariant, QStringLiteral("Scro"), du.Rect(104, 1, 24, 17));
    m_run = MakeButton(cmd::kPhotoRobot, QStringLiteral("Run"), du.Rect(256, 1, 24, 17));
    m_cent = MakeButton(cmd::kDefaultPlacement, QStringLiteral("Cent"), du.Rect(263, 193, 12, 13));
    m_smooth = MakeButton(cmd::kSmooth, QStringLiteral("s"), du.Rect(85, 193, 12, 13));
    m_smooth->hide();
    // The small buttons take a type size that fits their caption.
    for (QToolButton* small : {m_cent, m_smooth}) {
        QFont f = small->font();
        for (int px = 12; px > 6; --px) {
            f.setPixelSize(px);
            if (QFontMetrics(f).horizontalAdvance(small->text()) <= small->width() - 4)
                break;
        }
        small->setFont(f);
    }
    m_emp->setToolTip(UiString(cmd::kHideItem));
    m_cent->setToolTip(UiString(cmd::kDefaultPlacement));
    m_scro->setToolTip(UiString(str::kNextVariantTip));
    m_run->setToolTip(StatusText(cmd::kPhotoRobot));
    m_undo->setToolTip(UiString(str::kUndoTip));
    m_redo->setToolTip(UiString(str::kRedoTip));

    m_variants = new QComboBox(this);
    TagControl(m_variants, 1047);
    const QRect vr = du.Rect(130, 1, 120, 14);
    m_variants->setGeometry(vr.x(), vr.y(), vr.width(), m_variants->sizeHint().height());

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_updating)
            OnListSelection(row);
    });
    connect(m_list, &CPictList::variantStepRequested, this, &CPageFace::StepVariant);
    connect(m_list, &CPictList::hovered, this, [this] { m_faceWnd->SetHintMode(1); });
    connect(m_variants, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_updating)
            OnVariantSelection(index);
    });
    connect(m_emp, &QToolButton::clicked, this, &CPageFace::HideItem);
    connect(m_scro, &QToolButton::clicked, this, &CPageFace::NextVariant);
    connect(m_cent, &QToolButton::clicked, this, &CPageFace::DefaultPlace);
    connect(m_undo, &QToolButton::clicked, this, &CPageFace::undoRequested);
    connect(m_redo, &QToolButton::clicked, this, &CPageFace::redoRequested);
    connect(m_run, &QToolButton::clicked, this,
            [this] { emit commandRequested(cmd::kPhotoRobot); });
    connect(m_smooth, &QToolButton::clicked, this, [this] { emit commandRequested(cmd::kSmooth); });
    for (int k = 0; k < 11; ++k) {
        const int id = kSlotButtonIds[k];
        connect(m_slotButtons[k], &QToolButton::clicked, this, [this, id] { SelectSlot(id); });
    }
    connect(m_faceWnd, &CFaceWnd::pressed, this, &CPageFace::OnFacePressed);
    connect(m_faceWnd, &CFaceWnd::dragged, this, &CPageFace::OnFaceDragged);

    UpdateButtons();
    m_faceWnd->Render(m_caption);
}

QToolButton* CPageFace::MakeButton(int id, const QString& text, QRect rect, bool checkable) {
    auto* b = new QToolButton(this);
    TagControl(b, id);
    b->setText(text);
    b->setGeometry(rect);
    b->setCheckable(checkable);
    b->setFocusPolicy(Qt::NoFocus);
    if (checkable) {
        b->setToolTip(UiString(id));
        // Only the page sets the pressed look: a click selects, never releases.
        connect(b, &QToolButton::toggled, b, [this, b, id](bool on) {
            if (on != (m_slot == id)) {
                const QSignalBlocker block(b);
                b->setChecked(m_slot == id);
            }
        });
    }
    return b;
}

QSlider* CPageFace::Slider(int id) const {
    switch (id) {
    case 1008:
        return m_shapeSlider;
    case 1010:
        return m_variantSlider;
    case 1009:
        return m_ySlider;
    case 1012:
        return m_sizeSlider;
    case 1011:
        return m_xSlider;
    default:
        return nullptr;
    }
}

QToolButton* CPageFace::Button(int id) const {
    return findChild<QToolButton*>(QStringLiteral("ctl%1").arg(id), Qt::FindDirectChildrenOnly);
}

QLabel* CPageFace::SliderIcon(int id) const {
    return id == 1090 ? m_sizeIcon : id == 1091 ? m_xIcon : nullptr;
}

void CPageFace::SetPictureSource(std::function<QImage(const CFaceItem&, int)> source) {
    m_pictures = std::move(source);
    if (HasCurrentSlot())
        RefreshControls();
}

CFaceItem* CPageFace::Selected() {
    return m_slot > 0 ? &m_face.Slot(m_slot) : nullptr;
}

void CPageFace::SelectSlot(int slotId, bool highlight) {
    if (FaceSlotIndex(slotId) < 0)
        return;
    m_slot = slotId;
    for (int k = 0; k < 11; ++k) {
        const QSignalBlocker block(m_slotButtons[k]);
        m_slotButtons[k]->setChecked(kSlotButtonIds[k] == slotId);
    }
    UpdateButtons();
    RefreshControls();
    if (highlight)
        m_faceWnd->SetHintMode(2);
}

void CPageFace::EndSelection() {
    m_slot = -1;
    for (QToolButton* b : m_slotButtons) {
        const QSignalBlocker block(b);
        b->setChecked(false);
    }
    UpdateButtons();
    m_faceWnd->SetHintMode(0);
}

void CPageFace::UpdateButtons() {
    const bool on = HasCurrentSlot();
    m_scro->setEnabled(on);
    m_emp->setEnabled(on);
    m_cent->setEnabled(on);
    m_smooth->setEnabled(on);
    m_undo->setEnabled(on && m_canUndo);
    m_redo->setEnabled(on && m_canRedo);
    for (QWidget* w : std::initializer_list<QWidget*>{m_list, m_variants, m_shapeSlider, m_ySlider,
                                                      m_sizeSlider, m_xSlider})
        w->setEnabled(on);
}

void CPageFace::SetHistoryState(bool canUndo, bool canRedo) {
    m_canUndo = canUndo;
    m_canRedo = canRedo;
    UpdateButtons();
}

void CPageFace::SetSlider(int id, int lo, int hi, int value) {
    QSlider* s = Slider(id);
    s->setRange(ClampSliderValue(lo), ClampSliderValue(hi));
    s->setValue(ClampSliderValue(value));
}

int CPageFace::SliderValue(int id) const {
    return ClampSliderValue(Slider(id)->value());
}

void CPageFace::RefreshControls() {
    CFaceItem* item = Selected();
    if (!item)
        return;
    const bool wasUpdating = m_updating;
    m_updating = true;

    QStringList names;
    for (int i = 0; i < item->Shapes(); ++i)
        names << QString::fromStdString(ShapeName(*item, i, UiStringOverride()));
    const int slotId = m_slot;
    m_list->Fill(names, [this, slotId](int shape) -> QImage {
        if (!m_pictures || m_slot != slotId)
            return {};
        return m_pictures(m_face.Slot(slotId), shape);
    });
    m_list->setCurrentRow(item->GetShape());
    m_listVariant = item->GetVariant();

    SetSlider(1008, 0, item->Shapes() - 1, item->GetShape());
    SetSlider(1010, 0, item->Variants() - 1, item->GetVariant());

    m_variants->clear();
    if (item->Variants() > 1) {
        for (int j = 0; j < item->Variants(); ++j)
            m_variants->addItem(QString::fromStdString(VariantName(*item, j, UiStringOverride())));
        m_variants->setCurrentIndex(item->GetVariant());
    }

    const int lo = item->HorzMin();
    const int hi = std::max(lo, item->HorzMax());
    SetSlider(1012, lo, hi, item->IsSized() ? item->GetSize() : lo);
    SetSlider(1011, lo, hi, item->IsSized() ? lo : item->GetPosX());
    const bool sized = item->IsSized();
    const bool movable = !sized && lo < hi;
    m_sizeSlider->setVisible(sized);
    m_sizeIcon->setVisible(sized);
    m_xSlider->setVisible(movable);
    m_xIcon->setVisible(movable);

    SetSlider(1009, item->YMin(), std::max(item->YMin(), item->YMax()), item->GetPosY());
    m_updating = wasUpdating;
}

void CPageFace::SyncSliders() {
    CFaceItem* item = Selected();
    if (!item)
        return;
    const bool wasUpdating = m_updating;
    m_updating = true;
    m_shapeSlider->setValue(ClampSliderValue(item->GetShape()));
    if (m_list->currentRow() != item->GetShape())
        m_list->setCurrentRow(item->GetShape());
    m_variantSlider->setValue(ClampSliderValue(item->GetVariant()));
    if (m_variants->count() > item->GetVariant())
        m_variants->setCurrentIndex(item->GetVariant());
    if (item->IsSized())
        m_sizeSlider->setValue(ClampSliderValue(item->GetSize()));
    else
        m_xSlider->setValue(ClampSliderValue(item->GetPosX()));
    m_ySlider->setValue(ClampSliderValue(item->GetPosY()));
    // The list's pictures show the variant: redraw them only when it changed.
    if (item->GetVariant() != m_listVariant) {
        m_listVariant = item->GetVariant();
        m_list->RedrawPictures();
    }
    m_updating = wasUpdating;
}

void CPageFace::Apply() {
    if (CFaceItem* item = Selected())
        item->Reload();
    emit faceChanged();
}

void CPageFace::ApplyAfterKeyOrDrag() {
    SyncSliders();
    Apply();
}

void CPageFace::OnListSelection(int row) {
    CFaceItem* item = Selected();
    if (!item || row < 0)
        return;
    item->SetShape(row);
    const QSignalBlocker block(m_shapeSlider);
    m_shapeSlider->setValue(ClampSliderValue(item->GetShape()));
    Apply();
}

void CPageFace::OnVariantSelection(int index) {
    CFaceItem* item = Selected();
    if (!item || index < 0)
        return;
    const int before = item->GetVariant();
    item->SetVariant(index);
    {
        const QSignalBlocker block(m_variantSlider);
        m_variantSlider->setValue(ClampSliderValue(item->GetVariant()));
    }
    if (item->GetVariant() != before) {
        m_listVariant = item->GetVariant();
        m_list->RedrawPictures();
    }
    Apply();
}

void CPageFace::OnSliderMoved(int id) {
    CFaceItem* item = Selected();
    if (!item)
        return;
    m_updating = true;
    if (id == 1008) {
        item->SetShape(SliderValue(1008));
        m_list->setCurrentRow(item->GetShape());
    } else if (id == 1010) {
        const int before = item->GetVariant();
        item->SetVariant(SliderValue(1010));
        if (item->GetVariant() != before) {
            m_listVariant = item->GetVariant();
            m_list->RedrawPictures();
        }
        if (m_variants->count() > item->GetVariant())
            m_variants->setCurrentIndex(item->GetVariant());
    }
    if (item->IsSized())
        item->SetSize(SliderValue(1012));
    else
        item->SetPosX(SliderValue(1011));
    item->SetPosY(SliderValue(1009));
    m_updating = false;
    Apply();
}

void CPageFace::StepVariant(int delta) {
    CFaceItem* item = Selected();
    if (!item)
        return;
    item->SetVariant(item->GetVariant() + delta);
    item->Reload();
    SyncSliders();
    Apply();
}

void CPageFace::NextVariant() {
    StepVariant(+1);
}

void CPageFace::HideItem() {
    CFaceItem* item = Selected();
    if (!item)
        return;
    item->Hide();
    SyncSliders();
    Apply();
    UpdateButtons();
}

void CPageFace::DefaultPlace() {
    CFaceItem* item = Selected();
    if (!item)
        return;
    item->DefaultPlacement();
    SyncSliders();
    Apply();
    UpdateButtons();
}

void CPageFace::ClearFace() {
    m_face.Clear();
    for (int i = 0; i < kFaceSlotCount; ++i)
        m_face.Item(i).Reload();
    SelectSlot(cmd::kSlotForehead);
    emit faceChanged();
}

bool CPageFace::OnKey(int key, Qt::KeyboardModifiers modifiers) {
    // Keys with Ctrl or Alt belong to the accelerators (Ctrl+H selects the
    // hair; it must not clear the face as a plain H does).
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (key == Qt::Key_H) {
        ClearFace();
        return true;
    }
    CFaceItem* item = Selected();
    switch (key) {
    case Qt::Key_W:
    case Qt::Key_Z:
    case Qt::Key_A:
    case Qt::Key_S:
    case Qt::Key_D:
    case Qt::Key_F:
    case Qt::Key_E:
    case Qt::Key_X:
        break;
    default:
        return false;
    }
    if (!item)
        return true;
    switch (key) {
    case Qt::Key_W:
        item->SetShape(item->GetShape() - 1);
        break;
    case Qt::Key_Z:
        item->SetShape(item->GetShape() + 1);
        break;
    case Qt::Key_A:
        item->SetVariant(item->GetVariant() - 1);
        break;
    case Qt::Key_S:
        item->SetVariant(item->GetVariant() + 1);
        break;
    case Qt::Key_D:
        item->SetHorzValue(item->GetHorzValue() - 1);
        break;
    case Qt::Key_F:
        item->SetHorzValue(item->GetHorzValue() + 1);
        break;
    case Qt::Key_E:
        item->SetPosY(item->GetPosY() - 1);
        break;
    case Qt::Key_X:
        item->SetPosY(item->GetPosY() + 1);
        break;
    }
    item->Reload();
    ApplyAfterKeyOrDrag();
    return true;
}

void CPageFace::OnFacePressed(QPoint pos) {
    const int hit = m_faceWnd->HitTest(pos);
    if (hit > 0)
        SelectSlot(hit, true);
    m_anchor = pos;
}

void CPageFace::OnFaceDragged(QPoint pos) {
    CFaceItem* item = Selected();
    if (!item)
        return;
    const int dx = pos.x() - m_anchor.x();
    const int dy = pos.y() - m_anchor.y();
    bool changed = false;
    if (std::abs(dx) > 2) {
        item->SetHorzValue(item->GetHorzValue() + dx / 2);
        changed = true;
    }
    if (std::abs(dy) > 2) {
        item->SetPosY(item->GetPosY() + dy / 2);
        changed = true;
    }
    if (!changed)
        return;
    m_anchor = pos;
    item->Reload();
    ApplyAfterKeyOrDrag();
}

void CPageFace::RenderFace() {
    m_faceWnd->Render(m_caption);
}

void CPageFace::paintEvent(QPaintEvent*) {
    // Rows from the bottom up: grey 160, 168, ... rising to white.
    QPainter p(this);
    const int h = height();
    p.fillRect(rect(), Qt::white);
    for (int k = 0; k < h; ++k) {
        const int g = 160 + 8 * k;
        if (g >= 255)
            break;
        p.fillRect(QRect(0, h - 1 - k, width(), 1), QColor(g, g, g));
    }
}

} // namespace mienlore
