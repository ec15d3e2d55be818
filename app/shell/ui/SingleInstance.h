#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace mienlore {

// Keeps the program to one running copy per user. The first start holds a
// lock file and listens on a local socket, both in the user's private
// runtime folder (see PrivateRuntimeFolder), so that no other local user can
// take the name or send faces; a later start finds the lock taken, hands its
// face text over the socket as a "SEND" record, reads the running copy's
// answer and ends.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(const QString& userName = CurrentUserName(),
                             QObject* parent = nullptr);
    ~CSingleInstance() override;

    // The login name of the user running the program.
    static QString CurrentUserName();

    // The folder for the lock file and the socket: $XDG_RUNTIME_DIR when it
    // is a folder of this user that only this user may enter; otherwise
    // "mienlore-run" in the user's cache folder, created (or narrowed) to mode
    // 0700. Empty when no such folder can be had.
    static QString PrivateRuntimeFolder();

    // The socket's full path (empty when there is no private folder).
    QString ServerName() const { return m_name; }

    // Tries to become the running copy: true when no other copy runs; this
    // one then listens for later starts. Without a private folder every start
    // runs on its own (true) and the reason is printed.
    bool Claim();
    bool IsListening() const;

    // Answers a face text handed over: an empty string when it was taken,
    // else why it was not. Without a handler every valid record is taken.
    void SetHandler(std::function<QString(const QString&)> handler) {
        m_handler = std::move(handler);
    }

    struct SendResult {
        enum Status { NotDelivered, Taken, Refused } status = NotDelivered;
        QString message; // why the running copy refused the text, or could not be sent it
        explicit operator bool() const { return status != NotDelivered; }
    };
    // From a later start: sends the face text to the running copy and waits
    // for its answer.
    SendResult Send(const QString& text, int timeoutMs = 3000) const;

signals:
    // A later start handed over a face text that passed the record checks.
    void faceHandedOver(const QString& text);

private:
    void OnConnection();
    void OnData(QLocalSocket* socket);
    void Answer(QLocalSocket* socket, const QString& refusal);

    QString m_name;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
    std::function<QString(const QString&)> m_handler;
};

} // namespace mienlore
