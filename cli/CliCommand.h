#pragma once

#include <string>
#include <vector>

namespace mienlore::cli {

// One subcommand of mienlore-cli. Each command lives in its own file under
// commands/ and registers itself with a static CliCommandRegistration.
struct CliCommand {
    const char* name;
    const char* usage;                                // one line: arguments after the name
    const char* summary;                              // one line: what it does
    int (*run)(const std::vector<std::string>& args); // exit status
};

const std::vector<CliCommand>& Commands();

struct CliCommandRegistration {
    explicit CliCommandRegistration(const CliCommand& command);
};

} // namespace mienlore::cli
