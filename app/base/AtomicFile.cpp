#include "base/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace mienlore {

namespace {

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

// Temporary files are named "<target>.tmp<pid>-<n>", so that a leftover can
// be traced to the process that wrote it.
std::string TemporaryName(const std::string& target, unsigned n) {
    return target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(n);
}

// The writer's process id in a name "<file>.tmp<pid>-<n>", or 0.
pid_t WriterOf(std::string_view name, std::string_view file) {
    const std::string_view marker = ".tmp";
    if (name.size() <= file.size() + marker.size() || name.substr(0, file.size()) != file ||
        name.substr(file.size(), marker.size()) != marker)
        return 0;
    const std::string_view rest = name.substr(file.size() + marker.size());
    long pid = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (ec != std::errc() || end == rest.data() || pid <= 0 || end == rest.data() + rest.size() ||
        *end != '-')
        return 0;
    unsigned long n = 0;
    const auto [last, ec2] = std::from_chars(end + 1, rest.data() + rest.size(), n);
    if (ec2 != std::errc() || last != rest.data() + rest.size() || last == end + 1)
        return 0;
    return static_cast<pid_t>(pid);
}

bool ProcessIsGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A writer killed between creating its temporary file and renaming it leaves
// that file behind. Once a save of the same target has succeeded, leftovers of
// writers that no longer run are removed; those of running writers (another
// copy of the program saving at this moment) are left alone. Files saved by
// the user are looked after at every save (another copy of the program may
// have been killed since the last one); files written at every change without
// syncing have their folder looked through once a process, so that they do
// not pay for a folder scan each time.
void RemoveLeftovers(const std::filesystem::path& target, bool everySave) {
    static std::mutex mutex;
    static std::set<std::string> done;
    if (!everySave) {
        std::lock_guard lock(mutex);
        if (!done.insert(target.string()).second)
            return;
    }
    const std::string file = target.filename().string();
    std::error_code ec;
    const auto folder = target.has_parent_path() ? target.parent_path() : ".";
    std::filesystem::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const pid_t pid = WriterOf(name, file);
        if (pid > 0 && pid != ::getpid() && ProcessIsGone(pid)) {
            std::error_code ignored;
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

// The file to replace: the file a symbolic link points to, so that saving
// through a link updates the linked file and keeps the link.
std::filesystem::path ReplacedFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec))
        return path;
    const auto resolved = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

} // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error, bool syncToDisk) {
    const std::filesystem::path replaced = ReplacedFile(path);
    const std::string target = replaced.string();
    // A fresh name beside the target (same file system, so the rename is
    // atomic); open with O_EXCL so another writer's temporary is never reused.
    static std::atomic<unsigned> counter{0};
    std::string tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = TemporaryName(target, counter.fetch_add(1));
        fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Fail(error,
                    "Cannot create a file beside \"" + target + "\": " + std::strerror(errno));
    // A replaced file keeps its permissions (a list kept private stays so).
    if (struct stat old{};
        ::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) {
        // Going on would widen the access to a file kept private.
        const std::string reason = std::strerror(errno);
        ::close(fd);
        ::unlink(tempName.c_str());
        return Fail(error, "Cannot keep the permissions of \"" + target + "\": " + reason);
    }

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
    if (syncToDisk) {
        // The rename itself reaches the disk with the folder's entry.
        const std::string folder =
            replaced.has_parent_path() ? replaced.parent_path().string() : std::string(".");
        // A folder that cannot be opened, or a file system that cannot sync
        // one (EINVAL), leaves nothing to flush; a failing flush means the
        // new file may not survive a crash, which the caller is told
        // although the content is in place.
        if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
            const bool synced = ::fsync(dir) == 0 || errno == EINVAL;
            const std::string reason = synced ? std::string() : std::strerror(errno);
            ::close(dir);
            if (!synced)
                return Fail(error, "\"" + target +
                                       "\" was written, but its folder could not be flushed "
                                       "to disk: " +
                                       reason);
        }
    }
    RemoveLeftovers(replaced, syncToDisk);
    return true;
}

} // namespace mienlore
