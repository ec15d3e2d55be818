#pragma once

// Review sheets for the artist: one labelled contact sheet per slot and a
// sheet of composed faces, written as PNG files.

#include "Catalogue.h"

#include <QString>

#include <map>
#include <vector>

namespace mienlore::faceart {

using PictureSet = std::map<int, std::vector<QImage>>; // slot number → pictures by index

bool WriteReviewSheets(const PictureSet& pictures, const QString& folder);

} // namespace mienlore::faceart
