#include "shell/ui/QtSettingsStore.h"
#include "shell/Params.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

QString IniPath(const TempDir& dir) {
    return QString::fromStdString((dir / "Mienlore.conf").string());
}

} // namespace

TEST(QtSettingsStore, SettingsSurviveSaveAndLoad) {
    TempDir dir;
    CParams saved;
    saved.face.filter = 4;
    saved.face.file = "/tmp/faces/M\xC3\xBCller, Anna.phy";
    saved.face.showInfo = 0;
    saved.face.infoColour = Rgb(1, 2, 3);
    saved.fate.maxColour = Rgb(255, 255, 255);
    saved.fate.style = 0;
    saved.placements[kPlacementMain] = ParsePlacement("0,1,-1,-1,-8,-8,10,20,810,620");
    saved.language = "/opt/mienlore/Lang/de.lng";
    saved.tips.showAtStartup = 0;
    saved.tips.nextTip = 42;
    {
        CQtSettingsStore store(IniPath(dir));
        ASSERT_TRUE(saved.Save(store, nullptr));
    }

    CParams loaded;
    CQtSettingsStore store(IniPath(dir));
    loaded.Load(store);
    EXPECT_EQ(loaded.face.filter, 4);
    EXPECT_EQ(loaded.face.file, saved.face.file);
    EXPECT_EQ(loaded.face.showInfo, 0);
    EXPECT_EQ(loaded.face.infoColour, Rgb(1, 2, 3));
    EXPECT_EQ(loaded.fate.maxColour, 0xFFFFFFu);
    EXPECT_EQ(loaded.fate.style, 0);
    EXPECT_TRUE(loaded.placements[kPlacementMain].valid);
    EXPECT_EQ(FormatPlacement(loaded.placements[kPlacementMain]), "0,1,-1,-1,-8,-8,10,20,810,620");
    EXPECT_EQ(loaded.language, saved.language);
    EXPECT_EQ(loaded.tips.showAtStartup, 0);
    EXPECT_EQ(loaded.tips.nextTip, 42);
}

TEST(QtSettingsStore, ValueOfTheWrongTypeKeepsTheDefault) {
    TempDir dir;
    WriteFileBytes(dir / "Mienlore.conf", "[Face]\n"
                                          "Filter=three\n"
                                          "ColorInfo=255\n"
                                          "IsInfo=99999999999\n"
                                          "[Fate]\n"
                                          "Style=1, 2\n"
                                          "[Wind]\n"
                                          "Main=0,1,0,0,0,0,-50,-20,700,500\n");
    CQtSettingsStore store(IniPath(dir));
    CParams p;
    p.Load(store);
    EXPECT_EQ(p.face.filter, 2);
    EXPECT_EQ(p.face.infoColour, Rgb(255, 0, 0));
    EXPECT_EQ(p.face.showInfo, 1);
    EXPECT_EQ(p.fate.style, 1);
    // An unquoted placement with commas still reads as one text.
    EXPECT_TRUE(p.placements[kPlacementMain].valid);
    EXPECT_EQ(p.placements[kPlacementMain].left, -50);
}

TEST(QtSettingsStore, AStoreThatCannotBeWrittenReportsIt) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Mienlore.conf"); // a folder in the file's place
    CQtSettingsStore store(IniPath(dir));
    CParams p;
    EXPECT_FALSE(p.Save(store, nullptr));
}

// A damaged settings file is neither read nor written over: the save says it
// failed, and the file is byte for byte what it was.
TEST(QtSettingsStore, ADamagedFileIsLeftAsItIsAndTheSaveSaysSo) {
    TempDir dir;
    const std::string damaged = "[Wind]\nMain=0,1,0,0,0,0,100000,100000,132767,132767\n[Face\n";
    WriteFileBytes(dir / "Mienlore.conf", damaged);
    {
        CQtSettingsStore store(IniPath(dir));
        CParams p;
        EXPECT_FALSE(p.Save(store, nullptr));
    }
    EXPECT_EQ(ReadFileBytes(dir / "Mienlore.conf"), damaged);
}
