#include "model/ui/PageFace.h"
#include "reports/ui/PageText.h"
#include "shell/ui/StartOptions.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace mienlore;

namespace {

struct TextPagesTest : test::FrameTest {
    CView& view = *frame.View();
    void SetUp() override {
        frame.show();
        QApplication::processEvents();
    }
};

TEST_F(TextPagesTest, TheActiveTextPageFollowsEveryChangeOfTheFace) {
    ASSERT_TRUE(frame.OnCommand(2361));
    CPageText* text = view.TextPage(0);
    ASSERT_TRUE(text->isVisible());
    const std::string before = test::ReadFileBytes(text->FilePath());
    EXPECT_EQ(before.rfind("<html>\r\n", 0), 0u);
    EXPECT_NE(before.find("<ul>"), std::string::npos);
    // The web view sits 2 pixels inside the page.
    if (text->WebView()) {
        EXPECT_EQ(text->WebView()->geometry(), text->rect().adjusted(2, 2, -2, -2));
    }

    // An empty face keeps the document's frame, without the list.
    view.FacePage()->ClearFace();
    for (int slot : {2100, 2120, 2130, 2140, 2150, 2160, 2170})
        globals.face.Slot(slot).Hide();
    view.UpdateCycle();
    const std::string empty = test::ReadFileBytes(text->FilePath());
    EXPECT_EQ(empty.find("<ul>"), std::string::npos);
    EXPECT_NE(empty.find("</body></html>"), std::string::npos);

    // The type page is refreshed only while it is the active one.
    ASSERT_TRUE(frame.OnCommand(2363));
    CPageText* type = view.TextPage(1);
    EXPECT_EQ(type->Mode(), 1);
    EXPECT_EQ(type->FilePath().parent_path().filename(), "PType");
    EXPECT_TRUE(type->isVisible());
    EXPECT_FALSE(text->isVisible());
}

TEST(StartPageOption, NamesThePageShownAtStart) {
    const auto parse = [](const char* page) {
        return ParseStartOptions(
            {QStringLiteral("mienlore"), QStringLiteral("--page"), QString::fromLatin1(page)});
    };
    EXPECT_EQ(parse("text").page, 2361);
    EXPECT_EQ(parse("ptype").page, 2363);
    EXPECT_EQ(parse("hist").page, 2360);
    EXPECT_EQ(parse("pict").page, 2362);
    EXPECT_FALSE(parse("nothing").error.isEmpty());
    EXPECT_FALSE(
        ParseStartOptions({QStringLiteral("mienlore"), QStringLiteral("--page")}).error.isEmpty());
}

} // namespace
