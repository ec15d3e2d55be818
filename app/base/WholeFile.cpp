#include "base/WholeFile.h"

#include <cstdio>
#include <memory>

namespace mienlore {

FileRead ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return FileRead::NotOpened;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        return FileRead::NotOpened;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer)
            break;
    }
    if (std::ferror(file.get())) {
        bytes.clear();
        return FileRead::NotRead;
    }
    return FileRead::Done;
}

} // namespace mienlore
