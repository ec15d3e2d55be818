#pragma once

#include "vidgrab/VidGrab.h"

#include <QString>

#include <memory>

class QLibrary;

namespace mienlore {

// The live video module, loaded by name and freed again when video stops.
class CVideoModule {
public:
    CVideoModule();
    ~CVideoModule();
    CVideoModule(const CVideoModule&) = delete;
    CVideoModule& operator=(const CVideoModule&) = delete;

    enum class Status { Loaded, NoLibrary, NoFunctions };
    // Loads the module from path and looks up its three entry points.
    Status Load(const QString& path);
    bool IsLoaded() const { return capture != nullptr; }
    void Unload();

    CaptureVideoToWndFn capture = nullptr;
    GrabVideoDataFn grab = nullptr;
    FreeVideoFn free = nullptr;

private:
    std::unique_ptr<QLibrary> m_library;
};

} // namespace mienlore
