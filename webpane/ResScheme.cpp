#include "ResScheme.h"

#include "ResPackRule.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QResource>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <dlfcn.h>

namespace {

const QByteArray kScheme = QByteArrayLiteral("res");

class ResSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const ResTarget target =
            ResolveResAddress(job->requestUrl().path(QUrl::FullyDecoded), TrustedFolders());
        const QString root = Mount(target.pack);
        if (root.isEmpty()) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        const QString& inner = target.inner;
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
    // The program folder and the folder this module was loaded from (the
    // same one in an installed program): only packs there are served.
    static QStringList TrustedFolders() {
        QStringList folders{QCoreApplication::applicationDirPath()};
        Dl_info info{};
        if (::dladdr(reinterpret_cast<void*>(&RegisterResScheme), &info) != 0 &&
            info.dli_fname != nullptr)
            folders << QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
        return folders;
    }

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
