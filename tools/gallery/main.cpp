// The shipped gallery generator: composes named portraits from a fixed seed
// and writes them with their descriptions and face files into the program
// folder's Gallery/, plus the "no picture" stand-in of the program folder.
//
//   mienlore-gallery PROGRAM_FOLDER NAMES_FILE [COUNT]
#include "base/CrtRandom.h"
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "gallery/GallEdit.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "imaging/JpegFile.h"
#include "model/FaceFrame.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

using namespace mienlore;

namespace {

constexpr unsigned kSeed = 1831;
constexpr int kDefaultCount = 420;
// Portraits are composed at the face window's size, trimmed of the window's
// edge columns and scaled to 3/5.
constexpr int kRenderWidth = 260;
constexpr int kRenderHeight = 300;
constexpr int kTrimWidth = 248;
constexpr int kPortraitWidth = kTrimWidth * 3 / 5;
constexpr int kPortraitHeight = kRenderHeight * 3 / 5;
// Every tenth portrait has no description; every seventieth face file has no
// portrait.
constexpr int kUndescribedEvery = 10;
constexpr int kNoPortraitEvery = 70;

struct Names {
    std::vector<std::string> female, male, family;
};

bool ReadNames(const std::filesystem::path& path, Names& names) {
    const LineReadResult read = ReadLines(path);
    if (!read.opened)
        return false;
    std::vector<std::string>* list = nullptr;
    for (const std::string& line : read.lines) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line == "[female]")
            list = &names.female;
        else if (line == "[male]")
            list = &names.male;
        else if (line == "[family]")
            list = &names.family;
        else if (list)
            list->push_back(line);
    }
    return !names.female.empty() && !names.male.empty() && !names.family.empty();
}

// A varied face: every slot chosen at random, the main features never
// absent; women without moustache and beard, men with them now and then.
void RandomFace(CFaceFrame& face, CCrtRandom& random, bool male) {
    for (int i = 0; i < kFaceSlotCount; ++i) {
        CFaceItem& item = face.Item(i);
        item.Randomize(random);
        if (i < kMainSlotCount && item.IsEmpty()) {
            item.SetShape(item.GetShape() - 1);
            item.Reload();
        }
    }
    CFaceItem& moustache = face.Slot(FaceSlot::Moustache);
    CFaceItem& beard = face.Slot(FaceSlot::Beard);
    if (!male || random.Next() % 3 != 0)
        moustache.Reset();
    if (!male || random.Next() % 4 != 0)
        beard.Reset();
    face.Slot(FaceSlot::Glasses).Reset();
}

bool Render(const CFaceCompositor& compositor, CFaceFrame& face, CDevib& image) {
    FaceLook look;
    look.showInfo = false;
    look.smoothing = 1;
    CDevib full;
    compositor.Render(full, kRenderWidth, kRenderHeight, face, look);
    if (full.IsEmpty())
        return false;
    full.CropCentered(ImageRect{0, 0, kTrimWidth, kRenderHeight}, 0xFFFFFFFFu);
    if (!image.Create(kPortraitWidth, kPortraitHeight))
        return false;
    CDevib::Resample(image, full);
    return true;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "mienlore-gallery: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: mienlore-gallery PROGRAM_FOLDER NAMES_FILE [COUNT]\n");
        return 2;
    }
    const std::filesystem::path programFolder = argv[1];
    const int count = argc == 4 ? std::atoi(argv[3]) : kDefaultCount;
    Names names;
    if (!ReadNames(argv[2], names))
        return Fail(std::string("cannot read the names in ") + argv[2]);
    const std::size_t pairs = (names.female.size() + names.male.size()) * names.family.size();
    if (count <= 0 || static_cast<std::size_t>(count) > pairs / 2)
        return Fail("not enough names for " + std::to_string(count) + " portraits");

    const std::filesystem::path folder = programFolder / "Gallery";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // Portraits of an earlier run go first, so that the folder holds exactly
    // this run's collection.
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string stem = entry.path().filename().string();
        if (stem.rfind("drawme-", 0) == 0)
            std::filesystem::remove(entry.path(), ec);
    }

    const CFaceCompositor compositor(MakeFacePictureLoader(programFolder));
    CCrtRandom random(kSeed);
    std::set<std::string> taken;
    CDevib image;
    for (int n = 0; n < count; ++n) {
        const bool male = random.Next() % 2 == 0;
        const std::vector<std::string>& given = male ? names.male : names.female;
        std::string name;
        do {
            name = given[static_cast<std::size_t>(random.Next()) % given.size()] + " " +
                   names.family[static_cast<std::size_t>(random.Next()) % names.family.size()];
        } while (!taken.insert(name).second);
        const std::string given1 = name.substr(0, name.find(' '));
        const std::string family = name.substr(name.find(' ') + 1);
        const std::string base = "drawme-" + given1 + "-" + family;

        CFaceFrame face(programFolder);
        RandomFace(face, random, male);
        const GallEntryPaths paths = GalleryEntryPaths(folder, base);
        const bool portrait = n % kNoPortraitEvery != kNoPortraitEvery - 1;
        if (portrait) {
            std::string error;
            if (!Render(compositor, face, image))
                return Fail("cannot compose the face of " + name);
            if (!WriteJpeg(image, paths.picture, kJpegSubsampledColour, 85, &error))
                return Fail(error);
        }
        const WriteResult written =
            WriteGalleryEntry(paths.description, paths.faceFile, face, name);
        if (!written)
            return Fail(written.error);
        if (!portrait || n % kUndescribedEvery == kUndescribedEvery - 1)
            std::filesystem::remove(paths.description, ec);
    }

    // The stand-in picture of a face without portrait: the empty head.
    CFaceFrame blank(programFolder);
    blank.Clear();
    std::string error;
    if (!Render(compositor, blank, image) ||
        !WriteJpeg(image, programFolder / "no-picture.jpg", kJpegSubsampledColour, 85, &error))
        return Fail("cannot write no-picture.jpg " + error);
    return 0;
}
