#pragma once

#include "resources/LoadString.h"

#include <QString>
#include <QStringList>

namespace mienlore {

// The language's replacement texts for interface strings (empty: the
// built-in English texts). Set by the language loader at start-up.
void SetUiStringOverride(StringOverride strings);
const StringOverride& UiStringOverride();

// An interface string by id, cut to maxChars characters; empty when the id
// has no string. Ids up to 40000 go through the language's replacements.
QString UiString(int id, int maxChars = 255);

// The status-bar hint of a command (its string before "\n") and its tool tip
// (the text after "\n", empty when there is none).
QString StatusText(int id);
QString ToolTipText(int id);

// The string with each "%s" replaced by the next value, in order (a "%s"
// without a value stays). The values are never read as patterns.
QString FillIn(const QString& pattern, const QStringList& values);

} // namespace mienlore
