#include "imaging/ui/PictureReaders.h"

#include "imaging/MulDiv.h"
#include "imaging/PhotoView.h"
#include "imaging/ui/DevibImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace mienlore {
namespace {

void SetError(std::string* error, const std::string& text) {
    if (error)
        *error = text;
}

std::uint32_t LeU32(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}
std::int32_t LeI32(std::string_view b, std::size_t at) {
    return static_cast<std::int32_t>(LeU32(b, at));
}
std::uint16_t LeU16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}
std::int16_t LeI16(std::string_view b, std::size_t at) {
    return static_cast<std::int16_t>(LeU16(b, at));
}

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr std::uint32_t kEmfSignature = 0x464D4520u; // " EMF"

// Draws SVG text at the natural size on white.
bool RenderSvg(const QByteArray& svg, int himetricW, int himetricH, DecodedPicture& picture,
               std::string* error) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        SetError(error, "The metafile cannot be drawn.");
        return false;
    }
    int w = MulDiv(himetricW, kPhotoDpi, 2540);
    int h = MulDiv(himetricH, kPhotoDpi, 2540);
    if (w <= 0 || h <= 0) {
        // No physical size: the drawing's own size.
        w = renderer.defaultSize().width();
        h = renderer.defaultSize().height();
        himetricW = himetricH = 0;
    }
    if (w <= 0 || h <= 0) {
        SetError(error, "The metafile has no usable size.");
        return false;
    }
    // A drawing beyond the picture limit is drawn smaller.
    const int factor = PictureShrinkFactor(w, h);
    w = (w + factor - 1) / factor;
    h = (h + factor - 1) / factor;
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull()) {
        SetError(error, "The metafile is too large.");
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, QRectF(0, 0, w, h));
    }
    if (!FromQImage(image, picture.bitmap)) {
        SetError(error, "The metafile cannot be drawn.");
        return false;
    }
    picture.himetricWidth = himetricW;
    picture.himetricHeight = himetricH;
    return true;
}

} // namespace

bool IsWmf(std::string_view b) {
    if (b.size() >= 22 && LeU32(b, 0) == kPlaceableKey)
        return true;
    // A metafile without the placeable header: type 1 or 2, header of 9 words.
    return b.size() >= 18 && (LeU16(b, 0) == 1 || LeU16(b, 0) == 2) && LeU16(b, 2) == 9 &&
           (LeU16(b, 4) == 0x0100 || LeU16(b, 4) == 0x0300);
}

bool IsEmf(std::string_view b) {
    return b.size() >= 88 && LeU32(b, 0) == 1 && LeU32(b, 40) == kEmfSignature;
}

bool DecodeWmf(std::string_view bytes, DecodedPicture& picture, std::string* error) {
    picture.bitmap.Release();
    // The physical size of a placeable metafile: its box in units per inch.
    int himetricW = 0, himetricH = 0;
    if (bytes.size() >= 22 && LeU32(bytes, 0) == kPlaceableKey) {
        const int unitsPerInch = LeU16(bytes, 14);
        const int boxW = LeI16(bytes, 10) - LeI16(bytes, 6);
        const int boxH = LeI16(bytes, 12) - LeI16(bytes, 8);
        if (unitsPerInch > 0) {
            himetricW = MulDiv(std::abs(boxW), 2540, unitsPerInch);
            himetricH = MulDiv(std::abs(boxH), 2540, unitsPerInch);
        }
    }
    wmfAPI* api = nullptr;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        SetError(error, "The WMF reader cannot be started.");
        return false;
    }
    std::string copy(bytes); // the reader takes a writable buffer
    wmfD_Rect box{};
    bool ok = wmf_mem_open(api, reinterpret_cast<unsigned char*>(copy.data()),
                           static_cast<long>(copy.size())) == wmf_E_None &&
              wmf_scan(api, 0, &box) == wmf_E_None;
    QByteArray svg;
    if (ok) {
        wmf_svg_t* device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->Description = const_cast<char*>("photograph");
        device->bbox = box;
        unsigned int w = 0, h = 0;
        wmf_display_size(api, &w, &h, kPhotoDpi, kPhotoDpi);
        device->width = w;
        device->height = h;
        ok = device->out && wmf_play(api, 0, &box) == wmf_E_None;
        if (device->out) {
            char* text = nullptr;
            unsigned long length = 0;
            wmf_stream_destroy(api, device->out, &text, &length);
            // The text belongs to the reader and goes with it.
            if (text)
                svg = QByteArray(text, static_cast<qsizetype>(length));
        }
        if (himetricW == 0 && w > 0 && h > 0) {
            himetricW = MulDiv(static_cast<int>(w), 2540, kPhotoDpi);
            himetricH = MulDiv(static_cast<int>(h), 2540, kPhotoDpi);
        }
    }
    wmf_api_destroy(api);
    if (!ok || svg.isEmpty()) {
        SetError(error, "The WMF picture cannot be read.");
        return false;
    }
    return RenderSvg(svg, himetricW, himetricH, picture, error);
}

