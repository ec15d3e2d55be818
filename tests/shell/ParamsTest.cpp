#include "shell/Params.h"
#include "imaging/PixelWord.h"
#include "shell/Lang.h"
#include "shell/SettingsStore.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <variant>

using namespace mienlore;
using namespace mienlore::test;
using ::testing::ElementsAre;

namespace {

// A store in memory that remembers the order of everything written.
class MemoryStore : public ISettingsStore {
public:
    using Value = std::variant<std::uint32_t, std::string>;
    std::map<std::string, std::map<std::string, Value>> sections;
    std::vector<std::string> writes; // "Section/Name"
    std::vector<std::string> refused;
    bool commitOk = true;

    bool OpenSection(std::string_view s) override {
        for (const auto& r : refused)
            if (r == s)
                return false;
        m_section = std::string(s);
        return true;
    }
    void CloseSection() override { m_section.clear(); }
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override {
        const Value* v = Find(name);
        if (v == nullptr || !std::holds_alternative<std::uint32_t>(*v))
            return std::nullopt;
        return std::get<std::uint32_t>(*v);
    }
    std::optional<std::string> ReadString(std::string_view name) override {
        const Value* v = Find(name);
        if (v == nullptr || !std::holds_alternative<std::string>(*v))
            return std::nullopt;
        return std::get<std::string>(*v);
    }
    void WriteNumber(std::string_view name, std::uint32_t value) override { Put(name, value); }
    void WriteString(std::string_view name, std::string_view value) override {
        Put(name, std::string(value));
    }
    bool Commit() override { return commitOk; }

private:
    const Value* Find(std::string_view name) const {
        const auto s = sections.find(m_section);
        if (s == sections.end())
            return nullptr;
        const auto v = s->second.find(std::string(name));
        return v == s->second.end() ? nullptr : &v->second;
    }
    void Put(std::string_view name, Value v) {
        sections[m_section][std::string(name)] = std::move(v);
        writes.push_back(m_section + "/" + std::string(name));
    }
    std::string m_section;
};

} // namespace

TEST(Params, FirstStartGivesTheDefaults) {
    MemoryStore store;
    CParams p;
    p.Load(store);
    EXPECT_EQ(p.face.filter, 2);
    EXPECT_EQ(p.face.file, "");
    EXPECT_EQ(p.face.showInfo, 1);
    EXPECT_EQ(p.face.gradientFill, 0);
    EXPECT_EQ(p.face.tooltips, 1);
    EXPECT_EQ(p.face.infoColour, 0xFF0000u); // blue in the red-low layout
    EXPECT_EQ(p.face.fillColour, 0xFFFFFFu);
    EXPECT_EQ(p.face.faceColour, 0xFFFFFFu);
    EXPECT_EQ(p.fate.textColour, Rgb(255, 255, 128));
    EXPECT_EQ(p.fate.textColour, 0x80FFFFu);
    EXPECT_EQ(p.fate.lineColour, Rgb(0, 255, 0));
    EXPECT_EQ(p.fate.windowColour, Rgb(128, 128, 128));
    EXPECT_EQ(p.fate.minColour, 0x0000FFu);
    EXPECT_EQ(p.fate.maxColour, 0xFF0000u);
    EXPECT_EQ(p.fate.style, 1);
    for (const auto& w : p.placements)
        EXPECT_FALSE(w.valid);
    EXPECT_EQ(p.tips.showAtStartup, 1);
    EXPECT_EQ(p.tips.nextTip, 0);
}

TEST(Params, SaveWritesEverySectionInItsOrder) {
    MemoryStore store;
    CParams p;
    EXPECT_TRUE(p.Save(store, nullptr));
    EXPECT_THAT(store.writes,
                ElementsAre("Face/Filter", "Face/File", "Face/IsInfo", "Face/IsFill",
                            "Face/ColorInfo", "Face/ColorFace", "Face/ColorFill", "Face/Tooltip",
                            "Fate/ColorText", "Fate/ColorLine", "Fate/ColorWind", "Fate/ColorMin",
                            "Fate/ColorMax", "Fate/Style", "Wind/Main", "Wind/FindFace",
                            "Wind/FindSoh_", "Wind/FindGall", "Wind/FindGList", "Wind/Lang",
                            "Tips/IsTipDay", "Tips/NumLesson"));
    EXPECT_EQ(std::get<std::string>(store.sections["Wind"]["Main"]), "0,0,0,0,0,0,0,0,0,0");

    store.commitOk = false;
    EXPECT_FALSE(p.Save(store, nullptr)); // a store that cannot keep them says so
}

