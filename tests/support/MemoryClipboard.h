#pragma once

// A clipboard in memory for tests (header only: the fuzz programs use it too).
#include "files/ClipboardRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace mienlore::test {

class MemoryClipboard : public IClipboard {
public:
    std::optional<std::string> record;
    std::string other = "text/plain content"; // what another program left there
    bool writable = true;

    bool HasRecord() const override { return record.has_value(); }
    std::optional<std::string> ReadRecord() const override { return record; }
    bool WriteRecord(std::string_view bytes) override {
        if (!writable)
            return false;
        other.clear(); // writing empties the clipboard first
        record = std::string(bytes);
        return true;
    }
    void RemoveRecord() override { record.reset(); }
};

} // namespace mienlore::test
