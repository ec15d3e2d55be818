#include "reports/Interpretation.h"

#include "analysis/FateFrame.h"
#include "base/AtomicFile.h"
#include "base/UserDataPath.h"
#include "model/FaceFrame.h"
#include "model/FaceSlot.h"

#include <algorithm>
#include <cstdio>

namespace mienlore {

namespace {

void AppendInt(std::string& s, int v) {
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "%d", v);
    s.append(buf, static_cast<std::size_t>(n));
}

} // namespace

const char* InterpretationFolder(int mode) {
    return mode == kInterpretationType ? "PType" : "Text";
}

const std::vector<std::string>& InterpretationCompanions() {
    static const std::vector<std::string> files = {"phisb.css", "phisw.css", "lineb.gif",
                                                   "linew.gif"};
    return files;
}

std::string PercentEncodeUrlPath(std::string_view path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                          c == '/';
        if (keep) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string TypeImageBaseUrl(const std::filesystem::path& programFolder) {
    const std::string pack = (programFolder / kTypePicturesPack).generic_string();
    return "res://" + PercentEncodeUrlPath(pack) + "/GIFS/";
}

void BuildTypeChart(const std::vector<CPType>& types, std::string_view imageBase,
                    std::vector<std::string>& out) {
    out.clear();
    if (types.empty())
        return;
    std::size_t best = 0;
    double max = 0;
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (types[i].accuracy > max) {
            max = types[i].accuracy;
            best = i;
        }
    }
    if (max <= 0)
        return;

    out.reserve(types.size() * 3 + 1);
    int top = 0;
    std::string line;
    for (std::size_t i = 0; i < types.size(); ++i) {
        const CPType& t = types[i];
        top = static_cast<int>(i) * 18 + 3;
        const int level = std::clamp(static_cast<int>(t.accuracy * 10 / max), 0, 10);

        line.assign("<span class=hHead style=\"top:");
        AppendInt(line, top);
        line.append("\">").append(t.role).append("</span>");
        out.push_back(line);

        line.assign("<div class=hHist style=\"top:");
        AppendInt(line, top);
        line.append(";\"><img src=\"").append(imageBase).append("i-rect-");
        AppendInt(line, level);
        line.append(".gif\" width=\"101\" height=\"14\" title=\"")
            .append(t.style)
            .append(": ")
            .append(t.desire)
            .append(" - ")
            .append(t.negative)
            .append("\"></div>");
        out.push_back(line);

        line.assign("<span class=hTxt  style=\"top:");
        AppendInt(line, top);
        line.append("\">").append(t.code).append("</span>");
        out.push_back(line);
    }

    const CPType& b = types[best];
    line.assign("<div class=hBox style=\"top:");
    AppendInt(line, top + 20);
    line.append(";left:3;width:300;height:100\"><img src=\"")
        .append(imageBase)
        .append("horo-")
        .append(PercentEncodeUrlPath(b.sign))
        .append(".gif\" width=\"20\" height=\"19\" title=\"Astrological type - ")
        .append(b.sign)
        .append("\"> ")
        .append(b.desc);
    out.push_back(line);
}

bool IsInterpretationFaceEmpty(const CFaceFrame& face) {
    for (FaceSlot slot : {FaceSlot::Forehead, FaceSlot::Chin, FaceSlot::Eyes, FaceSlot::Eyebrows,
                          FaceSlot::Nose, FaceSlot::Lips, FaceSlot::Ears})
        if (!face.Slot(static_cast<int>(slot)).IsEmpty())
            return false;
    return true;
}

bool CInterpretationDocument::Build(const std::vector<std::string>& paragraphs, bool faceEmpty,
                                    int style) {
    if (paragraphs.empty())
        return false;
    const bool type = m_mode == kInterpretationType;
    const bool white = style == kPageStyleWhite;
    const bool withParagraphs = !faceEmpty;

    m_lines.resize(4 + (withParagraphs ? paragraphs.size() + 2 : 0) + (type ? 1 : 0));
    std::size_t k = 0;
    m_lines[k++].assign("<html>");
    m_lines[k++].assign(white ? "<LINK REL=STYLESHEET HREF=\"phisw.css\">"
                              : "<LINK REL=STYLESHEET HREF=\"phisb.css\">");
    std::string& body = m_lines[k++];
    body.assign(type ? "<body oncontextmenu=\"return false\" background=\""
                     : "<body background=\"");
    body.append(white ? "linew.gif\">" : "lineb.gif\">");
    if (withParagraphs) {
        m_lines[k++].assign(type ? "<p>" : "<ul>");
        for (const std::string& p : paragraphs) {
            std::string& line = m_lines[k++];
            if (type)
                line.assign(p);
            else
                line.assign("<li>").append(p).append("</li>");
        }
        m_lines[k++].assign(type ? "</p>" : "</ul>");
    }
    if (type)
        m_lines[k++].assign("</div>");
    m_lines[k++].assign("</body></html>");
    return true;
}

std::string CInterpretationDocument::Bytes() const {
    std::string bytes;
    AppendBytes(bytes);
    return bytes;
}

void CInterpretationDocument::AppendBytes(std::string& out) const {
    std::size_t size = out.size();
    for (const std::string& line : m_lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const std::string& line : m_lines) {
        if (line.empty())
            continue;
        out.append(line).append("\r\n");
    }
}

CInterpretationPage::CInterpretationPage(std::filesystem::path programFolder, int mode)
    : m_programFolder(std::move(programFolder)), m_imageBase(TypeImageBaseUrl(m_programFolder)) {
    m_doc.SetMode(mode);
}

bool CInterpretationPage::Build(const CFateFrame& fate, const CFaceFrame& face, int style) {
    if (Mode() == kInterpretationType)
        BuildTypeChart(fate.GetTypes(), m_imageBase, m_paragraphs);
    else
        m_paragraphs = fate.GetReportTexts();
    return m_doc.Build(m_paragraphs, IsInterpretationFaceEmpty(face), style);
}

std::filesystem::path CInterpretationPage::FilePath(std::string* error) const {
    // The folder is decided once: later writes go to the same file.
    if (m_cachedPath.empty() ||
        m_cachedPath.parent_path().filename() != InterpretationFolder(Mode()))
        m_cachedPath = UserDataPath(m_programFolder, InterpretationFolder(Mode()),
                                    kInterpretationFile, InterpretationCompanions(), error);
    return m_cachedPath;
}

bool CInterpretationPage::Write(std::filesystem::path* path, std::string* error, bool* unchanged) {
    const std::filesystem::path file = FilePath(error);
    if (path)
        *path = file;
    if (unchanged)
        *unchanged = false;
    if (file.empty())
        return false;
    m_bytes.clear();
    m_doc.AppendBytes(m_bytes);
    if (file == m_writtenPath && m_bytes == m_written) {
        if (unchanged)
            *unchanged = true;
        return true;
    }
    // Made again at every change of the face: no need to wait for the disk.
    if (!WriteFileAtomically(file, m_bytes, error, false)) {
        m_writtenPath.clear();
        return false;
    }
    m_written.swap(m_bytes);
    m_writtenPath = file;
    return true;
}

} // namespace mienlore
