#include "files/LineFile.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"

#include <fstream>

namespace mienlore {

LineReadResult SplitLines(std::string_view bytes) {
    LineReadResult result;
    result.opened = true;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);

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
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) // a folder, a device, a pipe
        return {};
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxLineFileBytes) {
        LineReadResult refused;
        refused.tooLarge = true;
        return refused;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    // Read at most one byte past the limit: a file that grew after its size
    // was taken is refused all the same.
    std::string bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxLineFileBytes) {
            LineReadResult refused;
            refused.tooLarge = true;
            return refused;
        }
    }
    if (in.bad())
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
