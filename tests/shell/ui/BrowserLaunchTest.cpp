#include "shell/ui/BrowserLaunch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

// Runs the event loop until a failure is told or the time is up.
QStringList FailuresOf(const QString& opener, int waitMs) {
    QObject owner;
    QStringList failures;
    OpenInBrowser(
        QUrl::fromLocalFile(QStringLiteral("/tmp/face.htm")), &owner,
        [&failures](const QString& reason) { failures << reason; }, 3000, opener);
    const QDeadlineTimer deadline(waitMs);
    while (failures.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return failures;
}

} // namespace

TEST(BrowserLaunch, AnOpenerThatFailsOrCannotStartIsTold) {
    const QStringList failed = FailuresOf(QStringLiteral("false"), 3000);
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed.first().contains(QStringLiteral("status 1")))
        << failed.first().toStdString();

    const QStringList missing = FailuresOf(QStringLiteral("/no/such/opener"), 3000);
    ASSERT_EQ(missing.size(), 1);
    EXPECT_TRUE(missing.first().contains(QStringLiteral("/no/such/opener")));

    EXPECT_TRUE(FailuresOf(QStringLiteral("true"), 500).isEmpty());
}
