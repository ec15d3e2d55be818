#include "webpane/ResPackRule.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace mienlore::test;

namespace {

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

TEST(ResAddress, OnlyPacksStandingInTheProgramFolderAreServed) {
    TempDir dir;
    const auto program = dir / "prog";
    const auto elsewhere = dir / "elsewhere";
    std::filesystem::create_directories(program / "sub");
    std::filesystem::create_directories(elsewhere);
    WriteFileBytes(program / "typepages.rcc", "pack");
    WriteFileBytes(program / "sub" / "deeper.rcc", "pack");
    WriteFileBytes(program / "notes.txt", "text");
    WriteFileBytes(elsewhere / "other.rcc", "pack");
    std::filesystem::create_symlink(elsewhere / "other.rcc", program / "linked.rcc");
    const QStringList trusted{Q(program)};

    const ResTarget own = ResolveResAddress(Q(program / "typepages.rcc") + "/GIFS/a.gif", trusted);
    EXPECT_EQ(own.pack, Q(program / "typepages.rcc"));
    EXPECT_EQ(own.inner, "/GIFS/a.gif");
    // The same folder named through a link to it is still the program folder.
    std::filesystem::create_directory_symlink(program, dir / "alias");
    EXPECT_FALSE(ResolveResAddress(Q(dir / "alias" / "typepages.rcc") + "/GIFS/a.gif", trusted)
                     .pack.isEmpty());

    for (const QString& refused : {
             Q(elsewhere / "other.rcc") + "/GIFS/a.gif",     // a pack elsewhere
             Q(program / "linked.rcc") + "/GIFS/a.gif",      // a link out of the folder
             Q(program / "sub" / "deeper.rcc") + "/x.gif",   // below the folder
             Q(program / "notes.txt") + "/x.gif",            // not a pack
             Q(program / "missing.rcc") + "/x.gif",          // not there
             Q(program / "typepages.rcc") + "/../notes.txt", // climbing out of the pack
             Q(program / "typepages.rcc"),                   // no path inside
             QString("/etc/passwd/x"),
         })
        EXPECT_TRUE(ResolveResAddress(refused, trusted).pack.isEmpty()) << refused.toStdString();
    // With no trusted folder nothing is served.
    EXPECT_TRUE(ResolveResAddress(Q(program / "typepages.rcc") + "/a.gif", {}).pack.isEmpty());
}
