#include "shell/ui/WebPaneLoader.h"

#include "base/ProgramFolder.h"
#include "webpane/WebPaneInterface.h"

#include <QPluginLoader>

#include <cstdio>

namespace mienlore {

QString CWebPaneLoader::ModulePath(const QString& folder) {
    const QString base =
        folder.isEmpty() ? QString::fromStdString(ExecutableFolder().string()) : folder;
    return base + QStringLiteral("/webpane.so");
}

CWebPaneLoader::CWebPaneLoader(const QString& folder)
    : m_loader(new QPluginLoader(ModulePath(folder))) {
    m_pane = qobject_cast<IWebPane*>(m_loader->instance());
    // Without the module the pages that show HTML stay empty; say so once.
    static bool told = false;
    if (!m_pane && !told) {
        told = true;
        std::fprintf(stderr, "mienlore: no web view module, HTML pages stay empty: %s\n",
                     qPrintable(m_loader->errorString()));
    }
}

// The module stays mapped after the loader goes: Qt WebEngine cannot be
// unloaded safely once it has started, and a second loader reuses it.
CWebPaneLoader::~CWebPaneLoader() {
    delete m_loader;
}

QString CWebPaneLoader::ErrorString() const {
    return m_pane ? QString() : m_loader->errorString();
}

} // namespace mienlore
