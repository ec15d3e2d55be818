#include "imaging/ui/EffectWnd.h"
#include "shell/Lang.h"
#include "shell/ui/AboutDlg.h"
#include "shell/ui/Help.h"
#include "support/TestSupport.h"

#include <QHelpEngine>
#include <QLabel>
#include <QMovie>
#include <QTest>
#include <gtest/gtest.h>

namespace mienlore {
namespace {

TEST(AboutDlgTest, ShowsTheVersionTheCaptionAndTheAnimation) {
    CLang lang(test::ProgramFolder());
    CAboutDlg about(lang, test::ProgramFolder());
    EXPECT_EQ(about.VersionLabel()->text(), QStringLiteral("Mienlore, version 1.831"));
    ASSERT_NE(about.Animation(), nullptr);
    EXPECT_GT(about.Animation()->frameCount(), 5);
    about.show();
    EXPECT_TRUE(about.Caption()->IsRunning());
    QTRY_VERIFY_WITH_TIMEOUT(about.Caption()->FramesShown() >= 3, 3000);
    EXPECT_EQ(about.Caption()->Frame().size(), about.Caption()->size());
    about.hide(); // the caption's thread ends
    EXPECT_FALSE(about.Caption()->IsRunning());
}

TEST(AboutDlgTest, WithoutItsPictureTheBoxStillOpens) {
    test::TempDir empty;
    CLang lang(empty.Path());
    CAboutDlg about(lang, empty.Path());
    EXPECT_EQ(about.Animation(), nullptr);
    about.show();
    about.close();
}

TEST(EffectWndTest, TheTextShrinksUntilItFits) {
    const QString text = QStringLiteral("Mienlore");
    const int px = CEffectWnd::FittedFontSize(text, QSize(120, 60));
    EXPECT_LE(px, 52);
    EXPECT_EQ((52 - px) % 2, 0);
    EXPECT_GE(CEffectWnd::FittedFontSize(text, QSize(1000, 60)), 52);
}

TEST(HelpTest, OpensEachTopicAtItsPage) {
    CMyHelp help(test::ProgramFolder());
    QWidget owner;
    for (int topic : {help::kContents, help::kOptions, help::kFindFace, help::kCharacterMap}) {
        ASSERT_TRUE(help.ShowTopic(&owner, topic)) << topic;
        CHelpBrowser* browser = help.Window()->Browser();
        EXPECT_TRUE(browser->source().toString().endsWith(HelpTopicPage(topic))) << topic;
        EXPECT_FALSE(browser->toPlainText().isEmpty()) << topic;
        EXPECT_FALSE(browser->documentTitle().isEmpty()) << topic;
    }
    EXPECT_TRUE(help.Window()->isVisible());
}

TEST(HelpTest, WithoutTheHelpFileHelpDoesNothing) {
    test::TempDir empty;
    CMyHelp help(empty.Path());
    QWidget owner;
    EXPECT_FALSE(help.ShowTopic(&owner, help::kContents));
    EXPECT_EQ(help.Window(), nullptr);
}

} // namespace
} // namespace mienlore
