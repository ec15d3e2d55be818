#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mienlore {

// Outcome of a file write: ok, or a short English description of what failed
// (for the message the interface shows).
struct WriteResult {
    bool ok = false;
    std::string error;

    explicit operator bool() const { return ok; }
};

// Replaces the file's content with the bytes without ever leaving a partly
// written file behind: the bytes go to a new temporary file in the same
// folder, which is flushed to disk and then renamed over the target. When any
// step fails the temporary file is removed, the old file (if any) stays as it
// was, and the result says what went wrong.
WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace mienlore
