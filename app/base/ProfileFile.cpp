#include "base/ProfileFile.h"

#include "base/TextEncoding.h"
#include "base/WholeFile.h"

#include <cstdlib>

namespace mienlore {
namespace {

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r\n\v\f";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

bool CProfileFile::Load(const std::filesystem::path& path) {
    m_sections.clear();
    std::string bytes;
    if (ReadWholeFile(path, bytes, kMaxProfileBytes) != FileRead::Done)
        return false;
    LoadFromText(bytes);
    return true;
}

void CProfileFile::LoadFromText(std::string_view raw) {
    m_sections.clear();
    std::string text = Utf8From8Bit(raw);
    std::string_view rest(text);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);

    Section* current = nullptr;
    while (!rest.empty()) {
        const auto eol = rest.find('\n');
        std::string_view line = Trim(rest.substr(0, eol));
        rest = eol == std::string_view::npos ? std::string_view{} : rest.substr(eol + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            const auto name =
                Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            m_sections.push_back(Section{std::string(name), {}});
            current = &m_sections.back();
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || current == nullptr)
            continue;
        current->entries.emplace_back(std::string(Trim(line.substr(0, eq))),
                                      std::string(Unquote(Trim(line.substr(eq + 1)))));
    }
}

const CProfileFile::Section* CProfileFile::FindSection(std::string_view name) const {
    for (const auto& s : m_sections)
        if (EqualsNoCase(s.name, name))
            return &s;
    return nullptr;
}

bool CProfileFile::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::optional<std::string> CProfileFile::Find(std::string_view section,
                                              std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr)
        return std::nullopt;
    for (const auto& [k, v] : s->entries)
        if (EqualsNoCase(k, key))
            return v;
    return std::nullopt;
}

std::string CProfileFile::GetString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t maxChars) const {
    auto v = Find(section, key);
    return Utf8Prefix(v ? std::string_view(*v) : defaultValue, maxChars);
}

int CProfileFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    auto v = Find(section, key);
    if (!v)
        return defaultValue;
    return static_cast<int>(std::strtol(v->c_str(), nullptr, 10));
}

} // namespace mienlore
