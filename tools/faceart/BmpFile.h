#pragma once

#include <QImage>
#include <QString>

namespace mienlore::faceart {

// Writes an 8-bit grey picture as a BMP with a 256-entry grey palette
// (bottom-up rows, each padded to four bytes). The file is written under a
// temporary name and renamed into place. Returns false on any failure.
bool WriteGreyBmp(const QString& path, const QImage& grey);

} // namespace mienlore::faceart
