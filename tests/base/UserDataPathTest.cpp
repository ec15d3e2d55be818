#include "base/UserDataPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>

using namespace mienlore;
using namespace mienlore::test;
namespace fs = std::filesystem;

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
    ReadOnlyFolder readOnly(program.Path());
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
}

TEST(UserDataPath, ReadingPrefersTheUsersCopy) {
    TempDir program;
    TempDir user;
    ScopedEnv xdg("XDG_DATA_HOME", user.Path().c_str());
    WriteFileBytes(program / "lang.lng", "shipped");
    fs::create_directories(user / "Mienlore");
    WriteFileBytes(user / "Mienlore" / "lang.lng", "chosen");
    // A writable program folder keeps its own files: a per-user copy left by
    // an installed copy of the program does not reach a build folder.
    EXPECT_EQ(PreferredReadPath(program.Path(), "", "lang.lng"), program / "lang.lng");

    ReadOnlyFolder readOnly(program.Path());
    EXPECT_EQ(PreferredReadPath(program.Path(), "", "lang.lng"), user / "Mienlore" / "lang.lng");
    fs::remove(user / "Mienlore" / "lang.lng");
    EXPECT_EQ(PreferredReadPath(program.Path(), "", "lang.lng"), program / "lang.lng");
}

TEST(UserDataPath, UncreatableFolderIsReportedWithItsName) {
    TempDir program;
    TempDir user;
    WriteFileBytes(user / "Mienlore", "a file where the folder should be");
    ScopedEnv xdg("XDG_DATA_HOME", user.Path().c_str());
    ReadOnlyFolder readOnly(program.Path());
    std::string error;
    EXPECT_TRUE(UserDataPath(program.Path(), "Text", "text.htm", {}, &error).empty());
    EXPECT_NE(error.find("Mienlore"), std::string::npos) << error;
}
