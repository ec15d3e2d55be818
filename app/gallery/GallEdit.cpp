#include "gallery/GallEdit.h"

#include "base/FileRollback.h"
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "imaging/JpegFile.h"

#include <system_error>

namespace mienlore {
namespace {

// The longest file name most file systems store, in bytes.
constexpr std::size_t kMaxFileNameBytes = 255;
// The portrait is written at the quality of the saved face pictures.
constexpr int kPortraitQuality = 75;

std::filesystem::path Child(const std::filesystem::path& folder, std::string_view name,
                            const char* extension) {
    return folder / std::filesystem::path(std::string(name) + extension);
}

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

WriteResult Failed(std::string error) {
    return {false, std::move(error)};
}

} // namespace

GallEntryPaths GalleryEntryPaths(const std::filesystem::path& folder, std::string_view name) {
    return {Child(folder, name, ".jpg"), Child(folder, name, ".phy"), Child(folder, name, ".fac")};
}

std::string GalleryNameProblem(std::string_view name) {
    if (name.empty())
        return "The name is empty.";
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
        return "A name cannot contain \"/\" or \"\\\".";
    if (name.front() == '.')
        return "A name cannot start with \".\".";
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "A name cannot contain line breaks or other control characters.";
    if (name.size() + 4 > kMaxFileNameBytes)
        return "The name is too long for a file name.";
    return {};
}

bool GalleryEntryExists(const std::filesystem::path& folder, std::string_view name) {
    const GallEntryPaths paths = GalleryEntryPaths(folder, name);
    std::error_code ec;
    return std::filesystem::exists(paths.picture, ec) ||
           std::filesystem::exists(paths.description, ec) ||
           std::filesystem::exists(paths.faceFile, ec);
}

WriteResult AddGalleryEntry(const std::filesystem::path& folder, std::string_view name,
                            const CFaceFrame& face, const CDevib& portrait) {
    const std::string problem = GalleryNameProblem(name);
    if (!problem.empty())
        return Failed(problem);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return Failed("Cannot create the folder " + folder.string() + ": " + ec.message());
    const GallEntryPaths paths = GalleryEntryPaths(folder, name);
    // The portrait, its description and its face file are written together
    // or not at all: a failed description takes the portrait back.
    const FileRollback picture(paths.picture);
    if (!picture.Recorded())
        return Failed("Cannot read " + paths.picture.string() + " to replace it");
    std::string error;
    if (!WriteJpeg(portrait, paths.picture, kJpegSubsampledColour, kPortraitQuality, &error))
        return Failed(error.empty() ? "Cannot write " + paths.picture.string() : error);
    WriteResult result = WriteGalleryEntry(paths.description, paths.faceFile, face, name);
    if (!result && !picture.Restore())
        result.error += "\n" + paths.picture.string() + " could not be put back as it was.";
    return result;
}

WriteResult DescribeGalleryItem(const CGallItem& item, const CFaceFrame& face,
                                std::string_view title) {
    if (title.empty())
        return Failed("The portrait has no title to describe it with.");
    if (item.DescriptionPath().empty())
        return Failed("No portrait is selected.");
    return WriteLines(item.DescriptionPath(), {StoredFaceLine(face, title)});
}

WriteResult RemoveGalleryEntry(const std::filesystem::path& folder, const CGallItem& item) {
    const std::filesystem::path& picture = item.PicturePath();
    if (picture.empty() || !IsGalleryImageFile(picture) ||
        !SameFolder(picture.parent_path(), folder))
        return Failed("The portrait " + picture.string() + " is not in " + folder.string() + ".");
    std::string errors;
    for (const std::filesystem::path& path :
         {picture, item.FaceFilePath(), item.DescriptionPath()}) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        if (ec && ec != std::errc::no_such_file_or_directory) {
            if (!errors.empty())
                errors += "\n";
            errors += "Cannot delete " + path.string() + ": " + ec.message();
        }
    }
    if (!errors.empty())
        return Failed(errors);
    return {true, {}};
}

} // namespace mienlore
