#include "imaging/ui/SerifFont.h"

#include <QStringList>

#include <algorithm>

namespace mienlore {

QFont SerifFont(int pixelSize, int weight) {
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman")});
    f.setStyleHint(QFont::Serif, QFont::PreferQuality);
    f.setPixelSize(std::max(1, pixelSize));
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

} // namespace mienlore
