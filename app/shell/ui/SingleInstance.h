#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace mienlore {

// Keeps the program to one running copy per user. The first start holds a
// lock file and listens under the instance name; a later start finds the
// lock taken, hands its face text over the local socket as a "SEND" record
// and ends.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(const QString& userName = CurrentUserName(),
                             QObject* parent = nullptr);
    ~CSingleInstance() override;

    // The login name of the user running the program.
    static QString CurrentUserName();

    QString ServerName() const { return m_name; }

    // Tries to become the running copy: true when no other copy runs; this
    // one then listens for later starts.
    bool Claim();
    bool IsListening() const;

    // From a later start: sends the face text to the running copy. False when
    // it could not be delivered in time.
    bool Send(const QString& text, int timeoutMs = 3000) const;

signals:
    // A later start handed over a face text that passed the record checks.
    void faceHandedOver(const QString& text);

private:
    void OnConnection();
    void OnData(QLocalSocket* socket);

    QString m_name;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace mienlore
