#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mienlore {

// A profile (INI) file read the way the classic profile-string functions read
// one: "[Section]" lines open sections, "key=value" lines give values.
// Section and key names match without regard to case and the first match
// wins (only the first section of a name is searched). Names and values are
// trimmed of surrounding blanks, and a value enclosed in matching quotes
// loses them. Lines starting with ';' and lines without '=' are ignored.
// The bytes are taken as UTF-8, with invalid bytes read as Windows-1252.
class CProfileFile {
public:
    CProfileFile() = default;
    explicit CProfileFile(const std::filesystem::path& path) { Load(path); }

    // Largest profile file read (language files are a few hundred KiB).
    static constexpr std::uintmax_t kMaxProfileBytes = 16u * 1024 * 1024;

    // Replaces the content by the file's; false (and an empty profile) when
    // the file cannot be read, is not a regular file or is larger than
    // kMaxProfileBytes.
    bool Load(const std::filesystem::path& path);
    void LoadFromText(std::string_view bytes);

    bool IsEmpty() const { return m_sections.empty(); }

    // The value, or nothing when the section or key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // The value (or the default when missing), cut to maxChars characters as a
    // buffer of maxChars + 1 characters would cut it.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t maxChars = 254) const;

    // The leading decimal integer of the value; the default when the key is
    // missing, 0 when the value does not start with a number.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    bool HasSection(std::string_view section) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    const Section* FindSection(std::string_view name) const;

    std::vector<Section> m_sections;
};

} // namespace mienlore
