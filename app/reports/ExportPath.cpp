#include "reports/ExportPath.h"

#include <string_view>
#include <system_error>

namespace mienlore {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string FileNamePart(std::string_view name) {
    std::string out;
    for (const char c : Trimmed(name)) {
        const bool refused = std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
                             static_cast<unsigned char>(c) < 0x20;
        out += refused ? '_' : c;
    }
    // "." and ".." are folders, not names.
    if (out.find_first_not_of('.') == std::string::npos)
        out.clear();
    return out;
}

} // namespace

std::filesystem::path SuggestedExportPath(const std::filesystem::path& documents,
                                          const std::filesystem::path& home, std::string_view name,
                                          std::string_view fallbackName,
                                          std::string_view extension) {
    std::error_code ec;
    const bool useDocuments = !documents.empty() && documents.is_absolute() &&
                              std::filesystem::is_directory(documents, ec);
    const std::filesystem::path& folder = useDocuments ? documents : home;
    std::string file = FileNamePart(name);
    if (file.empty())
        file = std::string(fallbackName);
    file += '.';
    file += extension;
    return folder / std::filesystem::path(file);
}

} // namespace mienlore
