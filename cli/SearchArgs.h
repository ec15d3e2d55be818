#pragma once

// Shared by the search commands: reading a face code argument and the
// gallery face files (--gallery DIR or --fac-list FILE).
#include "CliArgs.h"

#include "files/StoredFace.h"
#include "gallery/SimilarSearchFaces.h"
#include "model/FaceFrame.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace mienlore::cli {

// Reads CODE ("new" for a new face) into face; prints the error and returns
// false when the eight main slots cannot be read.
inline bool ReadFaceArgument(const std::string& code, CFaceFrame& face, const char* command) {
    CFaceFrame copy = face;
    if (!copy.Decode(FaceArgumentCode(code, face.ProgramFolder()), true)) {
        std::fprintf(stderr, "mienlore-cli %s: not a face code: %s\n", command, code.c_str());
        return false;
    }
    face = copy;
    return true;
}

// The gallery face files named by --gallery DIR or --fac-list FILE (the
// last of each when one is repeated).
struct GallerySource {
    std::string folder;
    std::string list;

    explicit GallerySource(const CliArgs& parsed)
        : folder(parsed.Value("--gallery")), list(parsed.Value("--fac-list")) {}

    bool Given() const { return !folder.empty() || !list.empty(); }

    // The faces, or nothing (with the error printed) when they cannot be
    // read.
    std::optional<std::vector<StoredFace>> Read(const char* command) const {
        if (!folder.empty() && !list.empty()) {
            std::fprintf(stderr, "mienlore-cli %s: give --gallery or --fac-list, not both\n",
                         command);
            return std::nullopt;
        }
        std::optional<std::vector<StoredFace>> faces;
        if (folder.empty()) {
            faces = ReadFacList(list);
        } else if (std::error_code ec; std::filesystem::is_directory(folder, ec)) {
            CGallery gallery(ExecutableFolder());
            gallery.LoadFolder(GallFolder::Gallery, folder);
            faces = FaceFilesOf(gallery).faces;
        }
        if (!faces)
            std::fprintf(stderr, "mienlore-cli %s: cannot read %s\n", command,
                         (folder.empty() ? list : folder).c_str());
        return faces;
    }
};

// A whole decimal number, or nothing.
inline std::optional<long> ParseWhole(const std::string& text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

} // namespace mienlore::cli

#include "gallery/TraitSearch.h"

namespace mienlore::cli {

// Sets every "--target ID=POS" into targets, in the order given. False
// (error printed) when one is not the id of a trait and a position 0..100.
inline bool ReadTargets(const CliArgs& parsed, TraitTargets& targets, const char* command) {
    for (const std::string& value : parsed.All("--target")) {
        const std::size_t eq = value.find('=');
        const auto id = eq == std::string::npos ? std::nullopt : ParseWhole(value.substr(0, eq));
        const auto pos = eq == std::string::npos ? std::nullopt : ParseWhole(value.substr(eq + 1));
        // Numbers beyond int are refused here: cut down to int they could
        // pass for a trait id or a position.
        const auto isInt = [](const std::optional<long>& n) {
            return n && *n >= std::numeric_limits<int>::min() &&
                   *n <= std::numeric_limits<int>::max();
        };
        if (!isInt(id) || !isInt(pos) ||
            !targets.Set(static_cast<int>(*id), static_cast<int>(*pos))) {
            std::fprintf(stderr,
                         "mienlore-cli %s: bad --target %s (ID is a trait id 2510..2590 or "
                         "2620..2670, POS 0..100)\n",
                         command, value.c_str());
            return false;
        }
    }
    return true;
}

} // namespace mienlore::cli