bool DecodeEmf(std::string_view bytes, DecodedPicture& picture, std::string* error) {
    picture.bitmap.Release();
    if (!IsEmf(bytes)) {
        SetError(error, "The EMF picture cannot be read.");
        return false;
    }
    // The frame, in hundredths of a millimetre, inclusive.
    const int himetricW = LeI32(bytes, 32) - LeI32(bytes, 24);
    const int himetricH = LeI32(bytes, 36) - LeI32(bytes, 28);
    const int w = MulDiv(himetricW, kPhotoDpi, 2540), h = MulDiv(himetricH, kPhotoDpi, 2540);
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("");
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = w > 0 ? w : 0;
    options.imgHeight = h > 0 ? h : 0;
    std::string copy(bytes);
    char* out = nullptr;
    size_t length = 0;
    const int rc = emf2svg(copy.data(), copy.size(), &out, &length, &options);
    QByteArray svg;
    if (out) {
        svg = QByteArray(out, static_cast<qsizetype>(length));
        std::free(out);
    }
    if (!rc || svg.isEmpty()) {
        SetError(error, "The EMF picture cannot be read.");
        return false;
    }
    return RenderSvg(svg, himetricW, himetricH, picture, error);
}

bool DecodeAnyPicture(std::string_view bytes, DecodedPicture& picture, std::string* error) {
    picture.bitmap.Release();
    picture.himetricWidth = picture.himetricHeight = 0;
    if (IsEmf(bytes))
        return DecodeEmf(bytes, picture, error);
    if (IsWmf(bytes))
        return DecodeWmf(bytes, picture, error);
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // The kind told by the first bytes (taken before reading, which may
    // forget it when the picture fails).
    const QByteArray format = reader.format().toUpper();
    // A picture beyond the limit is decoded smaller where the format's
    // reader can do so while it reads.
    const QSize size = reader.size();
    if (size.isValid()) {
        const int factor = PictureShrinkFactor(size.width(), size.height());
        if (factor > 1)
            reader.setScaledSize(
                QSize((size.width() + factor - 1) / factor, (size.height() + factor - 1) / factor));
    }
    QImage image = reader.read();
    if (!image.isNull()) {
        if (image.hasAlphaChannel()) {
            // Transparent parts on white, as on a page.
            QImage flat(image.size(), QImage::Format_RGB32);
            flat.fill(Qt::white);
            QPainter p(&flat);
            p.drawImage(0, 0, image);
            p.end();
            image = flat;
        }
        if (FromQImage(image, picture.bitmap))
            return true;
    }
    // The picture's kind is known from its first bytes; when that is all that
    // can be read, the file is damaged (cut short, say), not of a kind this
    // program does not know.
    std::string rasterError;
    if (DecodeRasterPicture(bytes, picture, &rasterError))
        return true;
    if (!KnownPictureSignature(bytes) && !format.isEmpty())
        rasterError = "The " + format.toStdString() + " picture is damaged or incomplete.";
    SetError(error, rasterError);
    return false;
}

} // namespace mienlore
