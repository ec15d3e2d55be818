#include "files/StoredFace.h"

#include "base/FileRollback.h"
#include "base/TextEncoding.h"
#include "files/LineFile.h"
#include "model/FaceFrame.h"

#include <algorithm>

namespace mienlore {
namespace {

std::string Replaced(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

std::optional<StoredFace> FirstValidLine(const std::filesystem::path& path, CFaceFrame& scratch,
                                         bool facFile) {
    const LineReadResult read = ReadLines(path);
    if (read.lines.empty())
        return std::nullopt;
    const std::string& first = read.lines.front();
    return ValidateStoredLine(facFile ? FromFacLine(first) : first, scratch);
}

} // namespace

std::string StorableFaceName(std::string_view name) {
    std::string out = Utf8Prefix(name, kMaxFaceNameChars);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

std::string StoredFaceLine(const CFaceFrame& face, std::string_view name) {
    return face.Encode(StorableFaceName(name));
}

std::string_view StoredFaceName(std::string_view line) {
    const auto semicolon = line.find(';');
    return semicolon == std::string_view::npos ? std::string_view{} : line.substr(semicolon + 1);
}

std::string_view StoredFaceCode(std::string_view line) {
    return line.substr(0, line.find(';'));
}

std::string ToFacLine(std::string_view line) {
    return Replaced(line, ';', '|');
}

std::string FromFacLine(std::string_view line) {
    return Replaced(line, '|', ';');
}

std::optional<StoredFace> ValidateStoredLine(std::string_view line, CFaceFrame& scratch) {
    StoredFace stored;
    if (!scratch.ValidateAndExtract(line, stored.name))
        return std::nullopt;
    stored.line = std::string(line);
    return stored;
}

bool ApplyFaceCode(CFaceFrame& face, std::string& text) {
    CFaceFrame scratch = face;
    std::string stripped = text;
    if (!scratch.DecodeAndStrip(stripped))
        return false;
    face = scratch;
    text = std::move(stripped);
    return true;
}

std::optional<StoredFace> ReadGalleryDescription(const std::filesystem::path& path,
                                                 CFaceFrame& scratch) {
    return FirstValidLine(path, scratch, false);
}

std::optional<StoredFace> ReadGalleryFaceFile(const std::filesystem::path& path,
                                              CFaceFrame& scratch) {
    return FirstValidLine(path, scratch, true);
}

WriteResult WriteGalleryEntry(const std::filesystem::path& descriptionPath,
                              const std::filesystem::path& faceFilePath, const CFaceFrame& face,
                              std::string_view name) {
    const std::string line = StoredFaceLine(face, name);
    // Both files or neither: when the face file cannot be written, the
    // description goes back to what it was.
    const FileRollback description(descriptionPath);
    if (!description.Recorded())
        return WriteResult{false, "Cannot read " + descriptionPath.string() + " to replace it"};
    WriteResult result = WriteLines(descriptionPath, {line});
    if (!result)
        return result;
    result = WriteLines(faceFilePath, {ToFacLine(line)});
    if (!result && !description.Restore())
        result.error += "\n" + descriptionPath.string() + " could not be put back as it was.";
    return result;
}

} // namespace mienlore
