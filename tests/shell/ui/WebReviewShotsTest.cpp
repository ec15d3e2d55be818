// Pictures of the tips window, the help window and the about box for a visual
// review: written only when the environment names a folder in
// MIENLORE_SHOT_DIR.
#include "imaging/ui/EffectWnd.h"
#include "shell/Lang.h"
#include "shell/Params.h"
#include "shell/ui/AboutDlg.h"
#include "shell/ui/Help.h"
#include "shell/ui/TipDayDlg.h"
#include "support/ShotSupport.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

void WaitLoaded(QWidget* view) {
    QElapsedTimer clock;
    clock.start();
    while (view->property("loading").toBool() && clock.elapsed() < 8000)
        QTest::qWait(50);
    QTest::qWait(400);
}

using WebReviewShots = test::ShotTest<>;

} // namespace

TEST_F(WebReviewShots, TipsHelpAndAbout) {
    for (const char* language : {"english", "german"}) {
        CLang lang(test::ProgramFolder(), std::string("Lang/") + language + ".lng");
        TipsParams tips;
        tips.nextTip = 41;
        CTipDayDlg dlg(tips, lang, test::ProgramFolder());
        dlg.show();
        WaitLoaded(dlg.TipView());
        test::SaveShot(&dlg, QStringLiteral("tips_%1_41.png").arg(QLatin1String(language)));
        dlg.NextTip();
        WaitLoaded(dlg.TipView());
        test::SaveShot(&dlg, QStringLiteral("tips_%1_42.png").arg(QLatin1String(language)));
    }
    {
        CMyHelp help(test::ProgramFolder());
        QWidget owner;
        for (int topic : {help::kContents, help::kOptions, help::kFindFace, help::kCharacterMap}) {
            ASSERT_TRUE(help.ShowTopic(&owner, topic));
            QTest::qWait(300);
            test::SaveShot(help.Window(), QStringLiteral("help_%1.png").arg(topic));
        }
    }
    {
        CLang lang(test::ProgramFolder());
        CAboutDlg about(lang, test::ProgramFolder());
        about.show();
        QTest::qWait(1500);
        test::SaveShot(&about, QStringLiteral("about.png"));
    }
}
