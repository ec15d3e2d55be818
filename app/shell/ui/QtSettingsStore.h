#pragma once

#include "shell/SettingsStore.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace mienlore {

// The settings store over QSettings: the user's settings of "ORVANTA Lab" /
// "Mienlore" (the registry on Windows, a settings file on Linux), or an INI
// file given by path (used by the tests).
class CQtSettingsStore : public ISettingsStore {
public:
    CQtSettingsStore();
    explicit CQtSettingsStore(const QString& iniFilePath);

    bool OpenSection(std::string_view section) override;
    void CloseSection() override;
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override;
    std::optional<std::string> ReadString(std::string_view name) override;
    void WriteNumber(std::string_view name, std::uint32_t value) override;
    void WriteString(std::string_view name, std::string_view value) override;
    bool Commit() override;

    QSettings& Settings() { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
    bool m_inSection = false;
};

} // namespace mienlore
