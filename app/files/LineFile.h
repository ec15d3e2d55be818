#pragma once

#include "base/WriteResult.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore {

// Longest line the reader accepts, in bytes without its line break. Lines the
// program writes stay far below it (a stored face with a 255-character name is
// under 1 KiB); a longer line is not a face line.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

struct LineReadResult {
    // False when the file could not be opened (it then reads as empty).
    bool opened = false;
    // Every line of the file in order, as UTF-8. A line longer than
    // kMaxLineBytes stands here as an empty string, so that the positions of
    // the others do not move; callers skip empty lines.
    std::vector<std::string> lines;
    // Zero-based numbers of the lines left out for their length.
    std::vector<std::size_t> tooLong;
};

// Splits text into lines: LF ends a line, every CR is dropped, and a last
// line without a line break is a line like any other. Bytes that are not
// valid UTF-8 are taken as Windows-1252 (the 8-bit files of older copies of
// the program). A UTF-8 byte order mark at the start is dropped.
LineReadResult SplitLines(std::string_view bytes);

// Reads a text file with SplitLines.
LineReadResult ReadLines(const std::filesystem::path& path);

// The bytes the writer stores: every non-empty line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Writes JoinLines(lines) through a temporary file in the same folder that is
// flushed and renamed over the target: either the whole new content is in
// place or the old file is untouched and the result says why.
WriteResult WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace mienlore
