#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mienlore {

// Where the settings record keeps its values: named sections of named values,
// each a 32-bit number or a string.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // Makes the section current, creating it when missing. False when it
    // cannot be opened; the section is then skipped.
    virtual bool OpenSection(std::string_view section) = 0;
    virtual void CloseSection() = 0;

    // The value when it exists and is a number (a string value that is not a
    // number counts as missing).
    virtual std::optional<std::uint32_t> ReadNumber(std::string_view name) = 0;
    // The value when it exists.
    virtual std::optional<std::string> ReadString(std::string_view name) = 0;

    virtual void WriteNumber(std::string_view name, std::uint32_t value) = 0;
    virtual void WriteString(std::string_view name, std::string_view value) = 0;

    // Makes the written values permanent; false when they could not be stored.
    virtual bool Commit() = 0;
};

} // namespace mienlore
