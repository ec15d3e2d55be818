#pragma once

#include "analysis/FateFrame.h"
#include "gallery/GallCollection.h"
#include "model/FaceFrame.h"
#include "shell/Lang.h"
#include "shell/Params.h"
#include "shell/SettingsStore.h"
#include "shell/ui/Help.h"

#include <filesystem>
#include <memory>

namespace mienlore {

// The objects that live for the whole run, in the order they are made: the
// language loader, the analysis, the settings (read from the store, after
// the language so that the stored language reaches the loader) and the
// current face. They end in the reverse order; the settings are written back
// on the way. The program makes one in main(); the windows receive it by
// reference.
struct CAppGlobals {
    // Data files are read below programFolder; the settings live in store
    // (the user's settings when none is given).
    explicit CAppGlobals(const std::filesystem::path& programFolder = ExecutableFolder(),
                         std::unique_ptr<ISettingsStore> store = nullptr);
    ~CAppGlobals();
    CAppGlobals(const CAppGlobals&) = delete;
    CAppGlobals& operator=(const CAppGlobals&) = delete;

    // Writes the settings to the store; false when they could not be kept.
    bool SaveSettings();

    std::unique_ptr<ISettingsStore> store;
    CLang lang;
    // Routes interface strings through the language while it exists.
    struct LanguageStrings {
        explicit LanguageStrings(const CLang& lang);
        ~LanguageStrings();
    } languageStrings{lang};
    CFateFrame fate;  // the analysis of the current face
    CGallery gallery; // the portrait collections (the shipped one read at start-up)
    CParams params;
    CFaceFrame face; // the current face
    CMyHelp help;    // the help file and its window
};

} // namespace mienlore
