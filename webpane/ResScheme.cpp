#include "ResScheme.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QResource>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace {

const QByteArray kScheme = QByteArrayLiteral("res");

class ResSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QString path = job->requestUrl().path(QUrl::FullyDecoded);
        // The pack is the longest leading part of the path that is a file.
        QString pack;
        QString inner;
        for (qsizetype slash = path.indexOf(QLatin1Char('/'), 1); slash > 0;
             slash = path.indexOf(QLatin1Char('/'), slash + 1)) {
            const QString head = path.left(slash);
            if (QFileInfo(head).isFile()) {
                pack = head;
                inner = path.mid(slash);
                break;
            }
        }
        const QString root = Mount(pack);
        if (root.isEmpty() || inner.contains(QLatin1String(".."))) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        QFile file(QLatin1Char(':') + root + inner);
        if (!file.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* buffer = new QBuffer(job);
        buffer->setData(file.readAll());
        const QByteArray mime =
            QMimeDatabase().mimeTypeForFile(inner, QMimeDatabase::MatchExtension).name().toLatin1();
        job->reply(mime, buffer);
    }

private:
    // Where the pack's contents appear among the resources ("" when the pack
    // cannot be opened).
    QString Mount(const QString& pack) {
        if (pack.isEmpty())
            return {};
        const auto it = m_mounts.constFind(pack);
        if (it != m_mounts.constEnd())
            return *it;
        const QString root = QStringLiteral("/mienlore-res/%1").arg(m_mounts.size());
        if (!QResource::registerResource(pack, root))
            return {};
        m_mounts.insert(pack, root);
        return root;
    }

    QHash<QString, QString> m_mounts;
};

} // namespace

void RegisterResScheme() {
    if (QWebEngineUrlScheme::schemeByName(kScheme).name() == kScheme)
        return;
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local: pages loaded from files may show its pictures.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void InstallResScheme(QWebEngineProfile* profile) {
    profile->installUrlSchemeHandler(kScheme, new ResSchemeHandler(profile));
}
