#include "imaging/ui/PagePict.h"

#include "imaging/BmpFile.h"
#include "imaging/ui/DevibImage.h"
#include "imaging/ui/PictureReaders.h"
#include "model/FaceFrame.h"
#include "model/FaceNames.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/DialogUnits.h"
#include "shell/ui/UiStrings.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QSlider>
#include <QTemporaryFile>
#include <QTimer>
#include <QTimerEvent>
#include <QToolButton>

#include <climits>
#include <thread>

namespace mienlore {
namespace {

struct ButtonDef {
    int id;
    const char* text;
    QRect units;
    bool checkable;
};

// The page's buttons: loading, the photograph under the face, the six
// effects, then the view.
constexpr ButtonDef kButtons[] = {
    {2380, "Pict", QRect(0, 1, 22, 14), false},  {2389, "Paste", QRect(24, 1, 26, 14), false},
    {2388, "Video", QRect(52, 1, 26, 14), true}, {2390, "BK", QRect(80, 1, 18, 14), true},
    {2381, "N", QRect(108, 1, 14, 14), false},   {2382, "+", QRect(124, 1, 14, 14), false},
    {2383, "-", QRect(140, 1, 14, 14), false},   {2386, "L", QRect(160, 1, 14, 14), false},
    {2387, "R", QRect(176, 1, 14, 14), false},   {2391, "BW", QRect(0, 17, 22, 14), true},
    {2392, "Inv", QRect(24, 17, 22, 14), true},  {2393, "Gray", QRect(48, 17, 24, 14), true},
    {2394, "Emb", QRect(74, 17, 22, 14), true},  {2395, "Edg", QRect(98, 17, 22, 14), true},
    {2397, "Eff", QRect(122, 17, 22, 14), true},
};

// Feature captions: caption id and the slot whose shape it names.
constexpr std::pair<int, FaceSlot> kCaptions[] = {
    {21099, FaceSlot::Forehead}, {21199, FaceSlot::CheekBones}, {21299, FaceSlot::Chin},
    {21399, FaceSlot::Eyes},     {21599, FaceSlot::Nose},       {21699, FaceSlot::Lips},
    {21799, FaceSlot::Ears},
};

constexpr int kPictWndId = 1001;
constexpr int kVideoWndId = 1003;
constexpr int kDropHintId = 1082;
constexpr int kPanXId = 1011;
constexpr int kPanYId = 1009;
constexpr int kVideoTickMs = 100;

QColor PageBackground(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

ColorRef ToColorRef(const QColor& c) {
    return static_cast<ColorRef>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

// ---- CPictWnd ----

CPictWnd::CPictWnd(CPhotoView& view, QWidget* parent) : QWidget(parent), m_view(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPictWnd::Refresh() {
    if (m_frames)
        return;
    const QSize size = this->size().expandedTo(QSize(1, 1));
    CDevib canvas;
    if (!canvas.Create(size.width(), size.height()))
        return;
    canvas.Fill(PixelWordFromColor(ToColorRef(PageBackground(this))) | kOpaque);
    m_view.DrawPhoto(canvas, ImageRect{0, 0, size.width(), size.height()}, false);
    m_image = ToQImage(canvas);
    update();
}

void CPictWnd::ShowFrame(const QImage& frame) {
    m_frames = true;
    m_image = frame;
    update();
}

void CPictWnd::EndFrames() {
    m_frames = false;
    Refresh();
}

void CPictWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), PageBackground(this));
    if (!m_image.isNull())
        p.drawImage(0, 0, m_image);
}

void CPictWnd::resizeEvent(QResizeEvent*) {
    Refresh();
}

// ---- CPagePict ----

CPagePict::CPagePict(CFaceFrame& face, const DialogUnits& du, QWidget* parent)
    : QWidget(parent), m_face(face), m_view(DecodeAnyPicture) {
    setObjectName(QStringLiteral("pagePict"));
    setAcceptDrops(true);
    m_modulePath = QString::fromStdString((face.ProgramFolder() / "vidgrab.so").string());

    std::size_t k = 0;
    for (const ButtonDef& b : kButtons)
        m_buttons[k++] = MakeButton(
            b.id, QString::fromLatin1(b.text),
            du.Rect(b.units.x(), b.units.y(), b.units.width(), b.units.height()), b.checkable);
    Button(2388)->hide(); // shown once a camera answers

    m_dropHint = new QLabel(QStringLiteral("Drag and Drop picture here or click button"), this);
    SetControlId(m_dropHint, kDropHintId);
    m_dropHint->setGeometry(du.Rect(0, 33, 194, 9));

    m_pictWnd = new CPictWnd(m_view, this);
    SetControlId(m_pictWnd, kPictWndId);
    m_pictWnd->setObjectName(QStringLiteral("pictWnd"));
    m_pictWnd->setGeometry(du.Rect(0, 43, 182, 160));
    m_videoWnd = new CPictWnd(m_view, this);
    SetControlId(m_videoWnd, kVideoWndId);
    m_videoWnd->setObjectName(QStringLiteral("videoWnd"));
    m_videoWnd->setGeometry(m_pictWnd->geometry());
    m_videoWnd->hide();

    m_panY = new QSlider(Qt::Vertical, this);
    SetControlId(m_panY, kPanYId);
    m_panY->setRange(-kPanYLimit, kPanYLimit);
    m_panY->setInvertedAppearance(true); // down the slider moves the picture down
    m_panY->setGeometry(du.Rect(184, 43, 10, 160));
    m_panX = new QSlider(Qt::Horizontal, this);
    SetControlId(m_panX, kPanXId);
    m_panX->setRange(-kPanXLimit, kPanXLimit);
    m_panX->setGeometry(du.Rect(0, 204, 182, 10));
    for (QSlider* s : {m_panX, m_panY}) {
        s->setFocusPolicy(Qt::NoFocus);
        connect(s, &QSlider::valueChanged, this, [this] {
            if (m_syncing)
                return;
            m_view.SetPan(m_panX->value(), m_panY->value());
            ViewChanged();
        });
    }

    k = 0;
    for (auto [id, slot] : kCaptions) {
        const int y = 217 + 8 * static_cast<int>(k);
        auto* label = new QLabel(UiString(id), this);
        SetControlId(label, id);
        label->setGeometry(du.Rect(0, y, 62, 8));
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("name%1").arg(id));
        name->setGeometry(du.Rect(62, y, 132, 8));
        m_captions[k] = label;
        m_captionNames[k] = name;
        ++k;
    }

    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { Button(2389)->setEnabled(ClipboardHasImage()); });
    Button(2389)->setEnabled(ClipboardHasImage());

