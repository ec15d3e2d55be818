#include "CliCommand.h"
#include "shell/Version.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace mienlore::cli {

static std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

const std::vector<CliCommand>& Commands() {
    return Registry();
}

CliCommandRegistration::CliCommandRegistration(const CliCommand& command) {
    auto& reg = Registry();
    reg.insert(std::upper_bound(reg.begin(), reg.end(), command,
                                [](const CliCommand& a, const CliCommand& b) {
                                    return std::strcmp(a.name, b.name) < 0;
                                }),
               command);
}

} // namespace mienlore::cli

using namespace mienlore::cli;

static void PrintHelp(std::FILE* out) {
    std::fprintf(out, "%s\n\nUsage: mienlore-cli COMMAND [ARGS...]\n\nCommands:\n",
                 mienlore::VersionLine());
    std::fprintf(out, "  --version            print the program's version\n");
    std::fprintf(out, "  --help               print this help\n");
    for (const auto& c : Commands())
        std::fprintf(out, "  %s %s\n      %s\n", c.name, c.usage, c.summary);
    std::fprintf(out, "\nWherever a command takes a face CODE, \"new\" stands for the new face.\n"
                      "COMMAND --help prints the usage of that command.\n");
}

// True when a command's arguments ask for its help: "--help" or "-h" before
// any "--" (after it they are operands).
static bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

int main(int argc, char* argv[]) {
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string first = argv[1];
    if (first == "--version" || first == "-v") {
        std::printf("%s\n", mienlore::VersionLine());
        return 0;
    }
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const auto& c : Commands()) {
        if (first != c.name)
            continue;
        const std::vector<std::string> args(argv + 2, argv + argc);
        if (AsksForHelp(args)) {
            std::printf("usage: mienlore-cli %s %s\n%s\n", c.name, c.usage, c.summary);
            return 0;
        }
        // Exit status 2 is a usage error: the command said what was wrong,
        // the usage line says what it takes.
        const int status = c.run(args);
        if (status == 2)
            std::fprintf(stderr, "usage: mienlore-cli %s %s\n", c.name, c.usage);
        return status;
    }
    std::fprintf(stderr, "mienlore-cli: unknown command '%s' (try --help)\n", first.c_str());
    return 2;
}
