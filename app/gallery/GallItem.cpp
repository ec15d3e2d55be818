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

CGallItem::CGallItem(std::filesystem::path picturePath) : m_picture(std::move(picturePath)) {}

std::filesystem::path CGallItem::DescriptionPath() const {
    return WithExtension(m_picture, ".phy");
}

std::filesystem::path CGallItem::FaceFilePath() const {
    return WithExtension(m_picture, ".fac");
}

bool CGallItem::HasDescription() const {
    return FileExists(DescriptionPath());
}

bool CGallItem::ReadDescription(CFaceFrame& scratch, std::string& code, std::string& name) const {
    if (!HasDescription())
        return false;
    return ReadStored(ReadGalleryDescription(DescriptionPath(), scratch), code, name);
}

CGallFace::CGallFace(std::filesystem::path picturePath,
                     std::shared_ptr<const std::filesystem::path> programFolder)
    : CGallItem(std::move(picturePath)), m_programFolder(std::move(programFolder)) {
    CFaceFrame scratch(*m_programFolder);
    std::string code;
    std::string name;
    if (ReadFaceFile(scratch, code, name)) {
        m_line = std::move(code);
        m_name = std::move(name);
    }
}

CGallFace::CGallFace(std::filesystem::path picturePath,
                     std::shared_ptr<const std::filesystem::path> programFolder, std::string line,
                     std::string name)
    : CGallItem(std::move(picturePath)), m_name(std::move(name)), m_line(std::move(line)),
      m_programFolder(std::move(programFolder)) {}

const CFaceFrame& CGallFace::Face() const {
    if (!m_face) {
        auto face = std::make_shared<CFaceFrame>(*m_programFolder);
        std::string text = m_line;
        // The line was checked when it was read; should it not decode after
        // all, the face keeps the initial values rather than half a face.
        if (!text.empty() && !face->DecodeAndStrip(text))
            *face = CFaceFrame(*m_programFolder);
        m_face = std::move(face);
    }
    return *m_face;
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
