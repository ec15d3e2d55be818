#include "base/UserDataPath.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace mienlore;
using mienlore::test::ReadFileBytes;
using mienlore::test::TempDir;
using mienlore::test::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(UserDataPath, PerUserFolderFollowsXdgDataHomeThenHome) {
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/data/alice");
        EXPECT_EQ(PerUserDataFolder(), fs::path("/data/alice/Mienlore"));
    }
    ScopedEnv relative("XDG_DATA_HOME", "not/absolute"); // ignored, as the XDG rules say
    ScopedEnv home("HOME", "/home/bob");
    EXPECT_EQ(PerUserDataFolder(), fs::path("/home/bob/.local/share/Mienlore"));
}

TEST(UserDataPath, WritableProgramFolderTakesTheFile) {
    TempDir program;
    fs::create_directories(program / "Text");
    const fs::path path = UserDataPath(program.Path(), "Text", "text.htm", {"phisw.css"});
    EXPECT_EQ(path, program / "Text" / "text.htm");
}

TEST(UserDataPath, ReadOnlyProgramFolderSendsFilesToTheUserWithCompanions) {
    TempDir program;
    TempDir user;
    ScopedEnv xdg("XDG_DATA_HOME", user.Path().c_str());
    fs::create_directories(program / "Text");
    WriteFileBytes(program / "Text" / "phisw.css", "body{}");
    fs::permissions(program.Path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(IsFolderWritable(program.Path()));

    std::string error;
    const fs::path path =
        UserDataPath(program.Path(), "Text", "text.htm", {"phisw.css", "missing.gif"}, &error);
    EXPECT_EQ(path, user / "Mienlore" / "Text" / "text.htm");
    EXPECT_TRUE(fs::is_directory(path.parent_path()));
    EXPECT_EQ(ReadFileBytes(user / "Mienlore" / "Text" / "phisw.css"), "body{}");
    EXPECT_FALSE(fs::exists(user / "Mienlore" / "Text" / "missing.gif"));

    // A companion the user already has is kept, not overwritten.
    WriteFileBytes(user / "Mienlore" / "Text" / "phisw.css", "mine");
    UserDataPath(program.Path(), "Text", "text.htm", {"phisw.css"});
    EXPECT_EQ(ReadFileBytes(user / "Mienlore" / "Text" / "phisw.css"), "mine");

    fs::permissions(program.Path(), fs::perms::owner_write, fs::perm_options::add);
}

TEST(UserDataPath, ReadingPrefersTheUsersCopy) {
    TempDir program;
    TempDir user;
    ScopedEnv xdg("XDG_DATA_HOME", user.Path().c_str());
    WriteFileBytes(program / "lang.lng", "shipped");
    EXPECT_EQ(PreferredReadPath(program.Path(), "", "lang.lng"), program / "lang.lng");
    fs::create_directories(user / "Mienlore");
    WriteFileBytes(user / "Mienlore" / "lang.lng", "chosen");
    EXPECT_EQ(PreferredReadPath(program.Path(), "", "lang.lng"), user / "Mienlore" / "lang.lng");
}

TEST(UserDataPath, UncreatableFolderIsReportedWithItsName) {
    TempDir program;
    TempDir user;
    WriteFileBytes(user / "Mienlore", "a file where the folder should be");
    ScopedEnv xdg("XDG_DATA_HOME", user.Path().c_str());
    fs::permissions(program.Path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::string error;
    EXPECT_TRUE(UserDataPath(program.Path(), "Text", "text.htm", {}, &error).empty());
    EXPECT_NE(error.find("Mienlore"), std::string::npos) << error;
    fs::permissions(program.Path(), fs::perms::owner_write, fs::perm_options::add);
}
