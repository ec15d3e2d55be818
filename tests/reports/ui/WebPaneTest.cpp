// The web view module as the program uses it. These cases start Qt WebEngine;
// each waits for at most a few seconds.
#include "reports/Interpretation.h"
#include "shell/ui/WebPaneLoader.h"
#include "support/TestSupport.h"
#include "webpane/WebPaneInterface.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace mienlore {
namespace {

QString ProgramFolderQ() {
    return QString::fromStdString(test::ProgramFolder().string());
}

// Waits for the pane's next loadFinished; false after the timeout.
bool WaitLoaded(QSignalSpy& spy, int count, int timeoutMs = 15000) {
    QElapsedTimer clock;
    clock.start();
    while (spy.count() < count && clock.elapsed() < timeoutMs)
        spy.wait(200);
    return spy.count() >= count;
}

QVariant RunScript(IWebPane* module, QWidget* pane, const QString& script) {
    QVariant result;
    bool done = false;
    module->RunScript(pane, script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 10000)
        QTest::qWait(20);
    return result;
}

struct WebPaneTest : ::testing::Test {
    void SetUp() override {
        module = loader.Pane();
        ASSERT_NE(module, nullptr) << loader.ErrorString().toStdString();
        host.resize(320, 240);
        host.show();
    }
    CWebPaneLoader loader{ProgramFolderQ()};
    IWebPane* module = nullptr;
    QWidget host;
    test::TempDir dir;
};

TEST_F(WebPaneTest, TheSameAddressTwiceLoadsTwiceAndAnEmptyTextNothing) {
    test::WriteFileBytes(dir / "a.htm", "<html><body>one</body></html>");
    const QString path = QString::fromStdString((dir / "a.htm").string());
    QWidget* pane = module->CreatePane(&host, path);
    pane->show();
    QSignalSpy loaded(pane, SIGNAL(loadFinished(bool)));
    ASSERT_TRUE(WaitLoaded(loaded, 1));
    // The file changes on disk; the same address shows the new text.
    test::WriteFileBytes(dir / "a.htm", "<html><body>two</body></html>");
    module->Navigate(pane, path);
    ASSERT_TRUE(WaitLoaded(loaded, 2));
    EXPECT_EQ(RunScript(module, pane, QStringLiteral("document.body.textContent")).toString(),
              QStringLiteral("two"));
    module->Navigate(pane, QString());
    QTest::qWait(300);
    EXPECT_EQ(loaded.count(), 2);
    // The pane fills the rectangle it is given.
    pane->setGeometry(0, 0, 300, 200);
    const QList<QWidget*> inner = pane->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(inner.size(), 1);
    EXPECT_EQ(inner.first()->size(), QSize(300, 200));
}

TEST_F(WebPaneTest, ALocalPageShowsTypePicturesOfTheProgramsPackOnly) {
    // A copy of the pack below a folder with a blank and a non-ASCII name is
    // not the program's: its pictures are refused.
    const std::filesystem::path odd = dir / "my pics \xC3\xBC#1";
    std::filesystem::create_directories(odd);
    std::filesystem::copy_file(test::ProgramFolder() / kTypePicturesPack, odd / kTypePicturesPack);
    const std::string own = TypeImageBaseUrl(test::ProgramFolder());
    const std::string copy = TypeImageBaseUrl(odd);
    test::WriteFileBytes(dir / "p.htm", "<html><body><img id=bar src=\"" + own +
                                            "i-rect-7.gif\"><img id=sign src=\"" + own +
                                            "horo-leo.gif\"><img id=none src=\"" + own +
                                            "i-rect-11.gif\"><img id=copy src=\"" + copy +
                                            "i-rect-7.gif\"></body></html>");
    QWidget* pane = module->CreatePane(&host, QString::fromStdString((dir / "p.htm").string()));
    QSignalSpy loaded(pane, SIGNAL(loadFinished(bool)));
    ASSERT_TRUE(WaitLoaded(loaded, 1));
    const auto width = [&](const char* id) {
        return RunScript(module, pane,
                         QStringLiteral("document.getElementById('%1').naturalWidth")
                             .arg(QLatin1String(id)))
            .toInt();
    };
    EXPECT_EQ(width("bar"), 101);
    EXPECT_EQ(width("sign"), 20);
    EXPECT_EQ(width("none"), 0);
    EXPECT_EQ(width("copy"), 0);
}

TEST(WebPaneLoaderTest, AMissingModuleGivesNoPane) {
    test::TempDir empty;
    CWebPaneLoader loader(QString::fromStdString(empty.Path().string()));
    EXPECT_EQ(loader.Pane(), nullptr);
    EXPECT_FALSE(loader.ErrorString().isEmpty());
}

} // namespace
} // namespace mienlore
