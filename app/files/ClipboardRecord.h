#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mienlore {

// The part of the system clipboard the face exchange needs: one slot holding
// the program's own record format beside whatever else the clipboard holds.
class IClipboard {
public:
    virtual ~IClipboard() = default;

    // Whether the clipboard holds data in the program's format.
    virtual bool HasRecord() const = 0;
    // The bytes stored in the program's format; nothing when there are none or
    // the clipboard cannot be read.
    virtual std::optional<std::string> ReadRecord() const = 0;
    // Empties the clipboard and stores the bytes in the program's format;
    // false when the clipboard cannot be written.
    virtual bool WriteRecord(std::string_view bytes) = 0;
    // Removes the program's format from the clipboard, keeping anything else.
    virtual void RemoveRecord() = 0;
};

// Tag of a face copied by the user; it stays on the clipboard for any number
// of pastes.
inline constexpr std::string_view kFaceRecordTag = "FACE";
// Tag of a face handed over by a second copy of the program; it is taken once.
inline constexpr std::string_view kSendRecordTag = "SEND";
// Longest record text that is taken, in characters; the rest is cut off.
inline constexpr std::size_t kMaxRecordTextChars = 255;

// The record layout: the four-character tag, the text, a NUL.
std::string MakeClipboardRecord(std::string_view text, std::string_view tag);

// What a record parser does with a text longer than kMaxRecordTextChars.
enum class LongRecordText {
    Cut,    // keep its first kMaxRecordTextChars characters
    Refuse, // take nothing, so that no shortened face is ever applied
};

// The face text of a record (the tag, the 8-bit text, a NUL): accepted when
// the record's first byte is tagLetter (only the first tag letter is
// compared) and its text up to the first NUL, as UTF-8, is longer than 10
// characters; a longer text than kMaxRecordTextChars is cut or refused.
std::optional<std::string> ParseFaceRecord(std::string_view record, char tagLetter,
                                           LongRecordText longText);

// Stores the record on the clipboard. False when the tag is not four
// characters or the clipboard cannot be written.
bool PutRecord(IClipboard& clipboard, std::string_view text, std::string_view tag);

// The text of the record on the clipboard as ParseFaceRecord reads it, a
// long text cut. An accepted record is removed from the clipboard when remove
// is true; a refused one always stays.
std::optional<std::string> TakeRecord(IClipboard& clipboard, char tagLetter, bool remove);

// Whether the clipboard holds a record of the program's format at all.
bool IsRecordAvailable(const IClipboard& clipboard);

// The face text for "Paste Photo-robot": a "FACE" record, left in place.
std::optional<std::string> TakePastedFace(IClipboard& clipboard);

// The face text a second copy handed over: a "SEND" record, consumed.
std::optional<std::string> TakeHandedOverFace(IClipboard& clipboard);

} // namespace mienlore
