#include "reports/ExportPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

TEST(ExportPath, DocumentsWhenItExistsElseHomeNeverTheTwoGlued) {
    TempDir dir;
    const auto home = dir / "home";
    const auto documents = home / "Documents";
    std::filesystem::create_directories(home);

    // No Documents folder: the file goes straight into home.
    EXPECT_EQ(SuggestedExportPath(documents, home, "Anna", "Report", "pdf"), home / "Anna.pdf");
    std::filesystem::create_directories(documents);
    EXPECT_EQ(SuggestedExportPath(documents, home, "Anna", "Report", "pdf"),
              documents / "Anna.pdf");
    // A Documents that is a file, or a relative one, is not a folder to save in.
    EXPECT_EQ(SuggestedExportPath("Documents", home, "Anna", "Report", "pdf"), home / "Anna.pdf");
    EXPECT_EQ(SuggestedExportPath({}, home, "Anna", "Report", "pdf"), home / "Anna.pdf");
}

TEST(ExportPath, NamesBecomeOneFileNameInTheFolder) {
    const std::filesystem::path home = "/nowhere/home";
    EXPECT_EQ(SuggestedExportPath({}, home, "  a/b\\c:d*e?\"<>|  ", "R", "pdf"),
              "/nowhere/home/a_b_c_d_e_____.pdf");
    EXPECT_EQ(SuggestedExportPath({}, home, "../..", "R", "pdf"), "/nowhere/home/.._...pdf");
    EXPECT_EQ(SuggestedExportPath({}, home, "..", "Mienlore Report", "pdf"),
              "/nowhere/home/Mienlore Report.pdf");
    EXPECT_EQ(SuggestedExportPath({}, home, " \t", "Mienlore Report", "pdf"),
              "/nowhere/home/Mienlore Report.pdf");
    EXPECT_EQ(SuggestedExportPath({}, home, "Zoë", "R", "pdf"), "/nowhere/home/Zoë.pdf");
}
