#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore {

// What a list file looked like when the program last read or wrote it: its
// size, modification time and a hash of its bytes. Comparing it with the file
// as it stands now tells whether another program changed the file since.
struct ListFileState {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::uint64_t hash = 0;

    friend bool operator==(const ListFileState&, const ListFileState&) = default;
};

// 64-bit FNV-1a hash of the bytes.
std::uint64_t ContentHash(std::string_view bytes);

// The state of a file whose bytes the caller has just read or written.
ListFileState StateOfFile(const std::filesystem::path& path, std::string_view bytes);

// Applies the user's changes to a list that another program changed
// meanwhile. base: the lines as last read or written; mine: the lines the
// user now holds; theirs: the lines the file holds now. The result is theirs,
// without the lines the user deleted from base (one occurrence per deletion)
// and with the user's new lines appended in the user's order. Lines are
// compared whole; empty lines are ignored.
std::vector<std::string> MergeListLines(const std::vector<std::string>& base,
                                        const std::vector<std::string>& mine,
                                        const std::vector<std::string>& theirs);

} // namespace mienlore
