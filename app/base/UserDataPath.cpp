#include "base/UserDataPath.h"

#include <cstdlib>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace mienlore {

namespace fs = std::filesystem;

bool IsFolderWritable(const fs::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return false;
    if (::geteuid() == 0)
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return true;
}

fs::path PerUserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return fs::path(xdg) / "Mienlore";
    const char* home = std::getenv("HOME");
    const fs::path base = (home && home[0]) ? fs::path(home) : fs::path(".");
    return base / ".local" / "share" / "Mienlore";
}

fs::path WritableDataFolder(const fs::path& programFolder) {
    return IsFolderWritable(programFolder) ? programFolder : PerUserDataFolder();
}

fs::path UserDataPath(const fs::path& programFolder, const std::string& dataFolder,
                      const std::string& fileName, const std::vector<std::string>& companions,
                      std::string* error) {
    const fs::path root = WritableDataFolder(programFolder);
    const fs::path folder = dataFolder.empty() ? root : root / dataFolder;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder)) {
        if (error)
            *error = "Cannot create the folder \"" + folder.string() +
                     "\": " + (ec ? ec.message() : std::string("not a folder"));
        return {};
    }
    if (root != programFolder) {
        const fs::path shipped = dataFolder.empty() ? programFolder : programFolder / dataFolder;
        for (const std::string& name : companions) {
            const fs::path target = folder / name;
            if (fs::exists(target, ec))
                continue;
            fs::create_directories(target.parent_path(), ec);
            fs::copy_file(shipped / name, target, fs::copy_options::skip_existing, ec);
        }
    }
    return folder / fileName;
}

fs::path PreferredReadPath(const fs::path& programFolder, const std::string& dataFolder,
                           const std::string& fileName) {
    const fs::path root = WritableDataFolder(programFolder);
    const fs::path own = dataFolder.empty() ? root / fileName : root / dataFolder / fileName;
    std::error_code ec;
    if (root != programFolder && fs::is_regular_file(own, ec))
        return own;
    return dataFolder.empty() ? programFolder / fileName : programFolder / dataFolder / fileName;
}

} // namespace mienlore
