#pragma once

#include "imaging/PhotoView.h"
#include "imaging/ui/VideoModule.h"

#include <QBasicTimer>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QSlider;
class QTemporaryFile;
class QToolButton;

namespace mienlore {

class CFaceFrame;
class DialogUnits;

// The photograph's window: the photo view drawn at the window's size, or the
// latest video frame while live video runs.
class CPictWnd : public QWidget {
    Q_OBJECT
public:
    CPictWnd(CPhotoView& view, QWidget* parent = nullptr);
    // Draws the view again (after a change of the picture or the view).
    void Refresh();
    const QImage& Image() const { return m_image; }
    // While set, the window shows this frame instead of the photo view.
    void ShowFrame(const QImage& frame);
    void EndFrames();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CPhotoView& m_view;
    QImage m_image;
    bool m_frames = false;
};

// The photo page: open, paste or drop a photograph, look at it through the
// effects, zoom, pan and rotate it, lay it under the face ("Background
// Face"), or show live video. The feature captions name the current face's
// shapes.
class CPagePict : public QWidget {
    Q_OBJECT
public:
    CPagePict(CFaceFrame& face, const DialogUnits& units, QWidget* parent = nullptr);
    ~CPagePict() override;

    CPhotoView& View() { return m_view; }
    CPictWnd* PictureWindow() const { return m_pictWnd; }
    QToolButton* Button(int id) const;
    QSlider* Slider(int id) const; // 1011 pan x, 1009 pan y
    QLabel* Caption(int id) const; // 21099 ... 21799

    // Loads a picture file; on failure the previous picture stays and the
    // status bar says why. showFace asks for the face to be shown.
    bool LoadPhoto(const QString& path, bool showFace);
    // The sample photograph of the program folder.
    bool LoadSample();
    // Takes the clipboard's image (the "Paste" button and "Paste Bitmap").
    bool PasteImage();
    bool ClipboardHasImage() const;
    // "Open picture...": the open dialog, starting at the current picture.
    void OpenPicture();
    // Loads a dropped file (refused when its path is longer than the
    // platform allows).
    bool DropFile(const QString& path);

    // The buttons' actions (by control id).
    void Command(int id);
    // The page's keys (Space, I, M, K, L, O, P); true when handled.
    bool OnKey(int key);
    // The captions of the face and the view again.
    void Refresh();

    // Writes the photo view at the picture window's size (".jpg" as JPEG, any
    // other name as BMP); false with a message in *error.
    bool SavePhotoView(const QString& path, std::string* error = nullptr);

    // Draws the photograph as the sketch under the face.
    void DrawUnderFace(CDevib& canvas, const ImageRect& rect);
    bool BackgroundFace() const { return m_view.backgroundFace; }

    // Live video through the module at modulePath (the program folder's
    // vidgrab.so by default).
    void SetVideoModulePath(const QString& path) { m_modulePath = path; }
    bool StartVideo();
    void StopVideo();
    bool IsVideoRunning() const { return m_videoRunning; }
    bool IsVideoModuleLoaded() const { return m_video.IsLoaded(); }
    // Looks whether a camera exists and shows the "Video" button then.
    void ProbeVideo();
    // One tick of the video loop; false when no frame came.
    bool VideoTick();

    // Where message boxes go (a system-modal box by default).
    void SetMessageSink(std::function<void(const QString& caption, const QString& text)> sink) {
        m_messages = std::move(sink);
    }
    const QString& LastStatus() const { return m_lastStatus; }
    QString TemporaryPastePath() const;

signals:
    // The face must be drawn again (the photograph under it changed).
    void faceRenderRequested();
    void showFaceRequested();
    void statusMessage(const QString& text);
    // The page was shown or hidden.
    void shownChanged(bool shown);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Decodes the file on a worker thread (the window keeps drawing, a busy
    // cursor shows) and makes it the view's picture when it could be read.
    bool DecodeAway(const std::filesystem::path& path, std::string* error);
    QToolButton* MakeButton(int id, const QString& text, const QRect& rect, bool checkable);
    void ViewChanged();
    void SyncControls();
    void SetControlsEnabled(bool on);
    void Status(const QString& text);
    void Message(const QString& text);

    CFaceFrame& m_face;
    CPhotoView m_view;
    CPictWnd* m_pictWnd = nullptr;
    CPictWnd* m_videoWnd = nullptr;
    QSlider* m_panX = nullptr;
    QSlider* m_panY = nullptr;
    QLabel* m_dropHint = nullptr;
    std::array<QToolButton*, 16> m_buttons{};
    std::array<QLabel*, 7> m_captions{};
    std::array<QLabel*, 7> m_captionNames{};
    bool m_syncing = false;
    bool m_loading = false; // a picture is being decoded on the worker thread

    std::unique_ptr<QTemporaryFile> m_pasted;
    CVideoModule m_video;
    QString m_modulePath;
    QBasicTimer m_videoTimer;
    bool m_videoRunning = false;
    bool m_captureStarted = false;
    bool m_probed = false;
    std::function<void(const QString&, const QString&)> m_messages;

    // LoadPhoto for a file the user chose or dropped: a failure also comes
    // as a message box.
    bool LoadChosenPhoto(const QString& path);
    void Warn(const QString& text);
    QString m_lastStatus;
};

} // namespace mienlore
