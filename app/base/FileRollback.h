#pragma once

#include <filesystem>
#include <string>

namespace mienlore {

// The state of one file before an operation that writes several files: when
// a later step fails, Restore puts the file back as it was (its old bytes, or
// no file when there was none), so that the operation is all or nothing.
class FileRollback {
public:
    // Records the file's present bytes. A file that exists but cannot be
    // read makes Recorded() false: the caller must not replace it.
    explicit FileRollback(std::filesystem::path path);

    bool Recorded() const { return m_recorded; }
    // Brings back the recorded state; false when that failed.
    bool Restore() const;

private:
    std::filesystem::path m_path;
    bool m_recorded = false;
    bool m_existed = false;
    std::string m_bytes;
};

} // namespace mienlore
