#include "shell/ui/SingleInstance.h"

#include "shell/HandOver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cstdio>

namespace mienlore {
namespace {

// A record is a face code of a few hundred bytes; anything much longer is
// not one and is dropped without reading further.
constexpr qsizetype kMaxRecordBytes = 4096;

QString LockPath(const QString& name) {
    return QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"));
}

} // namespace

CSingleInstance::CSingleInstance(const QString& userName, QObject* parent)
    : QObject(parent), m_name(QString::fromStdString(InstanceName(userName.toStdString()))),
      m_lock(LockPath(m_name)) {
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
    socket->disconnectFromServer();
    if (end < 0)
        return; // too long to be a record
    const std::optional<std::string> text = ParseHandOverRecord(
        std::string_view(record.constData(), static_cast<std::size_t>(end + 1)));
    if (text)
        emit faceHandedOver(QString::fromStdString(*text));
}

bool CSingleInstance::Send(const QString& text, int timeoutMs) const {
    const std::string record = MakeHandOverRecord(text.toStdString());
    QLocalSocket socket;
    const QDeadlineTimer deadline(timeoutMs);
    // The running copy may still be starting: try until it listens.
    for (;;) {
        socket.connectToServer(m_name);
        if (socket.waitForConnected(
                static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(record.data(), static_cast<qint64>(record.size()));
    if (!socket.waitForBytesWritten(
            static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1))))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
    return true;
}

} // namespace mienlore
