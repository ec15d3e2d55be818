#include "base/FileRollback.h"

#include "base/AtomicFile.h"
#include "base/WholeFile.h"

#include <system_error>

namespace mienlore {

FileRollback::FileRollback(std::filesystem::path path) : m_path(std::move(path)) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(m_path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        m_recorded = true;
        return;
    }
    if (ec)
        return;
    m_existed = true;
    m_recorded = ReadWholeFile(m_path, m_bytes) == FileRead::Done;
}

bool FileRollback::Restore() const {
    if (!m_recorded)
        return false;
    if (m_existed)
        return WriteFileAtomically(m_path, m_bytes);
    std::error_code ec;
    std::filesystem::remove(m_path, ec);
    return !ec;
}

} // namespace mienlore
