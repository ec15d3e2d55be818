#include "shell/ui/QtSettingsStore.h"

#include <QStringList>
#include <QVariant>

#include <limits>

namespace mienlore {
namespace {

QString Key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("ORVANTA Lab"), QStringLiteral("Mienlore"))) {}

CQtSettingsStore::CQtSettingsStore(const QString& iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

bool CQtSettingsStore::OpenSection(std::string_view section) {
    CloseSection();
    if (m_settings->status() == QSettings::FormatError)
        return false;
    m_settings->beginGroup(Key(section));
    m_inSection = true;
    return true;
}

void CQtSettingsStore::CloseSection() {
    if (m_inSection)
        m_settings->endGroup();
    m_inSection = false;
}

std::optional<std::uint32_t> CQtSettingsStore::ReadNumber(std::string_view name) {
    const QVariant v = m_settings->value(Key(name));
    if (!v.isValid())
        return std::nullopt;
    // The registry keeps numbers typed; a settings file keeps them as text.
    // Either way only a whole 32-bit number is taken: anything else is a
    // value of the wrong type and the field keeps what it has.
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (ok && n >= std::numeric_limits<std::int32_t>::min() &&
            n <= std::numeric_limits<std::uint32_t>::max())
            return static_cast<std::uint32_t>(n);
        return std::nullopt;
    }
    case QMetaType::QString: {
        const QString text = v.toString().trimmed();
        bool ok = false;
        const qulonglong u = text.toULongLong(&ok, 10);
        if (ok && u <= std::numeric_limits<std::uint32_t>::max())
            return static_cast<std::uint32_t>(u);
        const qlonglong n = text.toLongLong(&ok, 10);
        if (ok && n >= std::numeric_limits<std::int32_t>::min() && n < 0)
            return static_cast<std::uint32_t>(n);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::string> CQtSettingsStore::ReadString(std::string_view name) {
    const QVariant v = m_settings->value(Key(name));
    if (!v.isValid())
        return std::nullopt;
    // A settings file reads an unquoted text with commas as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(',')).toStdString();
    if (!v.canConvert<QString>())
        return std::nullopt;
    return v.toString().toStdString();
}

void CQtSettingsStore::WriteNumber(std::string_view name, std::uint32_t value) {
    m_settings->setValue(Key(name), static_cast<uint>(value));
}

void CQtSettingsStore::WriteString(std::string_view name, std::string_view value) {
    m_settings->setValue(Key(name),
                         QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool CQtSettingsStore::Commit() {
    CloseSection();
    // A file that could not be read was not written to either (its sections
    // were skipped): it stays as it is, and the save is reported as failed.
    // Writing it now would put back what was read and still report failure.
    if (m_settings->status() == QSettings::FormatError)
        return false;
    m_settings->sync();
    // Only an access error means the file was not written; a format error
    // found while merging with the file on disk still writes it.
    return m_settings->status() != QSettings::AccessError;
}

} // namespace mienlore
