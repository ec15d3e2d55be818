#include "imaging/FaceImageFile.h"

#include "imaging/ImageFile.h"

namespace mienlore {

bool RenderFaceImage(const CFaceCompositor& compositor, CFaceFrame& face, const FaceLook& look,
                     int saveMode, int windowWidth, int windowHeight, CDevib& image) {
    const bool reduce = saveMode > 1;
    const int width = reduce ? kSaveFaceSide : windowWidth;
    const int height = reduce ? kSaveFaceSide : windowHeight;
    if (!image.Create(width, height))
        return false;
    compositor.DrawFace(image, ImageRect{0, 0, width, height}, face, look);
    if (reduce)
        image.BlockAverage(saveMode, saveMode);
    return !image.IsEmpty();
}

bool SaveFaceImage(const CFaceCompositor& compositor, CFaceFrame& face, const FaceLook& look,
                   const std::filesystem::path& path, int saveMode, int windowWidth,
                   int windowHeight, std::string* error) {
    CDevib image;
    if (!RenderFaceImage(compositor, face, look, saveMode, windowWidth, windowHeight, image)) {
        if (error)
            *error = "the face picture has no area";
        return false;
    }
    return WriteFaceImageFile(image, path, saveMode > 1, error);
}

bool WriteFaceImageFile(const CDevib& image, const std::filesystem::path& path, bool reduced,
                        std::string* error) {
    return WriteImageFile(image, path, reduced ? 0 : 1, reduced ? 100 : 75, error);
}

} // namespace mienlore