    m_messages = [this](const QString& caption, const QString& text) {
        QMessageBox box(caption == QLatin1String("WND") ? QMessageBox::Critical
                                                        : QMessageBox::Warning,
                        caption, text, QMessageBox::Ok, this);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    };
    m_view.SetReloadFlag(true);
    SyncControls();
    Refresh();
}

CPagePict::~CPagePict() {
    StopVideo();
}

QToolButton* CPagePict::MakeButton(int id, const QString& text, const QRect& rect, bool checkable) {
    auto* b = new QToolButton(this);
    SetControlId(b, id);
    b->setText(text);
    b->setGeometry(rect);
    b->setCheckable(checkable);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(UiString(id));
    // The page decides the pressed look: a click runs the command, which
    // sets every button's state from the view.
    connect(b, &QToolButton::clicked, this, [this, id] {
        Command(id);
        SyncControls();
    });
    return b;
}

QToolButton* CPagePict::Button(int id) const {
    for (QToolButton* b : m_buttons)
        if (b && b->property(kCtrlIdProperty).toInt() == id)
            return b;
    return nullptr;
}

QSlider* CPagePict::Slider(int id) const {
    return id == kPanXId ? m_panX : id == kPanYId ? m_panY : nullptr;
}

QLabel* CPagePict::Caption(int id) const {
    for (std::size_t k = 0; k < m_captions.size(); ++k)
        if (kCaptions[k].first == id)
            return m_captionNames[k];
    return nullptr;
}

void CPagePict::Status(const QString& text) {
    m_lastStatus = text;
    emit statusMessage(text);
}

void CPagePict::Message(const QString& text) {
    m_lastStatus = text;
    if (m_messages)
        m_messages(QStringLiteral("WND"), text);
}

bool CPagePict::LoadPhoto(const QString& path, bool showFace) {
    StopVideo();
    if (m_loading) {
        Status(QStringLiteral("A picture is still being opened."));
        return false;
    }
    std::string error;
    const bool ok = DecodeAway(path.toStdString(), &error);
    if (ok) {
        m_pictWnd->Refresh();
        Status(QString());
        if (showFace)
            emit showFaceRequested();
    } else {
        Status(QStringLiteral("Cannot open picture %1: %2")
                   .arg(QFileInfo(path).fileName(), QString::fromStdString(error)));
    }
    if (m_view.backgroundFace)
        emit faceRenderRequested();
    return ok;
}

