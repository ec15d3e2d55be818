#pragma once

// The compositor's pictures from the feature picture store. Decoded pictures
// are kept and handed out again while their file is unchanged (same time and
// size), so that redrawing a face reads no file and the compositor can reuse
// its scaled copies. A missing picture is looked up again every time, so a
// file added later is found at the next drawing.

#include "imaging/FaceCompositor.h"
#include "imaging/FeaturePictures.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace mienlore {

// Told once per file when a picture file exists but cannot be read.
using UnreadablePictureReporter = std::function<void(const std::filesystem::path&)>;

class CFacePictureCache {
public:
    explicit CFacePictureCache(std::filesystem::path programFolder,
                               UnreadablePictureReporter onUnreadable = {});

    // The current picture of one member of the item's slot (0: left or
    // single, 1: right of a pair), or null when there is none.
    std::shared_ptr<const CDevib> Picture(const CFaceItem& item, int which);

private:
    struct Entry {
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        std::shared_ptr<const CDevib> picture;
    };

    CFeaturePictures m_store;
    std::map<std::filesystem::path, Entry> m_entries;
    UnreadablePictureReporter m_onUnreadable;
    std::set<std::filesystem::path> m_reported;
};

// A loader over a cache of its own for the pictures below programFolder.
CFaceCompositor::PictureLoader MakeFacePictureLoader(std::filesystem::path programFolder,
                                                     UnreadablePictureReporter onUnreadable = {});

} // namespace mienlore
