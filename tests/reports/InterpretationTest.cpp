#include "reports/Interpretation.h"

#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mienlore {
namespace {

using Lines = std::vector<std::string>;

const std::string kBase = "res:///p/typepages.rcc/GIFS/";

std::vector<CPType> SixteenTypes() {
    std::vector<CPType> types(16);
    for (int i = 0; i < 16; ++i) {
        CPType& t = types[i];
        // Built by appending: GCC 12 at -O3 warns (-Wrestrict) on a literal
        // plus a temporary string.
        const std::string n = std::to_string(i);
        t.code = std::string("T").append(n);
        t.role = std::string("Role").append(n);
        t.style = std::string("Style").append(n);
        t.desire = std::string("Desire").append(n);
        t.negative = std::string("Neg").append(n);
        t.sign = std::string("sign").append(n);
        t.desc = std::string("Desc").append(n);
        t.accuracy = 1.0 + i % 5; // best 5.0 first at index 4
    }
    return types;
}

TEST(InterpretationChartTest, SixteenTypesGiveTheRowsAndTheBox) {
    Lines out;
    BuildTypeChart(SixteenTypes(), kBase, out);
    ASSERT_EQ(out.size(), 49u);
    // Row 0: accuracy 1 of max 5 is level 2.
    EXPECT_EQ(out[0], "<span class=hHead style=\"top:3\">Role0</span>");
    EXPECT_EQ(out[1], "<div class=hHist style=\"top:3;\"><img src=\"" + kBase +
                          "i-rect-2.gif\" width=\"101\" height=\"14\" "
                          "title=\"Style0: Desire0 - Neg0\"></div>");
    EXPECT_EQ(out[2], "<span class=hTxt  style=\"top:3\">T0</span>");
    EXPECT_EQ(out[3], "<span class=hHead style=\"top:21\">Role1</span>");
    // The last row at 273; the best row (index 4) is full.
    EXPECT_EQ(out[45], "<span class=hHead style=\"top:273\">Role15</span>");
    EXPECT_NE(out[13].find("i-rect-10.gif"), std::string::npos);
    EXPECT_EQ(out[48], "<div class=hBox style=\"top:293;left:3;width:300;height:100\"><img src=\"" +
                           kBase +
                           "horo-sign4.gif\" width=\"20\" height=\"19\" title=\"Astrological "
                           "type - sign4\"> Desc4");
}

TEST(InterpretationChartTest, TheFirstOfEqualBestAccuraciesWinsAndHalfIsLevelFive) {
    std::vector<CPType> types = SixteenTypes();
    types.resize(3);
    types[0].accuracy = 4;
    types[1].accuracy = 8;
    types[2].accuracy = 8;
    Lines out;
    BuildTypeChart(types, kBase, out);
    ASSERT_EQ(out.size(), 10u);
    EXPECT_NE(out[1].find("i-rect-5.gif"), std::string::npos);
    EXPECT_NE(out[4].find("i-rect-10.gif"), std::string::npos);
    EXPECT_NE(out[9].find("horo-sign1.gif"), std::string::npos);
    EXPECT_NE(out[9].find("top:59;"), std::string::npos); // 18 * 3 + 5
    EXPECT_NE(out[9].find("Desc1"), std::string::npos);
    EXPECT_EQ(out[9].find("Desc2"), std::string::npos);
}

TEST(InterpretationChartTest, NothingScoredOrNoTypesGivesNoChart) {
    std::vector<CPType> types = SixteenTypes();
    for (CPType& t : types)
        t.accuracy = 0;
    Lines out{"old"};
    BuildTypeChart(types, kBase, out);
    EXPECT_TRUE(out.empty());
    BuildTypeChart({}, kBase, out);
    EXPECT_TRUE(out.empty());
}

TEST(InterpretationDocumentTest, TextPageInBothStyles) {
    CInterpretationDocument doc;
    ASSERT_TRUE(doc.Build({"a < b & c", "<b>bold</b>"}, false, kPageStyleBlack));
    EXPECT_EQ(doc.Lines(), (Lines{"<html>", "<LINK REL=STYLESHEET HREF=\"phisb.css\">",
                                  "<body background=\"lineb.gif\">", "<ul>", "<li>a < b & c</li>",
                                  "<li><b>bold</b></li>", "</ul>", "</body></html>"}));
    ASSERT_TRUE(doc.Build({"x"}, false, kPageStyleWhite));
    EXPECT_EQ(doc.Lines()[1], "<LINK REL=STYLESHEET HREF=\"phisw.css\">");
    EXPECT_EQ(doc.Lines()[2], "<body background=\"linew.gif\">");
}

TEST(InterpretationDocumentTest, TypePageInBothStyles) {
    CInterpretationDocument doc;
    doc.SetMode(kInterpretationType);
    ASSERT_TRUE(doc.Build({"<span>a</span>", "<div>b"}, false, kPageStyleWhite));
    EXPECT_EQ(doc.Lines(),
              (Lines{"<html>", "<LINK REL=STYLESHEET HREF=\"phisw.css\">",
                     "<body oncontextmenu=\"return false\" background=\"linew.gif\">", "<p>",
                     "<span>a</span>", "<div>b", "</p>", "</div>", "</body></html>"}));
    ASSERT_TRUE(doc.Build({"y"}, false, kPageStyleBlack));
    EXPECT_EQ(doc.Lines()[2], "<body oncontextmenu=\"return false\" background=\"lineb.gif\">");
}

TEST(InterpretationDocumentTest, EmptyFaceKeepsTheFrameOfTheDocument) {
    CInterpretationDocument doc;
    ASSERT_TRUE(doc.Build({"a", "b"}, true, kPageStyleBlack));
    EXPECT_EQ(doc.Lines(), (Lines{"<html>", "<LINK REL=STYLESHEET HREF=\"phisb.css\">",
                                  "<body background=\"lineb.gif\">", "</body></html>"}));
    doc.SetMode(kInterpretationType);
    ASSERT_TRUE(doc.Build({"a"}, true, kPageStyleBlack));
    EXPECT_EQ(doc.Lines().size(), 5u);
    EXPECT_EQ(doc.Lines()[3], "</div>");
}

TEST(InterpretationDocumentTest, NoParagraphsKeepsThePreviousDocument) {
    CInterpretationDocument doc;
    ASSERT_TRUE(doc.Build({"a"}, false, kPageStyleBlack));
    const Lines before = doc.Lines();
    EXPECT_FALSE(doc.Build({}, false, kPageStyleWhite));
    EXPECT_EQ(doc.Lines(), before);
}

TEST(InterpretationDocumentTest, ModesOutsideTheRangeAreTheTextPage) {
    CInterpretationDocument doc;
    doc.SetMode(7);
    EXPECT_EQ(doc.Mode(), kInterpretationText);
    doc.SetMode(-1);
    EXPECT_EQ(doc.Mode(), kInterpretationText);
}

TEST(InterpretationDocumentTest, BytesEndEveryLineWithCrLfAndSkipEmptyLines) {
    CInterpretationDocument doc;
    doc.SetMode(kInterpretationType);
    ASSERT_TRUE(doc.Build({"one", "", "two"}, false, kPageStyleBlack));
    EXPECT_EQ(doc.Bytes(), "<html>\r\n<LINK REL=STYLESHEET HREF=\"phisb.css\">\r\n"
                           "<body oncontextmenu=\"return false\" background=\"lineb.gif\">\r\n"
                           "<p>\r\none\r\ntwo\r\n</p>\r\n</div>\r\n</body></html>\r\n");
}

TEST(InterpretationUrlTest, PathsWithBlanksAndNonAsciiAreEncoded) {
    EXPECT_EQ(PercentEncodeUrlPath("/home/a b/M\xC3\xBCller/x.rcc"),
              "/home/a%20b/M%C3%BCller/x.rcc");
    EXPECT_EQ(PercentEncodeUrlPath("#?%"), "%23%3F%25");
    EXPECT_EQ(TypeImageBaseUrl("/opt/my app"), "res:///opt/my%20app/typepages.rcc/GIFS/");
}

TEST(InterpretationPageTest, EmptinessIgnoresTheCheekBones) {
    CFaceFrame face(test::ProgramFolder());
    EXPECT_FALSE(IsInterpretationFaceEmpty(face));
    for (int slot : {2100, 2120, 2130, 2140, 2150, 2160, 2170})
        face.Slot(slot).Hide();
    face.Slot(2110).SetShape(0);
    EXPECT_TRUE(IsInterpretationFaceEmpty(face));
    face.Slot(2170).SetShape(0);
    EXPECT_FALSE(IsInterpretationFaceEmpty(face));
}

TEST(InterpretationPageTest, WritesTheAnalysedFaceToItsFolder) {
    test::TempDir dir;
    test::AnalysedFace a;

    CInterpretationPage text(dir.Path(), kInterpretationText);
    ASSERT_TRUE(text.Build(a.fate, a.face, kPageStyleBlack));
    EXPECT_EQ(text.Document().Lines().size(), 14u + 6u);
    std::filesystem::path written;
    ASSERT_TRUE(text.Write(&written));
    EXPECT_EQ(written, dir.Path() / "Text" / "text.htm");
    EXPECT_EQ(test::ReadFileBytes(written), text.Document().Bytes());

    CInterpretationPage type(dir.Path(), kInterpretationType);
    ASSERT_TRUE(type.Build(a.fate, a.face, kPageStyleWhite));
    EXPECT_EQ(type.Document().Lines().size(), 16u * 3 + 1 + 7);
    EXPECT_NE(type.Document().Lines()[5].find(TypeImageBaseUrl(dir.Path()) + "i-rect-"),
              std::string::npos);
    ASSERT_TRUE(type.Write(&written));
    EXPECT_EQ(written, dir.Path() / "PType" / "text.htm");
}

// An installed (read-only) program folder: the page goes to the per-user
// data folder, with the style sheets and backgrounds it refers to beside it.
TEST(InterpretationPageTest, AReadOnlyProgramFolderSendsThePageToTheUserFolder) {
    test::TempDir dir;
    const std::filesystem::path program = dir / "program";
    std::filesystem::create_directories(program / "Text");
    for (const std::string& name : InterpretationCompanions())
        test::WriteFileBytes(program / "Text" / name, "shipped " + name);
    std::filesystem::path written;
    std::string error;
    bool ok = false;
    {
        const test::ReadOnlyFolder lockedText(program / "Text");
        const test::ReadOnlyFolder locked(program);
        const test::ScopedEnv data("XDG_DATA_HOME", (dir / "data").c_str());
        CInterpretationPage page(program, kInterpretationText);
        test::AnalysedFace a;
        ASSERT_TRUE(page.Build(a.fate, a.face, kPageStyleBlack));
        ok = page.Write(&written, &error);
    }
    ASSERT_TRUE(ok) << error;
    const std::filesystem::path user = dir / "data" / "Mienlore" / "Text";
    EXPECT_EQ(written, user / "text.htm");
    EXPECT_FALSE(std::filesystem::exists(program / "Text" / "text.htm"));
    EXPECT_EQ(test::ReadFileBytes(user / "phisb.css"), "shipped phisb.css");
    EXPECT_EQ(test::ReadFileBytes(user / "linew.gif"), "shipped linew.gif");
}

TEST(InterpretationPageTest, AnUnchangedDocumentIsNotWrittenAgain) {
    test::TempDir dir;
    test::AnalysedFace a;
    CInterpretationPage page(dir.Path(), kInterpretationType);
    std::filesystem::path path;
    bool unchanged = true;
    ASSERT_TRUE(page.Build(a.fate, a.face, kPageStyleBlack));
    ASSERT_TRUE(page.Write(&path, nullptr, &unchanged));
    EXPECT_FALSE(unchanged);
    // Someone else's text in the file shows whether it is written again.
    test::WriteFileBytes(path, "marker");
    ASSERT_TRUE(page.Build(a.fate, a.face, kPageStyleBlack));
    ASSERT_TRUE(page.Write(&path, nullptr, &unchanged));
    EXPECT_TRUE(unchanged);
    EXPECT_EQ(test::ReadFileBytes(path), "marker");
    ASSERT_TRUE(page.Build(a.fate, a.face, kPageStyleWhite));
    ASSERT_TRUE(page.Write(&path, nullptr, &unchanged));
    EXPECT_FALSE(unchanged);
    EXPECT_EQ(test::ReadFileBytes(path), page.Document().Bytes());
}

} // namespace
} // namespace mienlore
