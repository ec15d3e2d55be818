#include "shell/ui/AppGlobals.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/StartOptions.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

using namespace mienlore;

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
    if (opts.quitAfterMs >= 0)
        QTimer::singleShot(opts.quitAfterMs, &app, &QApplication::closeAllWindows);

    return app.exec();
}
