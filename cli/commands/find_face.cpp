// mienlore-cli find-face [--seed S] [--female] --target ID=POS ... CODE :
// the search by traits from a start face; prints the final face code, its
// match score and the best score of each slot as one JSON object.
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"

namespace mienlore::cli {
namespace {

int Usage(const std::string& problem) {
    std::fprintf(stderr, "mienlore-cli find-face: %s\n", problem.c_str());
    return 2;
}

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {"--female"}, {"--seed", "--target"});
    if (!parsed.error.empty())
        return Usage(parsed.error);
    TraitTargets targets;
    if (!ReadTargets(parsed, targets, "find-face"))
        return 2;
    unsigned seed = 1;
    for (const std::string& value : parsed.All("--seed")) {
        const auto n = ParseWhole(value);
        if (!n || *n < 0 || *n > 0xFFFFFFFFL)
            return Usage("--seed needs a number 0..4294967295");
        seed = static_cast<unsigned>(*n);
    }
    const bool female = parsed.Has("--female");
    const std::vector<std::string>& codes = parsed.operands;
    if (codes.size() != 1)
        return Usage(codes.empty() ? "no face code (or \"new\" for the new face)"
                                   : "only one face code is taken");
    const PreparedTargets prepared = PrepareTargets(targets);
    if (!prepared.CanStart()) {
        std::fprintf(stderr, "mienlore-cli find-face: no ticked target lies at or beyond 40 or "
                             "60; there is nothing to search for\n");
        return 1;
    }
    CFaceFrame face(ExecutableFolder());
    if (!ReadFaceArgument(codes[0], face, "find-face"))
        return 1;
    CFateFrame fate;
    fate.SetMale(!female);
    fate.BindFace(&face);
    CCrtRandom random(seed);
    const TraitSearchResult result = SearchByTraits(face, fate, prepared, random);
    std::string out = "{\"code\": ";
    AppendJsonString(out, face.Encode());
    out += ", \"score\": " + std::to_string(result.finalScore) + ", \"slots\": [";
    for (int s = 0; s < kMainSlotCount; ++s) {
        if (s > 0)
            out += ", ";
        out += "{\"slot\": " + std::to_string(static_cast<int>(kFaceSlots[s])) +
               ", \"score\": " + std::to_string(result.slotScore[s]) + "}";
    }
    out += "]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

CliCommandRegistration reg{{"find-face", "[--seed S] [--female] --target ID=POS ... CODE",
                            "compose a face for trait targets from a start face (the search by "
                            "traits); prints the final code, its score and each slot's score",
                            &Run}};

} // namespace
} // namespace mienlore::cli
