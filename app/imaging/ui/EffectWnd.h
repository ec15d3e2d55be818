#pragma once

#include "imaging/EffectFrames.h"

#include <QImage>
#include <QPainterPath>
#include <QWidget>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace mienlore {

// The about box's animated caption: its text as an outline over a red glow
// that a worker thread computes frame by frame (CEffectFrames). A click
// opens the link address.
class CEffectWnd : public QWidget {
    Q_OBJECT
public:
    explicit CEffectWnd(const QString& text, QWidget* parent = nullptr);
    ~CEffectWnd() override;

    void SetLink(const QString& address) { m_link = address; }
    QString Link() const { return m_link; }
    void SetFrameInterval(int ms) { m_intervalMs = ms; }

    // Starts the worker thread (done when shown); Stop ends it, waiting up to
    // five seconds.
    void Start();
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }
    int FramesShown() const { return m_framesShown.load(); }
    // The last frame the thread finished.
    QImage Frame() const;

    // The font size at which the text fits: from height - 8 down in steps
    // of 2 until the text is narrower than width - 8.
    static int FittedFontSize(const QString& text, QSize size);

signals:
    void linkOpenFailed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Run(CEffectFrames frames);
    QPainterPath TextPath() const;

    QString m_text;
    QString m_link;
    int m_intervalMs = 100;
    std::thread m_thread;
    std::mutex m_mutex; // guards m_frame and the stop flag's wait
    std::condition_variable m_wake;
    bool m_stop = false;
    QImage m_frame;
    std::atomic<int> m_framesShown{0};
};

} // namespace mienlore
