#include "base/AtomicFile.h"
#include "files/ui/PeopList.h"
#include "shell/HandOver.h"
#include "shell/Version.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/ReportCommands.h"
#include "shell/ui/SingleInstance.h"
#include "shell/ui/StartOptions.h"
#include "shell/ui/TipDayDlg.h"
#include "shell/ui/UiStrings.h"
#include "shell/ui/View.h"
#include "shell/ui/WaitDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStatusBar>
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
            frame.OnCommand(i % 24 == 0 ? cmd::kSlotEyes : cmd::kSlotNose);
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

// Applies a face text from outside (command line or a later start) to the
// current face; with --face-out the face's code is then written to a file.
// Returns an empty string when the face was taken, else why it was not (also
// shown in the status bar and on standard error).
QString ApplyOutsideFace(CMainFrame& frame, const QString& text, const QString& faceOut,
                         const QString& from) {
    if (!frame.View()->ApplyFaceText(text)) {
        const QString why =
            QStringLiteral("the face code %1 is not a valid face code (%2)")
                .arg(text.left(40) + (text.size() > 40 ? QStringLiteral("...") : QString()), from);
        std::fprintf(stderr, "mienlore: %s\n", qPrintable(why));
        frame.statusBar()->showMessage(QStringLiteral("Not applied: ") + why, 15000);
        return why;
    }
    if (!faceOut.isEmpty()) {
        std::string error;
        if (!WriteFileAtomically(faceOut.toStdString(), frame.View()->Face().Encode() + "\n",
                                 &error))
            std::fprintf(stderr, "mienlore: cannot write %s: %s\n", qPrintable(faceOut),
                         error.c_str());
    }
    return {};
}

// Opens a face list file named from outside (the command line, or a later
// start that was given one) in the faces list; with --face-out the opened
// file is written as "list:" and its path. Anything else is taken as a face
// code. Returns an empty string when the text was taken, else why not.
QString TakeOutsideText(CMainFrame& frame, const QString& text, const QString& faceOut,
                        const QString& from) {
    const QString problem = FaceListArgumentProblem(text);
    if (!problem.isEmpty()) {
        const QString why = QStringLiteral("%1 (%2)").arg(problem, from);
        std::fprintf(stderr, "mienlore: %s\n", qPrintable(why));
        frame.statusBar()->showMessage(QStringLiteral("Not opened: ") + why, 15000);
        return why;
    }
    if (!IsFaceListArgument(text))
        return ApplyOutsideFace(frame, text, faceOut, from);
    auto* facesList = qobject_cast<CPeopList*>(frame.View()->FacesListBar());
    if (!facesList)
        return QStringLiteral("there is no faces list to open %1 in").arg(text);
    frame.View()->ShowFacesList(true);
    facesList->LoadList(text);
    frame.statusBar()->showMessage(QStringLiteral("Opened the face list %1").arg(text), 15000);
    if (!faceOut.isEmpty()) {
        std::string error;
        const std::string line = "list:" + QFileInfo(text).absoluteFilePath().toStdString() + "\n";
        if (!WriteFileAtomically(faceOut.toStdString(), line, &error))
            std::fprintf(stderr, "mienlore: cannot write %s: %s\n", qPrintable(faceOut),
                         error.c_str());
    }
    return {};
}

// True while a shown web view has not finished loading its page.
bool AnyWebViewLoading(const QWidget& window) {
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisible() && w->property("loading").toBool())
            return true;
    return false;
}

