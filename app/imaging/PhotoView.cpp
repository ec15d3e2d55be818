#include "imaging/PhotoView.h"

#include "imaging/ImageFile.h"
#include "imaging/MulDiv.h"

#include <algorithm>
#include <system_error>

namespace mienlore {
namespace {

constexpr PixelWord kWhite = 0xFFFFFF; // CropCentered's fill, stored as given

// A vertical line of grey level g over rows top..bottom - 1 of column x.
void GreyColumn(CDevib& surface, int x, int top, int bottom, int g) {
    if (x < 0 || x >= surface.Width())
        return;
    const PixelWord word = GreyPixel(g);
    const int h = surface.Height();
    for (int y = std::max(top, 0); y < std::min(bottom, h); ++y)
        surface.SetPixel(x, h - 1 - y, word);
}

// The bitmap engine turns a picture clockwise on the screen for positive
// degrees (its rows run bottom-up); the view's rotation counts
// counter-clockwise, so that "Rotate Left" (which adds) turns the picture
// to the left.
double EngineDegrees(int rotation) {
    return -rotation;
}

} // namespace

ImageRect RenderPicture(CDevib& surface, const ImageRect& rect, const CDevib& picture, bool fit) {
    int w = rect.Width(), h = rect.Height();
    if (fit) {
        w = std::min(w, picture.Width());
        h = std::min(h, picture.Height());
    }
    int x = std::max(0, (rect.left + rect.right - w) / 2);
    int y = std::max(0, (rect.top + rect.bottom - h) / 2);
    if (4 * h < rect.Height())
        y -= h;
    const ImageRect placed{x, y, x + w, y + h};
    if (w <= 0 || h <= 0 || picture.IsEmpty())
        return placed;
    CDevib scaled;
    if (!scaled.Create(w, h))
        return placed;
    if (w == picture.Width() && h == picture.Height())
        picture.CopyTo(scaled);
    else
        CDevib::Resample(scaled, picture);
    scaled.DrawTo(surface, x, y, w, h);
    return placed;
}

CPhotoView::CPhotoView(PictureDecoder decoder) : m_decoder(std::move(decoder)) {
    if (!m_decoder)
        m_decoder = DecodeRasterPicture;
}

bool CPhotoView::Decode(const std::filesystem::path& path, DecodedPicture& out,
                        std::string* error) {
    ++m_decodes;
    return DecodeFile(path, out, error);
}

bool CPhotoView::DecodeFile(const std::filesystem::path& path, DecodedPicture& out,
                            std::string* error) const {
    std::string bytes;
    if (!ReadPictureFile(path, bytes, error))
        return false;
    if (!m_decoder(bytes, out, error) || out.bitmap.IsEmpty()) {
        if (error && error->empty())
            *error = "The file is not a picture this program reads.";
        return false;
    }
    return true;
}

bool CPhotoView::Load(const std::filesystem::path& path, std::string* error) {
    DecodedPicture fresh;
    if (!Decode(path, fresh, error))
        return false;
    Keep(path, std::move(fresh));
    return true;
}

void CPhotoView::Take(const std::filesystem::path& path, DecodedPicture picture) {
    ++m_decodes;
    Keep(path, std::move(picture));
}

void CPhotoView::Keep(const std::filesystem::path& path, DecodedPicture picture) {
    m_picture = std::move(picture);
    m_path = path;
    std::error_code ec;
    m_stamp = std::filesystem::last_write_time(path, ec);
    m_fileSize = std::filesystem::file_size(path, ec);
    m_rendered.Release();
}

void CPhotoView::Adopt(DecodedPicture picture) {
    m_picture = std::move(picture);
    m_path.clear();
    m_stamp = {};
    m_fileSize = 0;
    m_rendered.Release();
}

bool CPhotoView::RefreshIfChanged() {
    if (m_path.empty())
        return false;
    std::error_code ec;
    const auto stamp = std::filesystem::last_write_time(m_path, ec);
    if (ec)
        return false;
    const auto size = std::filesystem::file_size(m_path, ec);
    if (ec || (stamp == m_stamp && size == m_fileSize))
        return false;
    DecodedPicture fresh;
    if (!Decode(m_path, fresh, nullptr)) {
        // Keep the copy; do not try again until the file changes once more.
        m_stamp = stamp;
        m_fileSize = size;
        return false;
    }
    m_picture = std::move(fresh);
    m_stamp = stamp;
    m_fileSize = size;
    m_rendered.Release();
    return true;
}

ImageSize CPhotoView::NaturalSize() const {
    if (m_picture.himetricWidth > 0 && m_picture.himetricHeight > 0)
        return {std::max(0, MulDiv(m_picture.himetricWidth, kPhotoDpi, 2540)),
                std::max(0, MulDiv(m_picture.himetricHeight, kPhotoDpi, 2540))};
    return {m_picture.bitmap.Width(), m_picture.bitmap.Height()};
}

ImageSize CPhotoView::RenderSize() const {
    ImageSize s = NaturalSize();
    if (s.width > 2000) {
        const int k = s.width / 1000;
        s.width /= k;
        s.height /= k;
    }
    return s;
}

const CDevib& CPhotoView::Rendered(ImageSize size) {
    const CDevib& source = m_picture.bitmap;
    if (size.width == source.Width() && size.height == source.Height())
        return source;
    if (m_rendered.Width() != size.width || m_rendered.Height() != size.height) {
        if (m_rendered.Create(size.width, size.height))
            CDevib::Resample(m_rendered, source);
    }
    return m_rendered;
}

void CPhotoView::SetZoom(int value) {
    m_zoom = std::clamp(value, kZoomMin, kZoomMax);
}

void CPhotoView::ZoomIn() {
    m_zoom = m_zoom >= kZoomMin + 10 ? m_zoom - 10 : kZoomMin;
}

void CPhotoView::ZoomOut(bool videoRunning) {
    m_zoom = std::min(m_zoom + 10, videoRunning ? kZoomMaxVideo : kZoomMax);
}

void CPhotoView::SetPan(int x, int y) {
    m_panX = std::clamp(x, -kPanXLimit, kPanXLimit);
    m_panY = std::clamp(y, -kPanYLimit, kPanYLimit);
}

void CPhotoView::Reset() {
    m_rotation = 0;
    m_panX = m_panY = 0;
    m_zoom = kZoomDefault;
    effects = {};
}

bool CPhotoView::IsTransformed() const {
    return 10000 / m_zoom != 100 || m_panX != 0 || m_panY != 0 || backgroundFace;
}

void CPhotoView::ApplyEffects(CDevib& image, bool withKey) const {
    if (withKey && keyOn)
        image.ReplaceColor(keyColour, 0, 0);
    if (effects.gray)
        image.ToGray();
    if (effects.smooth)
        image.GlowSmooth(6, 6, 0, false);
    if (effects.median) {
        image.RankFilter(1, 0);
        image.RankFilter(1, -1);
        image.RankFilter(1, 1);
    }
    if (effects.edge)
        image.EdgeMax(0);
    if (effects.blackWhite)
        image.ToBlackWhite(0);
    if (m_rotation != 0)
        image.Rotate(EngineDegrees(m_rotation), true);
    // Edges are shown dark on light: one inversion serves both switches.
    if (effects.invert || effects.edge)
        image.Invert();
}

void CPhotoView::DrawPhoto(CDevib& surface, const ImageRect& rect, bool sketch) {
    if (m_reload)
        RefreshIfChanged();
    const ImageSize natural = NaturalSize();
    const int rw = rect.Width(), rh = rect.Height();
    if (natural.width <= 0 || natural.height <= 0 || rw <= 0 || rh <= 0 || !HasPicture())
        return;
    const int zoomPercent = 10000 / m_zoom;
    double s = std::min(static_cast<double>(rw) / natural.width,
                        static_cast<double>(rh) / natural.height) *
               0.98;
    const bool transformed = IsTransformed();
    if (transformed)
        s = s * zoomPercent / 100;
    int w = static_cast<int>(natural.width * s);
    int h = static_cast<int>(natural.height * s);
    // Large pictures are kept as decoded; smaller ones are looked at again
    // before each draw in case the file changes.
    if (natural.width > 1000)
        m_reload = false;
    if (w <= 0 || h <= 0)
        return;
    const CDevib& source = Rendered(RenderSize());
    if (source.IsEmpty())
        return;

    CDevib view;
    if (transformed) {
        // Only the window of the zoomed picture that shows is resampled; the
        // window is moved by the pan, and what lies beyond the picture white.
        if (!view.Create(rw, rh))
            return;
        const int ox = (w - rw) / 2 - m_panX;
        const int oy = (h - rh) / 2 + m_panY;
        CDevib::ResampleWindow(view, source, w, h, ox, oy, kWhite);
        w = rw;
        h = rh;
    } else {
        if (!view.Create(w, h))
            return;
        CDevib::Resample(view, source);
    }
    const int x = (rw - w) / 2 + rect.left;
    const int y = (rh - h) / 2 + rect.top;

    if (sketch) {
        view.EdgeMax(0);
        if (m_rotation != 0)
            view.Rotate(EngineDegrees(m_rotation), true);
        view.Invert();
    } else {
        ApplyEffects(view, true);
    }

    for (int k = 0; rect.left + k <= x; ++k)
        GreyColumn(surface, rect.left + k, rect.top, rect.bottom,
                   std::max(0, kGradientTop - 2 * (gradientStart + k)));
    view.DrawTo(surface, x, y, w, h);
}

bool SavePhotoView(CPhotoView& view, const std::filesystem::path& path, int width, int height,
                   ColorRef background, std::string* error) {
    if (!view.HasPicture()) {
        if (error)
            *error = "There is no photograph to save.";
        return false;
    }
    CDevib image;
    if (!image.Create(width, height)) {
        if (error)
            *error = "The photo view has no area.";
        return false;
    }
    image.Fill(PixelWordFromColor(background) | kOpaque);
    view.DrawPhoto(image, ImageRect{0, 0, width, height}, false);
    return WriteImageFile(image, path, 1, 75, error);
}

} // namespace mienlore
