#include "model/FaceItemPict.h"

#include <cstdio>
#include <string>

namespace mienlore {

std::filesystem::path CFaceItemPict::FilePath(const std::filesystem::path& programFolder) const {
    return PictureFileFolder(programFolder) / fileName;
}

std::filesystem::path PictureLibraryFolder(const std::filesystem::path& programFolder) {
    return programFolder / "FaceArt";
}

std::filesystem::path PictureFileFolder(const std::filesystem::path& programFolder) {
    return programFolder / "HAIR";
}

std::filesystem::path PictureLibraryPath(const std::filesystem::path& programFolder,
                                         int resourceId) {
    return PictureLibraryFolder(programFolder) / (std::to_string(resourceId) + ".bmp");
}

int PictureResourceId(int slotNumber, int side, int pictIndex) {
    return 10000 + 1000 * slotNumber + (side != 0 ? 100 : 0) + pictIndex;
}

std::string PictureFileName(const char* tag, int side, int pictIndex) {
    const char* sideMark = side < 0 ? "0" : side > 0 ? "1" : "";
    char name[48];
    std::snprintf(name, sizeof name, pictIndex < 10 ? "%s%s_%1d.bmp" : "%s%s%2d.bmp", tag, sideMark,
                  pictIndex);
    return name;
}

} // namespace mienlore
