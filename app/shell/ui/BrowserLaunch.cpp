#include "shell/ui/BrowserLaunch.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

namespace mienlore {

void OpenInBrowser(const QUrl& url, QObject* owner, std::function<void(const QString&)> onFailure,
                   int watchMs, const QString& opener) {
    auto fail = [owner, onFailure](const QString& reason) {
        if (onFailure)
            QTimer::singleShot(0, owner, [onFailure, reason] { onFailure(reason); });
    };
    if (QStandardPaths::findExecutable(opener).isEmpty() && !opener.contains(QLatin1Char('/'))) {
        if (!QDesktopServices::openUrl(url))
            fail(QStringLiteral("no program to open %1 was found").arg(url.toDisplayString()));
        return;
    }
    auto* process = new QProcess(owner);
    process->setProgram(opener);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardOutputFile(QProcess::nullDevice());
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(
        process, &QProcess::errorOccurred, process,
        [process, fail, opener](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            fail(QStringLiteral("%1 could not be started: %2").arg(opener, process->errorString()));
            process->deleteLater();
        });
    QObject::connect(
        process, &QProcess::finished, process,
        [process, fail, clock, watchMs, opener](int code, QProcess::ExitStatus status) {
            const bool failed = status != QProcess::NormalExit || code != 0;
            if (failed && clock->elapsed() <= watchMs) {
                const QString said =
                    QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
                fail(QStringLiteral("%1 ended with status %2%3")
                         .arg(opener)
                         .arg(status == QProcess::NormalExit ? code : -1)
                         .arg(said.isEmpty() ? QString() : QStringLiteral(": ") + said.left(300)));
            }
            process->deleteLater();
        });
    process->start();
}

void ShowWarningWithoutWaiting(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box->show();
}

} // namespace mienlore
