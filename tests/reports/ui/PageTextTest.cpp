#include "reports/ui/PageText.h"

#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <gtest/gtest.h>

namespace mienlore {
namespace {

struct PageTextTest : ::testing::Test, test::AnalysedFace {
    test::TempDir dir; // a program folder without the web view module
};

TEST_F(PageTextTest, WithoutTheModuleThePageStaysEmptyButWritesItsFile) {
    CPageText page(fate, face, dir.Path());
    page.SetMode(1);
    page.SetStyleSource([] { return kPageStyleBlack; });
    page.resize(300, 400);
    page.show();
    page.Refresh();
    EXPECT_EQ(page.WebView(), nullptr);
    EXPECT_EQ(page.FilePath(), dir.Path() / "PType" / "text.htm");
    const std::string html = test::ReadFileBytes(page.FilePath());
    EXPECT_EQ(html.rfind("<html>\r\n<LINK REL=STYLESHEET HREF=\"phisb.css\">\r\n", 0), 0u);
    EXPECT_NE(html.find("</div>\r\n</body></html>\r\n"), std::string::npos);
}

TEST_F(PageTextTest, ModeOutsideTheRangeIsTheTextPage) {
    CPageText page(fate, face, dir.Path());
    page.SetMode(5);
    EXPECT_EQ(page.Mode(), 0);
    page.Refresh();
    EXPECT_EQ(page.FilePath(), dir.Path() / "Text" / "text.htm");
    EXPECT_EQ(page.Document().Lines()[3], "<ul>");
}

TEST_F(PageTextTest, AnUnwritableFolderIsReportedOnceAndKeepsThePage) {
    // A file where the page's folder should be.
    test::WriteFileBytes(dir / "Text", "not a folder");
    CPageText page(fate, face, dir.Path());
    int failures = 0;
    QObject::connect(&page, &CPageText::writeFailed, [&] { ++failures; });
    page.Refresh();
    page.Refresh();
    EXPECT_EQ(failures, 1);
}

} // namespace
} // namespace mienlore
