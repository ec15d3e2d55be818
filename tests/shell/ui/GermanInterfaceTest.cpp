#include "gallery/ui/PageCoef.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

QString Utf8(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

TEST(GermanInterface, MenusPanelsAndStringsSpeakGerman) {
    test::TempDir dir;
    CAppGlobals globals{test::PrivateProgramFolder(dir, "german.lng"), test::StoreIn(dir)};
    CMainFrame frame{globals};

    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.front()->text(), QStringLiteral("&Datei"));
    const auto* open = frame.findChild<QAction*>(QStringLiteral("cmd57601"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), Utf8("Ö&ffnen…\tStrg+O"));
    const auto* options = frame.findChild<QAction*>(QStringLiteral("cmd32777"));
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->text(), Utf8("&Optionen…"));
    EXPECT_EQ(options->statusTip(), Utf8("Optionen ändern"));

    const auto* read = frame.findChild<QToolButton*>(QStringLiteral("ctl2330"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->text(), QStringLiteral("Lesen")); // faces list bar
    const auto* head = frame.findChild<QToolButton*>(QStringLiteral("ctl2100"));
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->text(), QStringLiteral("Stir")); // face page
    const auto* extrovert = frame.findChild<QLabel*>(QStringLiteral("ctl2534"));
    ASSERT_NE(extrovert, nullptr);
    EXPECT_EQ(extrovert->text(), QStringLiteral("Extrovertiert")); // diagram page

    // The program's own texts come from the language file as well.
    const auto* undo = frame.findChild<QToolButton*>(QStringLiteral("ctl2370"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->toolTip(), Utf8("Rückgängig (Strg+Z)"));
    const auto* factor = frame.findChild<QLabel*>(QStringLiteral("findFaceFactorCaption"));
    ASSERT_NE(factor, nullptr);
    EXPECT_EQ(factor->text(), QStringLiteral("Faktor der Gesichtssuche:"));
    QString hint;
    QObject::connect(frame.View(), &CView::steadyHint, [&hint](const QString& h) { hint = h; });
    frame.View()->ToggleRandomSteps();
    EXPECT_TRUE(hint.startsWith(QStringLiteral("Zufallsschritte:"))) << hint.toStdString();
}

// Every button of the main window shows its whole text, in English and in
// each shipped language (a cut text hides what the button does), and so does
// the search's score caption.
TEST(LanguageInterfaces, ButtonTextsFitTheirButtons) {
    for (const char* language : {"", "german.lng", "french.lng"}) {
        SCOPED_TRACE(language);
        test::TempDir dir;
        const auto folder = test::PrivateProgramFolder(dir, language);
        CAppGlobals globals{folder, test::StoreIn(dir)};
        CMainFrame frame{globals};
        frame.show();
        QApplication::processEvents();
        for (QAbstractButton* b : frame.findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || b->text().isEmpty())
                continue;
            QString text = b->text();
            text.remove(QLatin1Char('&'));
            int room = b->width() - 4;
            if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b))
                room -= b->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4;
            const int needed = b->fontMetrics().horizontalAdvance(text);
            EXPECT_LE(needed, room)
                << b->objectName().toStdString() << " \"" << text.toStdString() << "\"";
        }
        // So does the search's score caption, shown once a search has a score.
        auto* scores = frame.findChild<CPageCoef*>();
        ASSERT_NE(scores, nullptr);
        scores->SetFactor(42);
        const auto* caption = frame.findChild<QLabel*>(QStringLiteral("findFaceFactorCaption"));
        ASSERT_NE(caption, nullptr);
        EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width())
            << caption->text().toStdString();
    }
}
