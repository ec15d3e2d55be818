#include "shell/Lang.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

const char* kGerman = "[Main]\r\n"
                      "lang=Deutsch\r\n"
                      "traits=traits_de.ini\r\n"
                      "[Dialog_172]\r\n"
                      "Dialog_172=Gesicht\r\n"
                      "1070=Information\r\n"
                      "65535=Gl\xC3\xA4ttung:\r\n"
                      "[Menu_0]\r\n"
                      "0=&Datei\r\n"
                      "57601=\xC3\x96\x66\x66nen\r\n"
                      "[Strings]\r\n"
                      "2330=Liste lesen|(Strg+O)\r\n";

} // namespace

TEST(Lang, ReadsMainValuesDialogsAndMenusWithFallbacks) {
    TempDir folder;
    WriteFileBytes(folder / "lang.lng", kGerman);
    CLang lang(folder.Path());
    EXPECT_EQ(lang.FilePath(), folder / "lang.lng");
    EXPECT_EQ(lang.Current().name, "Deutsch");
    EXPECT_EQ(lang.ReadMainValue("traits", "traits.ini"), "traits_de.ini");
    EXPECT_EQ(lang.ReadMainValue("tips", "tip"), "tip");

    EXPECT_EQ(lang.DialogCaption(172, "Face"), "Gesicht");
    EXPECT_EQ(lang.DialogCaption(171, "Fate"), "Fate");
    EXPECT_EQ(lang.PageTitle(172), "Gesicht");
    EXPECT_EQ(lang.PageTitle(173), "");
    EXPECT_EQ(lang.ControlText(172, 65535, "Smooth"), "Gl\xC3\xA4ttung:");
    EXPECT_EQ(lang.ControlText(172, 1071, "Gradient fill"), "Gradient fill");
    EXPECT_EQ(lang.MenuText(0, "&File"), "&Datei");
    EXPECT_EQ(lang.MenuText(57601, "&Open"), "\xC3\x96\x66\x66nen");
    EXPECT_EQ(lang.MenuText(1, "&Edit"), "&Edit");
    EXPECT_EQ(lang.StringsValue(2330), "Liste lesen|(Strg+O)");
    EXPECT_FALSE(lang.StringsValue(2310));
}

TEST(Lang, MissingFileLeavesEveryTextAlone) {
    TempDir folder;
    CLang lang(folder.Path());
    EXPECT_EQ(lang.Current().name, "???");
    EXPECT_EQ(lang.DialogCaption(172, "Face"), "Face");
    EXPECT_EQ(lang.MenuText(0, "&File"), "&File");
    EXPECT_FALSE(lang.StringsValue(128));
}

TEST(Lang, ListsEveryFileOfTheLangFolderAndFindsTheCurrentOne) {
    TempDir folder;
    std::filesystem::create_directories(folder / "Lang" / "sub.d");
    WriteFileBytes(folder / "Lang" / "german.lng", "[Main]\nlang=Deutsch\n");
    WriteFileBytes(folder / "Lang" / "english.lng", "[Main]\nlang=English\n");
    WriteFileBytes(folder / "Lang" / "nameless.txt", "[Other]\nx=1\n");
    CLang lang(folder.Path());

    std::vector<LangEntry> list;
    EXPECT_EQ(lang.ListLanguages(list), -1); // "lang.lng" itself is not in the folder
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].name, "English");
    EXPECT_EQ(list[1].name, "Deutsch");
    EXPECT_EQ(list[2].name, "???");
    EXPECT_EQ(list[1].path, folder / "Lang" / "german.lng");

    ASSERT_TRUE(lang.SelectLanguage(folder / "Lang" / "german.lng"));
    EXPECT_EQ(lang.ListLanguages(list), 1);
    // A later loader (the next start, or the console tool) finds the same
    // choice from the copy alone.
    const CLang later(folder.Path());
    EXPECT_EQ(later.CurrentLanguagePath(), folder / "Lang" / "german.lng");
    EXPECT_EQ(later.ListLanguages(list), 1);
}

TEST(Lang, SelectingCopiesOverLangLngAndTakesEffect) {
    TempDir folder;
    std::filesystem::create_directory(folder / "Lang");
    WriteFileBytes(folder / "lang.lng", "[Main]\nlang=English\n");
    WriteFileBytes(folder / "Lang" / "de.lng", kGerman);
    CLang lang(folder.Path());

    EXPECT_TRUE(lang.SelectLanguage(""));
    EXPECT_EQ(lang.Current().name, "English");

    ASSERT_TRUE(lang.SelectLanguage(folder / "Lang" / "de.lng"));
    EXPECT_EQ(ReadFileBytes(folder / "lang.lng"), kGerman);
    EXPECT_EQ(lang.CurrentLanguagePath(), folder / "Lang" / "de.lng");
    EXPECT_EQ(lang.DialogCaption(172, "Face"), "Gesicht");

    // A file that cannot be read: the entry names it, lang.lng is untouched,
    // and the caller learns of the failure.
    EXPECT_FALSE(lang.SelectLanguage(folder / "Lang" / "gone.lng"));
    EXPECT_EQ(lang.CurrentLanguagePath(), folder / "Lang" / "gone.lng");
    EXPECT_EQ(lang.Current().name, "???");
    EXPECT_EQ(ReadFileBytes(folder / "lang.lng"), kGerman);
}

TEST(Lang, ReadOnlyProgramFolderKeepsTheChoiceInTheUsersFolder) {
    TempDir folder;
    TempDir user;
    ScopedEnv xdg("XDG_DATA_HOME", user.Path().c_str());
    std::filesystem::create_directory(folder / "Lang");
    WriteFileBytes(folder / "lang.lng", "[Main]\nlang=English\n");
    WriteFileBytes(folder / "Lang" / "de.lng", kGerman);
    ReadOnlyFolder readOnly(folder.Path());
    {
        CLang lang(folder.Path());
        EXPECT_EQ(lang.FilePath(), folder / "lang.lng");
        ASSERT_TRUE(lang.SelectLanguage(folder / "Lang" / "de.lng"));
        EXPECT_EQ(lang.DialogCaption(172, "Face"), "Gesicht");
    }
    EXPECT_EQ(ReadFileBytes(folder / "lang.lng"), "[Main]\nlang=English\n");
    EXPECT_EQ(ReadFileBytes(user / "Mienlore" / "lang.lng"), kGerman);
    // The next start reads the user's choice.
    CLang again(folder.Path());
    EXPECT_EQ(again.FilePath(), user / "Mienlore" / "lang.lng");
    EXPECT_EQ(again.Current().name, "Deutsch");
}

TEST(Lang, LoadsStringsWithTheFileFirstAndBarsAsLineBreaks) {
    TempDir folder;
    WriteFileBytes(folder / "lang.lng", kGerman);
    CLang lang(folder.Path());
    EXPECT_EQ(lang.LoadString(2330), "Liste lesen\n(Strg+O)");
    EXPECT_EQ(lang.LoadString(2330, 6), "Liste");
    EXPECT_EQ(lang.LoadString(2310), "Add to List (Ctrl+'+')"); // not in the file
    EXPECT_EQ(lang.LoadString(2021), "Find Face\nFind Face");
    EXPECT_EQ(lang.LoadString(1), "");     // no such string
    EXPECT_EQ(lang.LoadString(65536), ""); // low 16 bits are 0
    EXPECT_EQ(lang.LoadString(2330, 1), "");
    const StringOverride lookup = lang.Overrides();
    EXPECT_EQ(lookup(2330), "Liste lesen|(Strg+O)");
    EXPECT_FALSE(lookup(2310));
}
