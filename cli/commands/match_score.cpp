// mienlore-cli match-score [--female] --target ID=POS ... CODE : how well the
// analysis of a face matches chosen trait targets (0..100), as a bare
// integer. Positions are slider positions (a high "Self-confidence" or
// "Will power" aims at a low value).
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/FateFrame.h"

namespace mienlore::cli {
namespace {

int Usage(const std::string& problem) {
    std::fprintf(stderr, "mienlore-cli match-score: %s\n", problem.c_str());
    return 2;
}

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {"--female"}, {"--target"});
    if (!parsed.error.empty())
        return Usage(parsed.error);
    const std::vector<std::string>& codes = parsed.operands;
    if (codes.size() != 1)
        return Usage(codes.empty() ? "no face code (or \"new\" for the new face)"
                                   : "only one face code is taken");
    TraitTargets targets;
    if (!ReadTargets(parsed, targets, "match-score"))
        return 2;
    const bool female = parsed.Has("--female");
    CFaceFrame face(ExecutableFolder());
    if (!ReadFaceArgument(codes[0], face, "match-score"))
        return 1;
    CFateFrame fate;
    fate.SetMale(!female);
    fate.BindFace(&face);
    fate.Recompute(true);
    std::printf("%d\n", MatchScore(fate, PrepareTargets(targets)));
    return 0;
}

CliCommandRegistration reg{{"match-score", "[--female] --target ID=POS ... CODE",
                            "the match score (0..100) of a face against trait targets, as a bare "
                            "integer",
                            &Run}};

} // namespace
} // namespace mienlore::cli
