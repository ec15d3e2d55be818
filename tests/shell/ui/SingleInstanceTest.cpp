#include "shell/ui/SingleInstance.h"
#include "shell/HandOver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QUuid>
#include <gtest/gtest.h>

#include "support/TestSupport.h"

#include <atomic>
#include <sys/stat.h>
#include <thread>

using namespace mienlore;

namespace {

// A private runtime folder for this test program, set before any instance.
const test::TempDir& Runtime() {
    static test::TempDir dir;
    static const bool set = [] {
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir.Path().string()));
        return true;
    }();
    (void)set;
    return dir;
}

// A user name of its own, so that parallel runs never meet.
QString UniqueUser() {
    Runtime();
    return QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// Runs the event loop until the condition holds or the time is up.
template <typename F> bool WaitFor(F done, int ms = 3000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// How long a raw sender waits to connect and to write.
constexpr int kSocketWaitMs = 5000;

void SendRaw(const QString& server, const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(server);
    ASSERT_TRUE(socket.waitForConnected(kSocketWaitMs));
    socket.write(bytes);
    socket.waitForBytesWritten(kSocketWaitMs);
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
    // Sending waits for the answer, which the receiving side gives from its
    // event loop.
    CSingleInstance::SendResult sent;
    std::thread sender([&] { sent = second.Send(code); });
    EXPECT_TRUE(WaitFor([&] { return !received.isEmpty(); }));
    sender.join();
    EXPECT_EQ(sent.status, CSingleInstance::SendResult::Taken);
    EXPECT_EQ(received, QStringList{code});

    // The socket and its lock are in the private runtime folder.
    EXPECT_EQ(QFileInfo(first.ServerName()).absolutePath(),
              QString::fromStdString(Runtime().Path().string()));
    EXPECT_TRUE(QFileInfo::exists(first.ServerName() + QStringLiteral(".lock")));

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

TEST(SingleInstance, ARefusedFaceIsAnsweredWithTheReason) {
    const QString user = UniqueUser();
    CSingleInstance first(user);
    ASSERT_TRUE(first.Claim());
    first.SetHandler([](const QString& text) {
        return text.startsWith(QLatin1String("lo")) ? QString() : QStringLiteral("not a face");
    });
    QStringList received;
    QObject::connect(&first, &CSingleInstance::faceHandedOver,
                     [&](const QString& text) { received << text; });
    CSingleInstance second(user);
    ASSERT_FALSE(second.Claim());
    // The running copy answers from its event loop; the sender waits in
    // another thread meanwhile.
    CSingleInstance::SendResult refused, taken, tooShort;
    std::atomic<bool> done{false};
    std::thread sender([&] {
        refused = second.Send(QStringLiteral("xx0101040030yyyyyyyy"));
        taken = second.Send(QStringLiteral("lo0101040030yyyyyyyy"));
        tooShort = second.Send(QStringLiteral("lo01"));
        done = true;
    });
    EXPECT_TRUE(WaitFor([&] { return done.load(); }, 10000));
    sender.join();
    EXPECT_EQ(refused.status, CSingleInstance::SendResult::Refused);
    EXPECT_EQ(refused.message, QStringLiteral("not a face"));
    EXPECT_EQ(taken.status, CSingleInstance::SendResult::Taken);
    EXPECT_EQ(tooShort.status, CSingleInstance::SendResult::Refused);
    EXPECT_EQ(received, QStringList{QStringLiteral("lo0101040030yyyyyyyy")});
}

TEST(SingleInstance, TheRuntimeFolderIsPrivate) {
    Runtime();
    test::TempDir other;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    // A runtime folder others may enter is not used; the fallback is made
    // private.
    std::filesystem::create_directories(other / "open");
    std::filesystem::permissions(other / "open", std::filesystem::perms::all,
                                 std::filesystem::perm_options::replace);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((other / "open").string()));
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString((other / "cache").string()));
    std::filesystem::create_directories(other / "cache" / "mienlore-run");
    std::filesystem::permissions(other / "cache" / "mienlore-run", std::filesystem::perms::all,
                                 std::filesystem::perm_options::replace);
    const QString folder = CSingleInstance::PrivateRuntimeFolder();
    EXPECT_EQ(folder, QString::fromStdString((other / "cache" / "mienlore-run").string()));
    struct stat st {};
    ASSERT_EQ(::stat(folder.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    qputenv("XDG_RUNTIME_DIR", saved);
    qputenv("XDG_CACHE_HOME", savedCache);
    EXPECT_EQ(CSingleInstance::PrivateRuntimeFolder(),
              QString::fromStdString(Runtime().Path().string()));
}
