#include "shell/ui/SingleInstance.h"
#include "shell/HandOver.h"
#include "shell/ui/CommandIds.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QUuid>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

// A user name of its own, so that parallel runs never meet.
QString UniqueUser() {
    return QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// Runs the event loop until the condition holds or the time is up.
template <typename F> bool WaitFor(F done, int ms = 3000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void SendRaw(const QString& server, const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(server);
    ASSERT_TRUE(socket.waitForConnected(cmd::kMenWomen));
    socket.write(bytes);
    socket.waitForBytesWritten(cmd::kMenWomen);
    socket.disconnectFromServer();
}

} // namespace

TEST(SingleInstance, OnlyTheFirstClaimsAndLaterOnesHandTheirFaceOver) {
    const QString user = UniqueUser();
    CSingleInstance first(user);
    ASSERT_TRUE(first.Claim());
    EXPECT_TRUE(first.IsListening());
    QStringList received;
    QObject::connect(&first, &CSingleInstance::faceHandedOver,
                     [&](const QString& text) { received << text; });

    CSingleInstance second(user);
    EXPECT_FALSE(second.Claim());
    const QString code = QString(132, QLatin1Char('x')) + QStringLiteral(";");
    // Sending blocks, so the receiving side runs afterwards.
    ASSERT_TRUE(second.Send(code));
    EXPECT_TRUE(WaitFor([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received, QStringList{code});

    // Another user runs a copy of their own.
    CSingleInstance other(UniqueUser());
    EXPECT_TRUE(other.Claim());
}

TEST(SingleInstance, MalformedAndOverlongRecordsAreIgnored) {
    const QString user = UniqueUser();
    CSingleInstance first(user);
    ASSERT_TRUE(first.Claim());
    QStringList received;
    QObject::connect(&first, &CSingleInstance::faceHandedOver,
                     [&](const QString& text) { received << text; });

    const QByteArray nul(1, '\0');
    SendRaw(first.ServerName(), "FACE" + QByteArray(40, 'a') + nul);  // a copied face
    SendRaw(first.ServerName(), "SEND" + QByteArray("short") + nul);  // too short
    SendRaw(first.ServerName(), "SEND" + QByteArray(256, 'a') + nul); // too long
    SendRaw(first.ServerName(), "SEND" + QByteArray(9000, 'a'));      // no end at all
    SendRaw(first.ServerName(), "garbage");
    SendRaw(first.ServerName(), "SEND" + QByteArray(20, 'b') + nul); // the only good one
    EXPECT_TRUE(WaitFor([&] { return !received.isEmpty(); }));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    EXPECT_EQ(received, QStringList{QString(20, QLatin1Char('b'))});
}

TEST(SingleInstance, ALockLeftByAnEndedCopyIsTakenOver) {
    const QString user = UniqueUser();
    {
        CSingleInstance first(user);
        ASSERT_TRUE(first.Claim());
    }
    CSingleInstance next(user);
    EXPECT_TRUE(next.Claim());
    EXPECT_TRUE(next.IsListening());
    // Nobody listens for a user without a running copy.
    CSingleInstance lonely(UniqueUser());
    EXPECT_FALSE(lonely.Send(QStringLiteral("lo0101040030xxxxxxxx"), 300));
}
