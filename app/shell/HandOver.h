#pragma once

#include "files/ClipboardRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mienlore {

// Base of the name under which the running copy of the program listens for
// a second start; the user's name is appended so that users do not meet.
inline constexpr std::string_view kInstanceNameBase = "mienlore_mutex";

// The listening name for a user: the base, "_", and the user's name with
// every character but letters, digits, '-' and '_' replaced by '_'.
std::string InstanceName(std::string_view userName);

// Longest face text a second start may hand over, in characters.
inline constexpr std::size_t kMaxHandOverChars = kMaxRecordTextChars;

// The record a second start sends: "SEND", the text, a NUL.
std::string MakeHandOverRecord(std::string_view text);

// The face text of a record received from a second start: ParseFaceRecord
// with the "SEND" tag. A text longer than kMaxHandOverChars is refused whole
// rather than cut (a paste cuts it), so that no shortened face is ever
// applied from outside.
std::optional<std::string> ParseHandOverRecord(std::string_view record);

} // namespace mienlore
