#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

using namespace mienlore;

namespace {

const char kNewFace[] = "lo0101040030sc0800100120ch0202042190ey0300076122br0400056095"
                        "no0202100120mo0101100190ea0101100095ha0000100010mu0000100110"
                        "be0000100110;";

struct Json {
    CFaceFrame prototype{"/prog"};
    CFaceFrame face{"/prog"};
    CFateFrame fate{FateTextFiles{"/nonexistent", "traits.ini", "typepages.ini"}};
    std::string Of(const std::string& code, bool* valid = nullptr) {
        std::string out;
        const bool ok = AppendAnalysisJson(out, code, prototype, face, fate);
        if (valid)
            *valid = ok;
        return out;
    }
};

bool Has(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

} // namespace

TEST(AnalysisJson, NumbersAndStringsAreWrittenExactly) {
    std::string out;
    AppendJsonNumber(out, 0.1);
    out += ' ';
    AppendJsonNumber(out, 52.5);
    out += ' ';
    AppendJsonNumber(out, 60);
    out += ' ';
    AppendJsonNumber(out, 100.0 / 783 * 60);
    EXPECT_EQ(out.substr(0, 11), "0.1 52.5 60");
    EXPECT_EQ(std::strtod(out.c_str() + 12, nullptr), 100.0 / 783 * 60);

    out.clear();
    AppendJsonString(out, std::string("a\"b\\c\n\x01\xE9", 8));
    EXPECT_EQ(out, "\"a\\\"b\\\\c\\n\\u0001\xC3\xA9\"");
}

TEST(AnalysisJson, OneLinePerCodeWithEveryField) {
    Json j;
    bool valid = false;
    const std::string line = j.Of(kNewFace, &valid);
    EXPECT_TRUE(valid);
    ASSERT_EQ(line.back(), '\n');
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_TRUE(Has(line, "\"valid\":true,\"indicators\":{\"heal\":94,\"sexu\":50,"));
    EXPECT_TRUE(Has(line, "\"myse\":43,\"heav\":88,"));
    EXPECT_TRUE(Has(line, "\"norm\":{\"heal\":0.9475,"));
    EXPECT_TRUE(Has(line, "\"levels\":{\"heal\":6,"));
    EXPECT_TRUE(Has(line, "\"temperament\":1,\"profession\":6,\"confidence\":60,\"summary\":\"\""));
    EXPECT_TRUE(Has(line, "{\"code\":\"ENFJ\",\"score\":200,\"accuracy\":"));
    EXPECT_TRUE(Has(line, "\"best_type\":\"ENFP\",\"sign\":\"scorpio\"}"));

    // The same code again gives the same line: nothing leaks between codes.
    j.Of("lo0802040030sc0000100120ch0505042190ey1000076122br1400056095no0802100120"
         "mo0501100190ea0601100095;");
    EXPECT_EQ(j.Of(kNewFace), line);
}

TEST(AnalysisJson, MalformedAndOutOfRangeCodes) {
    Json j;
    bool valid = true;
    const std::string bad = j.Of("lo01;", &valid);
    EXPECT_FALSE(valid);
    EXPECT_TRUE(Has(bad, "{\"code\":\"lo01;\",\"valid\":false,\"error\":\""));
    EXPECT_FALSE(Has(bad, "indicators"));

    // Out of range: wraps and clamps, still valid.
    std::string code = kNewFace;
    code.replace(code.find("ey"), 12, "ey1299999999");
    const std::string wrapped = j.Of(code, &valid);
    EXPECT_TRUE(valid);
    std::string same = kNewFace;
    same.replace(same.find("ey"), 12, "ey0000082134");
    EXPECT_EQ(j.Of(same).substr(same.size() + 10), wrapped.substr(code.size() + 10));

    // All main features empty: not recognised, everything at 50.
    const std::string empty = j.Of("lo0800040030sc1500100120ch0500042190ey1000076122br1400056095"
                                   "no0800100120mo0500100190ea0600100095;");
    EXPECT_TRUE(Has(empty, "\"confidence\":0,\"summary\":\"Not recognized\""));
    EXPECT_TRUE(Has(empty, "\"temperament\":3,\"profession\":5"));
    EXPECT_TRUE(Has(empty, "\"best_type\":\"ENFJ\""));
}

TEST(AnalysisCommand, RunsOverArgumentsAndStandardInput) {
    const std::filesystem::path cli = test::ProgramFolder() / "mienlore-cli";
    if (!std::filesystem::exists(cli))
        GTEST_SKIP() << "mienlore-cli not built";
    test::TempDir dir;
    test::WriteFileBytes(dir / "codes.txt",
                         std::string(kNewFace) + "Ann\r\nnonsense\n" + kNewFace + "\n");
    const std::string command = cli.string() + " analyse --female '" + kNewFace + "' - < " +
                                (dir / "codes.txt").string() + " > " + (dir / "out.txt").string();
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1); // one invalid code
    const std::string out = test::ReadFileBytes(dir / "out.txt");
    int lines = 0;
    for (char c : out)
        lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, 4);
    EXPECT_TRUE(Has(out, std::string("{\"code\":\"") + kNewFace + "Ann\",\"valid\":true"));
    EXPECT_TRUE(Has(out, "{\"code\":\"nonsense\",\"valid\":false"));
    EXPECT_TRUE(Has(out, "\"sexu\":50"));

    const std::string ok = cli.string() + " analyse '" + kNewFace + "' > /dev/null";
    const int okStatus = std::system(ok.c_str());
    EXPECT_EQ(WEXITSTATUS(okStatus), 0);
}