TEST(Params, ValuesComeBackAndBadOnesKeepTheDefault) {
    MemoryStore store;
    CParams p;
    p.face.filter = 5;
    p.face.file = "/home/u/faces/\xC3\xA9t\xC3\xA9.phy";
    p.face.faceColour = Rgb(228, 224, 224);
    p.fate.style = 0;
    p.placements[kPlacementFindGall] = ParsePlacement("0,1,0,0,0,0,1,2,300,400");
    p.tips.nextTip = 17;
    ASSERT_TRUE(p.Save(store, nullptr));

    CParams q;
    q.Load(store);
    EXPECT_EQ(q.face.filter, 5);
    EXPECT_EQ(q.face.file, p.face.file);
    EXPECT_EQ(q.face.faceColour, Rgb(228, 224, 224));
    EXPECT_EQ(q.fate.style, 0);
    EXPECT_TRUE(q.placements[kPlacementFindGall].valid);
    EXPECT_EQ(q.placements[kPlacementFindGall].bottom, 400);
    EXPECT_TRUE(q.placements[kPlacementMain].valid); // written unset, read as ten zeros
    EXPECT_EQ(q.tips.nextTip, 17);

    store.sections["Face"]["ColorInfo"] = std::string("red"); // wrong type
    store.sections["Face"]["Filter"] = std::uint32_t{9};      // no such level
    store.sections["Wind"]["FindFace"] = std::string("1,2,3");
    q.Load(store);
    EXPECT_EQ(q.face.infoColour, Rgb(0, 0, 255));
    EXPECT_EQ(q.face.filter, 2);
    EXPECT_FALSE(q.placements[kPlacementFindFace].valid);
}

TEST(Params, SectionThatCannotBeOpenedIsSkipped) {
    MemoryStore store;
    store.sections["Fate"]["Style"] = std::uint32_t{0};
    store.sections["Tips"]["NumLesson"] = std::uint32_t{5};
    store.refused = {"Fate"};
    CParams p;
    p.Load(store);
    EXPECT_EQ(p.fate.style, 1);
    EXPECT_EQ(p.tips.nextTip, 5);
    p.Save(store, nullptr);
    for (const auto& w : store.writes)
        EXPECT_NE(w.rfind("Fate/", 0), 0u) << w;
}

TEST(Params, TheLanguageFileKeepsTheChoiceAndTheSettingsFollowIt) {
    TempDir folder;
    std::filesystem::create_directory(folder / "Lang");
    WriteFileBytes(folder / "Lang" / "de.lng", "[Main]\nlang=Deutsch\n");
    WriteFileBytes(folder / "Lang" / "en.lng", "[Main]\nlang=English\n");
    // German was chosen in the program, then English by the console tool,
    // which copies the file and leaves the settings alone.
    MemoryStore store;
    store.sections["Wind"]["Lang"] = (folder / "Lang" / "de.lng").string();
    WriteFileBytes(folder / "lang.lng", "[Main]\nlang=English\n");

    CLang lang(folder.Path());
    CParams p;
    p.Load(store);
    EXPECT_EQ(lang.Current().name, "English");
    EXPECT_EQ(lang.CurrentLanguagePath(), folder / "Lang" / "en.lng");
    EXPECT_EQ(ReadFileBytes(folder / "lang.lng"), "[Main]\nlang=English\n");
    p.Save(store, &lang);
    EXPECT_EQ(std::get<std::string>(store.sections["Wind"]["Lang"]),
              (folder / "Lang" / "en.lng").string());
}

TEST(Params, WhiteStyleInvertsDiagramColours) {
    EXPECT_EQ(StyledColour(Rgb(128, 128, 128), kStyleWhite), Rgb(127, 127, 127));
    EXPECT_EQ(StyledColour(Rgb(0, 0, 0), kStyleWhite), Rgb(255, 255, 255));
    EXPECT_EQ(StyledColour(Rgb(255, 0, 128), kStyleWhite), Rgb(0, 255, 127));
    EXPECT_EQ(StyledColour(Rgb(128, 128, 128), kStyleBlack), Rgb(128, 128, 128));
    CParams p;
    EXPECT_EQ(p.Styled(p.fate.windowColour), Rgb(127, 127, 127));
}

TEST(Params, SettingColoursAndPixelWordsKeepTheirOwnChannelOrder) {
    // Both headers in one file: settings colours have red in the low byte,
    // pixel words blue.
    EXPECT_EQ(ColourRed(Rgb(1, 2, 3)), 1);
    EXPECT_EQ(ColourBlue(Rgb(1, 2, 3)), 3);
    EXPECT_EQ(RedOf(PixelWordFromColor(Rgb(1, 2, 3))), 1);
    EXPECT_EQ(BlueOf(PixelWordFromColor(Rgb(1, 2, 3))), 3);
}
