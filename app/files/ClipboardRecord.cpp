#include "files/ClipboardRecord.h"

#include "base/TextEncoding.h"

namespace mienlore {

std::string MakeClipboardRecord(std::string_view text, std::string_view tag) {
    std::string record;
    record.reserve(tag.size() + text.size() + 1);
    record.append(tag);
    record.append(text);
    record.push_back('\0');
    return record;
}

bool PutRecord(IClipboard& clipboard, std::string_view text, std::string_view tag) {
    if (tag.size() != 4)
        return false;
    return clipboard.WriteRecord(MakeClipboardRecord(text, tag));
}

std::optional<std::string> ParseFaceRecord(std::string_view record, char tagLetter,
                                           LongRecordText longText) {
    if (record.size() < 4 || record.front() != tagLetter)
        return std::nullopt;
    std::string_view text = record.substr(4);
    text = text.substr(0, text.find('\0'));
    std::string utf8 = Utf8From8Bit(text);
    if (Utf8Length(utf8) > kMaxRecordTextChars) {
        if (longText == LongRecordText::Refuse)
            return std::nullopt;
        utf8 = Utf8Prefix(utf8, kMaxRecordTextChars);
    }
    if (Utf8Length(utf8) <= 10)
        return std::nullopt;
    return utf8;
}

std::optional<std::string> TakeRecord(IClipboard& clipboard, char tagLetter, bool remove) {
    const std::optional<std::string> record = clipboard.ReadRecord();
    if (!record)
        return std::nullopt;
    std::optional<std::string> taken = ParseFaceRecord(*record, tagLetter, LongRecordText::Cut);
    if (!taken)
        return std::nullopt;
    if (remove)
        clipboard.RemoveRecord();
    return taken;
}

bool IsRecordAvailable(const IClipboard& clipboard) {
    return clipboard.HasRecord();
}

std::optional<std::string> TakePastedFace(IClipboard& clipboard) {
    return TakeRecord(clipboard, kFaceRecordTag.front(), false);
}

std::optional<std::string> TakeHandedOverFace(IClipboard& clipboard) {
    return TakeRecord(clipboard, kSendRecordTag.front(), true);
}

} // namespace mienlore
