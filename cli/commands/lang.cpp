// mienlore-cli lang [FILE]: lists the language files of the program's "Lang"
// folder, the current one marked with "*"; with a file name, makes that
// language the current one, as the options dialog does.
#include "shell/Lang.h"
#include "CliArgs.h"
#include "CliCommand.h"
#include "base/ProgramFolder.h"

#include <cstdio>
#include <string>
#include <vector>

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& given) {
    const CliArgs parsed = ParseCliArgs(given, {}, {});
    if (!parsed.error.empty() || parsed.operands.size() > 1) {
        // main prints the usage line after a usage error.
        std::fprintf(stderr, "mienlore-cli lang: %s\n",
                     parsed.error.empty() ? "takes at most one language file name"
                                          : parsed.error.c_str());
        return 2;
    }
    const std::vector<std::string>& args = parsed.operands;
    CLang lang(ExecutableFolder());
    std::vector<LangEntry> list;
    const int current = lang.ListLanguages(list);
    if (args.empty()) {
        for (std::size_t i = 0; i < list.size(); ++i)
            std::printf("%c %s\t%s\n", static_cast<int>(i) == current ? '*' : ' ',
                        list[i].path.filename().string().c_str(), list[i].name.c_str());
        return 0;
    }
    for (const LangEntry& entry : list) {
        if (entry.path.filename() != args[0])
            continue;
        const WriteResult result = lang.SelectLanguage(entry.path);
        if (!result) {
            std::fprintf(stderr, "mienlore-cli: cannot choose %s: %s\n", args[0].c_str(),
                         result.error.c_str());
            return 1;
        }
        std::printf("%s\n", lang.FilePath().string().c_str());
        return 0;
    }
    std::fprintf(stderr, "mienlore-cli: no language file %s in %s\n", args[0].c_str(),
                 (ExecutableFolder() / "Lang").string().c_str());
    return 1;
}

CliCommandRegistration reg{{"lang", "[FILE]",
                            "list the language files (the current one marked *), or choose "
                            "one by its file name; the choice is written where the program "
                            "keeps it",
                            &Run}};

} // namespace
} // namespace mienlore::cli
