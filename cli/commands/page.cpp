// mienlore-cli page text|ptype [--style 0|1] [--female] CODE|new : the lines
// of the interpretation page the program would write for a face.
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

int Usage() {
    std::fprintf(stderr, "usage: mienlore-cli page text|ptype [--style 0|1] [--female] CODE|new\n");
    return 2;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty())
        return Usage();
    int mode = 0;
    if (args[0] == "text")
        mode = kInterpretationText;
    else if (args[0] == "ptype")
        mode = kInterpretationType;
    else
        return Usage();
    int style = kPageStyleWhite;
    bool female = false;
    std::string code;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--style") {
            if (i + 1 >= args.size() || (args[i + 1] != "0" && args[i + 1] != "1")) {
                std::fprintf(stderr, "mienlore-cli: --style needs 0 (black) or 1 (white)\n");
                return 2;
            }
            style = args[++i] == "1" ? kPageStyleWhite : kPageStyleBlack;
        } else if (arg == "--female") {
            female = true;
        } else if (code.empty()) {
            code = arg;
        } else {
            return Usage();
        }
    }
    if (code.empty())
        return Usage();

    const std::filesystem::path folder = ExecutableFolder();
    CFaceFrame face(folder);
    if (code != "new" && !face.Decode(code, true)) {
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
