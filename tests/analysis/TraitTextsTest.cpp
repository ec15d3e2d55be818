#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "base/ProfileFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace mienlore;

namespace {

FateTextFiles FilesIn(const std::filesystem::path& folder) {
    FateTextFiles files;
    files.programFolder = folder;
    return files;
}

} // namespace

TEST(TraitTexts, MissingKeysReadAsQuestionMarks) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "Text");
    test::WriteFileBytes(dir / "Text" / "traits.ini",
                         "[ACTI]\r\n3 = Level two text \r\n[acti]\r\n1=second section ignored\r\n");
    CFateFrame fate(FilesIn(dir.Path()));
    const CFateItem& acti = fate.GetTrait(kActi);
    ASSERT_EQ(acti.texts.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(acti.texts[i], i == 2 ? "Level two text" : "???") << i;
    EXPECT_EQ(fate.GetTrait(kCowa).texts[6], "???");
}

TEST(TraitTexts, LevelTextFollowsTheAdjustedLevel) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "Text");
    std::string ini;
    for (const char* key : kTraitKeys) {
        ini += std::string("[") + key + "]\n";
        for (int k = 1; k <= 7; ++k)
            ini += std::to_string(k) + "=" + key + " " + std::to_string(k - 1) + "\n";
    }
    test::WriteFileBytes(dir / "Text" / "traits.ini", ini);
    CFateFrame fate(FilesIn(dir.Path()));
    // No recompute yet: level -1 shows the text of key "1".
    EXPECT_EQ(CFateFrame::GetLevelText(fate.GetTrait(kLife)), "life 0");

    CFaceFrame face("/prog");
    fate.BindFace(&face);
    fate.Recompute(false);
    // Initial face: inte 4 adjusted to 3, life 3 adjusted to 4.
    EXPECT_EQ(CFateFrame::GetLevelText(fate.GetTrait(kInte)), "inte 3");
    EXPECT_EQ(CFateFrame::GetLevelText(fate.GetTrait(kLife)), "life 4");
    EXPECT_EQ(CFateFrame::GetLevelText(fate.GetTrait(kHeal)), "heal 6");

    const std::vector<std::string> report = fate.GetReportTexts();
    ASSERT_EQ(report.size(), 14u);
    EXPECT_EQ(report.front(), "acti 3");
    EXPECT_EQ(report[2], "life 4");
    EXPECT_EQ(report.back(), "sexu 3");

    CFateItem shortList;
    shortList.texts = {"a", "b", "c", "d", "e", "f"};
    shortList.level = 2;
    EXPECT_EQ(CFateFrame::GetLevelText(shortList), "");
    shortList.texts.push_back("g");
    shortList.level = 9;
    EXPECT_EQ(CFateFrame::GetLevelText(shortList), "g");
}

TEST(TraitTexts, ALanguageCanNameOtherFiles) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "Text");
    std::filesystem::create_directories(dir / "PType");
    test::WriteFileBytes(dir / "Text" / "traits.ini", "[heal]\n1=default file\n");
    test::WriteFileBytes(dir / "Text" / "traits_de.ini",
                         "[heal]\n1=" + std::string(300, 'x') + "\n");
    test::WriteFileBytes(dir / "PType" / "typen.ini", "[ISFP]\nBasic=Kuenstlerisch\n");
    FateTextFiles files = FilesIn(dir.Path());
    files.traitsFile = "traits_de.ini";
    files.typesFile = "typen.ini";
    CFateFrame fate(files);
    EXPECT_EQ(fate.GetTrait(kHeal).texts[0], std::string(255, 'x'));
    EXPECT_EQ(fate.GetTypes()[15].style, "Kuenstlerisch");
}

TEST(TraitTexts, ShippedFilesAreComplete) {
    const std::filesystem::path folder = test::ProgramFolder();
    CProfileFile traits(folder / "Text" / "traits.ini");
    for (const char* key : kTraitKeys)
        for (int k = 1; k <= 7; ++k) {
            const auto text = traits.Find(key, std::to_string(k));
            ASSERT_TRUE(text.has_value()) << key << " " << k;
            EXPECT_FALSE(text->empty());
            EXPECT_LE(text->size(), 255u);
        }
    CFateFrame fate(FilesIn(folder));
    for (const CPType& type : fate.GetTypes())
        EXPECT_FALSE(type.desc.empty()) << type.code;
    EXPECT_NE(fate.GetTrait(kWork).texts[3], "???");
}
