#include "gallery/GallCollection.h"

#include "base/UserDataPath.h"

#include <string>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace mienlore {
namespace {

bool HasExtension(const std::filesystem::path& path, const char* extension) {
    return path.extension() == extension;
}

// The entries of a folder in the order the file system lists them, without
// sub-folders. Entries whose type cannot be told are kept (they may be files
// on a file system that does not report types).
std::vector<std::filesystem::path> ListFolder(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> entries;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return entries;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        if (it->is_directory(typeError))
            continue;
        entries.push_back(it->path());
    }
    return entries;
}

} // namespace

std::filesystem::path ShippedGalleryFolder(const std::filesystem::path& programFolder) {
    return programFolder / "Gallery";
}

std::filesystem::path MyGalleryFolder(const std::filesystem::path& programFolder) {
    return WritableDataFolder(programFolder) / "MyGallery";
}

CGallery::CGallery(std::filesystem::path programFolder)
    : m_programFolder(std::make_shared<const std::filesystem::path>(std::move(programFolder))) {}

std::size_t CGallery::LoadShippedGallery() {
    return LoadFolder(GallFolder::Gallery, ShippedGalleryFolder(*m_programFolder));
}

std::size_t CGallery::LoadMyGallery() {
    return LoadFolder(GallFolder::My, MyGalleryFolder(*m_programFolder));
}

const std::vector<CGallItem>& CGallery::Displayed(GallFolder which) const {
    return m_displayed[static_cast<int>(which)];
}

std::size_t CGallery::DescribedCount(GallFolder which) const {
    return m_described[static_cast<int>(which)];
}

const std::filesystem::path& CGallery::Folder(GallFolder which) const {
    return m_folders[static_cast<int>(which)];
}

std::size_t CGallery::LoadFolder(GallFolder which, const std::filesystem::path& folder) {
    const bool shipped = which == GallFolder::Gallery;
    const int w = static_cast<int>(which);
    std::vector<CGallItem>& displayed = m_displayed[w];
    m_folders[w] = folder;
    displayed.clear();
    m_described[w] = 0;
    if (shipped) {
        m_galleryFaces.clear();
        m_faceFiles.clear();
    }

    std::vector<std::filesystem::path> entries = ListFolder(folder);
    // The listing tells which descriptions exist, without asking the file
    // system once more for each portrait.
    std::unordered_set<std::string> names;
    names.reserve(entries.size());
    for (const std::filesystem::path& entry : entries)
        names.insert(entry.filename().string());

    std::vector<CGallItem> portraits;
    portraits.reserve(entries.size());
    // Face file name -> its entry in the gallery face files, so that the
    // Gallery faces take what was read.
    std::unordered_map<std::string, std::size_t> faceFileAt;
    CFaceFrame scratch(*m_programFolder);
    for (std::filesystem::path& entry : entries) {
        if (IsGalleryImageFile(entry)) {
            portraits.emplace_back(std::move(entry));
        } else if (shipped && HasExtension(entry, ".fac")) {
            std::optional<StoredFace> stored = ReadGalleryFaceFile(entry, scratch);
            faceFileAt.emplace(entry.stem().string(), m_faceFiles.size());
            std::filesystem::path picture = std::move(entry);
            picture.replace_extension(".jpg");
            if (stored)
                m_faceFiles.emplace_back(std::move(picture), m_programFolder,
                                         std::move(stored->line), std::move(stored->name));
            else
                m_faceFiles.emplace_back(std::move(picture), m_programFolder, std::string(),
                                         std::string());
        }
    }

    std::vector<char> described(portraits.size());
    for (std::size_t i = 0; i < portraits.size(); ++i)
        described[i] = names.count(portraits[i].PicturePath().stem().string() + ".phy") != 0;
    displayed.reserve(portraits.size());
    for (std::size_t i = 0; i < portraits.size(); ++i) {
        if (!described[i])
            continue;
        CGallItem& item = portraits[i];
        item.index = static_cast<int>(displayed.size());
        if (shipped) {
            const auto found = faceFileAt.find(item.PicturePath().stem().string());
            if (found == faceFileAt.end()) {
                m_galleryFaces.emplace_back(item.PicturePath(), m_programFolder, std::string(),
                                            std::string());
            } else {
                const CGallFace& read = m_faceFiles[found->second];
                m_galleryFaces.emplace_back(item.PicturePath(), m_programFolder, read.Line(),
                                            read.Name());
            }
            m_galleryFaces.back().index = item.index;
        }
        displayed.push_back(std::move(item));
    }
    m_described[w] = displayed.size();
    for (std::size_t i = 0; i < portraits.size(); ++i) {
        if (described[i])
            continue;
        portraits[i].index = static_cast<int>(displayed.size());
        displayed.push_back(std::move(portraits[i]));
    }
    return displayed.size();
}

} // namespace mienlore
