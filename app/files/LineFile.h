#pragma once

#include "base/WriteResult.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore {

// Longest line the reader accepts, in bytes without its line break. Lines the
// program writes stay far below it (a stored face with a 255-character name is
// under 1 KiB); a longer line is not a face line.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

// Largest file the line reader takes, in bytes: room for well over a hundred
// thousand stored faces. A larger file is refused before it is read, so that a
// wrong file chosen by mistake cannot ask for unbounded memory.
inline constexpr std::uintmax_t kMaxLineFileBytes = 32u * 1024 * 1024;

struct LineReadResult {
    // False when the file could not be opened (it then reads as empty).
    bool opened = false;
    // True when the file was not read because it is larger than
    // kMaxLineFileBytes (opened is then false).
    bool tooLarge = false;
    // Every line of the file in order, as UTF-8. A line longer than
    // kMaxLineBytes stands here as an empty string, so that the positions of
    // the others do not move; callers skip empty lines.
    std::vector<std::string> lines;
    // True when the file began with a UTF-8 byte order mark (not part of
    // the first line); a list written back keeps it.
    bool byteOrderMark = false;
    // Zero-based numbers of the lines left out for their length.
    std::vector<std::size_t> tooLong;
    // The bytes of a line as they stand in the file (without CRs), for the
    // lines whose text above differs from them: lines longer than
    // kMaxLineBytes and lines with bytes that are not UTF-8. Empty for every
    // other line (and then as long as lines, or empty when no line differs).
    std::vector<std::string> raw;

    // The file's own bytes of line i, for writing back a line that is not
    // understood exactly as it was.
    const std::string& RawLine(std::size_t i) const {
        return i < raw.size() && !raw[i].empty() ? raw[i] : lines[i];
    }
};

// Splits text into lines: LF ends a line, every CR is dropped, and a last
// line without a line break is a line like any other. Bytes that are not
// valid UTF-8 are taken as Windows-1252 (the 8-bit files of older copies of
// the program). A UTF-8 byte order mark at the start is dropped.
LineReadResult SplitLines(std::string_view bytes);

// Reads a text file with SplitLines. A file larger than kMaxLineFileBytes is
// not read (tooLarge).
LineReadResult ReadLines(const std::filesystem::path& path);

// The bytes the writer stores: every non-empty line followed by CR LF, after
// a UTF-8 byte order mark when asked (a file read with one gets it back) or
// when the first line itself begins with one (which the reader would
// otherwise take for the file's and drop).
std::string JoinLines(const std::vector<std::string>& lines, bool byteOrderMark = false);

// Writes JoinLines(lines) through a temporary file in the same folder that is
// flushed and renamed over the target: either the whole new content is in
// place or the old file is untouched and the result says why.
WriteResult WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                       bool byteOrderMark = false);

} // namespace mienlore
