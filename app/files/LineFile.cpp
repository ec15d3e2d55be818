#include "files/LineFile.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"
#include "base/WholeFile.h"

#include <algorithm>

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
    // A first line that itself begins with the mark would lose it to the
    // reader, which takes a leading mark as the file's: such a file gets a
    // mark of its own in front.
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& line) { return !line.empty(); });
    if (first != lines.end() && std::string_view(*first).substr(0, 3) == kByteOrderMark)
        byteOrderMark = true;
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
