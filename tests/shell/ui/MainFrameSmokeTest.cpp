#include "shell/ui/StartOptions.h"
#include "shell/ui/WebPaneLoader.h"
#include "support/FrameTestSupport.h"
#include "webpane/WebPaneInterface.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace mienlore;

using MainFrameSmoke = test::FrameTest;

TEST_F(MainFrameSmoke, ShowsAndClosesWithItsTitle) {
    frame.show();
    QApplication::processEvents();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Mienlore"));
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(frame.isVisible());
}

TEST(StartOptions, ReadsFaceCodeAndOwnOptions) {
    auto o = ParseStartOptions(
        {"mienlore", "--screenshot", "/tmp/a.png", "lo0101040030", "--quit-after", "3000"});
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_EQ(o.screenshotPath, QStringLiteral("/tmp/a.png"));
    EXPECT_EQ(o.faceCode, QStringLiteral("lo0101040030"));
    EXPECT_EQ(o.quitAfterMs, 3000);

    EXPECT_FALSE(ParseStartOptions({"mienlore", "--quit-after"}).error.isEmpty());
    EXPECT_FALSE(ParseStartOptions({"mienlore", "--quit-after", "soon"}).error.isEmpty());
}

TEST(StartOptions, NameGoesWithThePdfExport) {
    const auto o = ParseStartOptions(
        {"mienlore", "--export-pdf", "r.pdf", "--name", "Anna Lee", "lo0101040030"});
    EXPECT_TRUE(o.error.isEmpty()) << o.error.toStdString();
    EXPECT_EQ(o.faceName, QStringLiteral("Anna Lee"));
    EXPECT_TRUE(o.faceNameGiven);
    EXPECT_EQ(o.faceCode, QStringLiteral("lo0101040030"));
    EXPECT_FALSE(ParseStartOptions({"mienlore", "--name", "Anna"}).error.isEmpty());
    EXPECT_FALSE(
        ParseStartOptions({"mienlore", "--export-pdf", "r.pdf", "--name"}).error.isEmpty());
}

TEST(StartOptions, UnknownOptionsAndExtraOperandsAreErrorsNotFaceCodes) {
    for (const QStringList& args :
         {QStringList{"mienlore", "--help-me"}, QStringList{"mienlore", "-x", "lo0101040030"},
          QStringList{"mienlore", "lo0101040030", "--verbose"},
          QStringList{"mienlore", "lo0101040030", "lo0202"}}) {
        const auto o = ParseStartOptions(args);
        EXPECT_TRUE(o.error.contains(QStringLiteral("usage: mienlore")))
            << args.join(' ').toStdString();
        EXPECT_TRUE(o.faceCode.isEmpty() || o.faceCode == QStringLiteral("lo0101040030"));
    }
    EXPECT_TRUE(
        ParseStartOptions({"mienlore", "--bogus"}).error.contains("unknown option --bogus"));
    // Options after the face code work; "--" makes the rest face text.
    auto o = ParseStartOptions({"mienlore", "lo0101040030", "--quit-after", "5"});
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_EQ(o.quitAfterMs, 5);
    o = ParseStartOptions({"mienlore", "--", "-odd"});
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_EQ(o.faceCode, QStringLiteral("-odd"));
}

TEST(StartOptions, HelpAndVersionAreAnsweredAnywhereBeforeTheEndOfOptions) {
    auto ask = [](std::initializer_list<const char*> args) {
        std::vector<const char*> argv{"mienlore"};
        argv.insert(argv.end(), args);
        return StartInfoRequest(static_cast<int>(argv.size()), argv.data());
    };
    EXPECT_EQ(ask({"--help"}), StartInfo::Help);
    EXPECT_EQ(ask({"lo0101040030", "-h"}), StartInfo::Help);
    EXPECT_EQ(ask({"--page", "text", "--version"}), StartInfo::Version);
    EXPECT_EQ(ask({"lo0101040030"}), StartInfo::None);
    EXPECT_EQ(ask({"--", "--help"}), StartInfo::None); // a face text after "--"
    EXPECT_EQ(ask({"--help-me"}), StartInfo::None);    // refused later as unknown
    EXPECT_TRUE(StartHelp().startsWith(StartUsage()));
}

TEST(StartOptions, AFaceListThatCannotBeOpenedSaysWhy) {
    test::TempDir dir;
    const QString folder = QString::fromStdString((dir / "x.phy").string());
    const QString missing = QString::fromStdString((dir / "missing.phy").string());
    const QString list = QString::fromStdString((dir / "list.PHY").string());
    std::filesystem::create_directory(dir / "x.phy");
    test::WriteFileBytes(dir / "list.PHY", "Anna\n");
    EXPECT_TRUE(FaceListArgumentProblem(folder).contains(QStringLiteral("is a folder")));
    EXPECT_TRUE(FaceListArgumentProblem(missing).contains(QStringLiteral("does not exist")));
    EXPECT_TRUE(FaceListArgumentProblem(list).isEmpty());
    EXPECT_TRUE(IsFaceListArgument(list));
    EXPECT_TRUE(FaceListArgumentProblem(QStringLiteral("AB12CD")).isEmpty()); // a face code
}

TEST(WebPaneLoader, FindsTheModuleInTheProgramFolder) {
    CWebPaneLoader loader(QStringLiteral(MIENLORE_PROGRAM_FOLDER));
    EXPECT_NE(loader.Pane(), nullptr) << loader.ErrorString().toStdString();

    CWebPaneLoader missing(QStringLiteral("/nonexistent"));
    EXPECT_EQ(missing.Pane(), nullptr);
    EXPECT_FALSE(missing.ErrorString().isEmpty());
}
