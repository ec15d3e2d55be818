#include "files/LineFile.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"
#include "base/WholeFile.h"

namespace mienlore {

LineReadResult SplitLines(std::string_view bytes) {
    LineReadResult result;
    result.opened = true;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);

    std::string line;
    std::size_t lineBytes = 0; // bytes of the current line; CRs are dropped and not counted
    auto finishLine = [&] {
        if (lineBytes > kMaxLineBytes) {
            result.tooLong.push_back(result.lines.size());
            result.lines.emplace_back();
        } else {
            result.lines.push_back(Utf8From8Bit(line));
        }
        line.clear();
        lineBytes = 0;
    };
    for (const char c : bytes) {
        if (c == '\n') {
            finishLine();
            continue;
        }
        if (c == '\r')
            continue;
        if (++lineBytes <= kMaxLineBytes)
            line += c;
    }
    if (lineBytes > 0)
        finishLine();
    return result;
}

LineReadResult ReadLines(const std::filesystem::path& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes) != FileRead::Done)
        return {};
    return SplitLines(bytes);
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        if (line.empty())
            continue;
        out += line;
        out += "\r\n";
    }
    return out;
}

WriteResult WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    if (path.empty())
        return WriteResult{false, "no file name given"};
    WriteResult result;
    result.ok = WriteFileAtomically(path, JoinLines(lines), &result.error);
    return result;
}

} // namespace mienlore
