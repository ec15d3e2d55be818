#include "files/LineFile.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"
#include "base/WholeFile.h"

namespace mienlore {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
} // namespace

LineReadResult SplitLines(std::string_view bytes) {
    LineReadResult result;
    result.opened = true;
    if (bytes.substr(0, 3) == kByteOrderMark) {
        bytes.remove_prefix(3);
        result.byteOrderMark = true;
    }

    std::string line; // the current line's bytes; CRs are dropped and not counted
    auto keepRaw = [&](std::string bytesOfLine) {
        result.raw.resize(result.lines.size());
        result.raw.back() = std::move(bytesOfLine);
    };
    auto finishLine = [&] {
        if (line.size() > kMaxLineBytes) {
            result.tooLong.push_back(result.lines.size());
            result.lines.emplace_back();
            keepRaw(std::move(line));
        } else {
            std::string text = Utf8From8Bit(line);
            const bool changed = text != line;
            result.lines.push_back(std::move(text));
            if (changed)
                keepRaw(std::move(line));
        }
        line.clear();
    };
    for (const char c : bytes) {
        if (c == '\n') {
            finishLine();
            continue;
        }
        if (c != '\r')
            line += c;
    }
    if (!line.empty())
        finishLine();
    if (!result.raw.empty())
        result.raw.resize(result.lines.size());
    return result;
}

LineReadResult ReadLines(const std::filesystem::path& path) {
    std::string bytes;
    const FileRead read = ReadWholeFile(path, bytes, kMaxLineFileBytes);
    if (read == FileRead::TooLarge) {
        LineReadResult refused;
        refused.tooLarge = true;
        return refused;
    }
    if (read != FileRead::Done)
        return {};
    return SplitLines(bytes);
}

std::string JoinLines(const std::vector<std::string>& lines, bool byteOrderMark) {
    std::string out(byteOrderMark ? kByteOrderMark : "");
    for (const auto& line : lines) {
        if (line.empty())
            continue;
        out += line;
        out += "\r\n";
    }
    return out;
}

WriteResult WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                       bool byteOrderMark) {
    if (path.empty())
        return WriteResult{false, "no file name given"};
    WriteResult result;
    result.ok = WriteFileAtomically(path, JoinLines(lines, byteOrderMark), &result.error);
    return result;
}

} // namespace mienlore
