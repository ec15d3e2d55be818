#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore::cli {

// The arguments of one command split by one rule for every command: options
// ("-x", "--name") may stand before, between or after the operands; "--" makes
// every later argument an operand; "-" alone is an operand (standard input).
// An option the command does not know, or one without its value, is an error,
// never an operand.
struct CliArgs {
    std::map<std::string, std::vector<std::string>> values; // option -> its values in order
    std::vector<std::string> flags;                         // options without a value, in order
    std::vector<std::string> operands;
    std::string error; // empty when the arguments were read

    bool Has(std::string_view flag) const;
    // The last value of an option, or fallback.
    std::string Value(const std::string& option, std::string fallback = {}) const;
    // Every value of an option, in order (none when it was not given).
    const std::vector<std::string>& All(const std::string& option) const;
};

// The one rule of what is an operand: anything after "--", "-" alone, and
// every argument that does not begin with "-". Commands that read their
// arguments by hand use it too; "--" itself is told apart by the caller.
inline bool IsOperand(const std::string& arg, bool afterEndOfOptions) {
    return afterEndOfOptions || arg.size() < 2 || arg[0] != '-';
}

CliArgs ParseCliArgs(const std::vector<std::string>& args, std::initializer_list<const char*> flags,
                     std::initializer_list<const char*> valued);

} // namespace mienlore::cli
