#include "CliArgs.h"

#include <algorithm>

namespace mienlore::cli {

bool CliArgs::Has(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::string CliArgs::Value(const std::string& option, std::string fallback) const {
    const auto it = values.find(option);
    return it == values.end() || it->second.empty() ? fallback : it->second.back();
}

const std::vector<std::string>& CliArgs::All(const std::string& option) const {
    static const std::vector<std::string> none;
    const auto it = values.find(option);
    return it == values.end() ? none : it->second;
}

CliArgs ParseCliArgs(const std::vector<std::string>& args, std::initializer_list<const char*> flags,
                     std::initializer_list<const char*> valued) {
    CliArgs out;
    const auto isIn = [](std::initializer_list<const char*> names, const std::string& arg) {
        return std::any_of(names.begin(), names.end(), [&](const char* n) { return arg == n; });
    };
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsOperand(arg, operandsOnly)) {
            out.operands.push_back(arg);
        } else if (arg == "--") {
            operandsOnly = true;
        } else if (isIn(flags, arg)) {
            out.flags.push_back(arg);
        } else if (isIn(valued, arg)) {
            if (i + 1 >= args.size()) {
                out.error = arg + " needs a value";
                return out;
            }
            out.values[arg].push_back(args[++i]);
        } else {
            out.error = "unknown option " + arg;
            return out;
        }
    }
    return out;
}

} // namespace mienlore::cli
