#pragma once

// The picture formats a user can save to: the ones the program writes itself
// (BMP, JPEG, PNG, GIF) and those of Qt's image plugins that are installed
// (TIFF, WebP).

#include "imaging/Devib.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

namespace mienlore {

struct SavablePictureFormat {
    QString name;           // shown to the user: "TIFF"
    QStringList extensions; // lower case, without the dot; the first is the usual one
};

// The core's formats first, then the plugin formats Qt can write here.
std::vector<SavablePictureFormat> SavablePictureFormats();

// Name filters for a save dialog: every format together first, then one
// filter per format, exactly the formats WritePictureFile writes.
QStringList SavePictureNameFilters();

// Writes the picture in the format its extension names (a name without an
// extension as BMP; JPEG with the mode and quality WriteJpeg takes), through
// a temporary file renamed into place. Any other extension is refused with a
// message that lists the formats; nothing is written then.
bool WritePictureFile(const CDevib& bitmap, const std::filesystem::path& path, int jpegMode,
                      int jpegQuality, std::string* error = nullptr);

} // namespace mienlore
