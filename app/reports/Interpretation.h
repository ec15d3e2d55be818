#pragma once

#include "analysis/PType.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore {

class CFaceFrame;
class CFateFrame;

// The two interpretation pages: the trait text ("Text") and the
// personality-type chart ("PType").
constexpr int kInterpretationText = 0;
constexpr int kInterpretationType = 1;
// Page styles: dark and light.
constexpr int kPageStyleBlack = 0;
constexpr int kPageStyleWhite = 1;

// The file each page writes (below the program folder or the per-user data
// folder), and the shipped files next to it that the page refers to.
inline constexpr char kInterpretationFile[] = "text.htm";
const char* InterpretationFolder(int mode); // "Text" or "PType"
const std::vector<std::string>& InterpretationCompanions();

// The type pictures' resource pack in the program folder.
inline constexpr char kTypePicturesPack[] = "typepages.rcc";

// Percent-encodes everything of a path but the unreserved characters and
// "/", so that a URL built from it resolves whatever the path contains.
std::string PercentEncodeUrlPath(std::string_view path);

// "res://" + the (encoded) path of the type pictures' pack + "/GIFS/".
std::string TypeImageBaseUrl(const std::filesystem::path& programFolder);

// The lines of the personality-type chart: per type a role, a bar and a
// code at top = 18 * i + 3, then the box of the best type (left open).
// Empty when types is empty or no type has a positive accuracy.
void BuildTypeChart(const std::vector<CPType>& types, std::string_view imageBase,
                    std::vector<std::string>& out);

// True when forehead, chin, eyes, eyebrows, nose, lips and ears are all
// absent (the cheek-bones are not consulted).
bool IsInterpretationFaceEmpty(const CFaceFrame& face);

// The HTML document of one interpretation page, kept as lines.
class CInterpretationDocument {
public:
    // Any mode other than 0 and 1 is taken as 0.
    void SetMode(int mode) { m_mode = (mode == kInterpretationType) ? mode : kInterpretationText; }
    int Mode() const { return m_mode; }

    // Builds the lines from the paragraph lines (trait texts, or the type
    // chart). Returns false and keeps the previous lines when there are no
    // paragraphs. An empty face still gives a document, without paragraphs.
    // Texts are inserted as they are: they are our own data and may hold
    // markup.
    bool Build(const std::vector<std::string>& paragraphs, bool faceEmpty, int style);
    const std::vector<std::string>& Lines() const { return m_lines; }

    // The file's bytes: every non-empty line followed by CR LF.
    std::string Bytes() const;
    // The same into out, reusing its storage.
    void AppendBytes(std::string& out) const;

private:
    int m_mode = kInterpretationText;
    std::vector<std::string> m_lines;
};

// One interpretation page over the current analysis and face: collects its
// paragraph lines, builds the document and writes it to "text.htm" of its
// folder (the program folder's when writable, else the per-user one, with
// the style sheets and backgrounds copied there).
class CInterpretationPage {
public:
    explicit CInterpretationPage(std::filesystem::path programFolder, int mode = 0);

    void SetMode(int mode) { m_doc.SetMode(mode); }
    int Mode() const { return m_doc.Mode(); }
    const std::string& ImageBaseUrl() const { return m_imageBase; }

    // Rebuilds the document for this analysis and face. False when there is
    // nothing to show (no type scored yet): the page keeps its last document.
    bool Build(const CFateFrame& fate, const CFaceFrame& face, int style);
    const CInterpretationDocument& Document() const { return m_doc; }

    // Writes the document to FilePath() (put into *path, the file the page
    // shows). False with a message in *error when it could not be written;
    // an earlier file of that name is then left as it was. A document equal
    // to the one this page wrote last is not written again (*unchanged is
    // then set), so that a face change that changes no text leaves the
    // shown page alone.
    bool Write(std::filesystem::path* path = nullptr, std::string* error = nullptr,
               bool* unchanged = nullptr);

    // The path of the page's file as it would be written now.
    std::filesystem::path FilePath(std::string* error = nullptr) const;

private:
    std::filesystem::path m_programFolder;
    std::string m_imageBase;
    CInterpretationDocument m_doc;
    std::vector<std::string> m_paragraphs;
    std::string m_bytes;
    std::string m_written; // the bytes last written to m_writtenPath
    std::filesystem::path m_writtenPath;
    mutable std::filesystem::path m_cachedPath;
};

} // namespace mienlore
