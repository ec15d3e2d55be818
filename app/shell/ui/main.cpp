#include "shell/ui/AppGlobals.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/StartOptions.h"
#include "shell/ui/View.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace mienlore;

namespace {

// Presses face keys one by one (shape and placement keys on the eyes and
// the nose, as a user would), then prints how long each took to redraw.
void TimeKeys(CMainFrame& frame, int count) {
    CView* view = frame.View();
    view->SetKeyTiming(true);
    view->SetTimerRunning(false);
    const Qt::Key keys[] = {Qt::Key_Z, Qt::Key_W, Qt::Key_X, Qt::Key_E, Qt::Key_F, Qt::Key_D};
    for (int i = 0; i < count; ++i) {
        if (i % 12 == 0)
            frame.OnCommand(i % 24 == 0 ? 2130 : 2150);
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : view;
        QKeyEvent press(QEvent::KeyPress, keys[i % 6], Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, keys[i % 6], Qt::NoModifier);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }
    std::vector<qint64> t = view->KeyTimes();
    if (t.empty()) {
        std::fprintf(stderr, "mienlore: no key reached the face page\n");
        return;
    }
    std::sort(t.begin(), t.end());
    std::printf("key redraws: %zu, median %.2f ms, 90%% %.2f ms, max %.2f ms\n", t.size(),
                t[t.size() / 2] / 1000.0, t[t.size() * 9 / 10] / 1000.0, t.back() / 1000.0);
}

} // namespace

int main(int argc, char* argv[]) {
    // The web view module (loaded at run time) needs shared GL contexts, which
    // must be requested before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mienlore"));
    QApplication::setOrganizationName(QStringLiteral("ORVANTA Lab"));

    const StartOptions opts = ParseStartOptions(QApplication::arguments());
    if (!opts.error.isEmpty()) {
        std::fprintf(stderr, "mienlore: %s\n", qPrintable(opts.error));
        return 2;
    }

    CAppGlobals globals;
    CMainFrame frame(globals);
    frame.show();

    if (!opts.screenshotPath.isEmpty()) {
        // Let the window lay itself out and paint before it is grabbed.
        QTimer::singleShot(500, &frame, [&frame, path = opts.screenshotPath] {
            if (!frame.grab().save(path, "PNG"))
                std::fprintf(stderr, "mienlore: cannot write %s\n", qPrintable(path));
        });
    }
    if (!opts.faceCode.isEmpty())
        frame.View()->ApplyFaceText(opts.faceCode);
    if (opts.timeKeys > 0) {
        QTimer::singleShot(300, &frame, [&frame, n = opts.timeKeys] {
            TimeKeys(frame, n);
            QApplication::closeAllWindows();
        });
    }
    if (opts.quitAfterMs >= 0)
        QTimer::singleShot(opts.quitAfterMs, &app, &QApplication::closeAllWindows);

    return app.exec();
}
