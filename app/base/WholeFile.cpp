#include "base/WholeFile.h"

#include <cstdio>
#include <memory>

namespace mienlore {

FileRead ReadWholeFile(const std::filesystem::path& path, std::string& bytes,
                       std::uintmax_t maxBytes) {
    bytes.clear();
    std::error_code ec;
    // Only regular files: a folder cannot be read, and a device or a pipe may
    // never end.
    if (!std::filesystem::is_regular_file(path, ec))
        return FileRead::NotOpened;
    if (const std::uintmax_t size = std::filesystem::file_size(path, ec); !ec && size > maxBytes)
        return FileRead::TooLarge;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        return FileRead::NotOpened;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (bytes.size() > maxBytes) {
            bytes.clear();
            return FileRead::TooLarge;
        }
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
