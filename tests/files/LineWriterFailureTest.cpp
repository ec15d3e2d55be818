#include "files/LineFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

std::size_t EntriesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

// Limits the size of files this process may write, as a full disk would, for
// the lifetime of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

TEST(LineWriterFailure, IsReportedAndLeavesTheOldFileIntact) {
    TempDir dir;

    // The temporary file cannot be created: the folder does not exist.
    const auto r1 = WriteLines(dir / "missing" / "list.phy", {"x"});
    EXPECT_FALSE(r1);
    EXPECT_FALSE(r1.error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    // The rename fails: the target is a folder that is not empty.
    std::filesystem::create_directory(dir / "taken");
    WriteFileBytes(dir / "taken" / "keep", "kept");
    EXPECT_FALSE(WriteLines(dir / "taken", {"x"}));
    EXPECT_EQ(ReadFileBytes(dir / "taken" / "keep"), "kept");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    // No name at all.
    EXPECT_FALSE(WriteLines("", {"x"}));
}

TEST(LineWriterFailure, RunningOutOfSpaceKeepsTheOldContent) {
    TempDir dir;
    const auto path = dir / "list.phy";
    WriteFileBytes(path, "old content\r\n");
    WriteResult r;
    {
        FileSizeLimit limit(1024);
        r = WriteLines(path, {std::string(4096, 'n')});
    }
    EXPECT_FALSE(r);
    EXPECT_EQ(ReadFileBytes(path), "old content\r\n");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}