bool CPagePict::DecodeAway(const std::filesystem::path& path, std::string* error) {
    // A large picture takes seconds: it is decoded on a worker thread while
    // the window goes on drawing itself under a busy cursor. Input waits
    // until the picture is there, so nothing can start a second load or
    // change the view meanwhile.
    m_loading = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DecodedPicture fresh;
    bool decoded = false;
    {
        QEventLoop loop;
        std::thread worker([&] {
            decoded = m_view.DecodeFile(path, fresh, error);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        worker.join();
    }
    QApplication::restoreOverrideCursor();
    m_loading = false;
    if (decoded)
        m_view.Take(path, std::move(fresh));
    return decoded;
}

bool CPagePict::LoadSample() {
    const auto sample = m_face.ProgramFolder() / "SAMPLES" / "face.gif";
    if (!LoadPhoto(QString::fromStdString(sample.string()), false))
        return false;
    // The key colour is the sample's corner colour, kept for the key effect.
    const CDevib& bitmap = m_view.Picture().bitmap;
    const PixelWord corner = bitmap.GetPixel(0, bitmap.Height() - 1);
    m_view.keyColour =
        static_cast<ColorRef>(RedOf(corner) | (GreenOf(corner) << 8) | (BlueOf(corner) << 16));
    return true;
}

bool CPagePict::ClipboardHasImage() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasImage();
}

QString CPagePict::TemporaryPastePath() const {
    return m_pasted ? m_pasted->fileName() : QString();
}

bool CPagePict::PasteImage() {
    if (!ClipboardHasImage()) {
        m_pictWnd->Refresh();
        return false;
    }
    const QImage image = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    CDevib bitmap;
    if (!FromQImage(image, bitmap)) {
        Status(QStringLiteral("The clipboard's picture cannot be read."));
        return false;
    }
    // A file of our own with a unique name, removed when the program ends
    // (or when the next paste replaces it).
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/mienlore-paste-XXXXXX.bmp"));
    const std::string bytes = EncodeBmp(bitmap);
    if (!file->open() ||
        file->write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file->flush()) {
        Status(QStringLiteral("The pasted picture cannot be kept: %1").arg(file->errorString()));
        return false;
    }
    file->close();
    if (!LoadPhoto(file->fileName(), false))
        return false;
    m_pasted = std::move(file);
    return true;
}

void CPagePict::OpenPicture() {
    const QString start = QString::fromStdString(m_view.Path().string());
    const QString path = QFileDialog::getOpenFileName(
        this, UiString(1540), start,
        QStringLiteral(
            "Picture files (*.bmp *.gif *.jpg *.jpeg *.png *.emf *.wmf);;All files (*)"));
    if (!path.isEmpty())
        LoadChosenPhoto(path);
}

bool CPagePict::LoadChosenPhoto(const QString& path) {
    if (LoadPhoto(path, true))
        return true;
    // The user picked this file: a line on the status bar that fades is too
    // easy to miss, so the reason also comes in a message box.
    Warn(m_lastStatus);
    return false;
}

void CPagePict::Warn(const QString& text) {
    if (m_messages)
        m_messages(QApplication::applicationDisplayName(), text);
}

bool CPagePict::DropFile(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (native.size() >= PATH_MAX) {
        Status(QStringLiteral("The dropped file's path is too long (more than %1 bytes).")
                   .arg(PATH_MAX - 1));
        Warn(m_lastStatus);
        return false;
    }
    return LoadChosenPhoto(path);
}

void CPagePict::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CPagePict::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        event->acceptProposedAction();
        DropFile(url.toLocalFile());
        return;
    }
}

