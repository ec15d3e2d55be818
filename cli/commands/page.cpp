// mienlore-cli page text|ptype [--style 0|1] [--female] CODE|new : the lines
// of the interpretation page the program would write for a face.
#include "CliArgs.h"
#include "CliCommand.h"

#include "analysis/FateFrame.h"
#include "base/ProgramFolder.h"
#include "model/FaceFrame.h"
#include "reports/Interpretation.h"

#include <cstdio>
#include <string>
#include <vector>

namespace mienlore::cli {
namespace {

int Usage(const std::string& problem) {
    std::fprintf(stderr, "mienlore-cli page: %s\n", problem.c_str());
    return 2;
}

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {"--female"}, {"--style"});
    if (!parsed.error.empty())
        return Usage(parsed.error);
    const std::vector<std::string>& operands = parsed.operands;
    if (operands.empty() || (operands[0] != "text" && operands[0] != "ptype"))
        return Usage("the first argument is the page: text or ptype");
    const int mode = operands[0] == "text" ? kInterpretationText : kInterpretationType;
    if (operands.size() != 2)
        return Usage(operands.size() < 2 ? "no face code (or \"new\" for the new face)"
                                         : "only one face code is taken");
    const std::string& code = operands[1];
    int style = kPageStyleWhite;
    for (const std::string& value : parsed.All("--style")) {
        if (value != "0" && value != "1")
            return Usage("--style needs 0 (black) or 1 (white)");
        style = value == "1" ? kPageStyleWhite : kPageStyleBlack;
    }
    const bool female = parsed.Has("--female");

    const std::filesystem::path folder = ExecutableFolder();
    CFaceFrame face(folder);
    if (!face.Decode(FaceArgumentCode(code, folder), true)) {
        std::fprintf(stderr, "mienlore-cli: not a face code: %s\n", code.c_str());
        return 1;
    }
    FateTextFiles files;
    files.programFolder = folder;
    CFateFrame fate(files);
    fate.BindFace(&face);
    fate.SetMale(!female);
    fate.Recompute(true);

    CInterpretationPage page(folder, mode);
    if (!page.Build(fate, face, style)) {
        std::fprintf(stderr, "mienlore-cli: nothing to show for this face\n");
        return 1;
    }
    std::string out;
    for (const std::string& line : page.Document().Lines())
        if (!line.empty())
            out.append(line).append("\n");
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

CliCommandRegistration reg{{"page", "text|ptype [--style 0|1] [--female] CODE|new",
                            "print the lines of the Text or PType page for a face", &Run}};

} // namespace
} // namespace mienlore::cli
