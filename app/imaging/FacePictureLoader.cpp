#include "imaging/FacePictureLoader.h"

#include <system_error>
#include <utility>

namespace mienlore {

namespace {

// The file the store reads for the item's current picture.
std::filesystem::path CurrentPicturePath(const std::filesystem::path& folder, const CFaceItem& item,
                                         int which) {
    const CFaceItemPict& pict = item.pict[which == 0 ? 0 : 1];
    if (pict.fromLibrary)
        return PictureLibraryPath(folder, pict.resourceId);
    return pict.FilePath(folder);
}

} // namespace

CFacePictureCache::CFacePictureCache(std::filesystem::path programFolder,
                                     UnreadablePictureReporter onUnreadable)
    : m_store(std::move(programFolder)), m_onUnreadable(std::move(onUnreadable)) {}

std::shared_ptr<const CDevib> CFacePictureCache::Picture(const CFaceItem& item, int which) {
    const std::filesystem::path path = CurrentPicturePath(m_store.ProgramFolder(), item, which);
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    const auto size = error ? 0 : std::filesystem::file_size(path, error);
    if (error) {
        m_entries.erase(path);
        return nullptr;
    }
    if (auto it = m_entries.find(path);
        it != m_entries.end() && it->second.time == time && it->second.size == size)
        return it->second.picture;

    auto picture = std::make_shared<CDevib>(m_store.CurrentPicture(item, which));
    if (picture->IsEmpty()) {
        m_entries.erase(path);
        if (m_onUnreadable && m_reported.insert(path).second)
            m_onUnreadable(path);
        return nullptr;
    }
    m_entries[path] = Entry{time, size, picture};
    return picture;
}

CFaceCompositor::PictureLoader MakeFacePictureLoader(std::filesystem::path programFolder,
                                                     UnreadablePictureReporter onUnreadable) {
    auto cache =
        std::make_shared<CFacePictureCache>(std::move(programFolder), std::move(onUnreadable));
    return [cache](const CFaceItem& item, int which) { return cache->Picture(item, which); };
}

} // namespace mienlore
