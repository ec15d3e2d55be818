#include "gallery/GallItem.h"

#include "files/StoredFace.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

namespace mienlore {
namespace {

std::filesystem::path WithExtension(std::filesystem::path path, const char* extension) {
    if (!path.empty())
        path.replace_extension(extension);
    return path;
}

bool FileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool ReadStored(const std::optional<StoredFace>& stored, std::string& code, std::string& name) {
    if (!stored)
        return false;
    code = stored->line;
    name = stored->name;
    return true;
}

constexpr std::array<const char*, kGallLinkCount> kPrefixes = {"drawme-", "posters-", "faces-",
                                                               "internet-"};

// The texts and addresses are neutral pages about faces and about the program.
constexpr std::array<GallLink, kGallLinkCount> kLinks = {{
    {"Portraits drawn with Mienlore", "https://orvanta-lab.example/mienlore/portraits/"},
    {"About physiognomy", "https://en.wikipedia.org/wiki/Physiognomy"},
    {"About portraits", "https://en.wikipedia.org/wiki/Portrait"},
    {"About face perception", "https://en.wikipedia.org/wiki/Face_perception"},
}};

constexpr GallLink kHeading = {"Select in Gallery", "https://orvanta-lab.example/mienlore/"};

} // namespace

CGallItem::CGallItem(std::filesystem::path picturePath)
    : m_picture(std::move(picturePath)), m_description(WithExtension(m_picture, ".phy")),
      m_faceFile(WithExtension(m_picture, ".fac")) {}

bool CGallItem::HasDescription() const {
    return FileExists(m_description);
}

bool CGallItem::ReadDescription(CFaceFrame& scratch, std::string& code, std::string& name) const {
    if (!HasDescription())
        return false;
    return ReadStored(ReadGalleryDescription(m_description, scratch), code, name);
}

CGallFace::CGallFace(std::filesystem::path picturePath, const std::filesystem::path& programFolder)
    : CGallItem(std::move(picturePath)), m_face(programFolder) {
    std::string code;
    std::string name;
    CFaceFrame scratch = m_face;
    if (ReadFaceFile(scratch, code, name))
        Take(code, name);
}

CGallFace::CGallFace(std::filesystem::path picturePath, const std::filesystem::path& programFolder,
                     const std::string& code, const std::string& name)
    : CGallItem(std::move(picturePath)), m_face(programFolder) {
    if (!code.empty())
        Take(code, name);
}

void CGallFace::Take(const std::string& code, const std::string& name) {
    std::string text = code;
    if (m_face.DecodeAndStrip(text)) {
        m_name = name;
        m_line = code;
    } else {
        m_face = CFaceFrame(m_face.ProgramFolder());
    }
}

bool CGallFace::HasFaceFile() const {
    return FileExists(FaceFilePath());
}

bool CGallFace::ReadFaceFile(CFaceFrame& scratch, std::string& code, std::string& name) const {
    if (!HasFaceFile())
        return false;
    return ReadStored(ReadGalleryFaceFile(FaceFilePath(), scratch), code, name);
}

bool IsGalleryImageFile(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".jpg" || ext == ".gif" || ext == ".jpeg" || ext == ".bmp";
}

GallTitle GalleryTitle(const std::filesystem::path& picturePath) {
    const std::string stem = picturePath.stem().string();
    for (int link = 0; link < kGallLinkCount; ++link) {
        const std::string_view prefix = kPrefixes[static_cast<std::size_t>(link)];
        const std::size_t at = stem.find(prefix);
        if (at == std::string::npos)
            continue;
        std::string title = stem.substr(at + prefix.size());
        std::replace(title.begin(), title.end(), '-', ' ');
        return {title, link};
    }
    return {stem, kGallDefaultLink};
}

const GallLink& GalleryLink(int link) {
    if (link < 0 || link >= kGallLinkCount)
        link = kGallDefaultLink;
    return kLinks[static_cast<std::size_t>(link)];
}

const GallLink& GalleryHeadingLink() {
    return kHeading;
}

} // namespace mienlore
