#pragma once

#include "resources/LoadString.h"

#include <QString>

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

} // namespace mienlore
