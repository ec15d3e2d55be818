// Starts the real program twice, as a user would, and checks that the later
// start hands its face over to the running copy and ends.
#include "model/FaceFrame.h"
#include "shell/HandOver.h"
#include "support/TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <QUuid>
#include <gtest/gtest.h>

#include <fstream>

using namespace mienlore;

namespace {

// The private runtime folder the copies of one test share.
QString RuntimeDir(const test::TempDir& home) {
    const auto dir = home / "run";
    std::filesystem::create_directories(dir);
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    return QString::fromStdString(dir.string());
}

class Program {
public:
    explicit Program(const test::TempDir& home, const QString& user) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("USER"), user);
        env.insert(QStringLiteral("HOME"), QString::fromStdString(home.Path().string()));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   QString::fromStdString((home / "config").string()));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), RuntimeDir(home));
        m_process.setProcessEnvironment(env);
        m_process.setProgram(QString::fromStdString((test::ProgramFolder() / "mienlore").string()));
    }
    ~Program() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    void Start(const QStringList& args) {
        m_process.setArguments(args);
        m_process.start();
        ASSERT_TRUE(m_process.waitForStarted(10000));
    }
    QProcess& Process() { return m_process; }

private:
    QProcess m_process;
};

bool WaitUntilListening(const test::TempDir& home, const QString& user, int ms) {
    const QString name =
        QDir(RuntimeDir(home)).filePath(QString::fromStdString(InstanceName(user.toStdString())));
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromServer();
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

std::string ReadFirstLine(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

TEST(SecondStart, HandsItsFaceToTheRunningCopyAndEnds) {
    test::TempDir home;
    const QString user = QStringLiteral("t") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    const auto faceOut = home / "face.txt";

    Program first(home, user);
    first.Start({QStringLiteral("--face-out"), QString::fromStdString(faceOut.string()),
                 QStringLiteral("--quit-after"), QStringLiteral("60000")});
    ASSERT_TRUE(WaitUntilListening(home, user, 30000)) << "the first copy never listened";

    // Without a face text the later start ends at once and changes nothing.
    Program bare(home, user);
    bare.Start({});
    ASSERT_TRUE(bare.Process().waitForFinished(10000));
    EXPECT_EQ(bare.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(bare.Process().exitCode(), 0);
    EXPECT_EQ(first.Process().state(), QProcess::Running);
    EXPECT_FALSE(std::filesystem::exists(faceOut));

    CFaceFrame face(test::ProgramFolder());
    face.Slot(FaceSlot::Eyes).SetShape(7);
    face.Slot(FaceSlot::Nose).SetShape(3);
    const std::string code = face.Encode();
    Program second(home, user);
    second.Start({QString::fromStdString(code)});
    ASSERT_TRUE(second.Process().waitForFinished(10000));
    EXPECT_EQ(second.Process().exitCode(), 0);

    QDeadlineTimer deadline(20000);
    while (!std::filesystem::exists(faceOut) && !deadline.hasExpired())
        QThread::msleep(100);
    ASSERT_TRUE(std::filesystem::exists(faceOut)) << "the first copy did not take the face";
    const std::string shown = ReadFirstLine(faceOut);
    CFaceFrame expected(test::ProgramFolder());
    ASSERT_TRUE(expected.Decode(code, true));
    EXPECT_EQ(shown, expected.Encode());
    EXPECT_EQ(first.Process().state(), QProcess::Running);

    // A text that is no face code is refused: the later start says why and
    // ends with an error; the running copy keeps its face.
    Program bad(home, user);
    bad.Start({QStringLiteral("lo01nonsense-that-is-no-face")});
    ASSERT_TRUE(bad.Process().waitForFinished(10000));
    EXPECT_EQ(bad.Process().exitCode(), 1);
    EXPECT_TRUE(bad.Process().readAllStandardError().contains("refused the face"));
    EXPECT_EQ(ReadFirstLine(faceOut), expected.Encode());

    // Nothing of the hand-over lies in the shared temporary folder.
    const QString name = QString::fromStdString(InstanceName(user.toStdString()));
    EXPECT_FALSE(QFile::exists(QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"))));
    EXPECT_FALSE(QFile::exists(QDir(QDir::tempPath()).filePath(name)));
    EXPECT_TRUE(QFile::exists(QDir(RuntimeDir(home)).filePath(name + QStringLiteral(".lock"))));

    first.Process().kill();
    first.Process().waitForFinished(5000);
}

TEST(SecondStart, AnUnknownOptionOrABadFaceCodeIsToldOnStandardError) {
    test::TempDir home;
    const QString user = QStringLiteral("t") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    Program unknown(home, user);
    unknown.Start({QStringLiteral("--colour"), QStringLiteral("red")});
    ASSERT_TRUE(unknown.Process().waitForFinished(10000));
    EXPECT_EQ(unknown.Process().exitCode(), 2);
    const QByteArray err = unknown.Process().readAllStandardError();
    EXPECT_TRUE(err.contains("unknown option --colour")) << err.toStdString();
    EXPECT_TRUE(err.contains("usage: mienlore")) << err.toStdString();

    Program bad(home, user);
    bad.Start({QStringLiteral("nonsense"), QStringLiteral("--quit-after"), QStringLiteral("1500")});
    ASSERT_TRUE(bad.Process().waitForFinished(30000));
    EXPECT_TRUE(bad.Process().readAllStandardError().contains("not a valid face code"));
}

// What the desktop runs when the user opens a face list: the program opens
// the list; a later start hands the list's path over and the running copy
// opens it.
TEST(SecondStart, AFaceListFileIsOpenedAndHandedOverAsAList) {
    test::TempDir home;
    const QString user = QStringLiteral("t") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    const auto faceOut = home / "face.txt";
    const auto list = home / "friends.PHY";
    std::filesystem::copy_file(test::ProgramFolder() / "SAMPLES" / "list.phy", list);

    Program first(home, user);
    first.Start({QStringLiteral("--face-out"), QString::fromStdString(faceOut.string()),
                 QStringLiteral("--quit-after"), QStringLiteral("60000"),
                 QString::fromStdString(list.string())});
    ASSERT_TRUE(WaitUntilListening(home, user, 30000)) << "the first copy never listened";
    QDeadlineTimer opened(20000);
    while (!std::filesystem::exists(faceOut) && !opened.hasExpired())
        QThread::msleep(100);
    EXPECT_EQ(ReadFirstLine(faceOut), "list:" + list.string());
    std::filesystem::remove(faceOut);

    // A later start in another folder names the list by a relative path.
    const auto other = home / "other.phy";
    std::filesystem::copy_file(list, other);
    Program second(home, user);
    second.Process().setWorkingDirectory(QString::fromStdString(home.Path().string()));
    second.Start({QStringLiteral("other.phy")});
    ASSERT_TRUE(second.Process().waitForFinished(10000));
    EXPECT_EQ(second.Process().exitCode(), 0)
        << second.Process().readAllStandardError().toStdString();
    QDeadlineTimer handed(20000);
    while (!std::filesystem::exists(faceOut) && !handed.hasExpired())
        QThread::msleep(100);
    EXPECT_EQ(ReadFirstLine(faceOut), "list:" + other.string());

    first.Process().kill();
    first.Process().waitForFinished(5000);
}
