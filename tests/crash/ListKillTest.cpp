// Crash safety of list saving: a helper process (mienlore-cli add / del)
// rewrites a list of thousands of faces and is killed with SIGKILL at random
// moments. After every kill the list must read back complete: the old or the
// new version, never a mix, never empty.
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

pid_t Spawn(const std::vector<std::string>& args) {
    const std::string program = (test::ProgramFolder() / "mienlore-cli").string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::fflush(nullptr); // else the child prints what the parent had buffered
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return pid;
}

// Whether a temporary file of the given writer (any writer, for 0) lies in
// the folder.
bool TemporaryFileExists(const std::filesystem::path& folder, pid_t writer = 0) {
    const std::string marker = writer ? ".tmp" + std::to_string(writer) + "-" : ".tmp";
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(marker) != std::string::npos)
            return true;
    return false;
}

std::string Code(int n) {
    CFaceFrame face(test::ProgramFolder());
    face.Slot(FaceSlot::Eyes).SetShape(n % 9);
    face.Slot(FaceSlot::Nose).SetShape(n / 9 % 9);
    return face.Encode();
}

} // namespace

TEST(ListKillSafety, AKilledSaveLeavesTheOldOrTheNewListNeverAMix) {
    constexpr int kEntries = 2000;
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kKills = 100; // every helper run is several times slower there
#else
    constexpr int kKills = 240;
#endif
    const unsigned seed =
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count() & 0xFFFF);
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::printf("kill test seed %u\n", seed);
    std::mt19937 random(seed);

    TempDir dir;
    const auto list = dir / "big.phy";
    std::vector<std::string> lines;
    for (int i = 0; i < kEntries; ++i)
        lines.push_back(Code(i) + "face number " + std::to_string(i));
    ASSERT_TRUE(WriteLines(list, lines));
    std::string current = ReadFileBytes(list);

    // How long one uninterrupted save takes: the kills fall within it.
    const auto t0 = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(Spawn({"add", list.string(), "--name", "timing", Code(1)}), &status, 0);
    const auto once = std::chrono::steady_clock::now() - t0;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    current = ReadFileBytes(list);
    const auto spanUs = std::max<long long>(
        1000, std::chrono::duration_cast<std::chrono::microseconds>(once).count());
    // Kill moments spread over one save (reading, building, writing, renaming),
    // but at most 150 ms after the start, so that the test stays short on a
    // slow machine too.
    const long long killWindowUs = std::min<long long>(spanUs * 12 / 10, 150'000);

    int killedMidway = 0, oldKept = 0, newWritten = 0;
    for (int k = 0; k < kKills; ++k) {
        // Alternate: append a face, delete one from the middle.
        const bool add = k % 2 == 0;
        std::string expected;
        pid_t pid;
        if (add) {
            const std::string name = "kill " + std::to_string(k);
            pid = Spawn({"add", list.string(), "--name", name, Code(k)});
            expected = current + Code(k) + name + "\r\n";
        } else {
            const std::size_t count = std::count(current.begin(), current.end(), '\n');
            const std::size_t position = random() % count;
            pid = Spawn({"del", list.string(), std::to_string(position)});
            std::size_t start = 0;
            for (std::size_t i = 0; i < position; ++i)
                start = current.find('\n', start) + 1;
            expected = current;
            expected.erase(start, current.find('\n', start) + 1 - start);
        }
        ASSERT_GT(pid, 0);
        bool reaped = false;
        if (k % 4 < 2) {
            // Anywhere in the run.
            std::this_thread::sleep_for(std::chrono::microseconds(random() % killWindowUs));
        } else {
            // While the new version is being written: once its temporary file
            // appears beside the list, within the next few milliseconds.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!TemporaryFileExists(dir.Path(), pid) &&
                   std::chrono::steady_clock::now() < giveUp) {
                if (::waitpid(pid, &status, WNOHANG) == pid) {
                    reaped = true;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        }
        if (!reaped) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        if (WIFSIGNALED(status))
            ++killedMidway;
        else
            ASSERT_EQ(WEXITSTATUS(status), 0) << "kill " << k;

        const std::string after = ReadFileBytes(list);
        ASSERT_FALSE(after.empty()) << "kill " << k;
        if (after == current) {
            ++oldKept;
        } else {
            ASSERT_EQ(after, expected) << "kill " << k << ": neither the old nor the new list";
            ++newWritten;
        }
        current = after;
    }
    // Killed writers left their temporary files behind; the next save that
    // completes removes them.
    ::waitpid(Spawn({"add", list.string(), "--name", "last", Code(2)}), &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(TemporaryFileExists(dir.Path()));
    // Every line still a face.
    const LineReadResult read = ReadLines(list);
    CFaceFrame scratch(test::ProgramFolder());
    for (const std::string& line : read.lines)
        ASSERT_TRUE(ValidateStoredLine(line, scratch).has_value()) << line;
    std::printf("kills: %d (%d during the run), old list kept %d times, new list %d times; "
                "one save %lld us\n",
                kKills, killedMidway, oldKept, newWritten, spanUs);
    EXPECT_GT(killedMidway, kKills / 4);
}
