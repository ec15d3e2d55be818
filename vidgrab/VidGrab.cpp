// vidgrab.so over Qt Multimedia: the first camera delivers its frames into a
// video sink; the latest frame is handed out as a 32-bit bottom-up bitmap.
#include "VidGrab.h"

#include <QCamera>
#include <QImage>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMutex>
#include <QVideoFrame>
#include <QVideoSink>

#include <cstring>
#include <memory>

namespace {

struct Capture {
    std::unique_ptr<QCamera> camera;
    std::unique_ptr<QMediaCaptureSession> session;
    std::unique_ptr<QVideoSink> sink;
    QMutex lock;
    QImage latest; // Format_RGB32, top row first
};

Capture* g_capture = nullptr;

void FillHeader(const QImage& frame, VidGrabInfoHeader* info) {
    if (!info)
        return;
    std::memset(info, 0, sizeof *info);
    info->size = 40;
    info->width = frame.width();
    info->height = frame.height();
    info->planes = 1;
    info->bitCount = 32;
    info->sizeImage = static_cast<std::uint32_t>(frame.width() * frame.height() * 4);
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int CaptureVideoToWnd(void* window, int device, int,
                                                             int start) {
    const QList<QCameraDevice> cameras = QMediaDevices::videoInputs();
    if (!window || start == 0)
        return static_cast<int>(cameras.size());
    if (cameras.isEmpty() || device < 0 || device >= cameras.size())
        return 0;
    if (g_capture)
        return 1;
    auto* c = new Capture;
    c->camera = std::make_unique<QCamera>(cameras[device]);
    c->session = std::make_unique<QMediaCaptureSession>();
    c->sink = std::make_unique<QVideoSink>();
    c->session->setCamera(c->camera.get());
    c->session->setVideoSink(c->sink.get());
    QObject::connect(c->sink.get(), &QVideoSink::videoFrameChanged, c->sink.get(),
                     [c](const QVideoFrame& frame) {
                         QImage image = frame.toImage().convertToFormat(QImage::Format_RGB32);
                         QMutexLocker hold(&c->lock);
                         c->latest = std::move(image);
                     });
    c->camera->start();
    g_capture = c;
    return 1;
}

__attribute__((visibility("default"))) int GrabVideoData(void* buffer, int* size,
                                                         VidGrabInfoHeader* info) {
    if (!g_capture || !size)
        return 0;
    QMutexLocker hold(&g_capture->lock);
    const QImage& frame = g_capture->latest;
    if (frame.isNull())
        return 0;
    const int bytes = frame.width() * frame.height() * 4;
    FillHeader(frame, info);
    if (!buffer) {
        *size = bytes;
        return 1;
    }
    if (*size < bytes)
        return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    const int rowBytes = frame.width() * 4;
    for (int row = 0; row < frame.height(); ++row)
        std::memcpy(out + static_cast<std::size_t>(frame.height() - 1 - row) * rowBytes,
                    frame.constScanLine(row), static_cast<std::size_t>(rowBytes));
    return 1;
}

__attribute__((visibility("default"))) int FreeVideo() {
    if (!g_capture)
        return 0;
    g_capture->camera->stop();
    delete g_capture;
    g_capture = nullptr;
    return 1;
}

} // extern "C"
