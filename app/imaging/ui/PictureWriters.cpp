#include "imaging/ui/PictureWriters.h"

#include "base/AtomicFile.h"
#include "imaging/ImageFile.h"
#include "imaging/ui/DevibImage.h"

#include <QBuffer>
#include <QImageWriter>

namespace mienlore {
namespace {

// The formats written through Qt's image plugins: shown name, Qt's format
// name, extensions.
struct PluginFormat {
    const char* name;
    const char* qtFormat;
    QStringList extensions;
};

const std::vector<PluginFormat>& PluginFormats() {
    static const std::vector<PluginFormat> formats{
        {"TIFF", "tiff", {QStringLiteral("tif"), QStringLiteral("tiff")}},
        {"WebP", "webp", {QStringLiteral("webp")}}};
    return formats;
}

bool CanWrite(const PluginFormat& format) {
    return QImageWriter::supportedImageFormats().contains(QByteArray(format.qtFormat));
}

// The installed plugin format an extension names, or none.
const PluginFormat* PluginFormatOf(const std::filesystem::path& path) {
    for (const PluginFormat& format : PluginFormats())
        for (const QString& ext : format.extensions)
            if (HasExtension(path, ext.toStdString()))
                return CanWrite(format) ? &format : nullptr;
    return nullptr;
}

bool WriteThroughPlugin(const CDevib& bitmap, const std::filesystem::path& path,
                        const PluginFormat& format, std::string* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        if (error)
            *error = "cannot prepare the picture in memory";
        return false;
    }
    QImageWriter writer(&buffer, format.qtFormat);
    if (!writer.write(ToQImage(bitmap))) {
        if (error)
            *error = "the " + std::string(format.name) +
                     " picture cannot be encoded: " + writer.errorString().toStdString();
        return false;
    }
    return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), error);
}

} // namespace

std::vector<SavablePictureFormat> SavablePictureFormats() {
    std::vector<SavablePictureFormat> formats;
    for (const ImageFileFormat& core : CoreImageFileFormats()) {
        SavablePictureFormat format{QString::fromLatin1(core.name), {}};
        for (const char* ext : core.extensions)
            format.extensions << QString::fromLatin1(ext);
        formats.push_back(format);
    }
    for (const PluginFormat& plugin : PluginFormats())
        if (CanWrite(plugin))
            formats.push_back({QString::fromLatin1(plugin.name), plugin.extensions});
    return formats;
}

QStringList SavePictureNameFilters() {
    const std::vector<SavablePictureFormat> formats = SavablePictureFormats();
    QStringList all;
    QStringList filters;
    for (const SavablePictureFormat& format : formats) {
        QStringList patterns;
        for (const QString& ext : format.extensions)
            patterns << QStringLiteral("*.") + ext;
        all << patterns;
        filters << QStringLiteral("%1 (%2)").arg(format.name, patterns.join(QLatin1Char(' ')));
    }
    filters.prepend(QStringLiteral("Picture files (%1)").arg(all.join(QLatin1Char(' '))));
    return filters;
}

bool WritePictureFile(const CDevib& bitmap, const std::filesystem::path& path, int jpegMode,
                      int jpegQuality, std::string* error) {
    if (IsCoreImagePath(path))
        return WriteImageFile(bitmap, path, jpegMode, jpegQuality, error);
    if (const PluginFormat* format = PluginFormatOf(path))
        return WriteThroughPlugin(bitmap, path, *format, error);
    if (error) {
        std::vector<std::string> names;
        for (const SavablePictureFormat& format : SavablePictureFormats())
            names.push_back(format.name.toStdString());
        *error = "pictures are not written as \"" + path.extension().string() +
                 "\" files; the formats are " + FormatNameList(names);
    }
    return false;
}

} // namespace mienlore
