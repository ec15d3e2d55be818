#include "gallery/SimilarSearchFaces.h"

#include "files/LineFile.h"

namespace mienlore {
namespace {

StoredFace FromFac(const std::string& facLine) {
    StoredFace face;
    face.line = FromFacLine(facLine);
    face.name = std::string(StoredFaceName(face.line));
    return face;
}

} // namespace

SearchGallery FaceFilesOf(const CGallery& gallery) {
    SearchGallery result;
    const std::vector<CGallFace>& files = gallery.GalleryFaceFiles();
    result.faces.reserve(files.size());
    result.pictures.reserve(files.size());
    for (const CGallFace& face : files) {
        result.faces.push_back({face.Line(), face.Name()});
        result.pictures.push_back(face.PicturePath());
    }
    return result;
}

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

} // namespace mienlore
