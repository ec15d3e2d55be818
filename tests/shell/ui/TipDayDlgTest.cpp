#include "shell/ui/TipDayDlg.h"

#include "shell/Lang.h"
#include "shell/Params.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/QtSettingsStore.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

namespace mienlore {
namespace {

namespace fs = std::filesystem;

// A program folder with the shipped tips but without the web view module:
// the tips show in the plain browser, and no web engine starts.
struct TipDayTest : ::testing::Test {
    TipDayTest() {
        fs::create_directory_symlink(test::ProgramFolder() / "Tips", dir / "Tips");
        fs::copy_file(test::ProgramFolder() / "Lang" / "english.lng", dir / "lang.lng");
        CTipDayDlg::Run() = CTipDayDlg::RunState();
    }
    test::TempDir dir;
};

TEST_F(TipDayTest, EveryLanguageHasEveryTip) {
    for (const char* file : {"english.lng", "german.lng", "french.lng"}) {
        CLang lang(test::ProgramFolder(), std::string("Lang/") + file);
        const std::string base = lang.ReadMainValue("tips", "tip");
        for (int i = 0; i < CTipDayDlg::kTipCount; ++i)
            EXPECT_TRUE(fs::is_regular_file(test::ProgramFolder() / "Tips" /
                                            (base + std::to_string(i) + ".htm")))
                << base << i;
        EXPECT_FALSE(fs::exists(test::ProgramFolder() / "Tips" / (base + "43.htm"))) << base;
    }
}

TEST_F(TipDayTest, NextTipWrapsFromTheLastToTheFirst) {
    CLang lang(dir.Path());
    TipsParams tips;
    tips.nextTip = 41;
    CTipDayDlg dlg(tips, lang, dir.Path());
    EXPECT_EQ(dlg.ShownFile(), dir / "Tips" / "tip41.htm");
    dlg.NextButton()->click();
    EXPECT_EQ(tips.nextTip, 42);
    dlg.NextButton()->click();
    EXPECT_EQ(tips.nextTip, 0);
    EXPECT_EQ(dlg.ShownFile(), dir / "Tips" / "tip0.htm");
}

TEST_F(TipDayTest, AStoredNumberOutOfRangeStartsAtTheFirstTip) {
    CLang lang(dir.Path());
    TipsParams tips;
    tips.nextTip = 99;
    CTipDayDlg dlg(tips, lang, dir.Path());
    EXPECT_EQ(dlg.ShownFile(), dir / "Tips" / "tip0.htm");
}

TEST_F(TipDayTest, UncheckingTheBoxStopsTheTipsAtTheNextStart) {
    const QString settings = QString::fromStdString((dir / "s.ini").string());
    {
        CAppGlobals globals(dir.Path(), std::make_unique<CQtSettingsStore>(settings));
        ASSERT_EQ(globals.params.tips.showAtStartup, 1);
        ASSERT_EQ(globals.params.tips.nextTip, 0);
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<CTipDayDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            dlg->ShowAtStartBox()->setChecked(false);
            dlg->accept();
        });
        CTipDayDlg::ShowAtStartup(globals.params.tips, globals.lang, dir.Path(), nullptr);
        EXPECT_EQ(globals.params.tips.showAtStartup, 0);
        EXPECT_EQ(globals.params.tips.nextTip, 1); // advanced after closing
    }                                              // the settings are written here
    CAppGlobals again(dir.Path(), std::make_unique<CQtSettingsStore>(settings));
    EXPECT_EQ(again.params.tips.showAtStartup, 0);
    EXPECT_EQ(again.params.tips.nextTip, 1);
    // Not shown: nothing opens and the number stays.
    CTipDayDlg::ShowAtStartup(again.params.tips, again.lang, dir.Path(), nullptr);
    EXPECT_EQ(again.params.tips.nextTip, 1);
}

TEST_F(TipDayTest, KeysShowsTheKeyboardTipAndTheWindowKeepsItsPlace) {
    CLang lang(dir.Path());
    TipsParams tips;
    tips.showAtStartup = 0;
    fs::path shown;
    QPoint closedAt;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CTipDayDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        shown = dlg->ShownFile();
        dlg->move(123, 77);
        closedAt = dlg->pos();
        dlg->reject();
    });
    CTipDayDlg::ShowKeys(tips, lang, dir.Path(), nullptr);
    EXPECT_EQ(shown, dir / "Tips" / "tip41.htm");
    EXPECT_EQ(tips.nextTip, 42);
    EXPECT_EQ(tips.showAtStartup, 1);
    EXPECT_EQ(CTipDayDlg::Run().position, closedAt);

    // On demand: opens where it was closed, at the current number.
    QPoint openedAt;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CTipDayDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        openedAt = dlg->pos();
        shown = dlg->ShownFile();
        dlg->accept();
    });
    CTipDayDlg::ShowOnDemand(tips, lang, dir.Path(), nullptr);
    EXPECT_EQ(openedAt, closedAt);
    EXPECT_EQ(shown, dir / "Tips" / "tip42.htm");
    EXPECT_EQ(tips.nextTip, 0);
}

} // namespace
} // namespace mienlore
