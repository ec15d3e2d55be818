#include "imaging/ui/VideoModule.h"

#include <QLibrary>

namespace mienlore {

CVideoModule::CVideoModule() = default;

CVideoModule::~CVideoModule() {
    Unload();
}

CVideoModule::Status CVideoModule::Load(const QString& path) {
    Unload();
    m_library = std::make_unique<QLibrary>(path);
    if (!m_library->load()) {
        m_library.reset();
        return Status::NoLibrary;
    }
    capture = reinterpret_cast<CaptureVideoToWndFn>(m_library->resolve("CaptureVideoToWnd"));
    grab = reinterpret_cast<GrabVideoDataFn>(m_library->resolve("GrabVideoData"));
    free = reinterpret_cast<FreeVideoFn>(m_library->resolve("FreeVideo"));
    if (!capture || !grab || !free) {
        Unload();
        return Status::NoFunctions;
    }
    return Status::Loaded;
}

void CVideoModule::Unload() {
    capture = nullptr;
    grab = nullptr;
    free = nullptr;
    if (m_library) {
        m_library->unload();
        m_library.reset();
    }
}

} // namespace mienlore
