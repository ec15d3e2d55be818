#include "base/AtomicFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using mienlore::WriteFileAtomically;
using namespace mienlore::test;

namespace {

// A process id that ran and has ended.
pid_t EndedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid;
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(AtomicFile, ReplacesTheFileAndReportsAFolderThatIsNotThere) {
    TempDir dir;
    WriteFileBytes(dir / "list.phy", "old");
    ASSERT_TRUE(WriteFileAtomically(dir / "list.phy", "new"));
    EXPECT_EQ(ReadFileBytes(dir / "list.phy"), "new");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"list.phy"});

    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "list.phy", "x", &error));
    EXPECT_NE(error.find("missing/list.phy"), std::string::npos) << error;
}

TEST(AtomicFile, KeepsThePermissionsOfTheReplacedFileAndSavesThroughALink) {
    TempDir dir;
    WriteFileBytes(dir / "private.phy", "old");
    ::chmod((dir / "private.phy").c_str(), 0600);
    ASSERT_TRUE(WriteFileAtomically(dir / "private.phy", "new"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "private.phy").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    std::filesystem::create_symlink("private.phy", dir / "link.phy");
    ASSERT_TRUE(WriteFileAtomically(dir / "link.phy", "through the link"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.phy"));
    EXPECT_EQ(ReadFileBytes(dir / "private.phy"), "through the link");
}

TEST(AtomicFile, ASaveRemovesTheLeftoversOfKilledWritersButNotOfRunningOnes) {
    TempDir dir;
    const std::string dead = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getppid());
    WriteFileBytes(dir / ("list.phy.tmp" + dead + "-0"), "killed midway");
    WriteFileBytes(dir / ("list.phy.tmp" + dead + "-17"), "killed midway");
    WriteFileBytes(dir / ("list.phy.tmp" + running + "-3"), "being written");
    // Names that only look alike belong to someone else.
    WriteFileBytes(dir / ("other.phy.tmp" + dead + "-0"), "another file's");
    WriteFileBytes(dir / ("list.phy.tmp" + dead), "no counter");
    WriteFileBytes(dir / ("list.phy.tmp" + dead + "-1x"), "junk after");

    ASSERT_TRUE(WriteFileAtomically(dir / "list.phy", "saved"));
    // Names() sorts, and the two process ids may sort either way.
    std::vector<std::string> kept{"list.phy", "list.phy.tmp" + dead, "list.phy.tmp" + dead + "-1x",
                                  "list.phy.tmp" + running + "-3", "other.phy.tmp" + dead + "-0"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(Names(dir.Path()), kept);
}

TEST(AtomicFile, ALeftoverFromAfterTheFirstSaveGoesAtTheNextOne) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "l.phy", "first"));
    WriteFileBytes(dir / ("l.phy.tmp" + std::to_string(EndedProcess()) + "-4"), "killed");
    ASSERT_TRUE(WriteFileAtomically(dir / "l.phy", "second"));
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"l.phy"});
}
