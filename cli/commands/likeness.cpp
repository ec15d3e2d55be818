// mienlore-cli likeness CODE_A CODE_B : how alike two faces are (0..55), as a
// bare number that reads back to the same double.
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/AnalysisJson.h"
#include "gallery/SimilarSearch.h"

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {}, {});
    const std::vector<std::string>& codes = parsed.operands;
    if (!parsed.error.empty() || codes.size() != 2) {
        std::fprintf(stderr, "mienlore-cli likeness: %s\n",
                     parsed.error.empty() ? "needs two face codes" : parsed.error.c_str());
        return 2;
    }
    const CFaceFrame fresh(ExecutableFolder());
    CFaceFrame a = fresh;
    CFaceFrame b = fresh;
    if (!ReadFaceArgument(codes[0], a, "likeness") || !ReadFaceArgument(codes[1], b, "likeness"))
        return 1;
    std::string out;
    AppendJsonNumber(out, Likeness(a, b));
    std::printf("%s\n", out.c_str());
    return 0;
}

CliCommandRegistration reg{{"likeness", "CODE_A CODE_B",
                            "the likeness of two faces (55 for equal faces), as a bare number",
                            &Run}};

} // namespace
} // namespace mienlore::cli
