#include "files/ListFileState.h"

#include <map>

namespace mienlore {

std::uint64_t ContentHash(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

ListFileState StateOfFile(const std::filesystem::path& path, std::string_view bytes) {
    ListFileState state;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        return state;
    const auto modified = std::filesystem::last_write_time(path, ec);
    if (ec)
        return state;
    state.exists = true;
    state.size = size;
    state.modified = modified;
    state.hash = ContentHash(bytes);
    return state;
}

std::vector<std::string> MergeListLines(const std::vector<std::string>& base,
                                        const std::vector<std::string>& mine,
                                        const std::vector<std::string>& theirs) {
    // Count per line: positive in `change` for lines the user added, negative
    // for lines the user deleted.
    std::map<std::string, long> change;
    for (const auto& line : mine)
        if (!line.empty())
            ++change[line];
    for (const auto& line : base)
        if (!line.empty())
            --change[line];

    std::vector<std::string> merged;
    for (const auto& line : theirs) {
        if (line.empty())
            continue;
        auto it = change.find(line);
        if (it != change.end() && it->second < 0) {
            ++it->second; // deleted by the user
            continue;
        }
        merged.push_back(line);
    }
    // The user's additions, in the user's order: the last occurrences of a
    // line in mine are the ones beyond what base held.
    std::map<std::string, long> toAdd;
    for (const auto& [line, count] : change)
        if (count > 0)
            toAdd[line] = count;
    std::map<std::string, long> seen;
    std::vector<std::string> additions;
    for (auto it = mine.rbegin(); it != mine.rend(); ++it) {
        auto add = toAdd.find(*it);
        if (add == toAdd.end() || seen[*it] >= add->second)
            continue;
        ++seen[*it];
        additions.push_back(*it);
    }
    merged.insert(merged.end(), additions.rbegin(), additions.rend());
    return merged;
}

} // namespace mienlore