// --export-pdf FILE [--name NAME] [CODE]: the printed report of the code (or
// of the start face) as a one-page PDF, with the face named NAME (or as the
// code names it), without showing a window or taking part in the
// single-instance hand-over.
int ExportPdf(const StartOptions& opts) {
    CAppGlobals globals;
    CMainFrame frame(globals);
    if (!opts.faceCode.isEmpty() && !frame.View()->ApplyFaceText(opts.faceCode)) {
        std::fprintf(stderr, "mienlore: not a face code: %s\n", qPrintable(opts.faceCode));
        return 2;
    }
    if (opts.faceNameGiven)
        frame.View()->SetFaceName(opts.faceName);
    auto* reports = frame.findChild<CReportCommands*>();
    QString error;
    if (!reports || !reports->ExportPdfTo(opts.exportPdfPath, &error)) {
        std::fprintf(stderr, "mienlore: cannot write %s: %s\n", qPrintable(opts.exportPdfPath),
                     qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    switch (StartInfoRequest(argc, argv)) {
    case StartInfo::Help:
        std::printf("%s", qPrintable(StartHelp()));
        return 0;
    case StartInfo::Version:
        std::printf("%s\n", VersionLine());
        return 0;
    case StartInfo::None:
        break;
    }
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

    if (!opts.exportPdfPath.isEmpty())
        return ExportPdf(opts);

    // One running copy per user. A later start hands its face text over and
    // ends before it reads or writes any settings.
    CSingleInstance instance;
    if (!instance.Claim()) {
        if (opts.faceCode.isEmpty())
            return 0;
        // A face list goes over as its absolute path (no face code starts
        // with "/"), so that the running copy finds it whatever its folder.
        const QString text = IsFaceListArgument(opts.faceCode)
                                 ? QFileInfo(opts.faceCode).absoluteFilePath()
                                 : opts.faceCode;
        if (text.size() > static_cast<qsizetype>(kMaxHandOverChars)) {
            std::fprintf(stderr,
                         "mienlore: a face text of more than %zu characters is not "
                         "handed over\n",
                         kMaxHandOverChars);
            return 1;
        }
        const CSingleInstance::SendResult sent = instance.Send(text);
        if (sent.status == CSingleInstance::SendResult::NotDelivered) {
            std::fprintf(stderr, "mienlore: the running copy did not answer%s%s\n",
                         sent.message.isEmpty() ? "" : ": ", qPrintable(sent.message));
            return 1;
        }
        if (sent.status == CSingleInstance::SendResult::Refused) {
            std::fprintf(stderr, "mienlore: the running copy refused the face: %s\n",
                         qPrintable(sent.message));
            return 1;
        }
        return 0;
    }

    CAppGlobals globals;
    // The tip of the day comes before the main window; automated runs
    // (screenshots, timed runs) never wait for it.
    const bool automated =
        !opts.screenshotPath.isEmpty() || opts.quitAfterMs >= 0 || opts.timeKeys > 0;
    if (!automated)
        CTipDayDlg::ShowAtStartup(globals.params.tips, globals.lang, globals.face.ProgramFolder(),
                                  nullptr);
    CMainFrame frame(globals);
    frame.show();
    // Faces and lists handed over by later starts are taken from now on, also
    // while the wait window below runs its event loop.
    instance.SetHandler([&frame, &opts](const QString& text) {
        const QString refusal = TakeOutsideText(frame, text, opts.faceOutPath,
                                                QStringLiteral("handed over by a "
                                                               "later start"));
        if (frame.isMinimized())
            frame.showNormal();
        frame.raise();
        frame.activateWindow();
        return refusal;
    });
    // The shipped gallery is read once, under the wait window, before the
    // user starts working.
    {
        CWaitDlg wait([&globals] { globals.gallery.LoadShippedGallery(); }, &frame);
        wait.Translate(globals.lang);
        wait.exec();
    }
    if (CPageGall* gallery = frame.View()->GalleryPage())
        gallery->GalleryLoaded();

    if (auto* facesList = qobject_cast<CPeopList*>(frame.View()->FacesListBar()))
        facesList->LoadDefaultList();
    if (!opts.faceCode.isEmpty())
        TakeOutsideText(frame, opts.faceCode, opts.faceOutPath,
                        QStringLiteral("given on the command line"));

    if (opts.page != 0)
        frame.OnCommand(opts.page);

    if (!opts.screenshotPath.isEmpty()) {
        // Let the window lay itself out and paint before it is grabbed; a
        // visible web view gets up to five seconds to load its page.
        auto* poll = new QTimer(&frame);
        auto* waited = new QElapsedTimer;
        waited->start();
        QObject::connect(
            poll, &QTimer::timeout, &frame, [&frame, poll, waited, path = opts.screenshotPath] {
                if (AnyWebViewLoading(frame) && waited->elapsed() < 5000)
                    return;
                poll->stop();
                delete waited;
                // A loaded page paints shortly after.
                QTimer::singleShot(300, &frame, [&frame, path] {
                    if (!frame.grab().save(path, "PNG"))
                        std::fprintf(stderr, "mienlore: cannot write %s\n", qPrintable(path));
                });
            });
        QTimer::singleShot(500, poll, [poll] { poll->start(100); });
    }
    if (opts.timeKeys > 0) {
        QTimer::singleShot(300, &frame, [&frame, n = opts.timeKeys] {
            TimeKeys(frame, n);
            QApplication::closeAllWindows();
        });
    }
    if (opts.quitAfterMs >= 0)
        QTimer::singleShot(opts.quitAfterMs, &app, &QApplication::closeAllWindows);

    // Data the analysis needs: without it every text shows "???".
    const QStringList missing = globals.UnreadableTextFiles();
    if (!missing.isEmpty()) {
        for (const QString& message : missing)
            std::fprintf(stderr, "mienlore: %s\n", qPrintable(message));
        QTimer::singleShot(0, &frame, [&frame, missing] {
            QMessageBox::warning(&frame, frame.windowTitle(), missing.join(QLatin1Char('\n')));
        });
    }

    const int exitCode = app.exec();
    const QString notSaved = globals.SaveSettingsReport();
    if (!notSaved.isEmpty()) {
        std::fprintf(stderr, "mienlore: %s\n", qPrintable(notSaved));
        QMessageBox::warning(nullptr, UiString(128), notSaved);
    }
    return exitCode;
}
