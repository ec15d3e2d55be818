#pragma once

namespace mienlore {

// The built-in English string table: the text of a string id, or nullptr when
// the table has no such string. Texts are UTF-8; "\n" separates a command's
// status-bar hint from its tool tip.
const char* ResourceString(unsigned id);

} // namespace mienlore
