// mienlore-cli find-face [--seed S] [--female] --target ID=POS ... CODE :
// the search by traits from a start face; prints the final face code, its
// match score and the best score of each slot as one JSON object.
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    TraitTargets targets;
    bool female = false;
    unsigned seed = 1;
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const int taken = TakeTarget(args, i, targets, "find-face");
        if (taken < 0)
            return 2;
        if (taken > 0)
            continue;
        if (args[i] == "--female") {
            female = true;
        } else if (args[i] == "--seed") {
            const auto n = i + 1 < args.size() ? ParseWhole(args[++i]) : std::nullopt;
            if (!n || *n < 0 || *n > 0xFFFFFFFFL) {
                std::fprintf(stderr,
                             "mienlore-cli find-face: --seed needs a number 0..4294967295\n");
                return 2;
            }
            seed = static_cast<unsigned>(*n);
        } else {
            codes.push_back(args[i]);
        }
    }
    if (codes.size() != 1) {
        std::fprintf(stderr, "usage: mienlore-cli find-face [--seed S] [--female] --target "
                             "ID=POS ... CODE\n");
        return 2;
    }
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
