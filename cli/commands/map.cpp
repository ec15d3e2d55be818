// mienlore-cli map [--dims ID,ID,...] [--current CODE] (--gallery DIR |
// --fac-list FILE) : builds the character map over the gallery face files
// and prints it as one JSON object: the dimensions, the node the current
// face falls on, and the 600 nodes in row-major order.
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"
#include "gallery/CharacterMap.h"

#include <algorithm>

namespace mienlore::cli {
namespace {

// The ids of a comma-separated list; false for anything that is not a
// trait of the map's check boxes.
bool ParseDims(const std::string& text, std::vector<int>& ids) {
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto id = ParseWhole(text.substr(start, comma - start));
        if (!id || std::find(kMapTraitIds.begin(), kMapTraitIds.end(), *id) == kMapTraitIds.end())
            return false;
        ids.push_back(static_cast<int>(*id));
        start = comma + 1;
    }
    return true;
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "mienlore-cli map: %s\n", problem.c_str());
    return 2;
}

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed =
        ParseCliArgs(args, {}, {"--dims", "--current", "--gallery", "--fac-list"});
    if (!parsed.error.empty())
        return Usage(parsed.error);
    if (!parsed.operands.empty())
        return Usage("unexpected argument " + parsed.operands[0]);
    std::vector<int> ticked;
    for (const std::string& dims : parsed.All("--dims"))
        if (!ParseDims(dims, ticked))
            return Usage("--dims takes ids of 2530, 2550..2590, 2620..2670 separated by commas");
    const std::string current = parsed.Value("--current");
    const GallerySource source(parsed);
    if (!source.Given())
        return Usage("no gallery face files (--gallery DIR or --fac-list FILE)");
    CFaceFrame face(ExecutableFolder());
    if (!current.empty() && !ReadFaceArgument(current, face, "map"))
        return 1;
    const auto faces = source.Read("map");
    if (!faces)
        return 1;

    const GalleryStatistics stats = ComputeGalleryStatistics(*faces);
    CSon map;
    BuildCharacterMap(map, stats, MapDimensions(ChooseMapTraits(ticked)));
    int marked = -1;
    if (!current.empty()) {
        CFateFrame fate;
        fate.BindFace(&face);
        fate.Recompute(true);
        marked = MarkedNode(map, stats, fate.GetAllIndicators());
    }

    std::string out = "{\"dims\": [";
    for (std::size_t i = 0; i < map.Dims().size(); ++i)
        out += (i ? ", " : "") + std::to_string(map.Dims()[i]);
    out += "], \"marked\": " + std::to_string(marked) + ", \"nodes\": [";
    for (std::size_t n = 0; n < map.Nodes().size(); ++n) {
        const CNode& node = map.Nodes()[n];
        out += n ? ",\n" : "\n";
        out += "{\"x\": " + std::to_string(static_cast<int>(node.x)) +
               ", \"y\": " + std::to_string(static_cast<int>(node.y)) + ", \"weights\": [";
        for (int w = 0; w < node.weightCount; ++w) {
            if (w)
                out += ", ";
            AppendJsonNumber(out, node.weights[w]);
        }
        out += "], \"face\": " + std::to_string(node.face) + ", \"distance\": ";
        AppendJsonNumber(out, node.bestDistance);
        out += "}";
    }
    out += "]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

CliCommandRegistration reg{{"map",
                            "[--dims ID,ID,...] [--current CODE] (--gallery DIR | --fac-list FILE)",
                            "build the character map over the gallery face files (ticked traits "
                            "in --dims); prints its dimensions, marked node and 600 nodes as JSON",
                            &Run}};

} // namespace
} // namespace mienlore::cli
