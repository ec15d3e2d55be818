#include "shell/ui/AppGlobals.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/Props.h"
#include "support/FrameTestSupport.h"
#include "support/ShotSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

// Words spelt the same in English and in the language under test
// (German "Text", the abbreviations "Min" and "Max").
const QStringList kSameInBoth = {QStringLiteral("OK"),          QStringLiteral("Name"),
                                 QStringLiteral("Information"), QStringLiteral("Tooltips"),
                                 QStringLiteral("Variante"),    QStringLiteral("Text"),
                                 QStringLiteral("Min"),         QStringLiteral("Max")};

// The texts a user reads on the widget's labels, buttons and tabs, in a
// fixed order so that two builds of the same window can be compared.
QStringList VisibleTexts(const QWidget& root) {
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : root.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QTabWidget* tabs : root.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    return texts;
}

QStringList StatusLine(CMainFrame& frame) {
    return VisibleTexts(*frame.statusBar());
}

QStringList OptionsSheet(CAppGlobals& globals) {
    CProps props{globals.params, globals.lang, *globals.store};
    return VisibleTexts(props);
}

// The entries of translated that still read as their English counterpart.
QStringList LeftInEnglish(const QStringList& english, const QStringList& translated) {
    QStringList same;
    EXPECT_EQ(english.size(), translated.size());
    for (qsizetype i = 0; i < std::min(english.size(), translated.size()); ++i) {
        const QString plain = QString(english[i]).remove(QLatin1Char('&')).trimmed();
        if (plain.isEmpty() || plain.size() == 1 || kSameInBoth.contains(plain))
            continue;
        if (english[i] == translated[i])
            same << english[i];
    }
    return same;
}

class TranslatedInterface : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslatedInterface, StatusLineAndOptionsShowNoEnglishText) {
    QStringList englishStatus;
    QStringList englishOptions;
    {
        test::TempDir englishDir;
        CAppGlobals english{test::PrivateProgramFolder(englishDir), test::StoreIn(englishDir)};
        CMainFrame frame{english};
        englishStatus = StatusLine(frame);
        englishOptions = OptionsSheet(english);
    }
    ASSERT_TRUE(englishStatus.contains(QStringLiteral("Ready")));
    ASSERT_TRUE(englishOptions.contains(QStringLiteral("Apply")));

    test::TempDir dir;
    CAppGlobals globals{test::PrivateProgramFolder(dir, GetParam()), test::StoreIn(dir)};
    CMainFrame frame{globals};
    frame.show();
    QApplication::processEvents();
    test::SaveShot(&frame, QStringLiteral("main_%1.png").arg(QString::fromUtf8(GetParam())));
    // The picture page's button and the faces list's picture button differ.
    const auto* pictPage = frame.findChild<QAbstractButton*>(QStringLiteral("ctl2362"));
    const auto* saveImage = frame.findChild<QAbstractButton*>(QStringLiteral("ctl2353"));
    ASSERT_NE(pictPage, nullptr);
    ASSERT_NE(saveImage, nullptr);
    EXPECT_NE(pictPage->text(), saveImage->text());
    EXPECT_EQ(LeftInEnglish(englishStatus, StatusLine(frame)), QStringList());
    EXPECT_EQ(LeftInEnglish(englishOptions, OptionsSheet(globals)), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedInterface,
                         ::testing::Values("german.lng", "french.lng"));

} // namespace
