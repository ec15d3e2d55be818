// mienlore-cli likeness CODE_A CODE_B : how alike two faces are (0..55), as a
// bare number that reads back to the same double.
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/AnalysisJson.h"
#include "gallery/SimilarSearch.h"

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: mienlore-cli likeness CODE_A CODE_B\n");
        return 2;
    }
    const CFaceFrame fresh(ExecutableFolder());
    CFaceFrame a = fresh;
    CFaceFrame b = fresh;
    if (!ReadFaceArgument(args[0], a, "likeness") || !ReadFaceArgument(args[1], b, "likeness"))
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
