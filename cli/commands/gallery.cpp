// mienlore-cli gallery [DIR]: the displayed list of a gallery folder, then its
// gallery face files, one JSON object a line.
#include "CliArgs.h"
#include "CliCommand.h"
#include "analysis/AnalysisJson.h"
#include "base/ProgramFolder.h"
#include "files/StoredFace.h"
#include "gallery/GallCollection.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>

namespace mienlore::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {}, {});
    if (!parsed.error.empty() || parsed.operands.size() > 1) {
        std::fprintf(stderr, "mienlore-cli gallery: %s\n",
                     parsed.error.empty() ? "only one folder is taken" : parsed.error.c_str());
        return 2;
    }
    const std::filesystem::path programFolder = ExecutableFolder();
    const std::filesystem::path folder = parsed.operands.empty()
                                             ? ShippedGalleryFolder(programFolder)
                                             : std::filesystem::path(parsed.operands[0]);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "mienlore-cli: %s is not a folder\n", folder.string().c_str());
        return 1;
    }

    CGallery gallery(programFolder);
    gallery.LoadFolder(GallFolder::Gallery, folder);
    CFaceFrame scratch(programFolder);
    for (const CGallItem& item : gallery.Displayed(GallFolder::Gallery)) {
        const GallTitle title = GalleryTitle(item.PicturePath());
        std::string code;
        std::string name;
        const bool described = item.HasDescription();
        const bool valid = item.ReadDescription(scratch, code, name);
        std::printf("{\"position\":%d,\"file\":%s,\"title\":%s,\"link\":%d,\"described\":%s,"
                    "\"name\":%s,\"code\":%s}\n",
                    item.index, JsonString(item.PicturePath().filename().string()).c_str(),
                    JsonString(title.title).c_str(), title.link, described ? "true" : "false",
                    valid ? JsonString(name).c_str() : "null",
                    valid ? JsonString(StoredFaceCode(code)).c_str() : "null");
    }
    for (const CGallFace& face : gallery.GalleryFaceFiles()) {
        const bool valid = !face.Line().empty();
        std::printf("{\"faceFile\":%s,\"portrait\":%s,\"name\":%s,\"code\":%s}\n",
                    JsonString(face.FaceFilePath().filename().string()).c_str(),
                    std::filesystem::exists(face.PicturePath(), ec) ? "true" : "false",
                    valid ? JsonString(face.Name()).c_str() : "null",
                    valid ? JsonString(StoredFaceCode(face.Line())).c_str() : "null");
    }
    return 0;
}

CliCommandRegistration reg{
    {"gallery", "[DIR]",
     "print the displayed list of a gallery folder (default: the shipped Gallery) as JSON lines "
     "(position, file, title, link, described, name, code), then its face files (faceFile, "
     "portrait, name, code)",
     &Run}};

} // namespace
} // namespace mienlore::cli
