#pragma once

#include <string>

namespace mienlore {

// Outcome of writing a file: ok, or a short English description of what
// failed (for the message the interface shows).
struct WriteResult {
    bool ok = false;
    std::string error;

    explicit operator bool() const { return ok; }
};

} // namespace mienlore
