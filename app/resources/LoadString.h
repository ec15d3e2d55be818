#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace mienlore {

// A replacement text for a string id (for example from a language file), or
// nothing to keep the built-in text.
using StringOverride = std::function<std::optional<std::string>(unsigned id)>;

// Ids above this are never looked up.
constexpr unsigned kMaxStringId = 40000;

// Loads an interface string as the program shows it, into a buffer of
// bufferSize characters (room for bufferSize - 1 characters):
// - nothing (empty text) when the id's low 16 bits are 0, the id is above
//   40000, the buffer holds 1 character or less, or the built-in table has
//   no such string;
// - otherwise the built-in text cut to the buffer, replaced by the override's
//   text when it gives one (cut to the buffer and to 254 characters), with
//   every '|' turned into a line feed.
// Lengths count characters, not bytes.
std::string LoadInterfaceString(unsigned id, std::size_t bufferSize,
                                const StringOverride& override = {});

// The common case: a name of at most 80 characters, or fallback when the
// lookup finds nothing.
std::string InterfaceName(unsigned id, const char* fallback, const StringOverride& override = {});

} // namespace mienlore
