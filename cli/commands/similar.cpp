// mienlore-cli similar (--gallery DIR | --fac-list FILE) CODE : the
// similar-face search's result rows, one JSON object per line.
#include "CliCommand.h"
#include "SearchArgs.h"

#include "analysis/AnalysisJson.h"
#include "gallery/SimilarSearch.h"

namespace mienlore::cli {
namespace {

int Usage(const std::string& problem) {
    std::fprintf(stderr, "mienlore-cli similar: %s\n", problem.c_str());
    return 2;
}

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {}, {"--gallery", "--fac-list"});
    if (!parsed.error.empty())
        return Usage(parsed.error);
    const GallerySource source(parsed);
    if (!source.Given())
        return Usage("no gallery face files (--gallery DIR or --fac-list FILE)");
    const std::vector<std::string>& codes = parsed.operands;
    if (codes.size() != 1)
        return Usage(codes.empty() ? "no face code (or \"new\" for the new face)"
                                   : "only one face code is taken");
    CFaceFrame face(ExecutableFolder());
    if (!ReadFaceArgument(codes[0], face, "similar"))
        return 1;
    const auto faces = source.Read("similar");
    if (!faces)
        return 1;
    const CSimilarSearch search(*faces);
    const std::vector<SimilarRow> rows = search.Search(face);
    std::string out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += "{\"row\": " + std::to_string(r) + ", \"index\": " + std::to_string(rows[r].index) +
               ", \"name\": ";
        AppendJsonString(out, rows[r].name);
        out += ", \"like\": ";
        AppendJsonString(out, rows[r].like);
        out += ", \"likeness\": ";
        AppendJsonString(out, rows[r].LikenessText());
        out += "}\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

CliCommandRegistration reg{
    {"similar", "(--gallery DIR | --fac-list FILE) CODE",
     "the faces of the gallery face files most like the face: one JSON object per result row",
     &Run}};

} // namespace
} // namespace mienlore::cli
