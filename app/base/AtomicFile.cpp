#include "base/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace mienlore {

namespace {

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

} // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error, bool syncToDisk) {
    const std::string target = path.string();
    // A fresh name beside the target (same file system, so the rename is
    // atomic); open with O_EXCL so another writer's temporary is never reused.
    static std::atomic<unsigned> counter{0};
    std::string tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = target + ".tmp" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter.fetch_add(1));
        fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Fail(error,
                    "Cannot create a file beside \"" + target + "\": " + std::strerror(errno));

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const std::string reason = n < 0 ? std::strerror(errno) : "nothing written";
            ::close(fd);
            ::unlink(tempName.c_str());
            return Fail(error, "Cannot write \"" + target + "\": " + reason);
        }
        done += static_cast<std::size_t>(n);
    }
    // Flush to disk before the rename, so that a crash cannot leave the new
    // name pointing at content that never reached the disk.
    if (syncToDisk && ::fsync(fd) != 0) {
        const std::string reason = std::strerror(errno);
        ::close(fd);
        ::unlink(tempName.c_str());
        return Fail(error, "Cannot write \"" + target + "\": " + reason);
    }
    if (::close(fd) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(tempName.c_str());
        return Fail(error, "Cannot write \"" + target + "\": " + reason);
    }
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(tempName.c_str());
        return Fail(error, "Cannot replace \"" + target + "\": " + reason);
    }
    return true;
}

} // namespace mienlore