void CPagePict::Command(int id) {
    // While video runs the effects and the view change the frames; loading
    // and the photograph under the face wait.
    if (m_videoRunning && (id == 2380 || id == 2389 || id == 2390))
        return;
    PhotoEffects& e = m_view.effects;
    switch (id) {
    case 2380:
        OpenPicture();
        return;
    case 2389:
        PasteImage();
        return;
    case 2388:
        if (m_videoRunning)
            StopVideo();
        else
            StartVideo();
        return;
    case 2390:
        m_view.backgroundFace = !m_view.backgroundFace;
        m_view.SetReloadFlag(true);
        SyncControls();
        m_pictWnd->Refresh();
        emit faceRenderRequested();
        return;
    case 2391:
        e.blackWhite = !e.blackWhite;
        break;
    case 2392:
        e.invert = !e.invert;
        break;
    case 2393:
        e.gray = !e.gray;
        break;
    case 2394:
        e.median = !e.median;
        break;
    case 2395:
        e.edge = !e.edge;
        break;
    case 2397:
        e.smooth = !e.smooth;
        break;
    case 2381:
        m_view.Reset();
        break;
    case 2382:
        m_view.ZoomIn();
        break;
    case 2383:
        m_view.ZoomOut(m_videoRunning);
        break;
    case 2386:
        m_view.RotateLeft();
        break;
    case 2387:
        m_view.RotateRight();
        break;
    default:
        return;
    }
    SyncControls();
    ViewChanged();
}

void CPagePict::ViewChanged() {
    if (m_videoRunning)
        return; // the next frame shows the change
    m_pictWnd->Refresh();
    if (m_view.backgroundFace)
        emit faceRenderRequested();
}

void CPagePict::SyncControls() {
    m_syncing = true;
    const PhotoEffects& e = m_view.effects;
    const std::pair<int, bool> states[] = {
        {2390, m_view.backgroundFace},
        {2391, e.blackWhite},
        {2392, e.invert},
        {2393, e.gray},
        {2394, e.median},
        {2395, e.edge},
        {2397, e.smooth},
        {2388, m_videoRunning},
    };
    for (auto [id, on] : states)
        if (QToolButton* b = Button(id))
            b->setChecked(on);
    m_panX->setValue(m_view.PanX());
    m_panY->setValue(m_view.PanY());
    m_syncing = false;
}

bool CPagePict::OnKey(int key) {
    if (m_videoRunning)
        return false;
    switch (key) {
    case Qt::Key_Space:
        Command(2390);
        SyncControls();
        return true;
    case Qt::Key_I:
    case Qt::Key_M:
        m_view.SetPan(m_view.PanX(), m_view.PanY() + (key == Qt::Key_I ? -1 : 1));
        break;
    case Qt::Key_K:
    case Qt::Key_L:
        m_view.SetPan(m_view.PanX() + (key == Qt::Key_K ? -1 : 1), m_view.PanY());
        break;
    case Qt::Key_O:
    case Qt::Key_P:
        m_view.SetZoom(m_view.Zoom() + (key == Qt::Key_O ? 1 : -1));
        break;
    default:
        return false;
    }
    SyncControls();
    ViewChanged();
    return true;
}

void CPagePict::Refresh() {
    for (std::size_t k = 0; k < m_captionNames.size(); ++k) {
        const CFaceItem& item = m_face.Slot(kCaptions[k].second);
        m_captionNames[k]->setText(
            QString::fromStdString(ShapeName(item, item.GetShape(), UiStringOverride())));
    }
    m_view.gradientStart = m_pictWnd->x();
    if (!m_videoRunning)
        m_pictWnd->Refresh();
}

void CPagePict::resizeEvent(QResizeEvent*) {
    // The picture window and the pan slider take the page's new width.
    const int right = width() - 1;
    const QRect pw = m_pictWnd->geometry();
    const int sliderW = m_panY->width();
    m_pictWnd->setGeometry(pw.x(), pw.y(), std::max(1, right - sliderW - 2 - pw.x()), pw.height());
    m_videoWnd->setGeometry(m_pictWnd->geometry());
    m_panY->move(m_pictWnd->geometry().right() + 2, m_panY->y());
    m_panX->resize(m_pictWnd->width(), m_panX->height());
}

bool CPagePict::SavePhotoView(const QString& path, std::string* error) {
    const QSize size = m_pictWnd->size().expandedTo(QSize(1, 1));
    return mienlore::SavePhotoView(m_view, path.toStdString(), size.width(), size.height(),
                                   ToColorRef(PageBackground(this)), error);
}

void CPagePict::showEvent(QShowEvent*) {
    // Whether a camera exists is asked once, when the page is first seen.
    if (!m_probed) {
        m_probed = true;
        QTimer::singleShot(0, this, &CPagePict::ProbeVideo);
    }
    emit shownChanged(true);
}

void CPagePict::hideEvent(QHideEvent*) {
    emit shownChanged(false);
}

void CPagePict::DrawUnderFace(CDevib& canvas, const ImageRect& rect) {
    m_view.RefreshIfChanged();
    m_view.DrawPhoto(canvas, rect, true);
}

// ---- live video ----

