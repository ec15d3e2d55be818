#include "shell/ui/UiStrings.h"

#include "resources/StringTable.h"

namespace mienlore {
namespace {

StringOverride& Override() {
    static StringOverride strings;
    return strings;
}

} // namespace

void SetUiStringOverride(StringOverride strings) {
    Override() = std::move(strings);
}
const StringOverride& UiStringOverride() {
    return Override();
}

QString UiString(int id, int maxChars) {
    if (id <= 0 || maxChars <= 0)
        return {};
    const unsigned uid = static_cast<unsigned>(id);
    if (uid <= kMaxStringId)
        return QString::fromStdString(
            LoadInterfaceString(uid, static_cast<std::size_t>(maxChars) + 1, Override()));
    // Command texts above the language's range come from the built-in table.
    const char* text = ResourceString(uid);
    return text ? QString::fromUtf8(text).left(maxChars) : QString();
}

QString StatusText(int id) {
    return UiString(id).section(QLatin1Char('\n'), 0, 0);
}

QString ToolTipText(int id) {
    const QString s = UiString(id);
    const int nl = s.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : s.mid(nl + 1);
}

QString FillIn(const QString& pattern, const QStringList& values) {
    QString out;
    qsizetype from = 0;
    for (const QString& value : values) {
        const qsizetype at = pattern.indexOf(QStringLiteral("%s"), from);
        if (at < 0)
            break;
        out += pattern.mid(from, at - from) + value;
        from = at + 2;
    }
    return out + pattern.mid(from);
}

} // namespace mienlore
