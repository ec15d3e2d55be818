#pragma once

// The photo view options shared by "photo" and "render --photo".

#include "NumberArgs.h"

#include "imaging/PhotoView.h"

#include <optional>
#include <sstream>
#include <string>

namespace mienlore::cli {

// Takes one photo option (args[i], and its value from args[i + 1]) into
// view. Returns false when a is not a photo option; sets problem when its
// value is wrong.
inline bool TakePhotoOption(const std::string& a, const std::string* value, bool& usedValue,
                            CPhotoView& view, std::string& problem) {
    usedValue = false;
    if (a != "--zoom" && a != "--pan" && a != "--rotate" && a != "--effects")
        return false;
    if (!value) {
        problem = a + " needs a value";
        return true;
    }
    usedValue = true;
    if (a == "--zoom") {
        const auto n = ParseIntIn(*value, kZoomMin, kZoomMax);
        if (!n)
            problem = "--zoom needs a zoom value 20..300 (shown at 10000 / value percent)";
        else
            view.SetZoom(*n);
    } else if (a == "--pan") {
        const auto comma = value->find(',');
        const auto x = comma == std::string::npos
                           ? std::nullopt
                           : ParseIntIn(value->substr(0, comma), -kPanXLimit, kPanXLimit);
        const auto y = comma == std::string::npos
                           ? std::nullopt
                           : ParseIntIn(value->substr(comma + 1), -kPanYLimit, kPanYLimit);
        if (!x || !y)
            problem = "--pan needs X,Y with X in -100..100 and Y in -150..150";
        else
            view.SetPan(*x, *y);
    } else if (a == "--rotate") {
        const auto n = ParseIntIn(*value, -3600, 3600);
        if (!n)
            problem = "--rotate needs degrees -3600..3600";
        else
            view.SetRotation(*n);
    } else {
        std::stringstream list(*value);
        std::string name;
        while (std::getline(list, name, ',')) {
            if (name == "bw")
                view.effects.blackWhite = true;
            else if (name == "inv")
                view.effects.invert = true;
            else if (name == "gray" || name == "grey")
                view.effects.gray = true;
            else if (name == "median")
                view.effects.median = true;
            else if (name == "edge")
                view.effects.edge = true;
            else if (name == "smooth")
                view.effects.smooth = true;
            else if (!name.empty() && name != "none") {
                problem = "unknown effect " + name + " (bw, inv, gray, median, edge, smooth)";
                break;
            }
        }
    }
    return true;
}

} // namespace mienlore::cli
