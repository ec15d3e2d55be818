// The report page as a browser shows it: a written report opened in headless
// Chromium shows the name, the profession and the fifteen values.
#include "reports/WebReport.h"

#include "analysis/FateFrame.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>

namespace mienlore {
namespace {

using namespace test;

std::string FindChromium() {
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        const std::string probe = std::string("command -v ") + name + " >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0)
            return name;
    }
    return {};
}

std::string RunCommand(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    pclose(pipe);
    return out;
}

std::string Unescape(std::string html) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities)
        for (std::size_t at = html.find(from); at != std::string::npos;
             at = html.find(from, at + 1))
            html.replace(at, std::strlen(from), to);
    return html;
}

TEST(ReportPageInChromium, ShowsTheNameTheProfessionAndTheFifteenValues) {
    const std::string chromium = FindChromium();
    if (chromium.empty())
        GTEST_SKIP() << "chromium is not installed (scripts/setup installs it); the report page "
                        "was not checked in a browser";

    AnalysedFace analysed;
    CFateFrame& fate = analysed.fate;
    const CFaceCompositor compositor(MakeFacePictureLoader(ProgramFolder()));
    TempDir dir;
    WebReportJob job;
    job.compositor = &compositor;
    job.face = &analysed.face;
    job.fate = &fate;
    // Markup in a name is text, never markup.
    job.name = "Zo\xC3\xAB <b>\"Quote\"</b> & Co";
    ASSERT_TRUE(WriteWebReport(dir.Path(), job).ok);
    std::filesystem::copy_file(ProgramFolder() / "htmlreport" / kReportPage, dir / kReportPage);

    const auto dump = [&chromium, &dir](const std::filesystem::path& page) {
        return chromium + " --headless --no-sandbox --disable-gpu --no-first-run --user-data-dir=" +
               (dir / "profile").string() + " --dump-dom 'file://" + page.string() +
               "' 2>/dev/null";
    };
    const std::string command = dump(dir / kReportPage);
    const std::string dom = RunCommand(command);
    ASSERT_THAT(dom, testing::HasSubstr("</html>")) << "no page from: " << command;

    EXPECT_THAT(Unescape(dom),
                testing::HasSubstr("<h1 id=\"name\">Zo\xC3\xAB <b>\"Quote\"</b> & Co</h1>"));
    EXPECT_EQ(dom.find("<b>\"Quote\"</b>"), std::string::npos) << "the name became markup";
    EXPECT_THAT(Unescape(dom),
                testing::HasSubstr(">" + CFateFrame::ProfessionName(fate.Profession()) + "<"));

    const std::array<int, 16> all = fate.GetAllIndicators();
    EXPECT_THAT(dom, testing::HasSubstr("id=\"confidence\">" + std::to_string(all[0]) + " %<"));
    for (std::size_t t = 0; t < WebReportFacts::kTraitKeys.size(); ++t) {
        const std::string key = WebReportFacts::kTraitKeys[t] + 1; // "Sexu" ...
        const int value = fate.GetIndicator(WebReportFacts::kTraitIndicatorIds[t]).value;
        const std::regex cell("id=\"v_f" + key + "\">" + std::to_string(value) + "( %)?<");
        EXPECT_TRUE(std::regex_search(dom, cell)) << key << " = " << value;
    }

    // The page alone, before any report was written, says so.
    std::filesystem::create_directories(dir / "alone");
    std::filesystem::copy_file(dir / kReportPage, dir / "alone" / kReportPage);
    EXPECT_THAT(RunCommand(dump(dir / "alone" / kReportPage)), testing::HasSubstr("No report yet"));
}

TEST(ReportPageInChromium, LeavesTheSummaryCardOutWhenThereIsNoSummary) {
    const std::string chromium = FindChromium();
    if (chromium.empty())
        GTEST_SKIP() << "chromium is not installed; the report page was not checked in a browser";

    TempDir dir;
    const auto showWith = [&](const std::string& summary) {
        const std::filesystem::path folder = dir / (summary.empty() ? "blank" : "said");
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(ProgramFolder() / "htmlreport" / kReportPage,
                                   folder / kReportPage);
        WebReportFacts facts;
        facts.name = "Ann";
        facts.summary = summary;
        std::ofstream(folder / "result.js", std::ios::binary) << FormatResultScript(facts);
        return RunCommand(chromium + " --headless --no-sandbox --disable-gpu --no-first-run " +
                          "--user-data-dir=" + (dir / "profile").string() + " --dump-dom 'file://" +
                          (folder / kReportPage).string() + "' 2>/dev/null");
    };

    const std::string said = showWith("Calm and patient");
    ASSERT_THAT(said, testing::HasSubstr("</html>"));
    EXPECT_THAT(said, testing::HasSubstr("<h2>Summary</h2>"));
    EXPECT_THAT(said, testing::HasSubstr(">Calm and patient</p>"));

    const std::string blank = showWith("");
    ASSERT_THAT(blank, testing::HasSubstr("</html>"));
    EXPECT_THAT(blank, testing::Not(testing::HasSubstr("<h2>Summary</h2>")));
    EXPECT_THAT(blank, testing::HasSubstr("<h2>Temperament diagram</h2>"));
}

} // namespace
} // namespace mienlore
