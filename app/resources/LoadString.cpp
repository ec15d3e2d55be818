#include "resources/LoadString.h"

#include "resources/StringTable.h"
#include "base/TextEncoding.h"

#include <algorithm>

namespace mienlore {

std::string LoadInterfaceString(unsigned id, std::size_t bufferSize,
                                const StringOverride& override) {
    if ((id & 0xFFFFu) == 0 || id > kMaxStringId || bufferSize <= 1)
        return {};
    const char* builtIn = ResourceString(id);
    if (builtIn == nullptr)
        return {};
    const std::size_t room = bufferSize - 1;
    std::string text = Utf8Prefix(builtIn, room);
    if (override) {
        // Profile values are at most 254 characters.
        if (std::optional<std::string> replacement = override(id))
            text = Utf8Prefix(*replacement, std::min<std::size_t>(room, 254));
    }
    std::replace(text.begin(), text.end(), '|', '\n');
    return text;
}

std::string InterfaceName(unsigned id, const char* fallback, const StringOverride& override) {
    std::string name = LoadInterfaceString(id, 81, override);
    return name.empty() ? std::string(fallback) : name;
}

} // namespace mienlore
