#include "model/ui/SlotNames.h"

#include "model/FaceItem.h"
#include "shell/ui/UiStrings.h"

namespace mienlore {
namespace {

QString IndexedName(int base, int index) {
    if (base != 0) {
        const QString s = UiString(base + index, 80);
        if (!s.isEmpty())
            return s;
    }
    return QStringLiteral("Set  %1").arg(index + 1);
}

} // namespace

QString ShapeName(const CFaceItem& item, int shape) {
    return IndexedName(item.ShapeNameBase(), shape);
}

QString VariantName(const CFaceItem& item, int variant) {
    return IndexedName(item.VariantNameBase(), variant);
}

QString ChoiceName(const CFaceItem& item) {
    if (!item.IsAccessory() && item.IsEmpty())
        return {};
    QString name = ShapeName(item, item.GetShape());
    const QString variant = VariantName(item, item.GetVariant());
    if (!variant.isEmpty())
        name += QStringLiteral(", ") + variant;
    return name;
}

QString SlotTitle(const CFaceItem& item) {
    return UiString(static_cast<int>(item.Slot()), 31) + QLatin1Char(' ') + ChoiceName(item);
}

} // namespace mienlore
