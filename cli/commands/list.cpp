// mienlore-cli list FILE: the stored faces of a face list, one JSON object a
// line.
#include "CliArgs.h"
#include "CliCommand.h"
#include "analysis/AnalysisJson.h"
#include "base/ProgramFolder.h"
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "model/FaceFrame.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {}, {});
    if (!parsed.error.empty() || parsed.operands.size() != 1) {
        std::fprintf(stderr, "mienlore-cli list: %s\n",
                     parsed.error.empty() ? "needs one list file" : parsed.error.c_str());
        return 2;
    }
    const std::string& path = parsed.operands[0];
    const LineReadResult read = ReadLines(path);
    if (read.tooLarge) {
        std::fprintf(stderr,
                     "mienlore-cli list: %s is larger than %ju MB, the largest face list "
                     "read\n",
                     path.c_str(), static_cast<std::uintmax_t>(kMaxLineFileBytes / (1024 * 1024)));
        return 1;
    }
    if (!read.opened) {
        std::fprintf(stderr, "mienlore-cli: cannot read %s\n", path.c_str());
        return 1;
    }
    CFaceFrame scratch(ExecutableFolder());
    // A file of which no line holds a face is not a face list (a picture or
    // other file given by mistake): say so instead of listing its bytes.
    // Each line is checked once; the listing below reuses the answers.
    std::vector<bool> valid(read.lines.size(), false);
    std::size_t nonEmpty = 0, faces = 0;
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        const std::string& line = read.lines[i];
        nonEmpty += !line.empty();
        valid[i] = !line.empty() && ValidateStoredLine(line, scratch).has_value();
        faces += valid[i];
    }
    if (faces == 0 && (nonEmpty > 0 || !read.tooLong.empty())) {
        std::fprintf(stderr,
                     "mienlore-cli list: %s is not a face list: none of its lines holds a face\n",
                     path.c_str());
        return 1;
    }
    std::size_t tooLong = 0;
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        const std::string& line = read.lines[i];
        if (tooLong < read.tooLong.size() && read.tooLong[tooLong] == i) {
            ++tooLong;
            std::printf("{\"position\":%zu,\"valid\":false,\"error\":\"line longer than %zu "
                        "bytes\"}\n",
                        i, kMaxLineBytes);
            continue;
        }
        if (line.empty())
            continue;
        std::printf("{\"position\":%zu,\"name\":%s,\"code\":%s,\"valid\":%s}\n", i,
                    JsonString(StoredFaceName(line)).c_str(),
                    JsonString(StoredFaceCode(line)).c_str(), valid[i] ? "true" : "false");
    }
    return 0;
}

CliCommandRegistration reg{{"list", "FILE",
                            "print every stored face of a face list (.phy) as a JSON line: "
                            "position (line number from 0), name, code, valid",
                            &Run}};

} // namespace
} // namespace mienlore::cli
