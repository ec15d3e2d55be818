#include "BmpFile.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <string>

namespace mienlore::faceart {
namespace {

void Put16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

bool WriteGreyBmp(const QString& path, const QImage& grey) {
    if (grey.format() != QImage::Format_Grayscale8)
        return false;
    const std::uint32_t w = static_cast<std::uint32_t>(grey.width());
    const std::uint32_t h = static_cast<std::uint32_t>(grey.height());
    const std::uint32_t stride = (w + 3) / 4 * 4;
    const std::uint32_t offset = 14 + 40 + 256 * 4;
    std::string out;
    out.reserve(offset + stride * h);
    out += "BM";
    Put32(out, offset + stride * h); // file size
    Put32(out, 0);                   // reserved
    Put32(out, offset);              // pixel data offset
    Put32(out, 40);                  // info header size
    Put32(out, w);
    Put32(out, h); // positive: bottom-up rows
    Put16(out, 1); // planes
    Put16(out, 8); // bits per pixel
    Put32(out, 0); // no compression
    Put32(out, stride * h);
    Put32(out, 3780); // 96 pixels per inch
    Put32(out, 3780);
    Put32(out, 256); // colours used
    Put32(out, 0);   // all important
    for (std::uint32_t i = 0; i < 256; ++i)
        Put32(out, i | (i << 8) | (i << 16));
    for (std::uint32_t row = h; row-- > 0;) {
        const uchar* line = grey.constScanLine(static_cast<int>(row));
        out.append(reinterpret_cast<const char*>(line), w);
        out.append(stride - w, '\0');
    }
    const QString temp = path + ".tmp";
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written =
        file.write(out.data(), static_cast<qint64>(out.size())) == static_cast<qint64>(out.size());
    file.close();
    if (!written) {
        QFile::remove(temp);
        return false;
    }
    // std::rename replaces an existing file atomically on POSIX systems.
    return std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) ==
           0;
}

} // namespace mienlore::faceart
