#include "gallery/SimilarSearchFaces.h"

#include "files/LineFile.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace mienlore {
namespace {

StoredFace FromFac(const std::string& facLine) {
    StoredFace face;
    face.line = FromFacLine(facLine);
    face.name = std::string(StoredFaceName(face.line));
    return face;
}

bool IsFacFile(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".fac";
}

} // namespace

std::optional<std::vector<StoredFace>> ReadFacList(const std::filesystem::path& path) {
    const LineReadResult read = ReadLines(path);
    if (!read.opened)
        return std::nullopt;
    std::vector<StoredFace> faces;
    for (const std::string& line : read.lines)
        if (!line.empty())
            faces.push_back(FromFac(line));
    return faces;
}

std::optional<std::vector<StoredFace>> ReadFacFolder(const std::filesystem::path& folder,
                                                     std::vector<std::filesystem::path>* pictures) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return std::nullopt;
    std::vector<StoredFace> faces;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        if (it->is_directory(typeError) || !IsFacFile(it->path()))
            continue;
        const LineReadResult read = ReadLines(it->path());
        faces.push_back(FromFac(read.lines.empty() ? std::string() : read.lines.front()));
        if (pictures)
            pictures->push_back(std::filesystem::path(it->path()).replace_extension(".jpg"));
    }
    return faces;
}

} // namespace mienlore
