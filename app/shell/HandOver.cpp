#include "shell/HandOver.h"

#include "files/ClipboardRecord.h"
#include "base/TextEncoding.h"

namespace mienlore {

std::string InstanceName(std::string_view userName) {
    std::string name(kInstanceNameBase);
    name += '_';
    for (char c : userName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        name += plain ? c : '_';
    }
    return name;
}

std::string MakeHandOverRecord(std::string_view text) {
    return MakeClipboardRecord(text, kSendRecordTag);
}

std::optional<std::string> ParseHandOverRecord(std::string_view record) {
    if (record.size() < kSendRecordTag.size() || record.front() != kSendRecordTag.front())
        return std::nullopt;
    std::string_view text = record.substr(kSendRecordTag.size());
    text = text.substr(0, text.find('\0'));
    std::string utf8 = Utf8From8Bit(text);
    const std::size_t length = Utf8Length(utf8);
    if (length <= 10 || length > kMaxHandOverChars)
        return std::nullopt;
    return utf8;
}

} // namespace mienlore
