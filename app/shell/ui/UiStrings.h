#pragma once

#include <QString>

namespace mienlore {

// An interface string by id, cut to maxChars characters; empty when the id
// has no string.
QString UiString(int id, int maxChars = 255);

// The status-bar hint of a command (its string before "\n") and its tool tip
// (the text after "\n", empty when there is none).
QString StatusText(int id);
QString ToolTipText(int id);

} // namespace mienlore
