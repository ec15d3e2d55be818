#pragma once

#include <QString>
#include <QStringList>

// Which resource pack a "res:" address names, and whether it may be served.
struct ResTarget {
    QString pack;  // the pack file, as named in the address; empty: refused
    QString inner; // the path inside the pack, beginning with "/"
};

// Splits the path of a "res:" address into the pack and the path inside it.
// Only the program's own packs are served: a file with the extension ".rcc"
// standing directly in one of the trusted folders (compared after resolving
// links, so a link to a file elsewhere is refused too). Any other file named
// in the address, a path inside the pack that climbs out with "..", and a
// pack that is not there give an empty pack.
ResTarget ResolveResAddress(const QString& path, const QStringList& trustedFolders);
