// Generates the feature picture store into a program folder:
//   FaceArt/<id>.bmp   the picture library, one picture per library id
//   HAIR/<tag><n>.bmp  the picture files of the file-sourced slots
// With --stamp FILE it draws only when FILE was written by another build of
// this program or a file it lists is missing, and afterwards lists every
// written file in FILE.
// With --review DIR it also writes contact sheets and composed faces.

#include "Catalogue.h"
#include "Review.h"

#include "base/AtomicFile.h"
#include "base/WholeFile.h"
#include "imaging/BmpFile.h"
#include "model/FaceItemPict.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

using namespace mienlore::faceart;
namespace fs = std::filesystem;

namespace {

// The first line of the stamp: a checksum of this program's bytes, so that a
// rebuilt generator draws again while a relink that changed nothing does not.
std::string ProgramMark() {
    std::string bytes;
    if (mienlore::ReadWholeFile("/proc/self/exe", bytes) != mienlore::FileRead::Done)
        return "# unknown";
    std::uint64_t hash = 14695981039346656037ull; // 64-bit FNV-1a
    for (const unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ull;
    return "# " + std::to_string(hash);
}

// True when the stamp carries this program's mark and every file it lists exists.
bool UpToDate(const fs::path& stamp, const std::string& mark) {
    std::string listed;
    if (mienlore::ReadWholeFile(stamp, listed) != mienlore::FileRead::Done)
        return false;
    std::istringstream lines(listed);
    std::string line;
    if (!std::getline(lines, line) || line != mark)
        return false;
    std::error_code error;
    int files = 0;
    while (std::getline(lines, line)) {
        if (!fs::is_regular_file(line, error))
            return false;
        ++files;
    }
    return files > 0;
}

bool Write(const QImage& drawn, const fs::path& path, std::vector<fs::path>& written) {
    const QImage picture = drawn.convertToFormat(QImage::Format_Grayscale8);
    std::string error;
    if (!mienlore::WriteGreyBmp(picture.width(), picture.height(), picture.constBits(),
                                static_cast<std::size_t>(picture.bytesPerLine()), path, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    written.push_back(path);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool review = argc == 4 && std::strcmp(argv[2], "--review") == 0;
    const bool stamped = argc == 4 && std::strcmp(argv[2], "--stamp") == 0;
    if (argc != 2 && !review && !stamped) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [--review DIR | --stamp FILE]\n", argv[0]);
        return 2;
    }
    const std::string mark = stamped ? ProgramMark() : std::string();
    if (stamped && UpToDate(argv[3], mark))
        return 0;

    const fs::path root = argv[1];
    const fs::path library = mienlore::PictureLibraryFolder(root);
    const fs::path files = mienlore::PictureFileFolder(root);
    std::error_code error;
    fs::create_directories(library, error);
    if (!error)
        fs::create_directories(files, error);
    if (error) {
        std::fprintf(stderr, "cannot create the picture folders in %s\n", argv[1]);
        return 1;
    }
    PictureSet pictures;
    std::vector<fs::path> written;
    int failures = 0;
    for (const SlotArt& slot : Slots()) {
        std::vector<QImage>& list = pictures[slot.number];
        for (int index = 0; index < PictureCount(slot); ++index) {
            const QImage picture = slot.draw(slot, ShapeOf(slot, index), VariantOf(slot, index));
            list.push_back(picture);
            if (slot.library &&
                !Write(picture, mienlore::PictureLibraryPath(root, LibraryId(slot, index)),
                       written))
                ++failures;
            if (slot.file && !Write(picture, files / FileName(slot, index), written))
                ++failures;
        }
    }
    if (failures > 0) {
        std::fprintf(stderr, "%d pictures could not be written\n", failures);
        return 1;
    }
    if (stamped) {
        std::string listed = mark + "\n";
        for (const fs::path& path : written)
            listed += path.string() + "\n";
        std::string message;
        if (!mienlore::WriteFileAtomically(argv[3], listed, &message)) {
            std::fprintf(stderr, "%s\n", message.c_str());
            return 1;
        }
    }
    if (review) {
        // Text on the sheets needs a platform; none is shown.
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        int qargc = 1;
        QGuiApplication app(qargc, argv);
        const QString folder = QString::fromLocal8Bit(argv[3]);
        if (!fs::is_directory(argv[3]) && !fs::create_directories(argv[3], error)) {
            std::fprintf(stderr, "cannot create %s\n", argv[3]);
            return 1;
        }
        if (!WriteReviewSheets(pictures, folder)) {
            std::fprintf(stderr, "cannot write the review sheets to %s\n", argv[3]);
            return 1;
        }
    }
    return 0;
}
