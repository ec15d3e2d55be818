// mienlore-cli match-score [--female] --target ID=POS ... CODE : how well the
// analysis of a face matches chosen trait targets (0..100), as a bare
// integer. Positions are slider positions (a high "Self-confidence" or
// "Will power" aims at a low value).
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/FateFrame.h"

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    TraitTargets targets;
    bool female = false;
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const int taken = TakeTarget(args, i, targets, "match-score");
        if (taken < 0)
            return 2;
        if (taken > 0)
            continue;
        if (args[i] == "--female")
            female = true;
        else
            codes.push_back(args[i]);
    }
    if (codes.size() != 1) {
        std::fprintf(stderr,
                     "usage: mienlore-cli match-score [--female] --target ID=POS ... CODE\n");
        return 2;
    }
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
