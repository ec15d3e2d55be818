#include "base/ProfileFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using mienlore::CProfileFile;

namespace {

CProfileFile FromText(const std::string& text) {
    CProfileFile f;
    f.LoadFromText(text);
    return f;
}

} // namespace

TEST(ProfileFile, MatchesNamesWithoutCaseAndFirstMatchWins) {
    auto f = FromText("[Main]\r\nLang = English \r\nlang=Second\r\n[main]\r\nother=x\r\n");
    EXPECT_EQ(f.GetString("MAIN", "LANG", "def"), "English");
    // Only the first section of a name is searched.
    EXPECT_EQ(f.GetString("main", "other", "def"), "def");
    EXPECT_FALSE(f.Find("Nope", "lang"));
}

TEST(ProfileFile, MissingKeySectionOrFileGiveTheDefault) {
    auto f = FromText("[A]\nk=v\n");
    EXPECT_EQ(f.GetString("A", "missing", "dflt"), "dflt");
    EXPECT_EQ(f.GetString("B", "k", "dflt"), "dflt");
    CProfileFile none;
    EXPECT_FALSE(none.Load("/nonexistent/folder/file.ini"));
    EXPECT_EQ(none.GetString("A", "k", "dflt"), "dflt");
    EXPECT_EQ(none.GetInt("A", "k", 7), 7);
}

TEST(ProfileFile, ValuesAreTrimmedUnquotedAndCut) {
    auto f = FromText("[S]\nq=\"  quoted  \"\nhalf=\"open\nempty=\n  spaced  =  a b  \n");
    EXPECT_EQ(f.GetString("S", "q", ""), "  quoted  ");
    EXPECT_EQ(f.GetString("S", "half", ""), "\"open");
    EXPECT_EQ(f.GetString("S", "empty", "dflt"), "");
    EXPECT_EQ(f.GetString("S", "spaced", ""), "a b");

    std::string longValue(300, 'x');
    auto g = FromText("[S]\nk=" + longValue + "\n");
    EXPECT_EQ(g.GetString("S", "k", "").size(), 254u);
    EXPECT_EQ(g.GetString("S", "k", "", 255).size(), 255u);
    EXPECT_EQ(g.GetString("S", "none", longValue, 10), std::string(10, 'x'));
}

TEST(ProfileFile, IgnoresCommentsStrayLinesAndKeysBeforeAnySection) {
    auto f = FromText("orphan=1\n; comment=2\n[S]\njust text\nk=v=w\n");
    EXPECT_EQ(f.GetString("S", "k", ""), "v=w");
    EXPECT_FALSE(f.Find("S", "just text"));
    EXPECT_FALSE(f.Find("S", "; comment"));
}

TEST(ProfileFile, ReadsUtf8AndFallsBackToWindows1252) {
    auto f = FromText("\xEF\xBB\xBF[S]\nutf=Gr\xC3\xB6\xC3\x9F"
                      "e\nold=Gr\xF6\xDF"
                      "e \x80\n");
    EXPECT_EQ(f.GetString("S", "utf", ""), "Gr\xC3\xB6\xC3\x9F"
                                           "e");
    EXPECT_EQ(f.GetString("S", "old", ""), "Gr\xC3\xB6\xC3\x9F"
                                           "e \xE2\x82\xAC");
    // Cutting counts characters and never splits one.
    EXPECT_EQ(f.GetString("S", "utf", "", 3), "Gr\xC3\xB6");
}

TEST(ProfileFile, IntegersReadTheLeadingNumber) {
    auto f = FromText("[S]\na=42\nb= -7 \nc=12abc\nd=abc\n");
    EXPECT_EQ(f.GetInt("S", "a", 0), 42);
    EXPECT_EQ(f.GetInt("S", "b", 0), -7);
    EXPECT_EQ(f.GetInt("S", "c", 0), 12);
    EXPECT_EQ(f.GetInt("S", "d", 5), 0);
}

TEST(ProfileFile, LoadsFromDiskWithLfOnlyAndNoFinalLineBreak) {
    mienlore::test::TempDir dir;
    mienlore::test::WriteFileBytes(dir / "x.ini", "[S]\nfirst=1\nlast=2");
    CProfileFile f;
    ASSERT_TRUE(f.Load(dir / "x.ini"));
    EXPECT_EQ(f.GetInt("S", "first", 0), 1);
    EXPECT_EQ(f.GetInt("S", "last", 0), 2);
}

TEST(ProfileFile, AFolderOrADeviceIsNoProfileAndNothingThrows) {
    mienlore::test::TempDir dir;
    CProfileFile p;
    EXPECT_FALSE(p.Load(dir.Path()));  // a folder: reading it would throw
    EXPECT_FALSE(p.Load("/dev/zero")); // a device never ends
    EXPECT_EQ(p.GetString("Main", "lang", "none", 64), "none");
}
