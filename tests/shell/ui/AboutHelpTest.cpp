#include "imaging/ui/EffectWnd.h"
#include "shell/Lang.h"
#include "shell/ui/AboutDlg.h"
#include "shell/ui/Help.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QHelpEngine>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QTabWidget>
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

// Help asked for by a dialog: the window belongs to the frame, stays open when
// the dialog goes, and the next request (F1 in the frame) reuses it.
TEST(HelpTest, TheWindowOutlivesTheDialogThatAskedForIt) {
    CMyHelp help(test::ProgramFolder());
    QWidget frame;
    help.SetFrame(&frame);
    frame.show();
    auto* dialog = new QDialog(&frame);
    dialog->show();
    ASSERT_TRUE(help.ShowTopic(dialog, help::kFindFace));
    QPointer<CHelpWindow> window = help.Window();
    delete dialog;
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &frame);

    ASSERT_TRUE(help.ShowTopic(&frame, help::kContents));
    EXPECT_EQ(help.Window(), window.data());
    EXPECT_TRUE(window->Browser()->source().toString().endsWith(QStringLiteral("index.html")));
    EXPECT_FALSE(window->Navigation()->widget(0)->children().isEmpty());
}

// When the frame (and the window with it) is gone, help opens a new window.
TEST(HelpTest, OpensAgainAfterItsFrameIsGone) {
    CMyHelp help(test::ProgramFolder());
    {
        QWidget frame;
        help.SetFrame(&frame);
        ASSERT_TRUE(help.ShowTopic(&frame, help::kOptions));
    }
    EXPECT_EQ(help.Window(), nullptr);
    ASSERT_TRUE(help.ShowTopic(nullptr, help::kCharacterMap));
    CHelpBrowser* browser = help.Window()->Browser();
    EXPECT_FALSE(browser->toPlainText().isEmpty());
    help.Window()->Navigation()->setCurrentIndex(1); // the index widget is alive
    EXPECT_TRUE(help.Window()->Navigation()->currentWidget()->isVisible());
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
