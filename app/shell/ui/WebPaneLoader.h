#pragma once

#include <QString>

class IWebPane;
class QPluginLoader;

namespace mienlore {

// Loads the web view module from the program folder.
class CWebPaneLoader {
public:
    // Loads the module from the given folder (by default the program folder).
    explicit CWebPaneLoader(const QString& folder = QString());
    ~CWebPaneLoader();
    CWebPaneLoader(const CWebPaneLoader&) = delete;
    CWebPaneLoader& operator=(const CWebPaneLoader&) = delete;

    // The module's interface, or nullptr when it could not be loaded
    // (ErrorString() then says why).
    IWebPane* Pane() const { return m_pane; }
    QString ErrorString() const;

    static QString ModulePath(const QString& folder = QString());

private:
    QPluginLoader* m_loader;
    IWebPane* m_pane = nullptr;
};

} // namespace mienlore
