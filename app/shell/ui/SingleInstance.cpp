#include "shell/ui/SingleInstance.h"

#include "shell/HandOver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace mienlore {
namespace {

// A record is a face code of a few hundred bytes; anything much longer is
// not one and is dropped without reading further.
constexpr qsizetype kMaxRecordBytes = 4096;

// The answer to a record: "OK" or "ERR" and the reason, then a NUL.
const QByteArray kTaken = QByteArrayLiteral("OK");
const QByteArray kRefused = QByteArrayLiteral("ERR");

// True when the path is a folder owned by this user that nobody else may
// enter, list or write.
bool IsPrivateFolder(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

QString SocketPath(const QString& userName) {
    const QString folder = CSingleInstance::PrivateRuntimeFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QString::fromStdString(InstanceName(userName.toStdString())));
}

} // namespace

QString CSingleInstance::PrivateRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime))
        return QDir::cleanPath(runtime);

    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::home().filePath(QStringLiteral(".cache"));
    const QString folder = QDir(cache).filePath(QStringLiteral("mienlore-run"));
    if (!QDir().mkpath(folder))
        return {};
    // A folder that is ours but too open is narrowed; one of another user is
    // never used.
    struct stat st {};
    const QByteArray native = QFile::encodeName(folder);
    if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
        ::chmod(native.constData(), 0700);
    return IsPrivateFolder(folder) ? folder : QString();
}

namespace {

QString LockPath(const QString& socketPath) {
    return socketPath.isEmpty() ? QString() : socketPath + QStringLiteral(".lock");
}

} // namespace

CSingleInstance::CSingleInstance(const QString& userName, QObject* parent)
    : QObject(parent), m_name(SocketPath(userName)), m_lock(LockPath(m_name)) {
    // A lock left by a copy that crashed is taken over.
    m_lock.setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance() {
    if (m_server)
        m_server->close();
    if (m_lock.isLocked())
        m_lock.unlock();
}

QString CSingleInstance::CurrentUserName() {
    for (const char* var : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(var);
        if (!name.isEmpty())
            return name;
    }
    return QDir::home().dirName();
}

bool CSingleInstance::Claim() {
    if (m_name.isEmpty()) {
        std::fprintf(stderr, "mienlore: no private runtime folder (XDG_RUNTIME_DIR or "
                             "~/.cache/mienlore-run); this copy runs on its own\n");
        return true;
    }
    if (!m_lock.tryLock(0))
        return false;
    // The lock is ours: any socket file left under the name is stale.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        std::fprintf(stderr, "mienlore: later starts cannot hand faces over: %s\n",
                     qPrintable(m_server->errorString()));
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
    return true;
}

bool CSingleInstance::IsListening() const {
    return m_server && m_server->isListening();
}

void CSingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        socket->setProperty("record", QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnData(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            OnData(socket);
    }
}

void CSingleInstance::OnData(QLocalSocket* socket) {
    QByteArray record = socket->property("record").toByteArray() + socket->readAll();
    const qsizetype end = record.indexOf('\0');
    if (end < 0 && record.size() <= kMaxRecordBytes) {
        socket->setProperty("record", record);
        return; // wait for the rest
    }
    socket->setProperty("record", QByteArray());
    if (end < 0) {
        Answer(socket, QStringLiteral("the record is too long to be a face hand-over"));
        return;
    }
    const std::optional<std::string> text = ParseHandOverRecord(
        std::string_view(record.constData(), static_cast<std::size_t>(end + 1)));
    if (!text) {
        Answer(socket, QStringLiteral("the record is not a face hand-over of %1 to %2 characters")
                           .arg(11)
                           .arg(kMaxHandOverChars));
        return;
    }
    const QString face = QString::fromStdString(*text);
    const QString refusal = m_handler ? m_handler(face) : QString();
    if (refusal.isEmpty())
        emit faceHandedOver(face);
    Answer(socket, refusal);
}

void CSingleInstance::Answer(QLocalSocket* socket, const QString& refusal) {
    QByteArray answer = refusal.isEmpty() ? kTaken : kRefused + ' ' + refusal.toUtf8();
    answer += '\0';
    // A later start that gets no answer takes its face as delivered; the
    // refusal it then misses is told here instead.
    if (socket->write(answer) != answer.size()) {
        std::fprintf(stderr, "mienlore: a later start could not be answered (%s)%s%s\n",
                     qPrintable(socket->errorString()), refusal.isEmpty() ? "" : ": ",
                     qPrintable(refusal));
    }
    socket->flush();
    // Bytes still pending are written before the connection closes.
    socket->disconnectFromServer();
}

CSingleInstance::SendResult CSingleInstance::Send(const QString& text, int timeoutMs) const {
    SendResult result;
    if (m_name.isEmpty())
        return result;
    const std::string record = MakeHandOverRecord(text.toStdString());
    QLocalSocket socket;
    const QDeadlineTimer deadline(timeoutMs);
    auto remaining = [&] {
        return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1));
    };
    // The running copy may still be starting: try until it listens.
    for (;;) {
        socket.connectToServer(m_name);
        if (socket.waitForConnected(remaining()))
            break;
        if (deadline.hasExpired())
            return result;
        QThread::msleep(50);
    }
    if (socket.write(record.data(), static_cast<qint64>(record.size())) !=
            static_cast<qint64>(record.size()) ||
        !socket.waitForBytesWritten(remaining())) {
        result.message = socket.errorString();
        return result;
    }
    // The answer: "OK" or "ERR reason", ended by a NUL or by the closing.
    QByteArray answer;
    while (!answer.contains('\0') && answer.size() <= kMaxRecordBytes) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(remaining()))
            break;
        answer += socket.readAll();
        if (deadline.hasExpired())
            break;
    }
    answer += socket.readAll();
    socket.disconnectFromServer();
    answer.truncate(answer.indexOf('\0') < 0 ? answer.size() : answer.indexOf('\0'));
    if (answer.startsWith(kRefused)) {
        result.status = SendResult::Refused;
        result.message = QString::fromUtf8(answer.mid(kRefused.size()).trimmed());
    } else {
        // "OK", or a copy that does not answer: the record was delivered.
        result.status = SendResult::Taken;
    }
    return result;
}

} // namespace mienlore
