// mienlore-cli lang [FILE]: lists the language files of the program's "Lang"
// folder, the current one marked with "*"; with a file name, makes that
// language the current one, as the options dialog does.
#include "shell/Lang.h"
#include "CliCommand.h"
#include "base/ProgramFolder.h"

#include <cstdio>
#include <string>
#include <vector>

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    if (args.size() > 1 || (args.size() == 1 && !args[0].empty() && args[0][0] == '-')) {
        std::fprintf(stderr, "usage: mienlore-cli lang [FILE]\n");
        return 2;
    }
    CLang lang(ExecutableFolder());
    std::vector<LangEntry> list;
    lang.ListLanguages(list);
    if (args.empty()) {
        // The current language is the one whose file "lang.lng" matches by name.
        for (const LangEntry& entry : list)
            std::printf("%c %s\t%s\n", entry.name == lang.Current().name ? '*' : ' ',
                        entry.path.filename().string().c_str(), entry.name.c_str());
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
