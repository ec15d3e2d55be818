#include "files/LineFile.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;
using ::testing::ElementsAre;

TEST(LineReader, LineEndsOfAnyKindReadTheSame) {
    const auto crlf = SplitLines("one\r\ntwo\r\n\r\nthree\r\n");
    const auto lf = SplitLines("one\ntwo\n\nthree\n");
    EXPECT_EQ(crlf.lines, lf.lines);
    EXPECT_THAT(lf.lines, ElementsAre("one", "two", "", "three"));
    // A CR anywhere in a line is dropped, not only before the LF.
    EXPECT_THAT(SplitLines("a\rb\r\r\nc").lines, ElementsAre("ab", "c"));
}

TEST(LineReader, LastLineWithoutLineBreakIsRead) {
    EXPECT_THAT(SplitLines("first\nlast").lines, ElementsAre("first", "last"));
    EXPECT_THAT(SplitLines("only").lines, ElementsAre("only"));
    EXPECT_TRUE(SplitLines("").lines.empty());
}

TEST(LineReader, LongLinesAreReadAndOverlongOnesSkippedWithoutStopping) {
    const std::string line300(300, 'x');
    const auto r = SplitLines("before\r\n" + line300 + "\r\nafter1\r\nafter2\r\n");
    EXPECT_THAT(r.lines, ElementsAre("before", line300, "after1", "after2"));
    EXPECT_TRUE(r.tooLong.empty());

    const std::string atLimit(kMaxLineBytes, 'a');
    const std::string overLimit(kMaxLineBytes + 1, 'b');
    const auto big = SplitLines(atLimit + "\r\n" + overLimit + "\r\nnext\n" + overLimit);
    ASSERT_EQ(big.lines.size(), 4u);
    EXPECT_EQ(big.lines[0], atLimit);
    EXPECT_EQ(big.lines[1], ""); // kept as a placeholder: positions do not move
    EXPECT_EQ(big.lines[2], "next");
    EXPECT_EQ(big.lines[3], "");
    EXPECT_THAT(big.tooLong, ElementsAre(1u, 3u));
    // The skipped lines' bytes stay at hand for writing them back.
    EXPECT_EQ(big.RawLine(1), overLimit);
    EXPECT_EQ(big.RawLine(2), "next");
    EXPECT_EQ(big.RawLine(3), overLimit);
}

TEST(LineReader, OldEightBitBytesBecomeUtf8AndUtf8StaysAsItIs) {
    const auto r = SplitLines("\xEF\xBB\xBFM\xFCller \x80\nM\xC3\xBCller\n");
    EXPECT_THAT(r.lines, ElementsAre("M\xC3\xBCller \xE2\x82\xAC", "M\xC3\xBCller"));
    EXPECT_EQ(r.RawLine(0), "M\xFCller \x80");
    EXPECT_EQ(r.RawLine(1), "M\xC3\xBCller");
}

TEST(LineReader, MissingFileReadsAsEmptyAndSaysSo) {
    TempDir dir;
    const auto missing = ReadLines(dir / "none.phy");
    EXPECT_FALSE(missing.opened);
    EXPECT_TRUE(missing.lines.empty());
    EXPECT_FALSE(ReadLines(dir.Path()).opened); // a folder is not a file

    WriteFileBytes(dir / "empty.phy", "");
    const auto empty = ReadLines(dir / "empty.phy");
    EXPECT_TRUE(empty.opened);
    EXPECT_TRUE(empty.lines.empty());
}

TEST(LineWriter, WritesNonEmptyLinesWithCrLfAndReadsBack) {
    TempDir dir;
    const std::vector<std::string> lines = {"a;1", "", "b;\xC3\xA9t\xC3\xA9", ""};
    ASSERT_TRUE(WriteLines(dir / "l.phy", lines));
    EXPECT_EQ(ReadFileBytes(dir / "l.phy"), "a;1\r\nb;\xC3\xA9t\xC3\xA9\r\n");
    EXPECT_THAT(ReadLines(dir / "l.phy").lines, ElementsAre("a;1", "b;\xC3\xA9t\xC3\xA9"));

    // Writing nothing leaves an empty file, not the old content.
    ASSERT_TRUE(WriteLines(dir / "l.phy", {"", ""}));
    EXPECT_EQ(ReadFileBytes(dir / "l.phy"), "");
}
