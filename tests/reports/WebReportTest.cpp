#include "reports/WebReport.h"

#include "analysis/FateFrame.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace mienlore {
namespace {

using namespace test;

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

using Analysed = AnalysedFace;

TEST(JsStringLiteral, EscapesWhatCouldEndTheStringOrTheScript) {
    EXPECT_EQ(JsStringLiteral(""), "\"\"");
    EXPECT_EQ(JsStringLiteral("Anna"), "\"Anna\"");
    EXPECT_EQ(JsStringLiteral("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(JsStringLiteral("C:\\x"), "\"C:\\\\x\"");
    EXPECT_EQ(JsStringLiteral("a\r\nb\tc"), "\"a\\r\\nb\\tc\"");
    EXPECT_EQ(JsStringLiteral("</script>"), "\"\\u003c/script\\u003e\"");
    EXPECT_EQ(JsStringLiteral("a&b"), "\"a\\u0026b\"");
    EXPECT_EQ(JsStringLiteral(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\\u007f\"");
    EXPECT_EQ(JsStringLiteral(std::string("a\0b", 3)), "\"a\\u0000b\"");
    // Line and paragraph separators end a line in older engines.
    EXPECT_EQ(JsStringLiteral("a\xE2\x80\xA8"
                              "b\xE2\x80\xA9"),
              "\"a\\u2028b\\u2029\"");
}

TEST(JsStringLiteral, KeepsUtf8AndReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(JsStringLiteral("Zo\xC3\xAB \xE6\x97\xA5\xE6\x9C\xAC"),
              "\"Zo\xC3\xAB \xE6\x97\xA5\xE6\x9C\xAC\"");
    EXPECT_EQ(JsStringLiteral("Ren\xE9"), "\"Ren\xC3\xA9\""); // 0xE9 = e acute
    EXPECT_EQ(JsStringLiteral("\x80"), "\"\xE2\x82\xAC\"");   // the euro sign
}

TEST(ResultScript, ListsEveryFactInOrderWithItsFormat) {
    Analysed a;
    CFaceItem& nose = a.face.Slot(FaceSlot::Nose);
    nose.SetShape(nose.Shapes() - 1); // empty
    CFaceItem& eyes = a.face.Slot(FaceSlot::Eyes);
    eyes.pict[0].drawnRect = {10, 20, 52, 50};
    eyes.pict[1].drawnRect = {90, 21, 132, 51};
    a.face.Slot(FaceSlot::CheekBones).pict[0].drawnRect = {5, 6, 105, 126};
    a.face.Slot(FaceSlot::CheekBones).pict[1].drawnRect = {0, 0, 1, 1};
    a.fate.GetTrait(2590).norm = 0.3;
    a.fate.GetTrait(2620).norm = 0.3;
    a.fate.GetTrait(2540).norm = 0.3;

    const WebReportFacts facts = CollectWebReportFacts(a.face, a.fate, "Anna");
    const std::vector<std::string> lines = SplitCrLf(FormatResultScript(facts));
    ASSERT_EQ(lines.size(), 52u);

    EXPECT_EQ(lines[0], "var g_sName = \"Anna\";");
    const char* slotKeys[] = {"sHead", "sScul", "sChin", "sEyes",
                              "sBrov", "sNous", "sMout", "sEars"};
    for (int i = 0; i < 8; ++i)
        EXPECT_THAT(lines[1 + i],
                    testing::StartsWith(std::string("var g_") + slotKeys[i] + " = \""))
            << i;
    EXPECT_EQ(lines[6], "var g_sNous = \"\";");
    EXPECT_NE(lines[4], "var g_sEyes = \"\";");

    EXPECT_EQ(lines[9], "function facel(left,top,width,height)");
    EXPECT_EQ(lines[10], "{ this.left=left;");
    EXPECT_EQ(lines[11], "  this.top=top;");
    EXPECT_EQ(lines[12], "  this.width=width;");
    EXPECT_EQ(lines[13], "  this.height=height;");
    EXPECT_EQ(lines[14], "}");

    const std::regex rectLine(R"(var g_e[A-Z][a-z]{3} = new facel\(-?\d+,-?\d+,-?\d+,-?\d+\);)");
    const char* rectKeys[] = {"eHead", "eScul", "eScur", "eChin", "eEyel", "eEyer",
                              "eBrol", "eBror", "eNous", "eMout", "eEarl", "eEarr",
                              "eHair", "eMust", "eBear", "eGlas"};
    for (int k = 0; k < 16; ++k) {
        EXPECT_TRUE(std::regex_match(lines[15 + k], rectLine)) << lines[15 + k];
        EXPECT_THAT(lines[15 + k], testing::StartsWith(std::string("var g_") + rectKeys[k]));
    }
    // A single slot gives its one rectangle for both keys; a pair its two.
    EXPECT_EQ(lines[16], "var g_eScul = new facel(5,6,100,120);");
    EXPECT_EQ(lines[17], "var g_eScur = new facel(5,6,100,120);");
    EXPECT_EQ(lines[19], "var g_eEyel = new facel(10,20,42,30);");
    EXPECT_EQ(lines[20], "var g_eEyer = new facel(90,21,42,30);");

    EXPECT_THAT(lines[31], testing::MatchesRegex(R"(var g_fCheck = [0-9]+;)"));
    const char* traitKeys[] = {"fSexu", "fActi", "fEner", "fConf", "fSoci", "fPeop", "fLife",
                               "fMyse", "fHeav", "fWork", "fInte", "fHumo", "fChan", "fCowa"};
    for (int t = 0; t < 14; ++t)
        EXPECT_THAT(lines[32 + t],
                    testing::MatchesRegex(std::string("var g_") + traitKeys[t] + " = -?[0-9]+;"));
    // Self-confidence and will power are mirrored; energy is not.
    EXPECT_EQ(lines[39], "var g_fMyse = 70;");
    EXPECT_EQ(lines[40], "var g_fHeav = 70;");
    EXPECT_EQ(lines[34], "var g_fEner = 30;");

    EXPECT_THAT(lines[46], testing::StartsWith("var g_sProf = \""));
    EXPECT_THAT(lines[47], testing::StartsWith("var g_sTemp = \""));
    EXPECT_THAT(lines[48], testing::StartsWith("var g_sInfo = \""));
    EXPECT_EQ(lines[49], "var g_sCom1 = \"Anna\";");
    EXPECT_EQ(lines[50], "var g_sCom2 = \"-\";");
    EXPECT_EQ(lines[51], "var g_sCom3 = \"-\";");
}

TEST(ResultScript, WritesLongValuesWholeAndCutsTheNameTo79Characters) {
    Analysed a;
    WebReportFacts facts = CollectWebReportFacts(a.face, a.fate, std::string(120, 'n'));
    EXPECT_EQ(facts.name, std::string(79, 'n'));
    facts.summary = std::string(400, 's');
    const std::string script = FormatResultScript(facts);
    EXPECT_NE(script.find("var g_sInfo = \"" + std::string(400, 's') + "\";\r\n"),
              std::string::npos);
    // Characters, not bytes: a name in another script is cut at 79 letters.
    std::string cyrillic;
    for (int i = 0; i < 100; ++i)
        cyrillic += "\xD0\x96";
    EXPECT_EQ(CollectWebReportFacts(a.face, a.fate, cyrillic).name.size(), 79u * 2);
}

TEST(ResultScript, NamesTheProfessionAndTemperamentOfTheAnalysis) {
    Analysed a;
    const WebReportFacts facts = CollectWebReportFacts(a.face, a.fate, "");
    EXPECT_EQ(facts.profession, CFateFrame::ProfessionName(a.fate.Profession()));
    EXPECT_EQ(facts.temperament, CFateFrame::TemperamentName(a.fate.Temperament()));
    // An analysis that never ran names nothing.
    CFateFrame unrun{FateTextFiles{ProgramFolder()}};
    const WebReportFacts none = CollectWebReportFacts(a.face, unrun, "");
    EXPECT_EQ(none.profession, "-");
    EXPECT_EQ(none.temperament, "-");
}

// A job over an analysed face, writing into a scratch folder.
struct WebReportWriting : ::testing::Test {
    Analysed a;
    const CFaceCompositor compositor{MakeFacePictureLoader(ProgramFolder())};
    TempDir dir;
    WebReportJob job;
    WebReportWriting() {
        job.compositor = &compositor;
        job.face = &a.face;
        job.fate = &a.fate;
    }
};

TEST_F(WebReportWriting, WritesBothPicturesAndTheScript) {
    job.name = "Anna";
    job.faceWidth = 250;
    job.faceHeight = 262;
    const WriteResult result = WriteWebReport(dir.Path(), job);
    ASSERT_TRUE(result.ok) << result.error;
    for (const char* name : {kReportSmallPicture, kReportPicture}) {
        const std::string jpeg = ReadFileBytes(dir / name);
        ASSERT_GT(jpeg.size(), 4u) << name;
        EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8") << name;
    }
    const std::string script = ReadFileBytes(dir / kReportScript);
    EXPECT_THAT(script, testing::StartsWith("var g_sName = \"Anna\";\r\n"));
    // The rectangles are those of the face as drawn for the report: the
    // forehead has a real picture.
    EXPECT_EQ(script.find("var g_eHead = new facel(0,0,1,1);"), std::string::npos);
}

TEST_F(WebReportWriting, ReportsAFolderThatCannotBeWrittenAndWritesNoScript) {
    test::WriteFileBytes(dir / "plain", "not a folder");
    const WriteResult result = WriteWebReport(dir / "plain", job);
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.error, testing::HasSubstr("face.jpg"));
    EXPECT_FALSE(std::filesystem::exists(dir / "plain" / kReportScript));

    WebReportJob empty;
    EXPECT_FALSE(WriteWebReport(dir.Path(), empty).ok);
}

TEST_F(WebReportWriting, TakesTheLargePictureFromThePhotoWhenOneIsShown) {
    int calls = 0;
    job.photoWriter = [&calls](const std::filesystem::path& path, std::string*) {
        ++calls;
        test::WriteFileBytes(path, "photo");
        return true;
    };
    ASSERT_TRUE(WriteWebReport(dir.Path(), job).ok);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ReadFileBytes(dir / kReportPicture), "photo");
    job.photoWriter = [](const std::filesystem::path&, std::string* error) {
        *error = "no photo";
        return false;
    };
    const WriteResult failed = WriteWebReport(dir.Path(), job);
    EXPECT_FALSE(failed.ok);
    EXPECT_THAT(failed.error, testing::HasSubstr("no photo"));
}

} // namespace
} // namespace mienlore
