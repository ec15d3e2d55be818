#pragma once

#include <QImage>

#include <filesystem>
#include <memory>

namespace mienlore {

class CFaceItem;
class CFeaturePictures;

// The pictures the face page's shape list shows, from the feature picture
// store below the program folder.
class CShapePictures {
public:
    explicit CShapePictures(const std::filesystem::path& programFolder);
    ~CShapePictures();

    // The picture of a shape with the slot's current variant; null when the
    // store has none.
    QImage Picture(const CFaceItem& item, int shape);

private:
    std::unique_ptr<CFeaturePictures> m_store;
};

} // namespace mienlore
