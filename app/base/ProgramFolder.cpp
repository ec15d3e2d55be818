#include "base/ProgramFolder.h"

#include <system_error>

namespace mienlore {

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path DataPath(const std::filesystem::path& programFolder, const char* dataFolder,
                               const std::string& fileName) {
    return programFolder / dataFolder / fileName;
}

} // namespace mienlore
