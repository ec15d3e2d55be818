#pragma once

// Shared by the search commands: reading a face code argument and the
// gallery face files (--gallery DIR or --fac-list FILE).
#include "files/StoredFace.h"
#include "gallery/SimilarSearchFaces.h"
#include "model/FaceFrame.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace mienlore::cli {

// Reads CODE ("new" for a new face) into face; prints the error and returns
// false when the eight main slots cannot be read.
inline bool ReadFaceArgument(const std::string& code, CFaceFrame& face, const char* command) {
    if (code == "new")
        return true;
    CFaceFrame copy = face;
    if (!copy.Decode(code, true)) {
        std::fprintf(stderr, "mienlore-cli %s: not a face code: %s\n", command, code.c_str());
        return false;
    }
    face = copy;
    return true;
}

// The gallery face files named by --gallery DIR or --fac-list FILE.
struct GallerySource {
    std::string folder;
    std::string list;
    bool Given() const { return !folder.empty() || !list.empty(); }

    // Takes --gallery / --fac-list at args[i] (moving i past the value);
    // false when args[i] is neither.
    bool Take(const std::vector<std::string>& args, std::size_t& i) {
        if (i + 1 >= args.size())
            return false;
        if (args[i] == "--gallery") {
            folder = args[++i];
            return true;
        }
        if (args[i] == "--fac-list") {
            list = args[++i];
            return true;
        }
        return false;
    }

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

// Reads "--target ID=POS" at args[i] into targets (moving i past the
// value). Returns 0 when args[i] is no --target, 1 when taken, -1 (error
// printed) when the value is not an ID=POS of a trait and a position 0..100.
inline int TakeTarget(const std::vector<std::string>& args, std::size_t& i, TraitTargets& targets,
                      const char* command) {
    if (args[i] != "--target")
        return 0;
    if (i + 1 >= args.size()) {
        std::fprintf(stderr, "mienlore-cli %s: --target needs ID=POS\n", command);
        return -1;
    }
    const std::string& value = args[++i];
    const std::size_t eq = value.find('=');
    const auto id = eq == std::string::npos ? std::nullopt : ParseWhole(value.substr(0, eq));
    const auto pos = eq == std::string::npos ? std::nullopt : ParseWhole(value.substr(eq + 1));
    if (!id || !pos || !targets.Set(static_cast<int>(*id), static_cast<int>(*pos))) {
        std::fprintf(stderr,
                     "mienlore-cli %s: bad --target %s (ID is a trait id 2510..2590 or "
                     "2620..2670, POS 0..100)\n",
                     command, value.c_str());
        return -1;
    }
    return 1;
}

} // namespace mienlore::cli
