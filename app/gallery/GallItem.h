#pragma once

#include "model/FaceFrame.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace mienlore {

// A portrait of a gallery folder: an image file, with the face description
// (".phy") and the gallery face file (".fac") of the same base name beside it.
class CGallItem {
public:
    CGallItem() = default;
    explicit CGallItem(std::filesystem::path picturePath);
    virtual ~CGallItem() = default;
    CGallItem(const CGallItem&) = default;
    CGallItem& operator=(const CGallItem&) = default;
    CGallItem(CGallItem&&) noexcept = default;
    CGallItem& operator=(CGallItem&&) noexcept = default;

    // The first line of the description, checked against scratch (which is
    // not changed): the whole line goes to code, the text after its first
    // ";" to name. False when there is no description or it does not read
    // as a face.
    virtual bool ReadDescription(CFaceFrame& scratch, std::string& code, std::string& name) const;
    // True when the description file exists.
    virtual bool HasDescription() const;

    const std::filesystem::path& PicturePath() const { return m_picture; }
    // The picture path with its extension replaced by ".phy" / ".fac" (empty
    // when the picture path is).
    std::filesystem::path DescriptionPath() const;
    std::filesystem::path FaceFilePath() const;

    // Position in the displayed list; -1 while not set.
    int index = -1;

private:
    std::filesystem::path m_picture;
};

// A portrait together with the face of its gallery face file. The face is
// decoded when it is first asked for (a folder of thousands of portraits is
// read without decoding them all); copies share it. Not for concurrent use.
class CGallFace : public CGallItem {
public:
    // Reads the face file beside picturePath: when it reads as a face, its
    // code and name are kept; otherwise the face keeps the initial values and
    // the name stays empty. Faces are decoded with the pictures of
    // programFolder.
    CGallFace(std::filesystem::path picturePath,
              std::shared_ptr<const std::filesystem::path> programFolder);
    // As above with the face file already read (line empty: it did not read).
    CGallFace(std::filesystem::path picturePath,
              std::shared_ptr<const std::filesystem::path> programFolder, std::string line,
              std::string name);

    // The first line of the face file with "|" read as ";", checked against
    // scratch: the line goes to code, its name to name.
    virtual bool ReadFaceFile(CFaceFrame& scratch, std::string& code, std::string& name) const;
    // True when the face file exists.
    virtual bool HasFaceFile() const;

    const std::string& Name() const { return m_name; }
    // The stored line of the face file as read ("|" read as ";"); empty when
    // it did not read.
    const std::string& Line() const { return m_line; }
    // The face: the line decoded with decode-and-strip, or the initial values
    // when there is no line.
    const CFaceFrame& Face() const;

private:
    std::string m_name;
    std::string m_line;
    std::shared_ptr<const std::filesystem::path> m_programFolder;
    mutable std::shared_ptr<const CFaceFrame> m_face;
};

// True for the picture files of a gallery: ".jpg", ".jpeg", ".gif" and
// ".bmp", in any case.
bool IsGalleryImageFile(const std::filesystem::path& path);

// The link kinds of portrait names, in the order they are looked for.
inline constexpr int kGallLinkCount = 4;
inline constexpr int kGallDefaultLink = 3;

// A portrait's title and link number, from its file name.
struct GallTitle {
    std::string title;
    int link = kGallDefaultLink;
};

// The title of a portrait: its file name without folder and extension. When
// "drawme-", "posters-", "faces-" or "internet-" occurs in it (looked for in
// this order), the title is what follows the first occurrence of the first
// one found, with every "-" made a space, and the link is that prefix's
// number (0..3); otherwise the title is the whole name and the link 3.
GallTitle GalleryTitle(const std::filesystem::path& picturePath);

// The text shown for a link number and the web address it opens (numbers
// outside 0..3 give the last link).
struct GallLink {
    const char* text;
    const char* address;
};
const GallLink& GalleryLink(int link);
// The address the panel's heading opens: the program's page.
const GallLink& GalleryHeadingLink();

} // namespace mienlore
