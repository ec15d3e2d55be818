#include "model/ui/ShapePictures.h"

#include "imaging/ui/DevibImage.h"
#include "imaging/FeaturePictures.h"

namespace mienlore {

CShapePictures::CShapePictures(const std::filesystem::path& programFolder)
    : m_store(std::make_unique<CFeaturePictures>(programFolder)) {}

CShapePictures::~CShapePictures() = default;

QImage CShapePictures::Picture(const CFaceItem& item, int shape) {
    return ToQImage(m_store->PictureForShape(item, shape));
}

} // namespace mienlore
