// mienlore-cli sheet SLOT -o FILE.png | sheet all -o DIR: labelled contact
// sheets of the feature pictures.
#include "CliArgs.h"
#include "CliCommand.h"
#include "base/ProgramFolder.h"
#include "imaging/FeaturePictures.h"
#include "imaging/PictureSheet.h"
#include "imaging/PngFile.h"
#include "model/FaceFrame.h"
#include "model/SlotCatalogue.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace mienlore::cli {
namespace {

int Usage(const std::string& problem) {
    std::fprintf(stderr, "mienlore-cli sheet: %s\n", problem.c_str());
    return 2;
}

bool WriteSheet(const CFaceItem& item, CFeaturePictures& store, const std::filesystem::path& path) {
    const CDevib sheet = BuildPictureSheet(item, store);
    std::string error;
    if (sheet.IsEmpty() || !WritePng(sheet, path, &error)) {
        std::fprintf(stderr, "mienlore-cli: cannot write %s: %s\n", path.string().c_str(),
                     error.empty() ? "no picture" : error.c_str());
        return false;
    }
    std::printf("%s\n", path.string().c_str());
    return true;
}

int Run(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {}, {"-o", "--folder"});
    if (!parsed.error.empty())
        return Usage(parsed.error);
    if (parsed.operands.size() != 1)
        return Usage(parsed.operands.empty() ? "no slot named" : "only one slot is taken");
    const std::string slot = parsed.operands[0];
    const std::filesystem::path output = parsed.Value("-o");
    if (output.empty())
        return Usage("no output (-o FILE.png|DIR)");
    const std::filesystem::path folder = parsed.Value("--folder", ExecutableFolder().string());
    CFaceFrame face(folder);
    CFeaturePictures store(folder);
    if (slot == "all") {
        std::error_code error;
        std::filesystem::create_directories(output, error);
        if (!std::filesystem::is_directory(output)) {
            std::fprintf(stderr, "mienlore-cli: cannot create %s\n", output.string().c_str());
            return 1;
        }
        bool ok = true;
        for (int i = 0; i < kFaceSlotCount; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "%02d_%s.png", i + 1, SlotCatalogue(i).tag);
            ok = WriteSheet(face.Item(i), store, output / name) && ok;
        }
        return ok ? 0 : 1;
    }
    const int index = SlotIndexByName(slot);
    if (index < 0) {
        std::fprintf(stderr, "mienlore-cli: no slot named %s\n", slot.c_str());
        return 2;
    }
    return WriteSheet(face.Item(index), store, output) ? 0 : 1;
}

CliCommandRegistration reg{{"sheet", "SLOT|all -o FILE.png|DIR [--folder DIR]",
                            "contact sheet of every picture of a slot (tag, slot number or "
                            "name), rows = shapes, columns = variants; all: the twelve sheets "
                            "into DIR",
                            &Run}};

} // namespace
} // namespace mienlore::cli
