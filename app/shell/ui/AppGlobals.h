#pragma once

#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "shell/ui/UiStrings.h"

namespace mienlore {

// The objects that live for the whole run, in the order they are made (and
// the reverse order in which they end). The program makes one in main(); the
// windows receive it by reference.
struct CAppGlobals {
    // Data files are read below programFolder (the executable's folder).
    explicit CAppGlobals(const std::filesystem::path& programFolder = ExecutableFolder())
        : fate(FateTextFiles{programFolder}, &LanguageString), face(programFolder) {}

    CFateFrame fate; // the analysis of the current face
    CFaceFrame face; // the current face

private:
    static std::optional<std::string> LanguageString(unsigned id) {
        const StringOverride& strings = UiStringOverride();
        return strings ? strings(id) : std::nullopt;
    }
};

} // namespace mienlore
