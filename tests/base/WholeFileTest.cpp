#include "base/WholeFile.h"
#include "base/ProfileFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using mienlore::FileRead;
using mienlore::ReadWholeFile;

TEST(WholeFile, ReadsEveryByteOfSmallAndLargeFiles) {
    mienlore::test::TempDir dir;
    const std::string small("a\0b\r\n\xFF", 6);
    mienlore::test::WriteFileBytes(dir / "small", small);
    std::string large(200000, 'x');
    for (std::size_t i = 0; i < large.size(); i += 7)
        large[i] = static_cast<char>(i % 251);
    mienlore::test::WriteFileBytes(dir / "large", large);
    mienlore::test::WriteFileBytes(dir / "empty", "");

    std::string bytes = "left over";
    EXPECT_EQ(ReadWholeFile(dir / "small", bytes), FileRead::Done);
    EXPECT_EQ(bytes, small);
    EXPECT_EQ(ReadWholeFile(dir / "large", bytes), FileRead::Done);
    EXPECT_EQ(bytes, large);
    EXPECT_EQ(ReadWholeFile(dir / "empty", bytes), FileRead::Done);
    EXPECT_EQ(bytes, "");
}

TEST(WholeFile, MissingFileAndFolderAreNotOpenedAndNeverThrow) {
    mienlore::test::TempDir dir;
    std::string bytes = "left over";
    EXPECT_EQ(ReadWholeFile(dir / "missing", bytes), FileRead::NotOpened);
    EXPECT_EQ(bytes, "");
    // A folder opens on Linux but fails on the first read; the readers built
    // on this one give their usual "missing" answer instead of an exception.
    EXPECT_EQ(ReadWholeFile(dir.Path(), bytes), FileRead::NotOpened);
    mienlore::CProfileFile profile;
    EXPECT_FALSE(profile.Load(dir.Path()));
}