void CPagePict::ProbeVideo() {
    CVideoModule probe;
    if (probe.Load(m_modulePath) != CVideoModule::Status::Loaded)
        return;
    const bool camera = probe.capture(nullptr, 0, 1, 0) > 0;
    Button(2388)->setVisible(camera);
    Button(2388)->setEnabled(camera);
}

bool CPagePict::StartVideo() {
    if (m_videoRunning)
        return true;
    switch (m_video.Load(m_modulePath)) {
    case CVideoModule::Status::NoLibrary:
        Message(QStringLiteral("Check library vidgrab"));
        return false;
    case CVideoModule::Status::NoFunctions:
        Message(QStringLiteral("Check functions in vidgrab"));
        return false;
    case CVideoModule::Status::Loaded:
        break;
    }
    if (m_video.capture(nullptr, 0, 1, 0) <= 0) {
        m_video.Unload();
        Status(QStringLiteral("No camera answers."));
        return false;
    }
    Button(2388)->setVisible(true);
    if (m_video.capture(m_videoWnd, 0, 1, 1) <= 0) {
        m_video.free();
        m_video.Unload();
        Status(QStringLiteral("The camera cannot be started."));
        return false;
    }
    m_captureStarted = true;
    m_videoRunning = true;
    m_view.SetZoom(std::min(m_view.Zoom(), kZoomMaxVideo));
    SetControlsEnabled(false);
    m_pictWnd->hide();
    m_videoWnd->show();
    m_videoTimer.start(kVideoTickMs, this);
    SyncControls();
    return true;
}

void CPagePict::StopVideo() {
    m_videoTimer.stop();
    if (m_captureStarted) {
        m_video.free();
        m_captureStarted = false;
    }
    m_video.Unload();
    if (!m_videoRunning)
        return;
    m_videoRunning = false;
    SetControlsEnabled(true);
    m_videoWnd->hide();
    m_videoWnd->EndFrames();
    m_pictWnd->show();
    m_pictWnd->Refresh();
    SyncControls();
}

void CPagePict::SetControlsEnabled(bool on) {
    // The effects and the view stay usable on the moving picture.
    for (int id : {2380, 2389, 2390})
        if (QToolButton* b = Button(id))
            b->setEnabled(on && (id != 2389 || ClipboardHasImage()));
    m_dropHint->setEnabled(on);
    setAcceptDrops(on);
}

bool CPagePict::VideoTick() {
    if (!m_videoRunning || !m_video.IsLoaded())
        return false;
    int size = 0;
    VidGrabInfoHeader info{};
    if (m_video.grab(nullptr, &size, &info) <= 0 || size <= 0 || info.width <= 0 ||
        info.height <= 0 || info.bitCount != 32 ||
        static_cast<long long>(info.width) * info.height * 4 > size)
        return false;
    CDevib frame;
    if (!frame.Create(info.width, info.height))
        return false;
    size = frame.Count() * 4;
    if (m_video.grab(frame.Pixels(), &size, &info) <= 0 || info.width != frame.Width() ||
        info.height != frame.Height())
        return false;

    const int winW = std::max(1, m_videoWnd->width());
    const int winH = std::max(1, m_videoWnd->height());
    const int h = std::max(1, frame.Height() * winW / frame.Width());
    CDevib shown;
    if (!shown.Create(winW, h))
        return false;
    const int zoom = m_view.Zoom();
    if (zoom >= 100) {
        shown.StretchFrom(frame);
    } else {
        // The part of zoom percent of the frame from (pan x, pan y).
        const int pw = std::max(1, frame.Width() * zoom / 100);
        const int ph = std::max(1, frame.Height() * zoom / 100);
        const int px = std::clamp(m_view.PanX(), 0, frame.Width() - pw);
        const int py = std::clamp(m_view.PanY(), 0, frame.Height() - ph);
        CDevib part;
        part.Grab(frame, ImageRect{px, py, px + pw, py + ph});
        shown.StretchFrom(part);
    }
    m_view.ApplyEffects(shown, false);

    CDevib window;
    if (!window.Create(winW, winH))
        return false;
    window.Fill(PixelWordFromColor(ToColorRef(PageBackground(this))) | kOpaque);
    const int top = std::max(2, (winH - h) / 2);
    shown.DrawTo(window, 0, top, winW, h);
    m_videoWnd->ShowFrame(ToQImage(window));
    return true;
}

void CPagePict::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_videoTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    VideoTick(); // a frame that cannot be grabbed is skipped
}

} // namespace mienlore
