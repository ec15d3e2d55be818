// Generates the feature picture store into a program folder:
//   FaceArt/<id>.bmp   the picture library, one picture per library id
//   HAIR/<tag><n>.bmp  the picture files of the file-sourced slots
// With --review DIR it also writes contact sheets and composed faces.

#include "BmpFile.h"
#include "Catalogue.h"
#include "Review.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace mienlore::faceart;

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--review") == 0)) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [--review DIR]\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString library = root + "/FaceArt";
    const QString files = root + "/HAIR";
    if (!QDir().mkpath(library) || !QDir().mkpath(files)) {
        std::fprintf(stderr, "cannot create the picture folders in %s\n", argv[1]);
        return 1;
    }
    PictureSet pictures;
    int failures = 0;
    for (const SlotArt& slot : Slots()) {
        std::vector<QImage>& list = pictures[slot.number];
        for (int index = 0; index < PictureCount(slot); ++index) {
            const QImage picture = slot.draw(slot, ShapeOf(slot, index), VariantOf(slot, index));
            list.push_back(picture);
            if (slot.library &&
                !WriteGreyBmp(library + QString("/%1.bmp").arg(LibraryId(slot, index)), picture))
                ++failures;
            if (slot.file &&
                !WriteGreyBmp(files + "/" + QString::fromStdString(FileName(slot, index)), picture))
                ++failures;
        }
    }
    if (failures > 0) {
        std::fprintf(stderr, "%d pictures could not be written\n", failures);
        return 1;
    }
    if (argc == 4) {
        // Text on the sheets needs a platform; none is shown.
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        int qargc = 1;
        QGuiApplication app(qargc, argv);
        const QString folder = QString::fromLocal8Bit(argv[3]);
        if (!QDir().mkpath(folder) || !WriteReviewSheets(pictures, folder)) {
            std::fprintf(stderr, "cannot write the review sheets to %s\n", argv[3]);
            return 1;
        }
    }
    return 0;
}
