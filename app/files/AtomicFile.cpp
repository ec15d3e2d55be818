#include "files/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mienlore {
namespace {

WriteResult Failure(const std::string& what, const std::filesystem::path& path, int err) {
    return WriteResult{false, what + " " + path.string() + ": " + std::strerror(err)};
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    if (path.empty() || !path.has_filename())
        return WriteResult{false, "no file name given"};

    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string tempName = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return Failure("cannot create a temporary file beside", path, errno);

    // A replaced file keeps its permissions; a new one gets the usual 0666
    // less the umask rather than mkstemp's private 0600.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    int err = 0;
    const char* what = nullptr;
    if (!WriteAll(fd, bytes)) {
        err = errno;
        what = "cannot write";
    } else if (::fsync(fd) != 0) {
        err = errno;
        what = "cannot flush";
    }
    if (::close(fd) != 0 && what == nullptr) {
        err = errno;
        what = "cannot close";
    }
    if (what == nullptr && ::rename(tempName.c_str(), path.c_str()) != 0) {
        err = errno;
        what = "cannot replace";
    }
    if (what != nullptr) {
        ::unlink(tempName.c_str());
        return Failure(what, path, err);
    }
    return WriteResult{true, {}};
}

} // namespace mienlore
