#include "shell/ui/UiStrings.h"

#include "resources/StringTable.h"

namespace mienlore {

QString UiString(int id, int maxChars) {
    if (id <= 0)
        return {};
    const char* text = ResourceString(static_cast<unsigned>(id));
    if (!text)
        return {};
    return QString::fromUtf8(text).left(maxChars);
}

QString StatusText(int id) {
    return UiString(id).section(QLatin1Char('\n'), 0, 0);
}

QString ToolTipText(int id) {
    const QString s = UiString(id);
    const int nl = s.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : s.mid(nl + 1);
}

} // namespace mienlore
