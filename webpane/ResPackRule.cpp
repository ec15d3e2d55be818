#include "ResPackRule.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QLatin1String kPackSuffix(".rcc");

bool IsTrustedPack(const QString& pack, const QStringList& trustedFolders) {
    const QFileInfo info(pack);
    if (!info.isAbsolute() || !pack.endsWith(kPackSuffix))
        return false;
    const QFileInfo resolved(info.canonicalFilePath());
    if (!resolved.exists() || !resolved.isFile() || !resolved.fileName().endsWith(kPackSuffix))
        return false;
    const QString folder = resolved.absolutePath();
    for (const QString& trusted : trustedFolders) {
        const QString canonical = QDir(trusted).canonicalPath();
        if (!canonical.isEmpty() && canonical == folder)
            return true;
    }
    return false;
}

} // namespace

ResTarget ResolveResAddress(const QString& path, const QStringList& trustedFolders) {
    // The pack is the first leading part of the path that ends in ".rcc"
    // and names a pack in a trusted folder; nothing else on the disk is
    // looked at.
    for (qsizetype slash = path.indexOf(QLatin1Char('/'), 1); slash > 0;
         slash = path.indexOf(QLatin1Char('/'), slash + 1)) {
        const QString head = path.left(slash);
        if (!head.endsWith(kPackSuffix))
            continue;
        const QString inner = path.mid(slash);
        if (!IsTrustedPack(head, trustedFolders) || inner.split(QLatin1Char('/')).contains(".."))
            return {};
        return {head, inner};
    }
    return {};
}
