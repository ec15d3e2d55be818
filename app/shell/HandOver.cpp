#include "shell/HandOver.h"

#include "files/ClipboardRecord.h"

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
    return ParseFaceRecord(record, kSendRecordTag.front(), LongRecordText::Refuse);
}

} // namespace mienlore
