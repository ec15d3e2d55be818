// Fuzzes the two readers of bytes other programs leave behind: the clipboard
// record (TakeRecord) and face list files (ReadLines, then the list model
// that keeps every line it cannot read). The first byte picks the reader.
// Invariants: an accepted record is at most kMaxRecordTextChars long and is
// removed only when asked; a list that was read and then saved with one more
// face holds every non-empty line of the original file, in order, and reads
// back as the same entries.
#include "base/TextEncoding.h"
#include "files/ClipboardRecord.h"
#include "files/LineFile.h"
#include "files/PeopListModel.h"
#include "files/StoredFace.h"
#include "model/FaceFrame.h"
#include "support/MemoryClipboard.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace mienlore;

namespace {

using test::MemoryClipboard;

class Host : public IFaceListHost {
public:
    CFaceFrame face{MIENLORE_PROGRAM_FOLDER};
    bool IsSlotSelected() const override { return true; }
    CFaceFrame& CurrentFace() override { return face; }
    void FaceChanged() override {}
};

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        // A memory file system where there is one: every run writes the list.
        std::error_code ec;
        const std::filesystem::path shm = "/dev/shm";
        const auto root =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        auto f = root / ("mienlore-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        // Removed when the fuzzer ends normally (time or run limit reached);
        // the name is kept apart from the static above, which is gone by then.
        static const std::string* const name = new std::string(f.string());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(*name, ignored);
        });
        return f;
    }();
    return folder;
}

void WriteRaw(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadRaw(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void FuzzRecord(std::string_view bytes, bool remove) {
    MemoryClipboard clipboard;
    clipboard.record = std::string(bytes);
    for (const char tag : {'S', 'F'}) {
        const auto text = TakeRecord(clipboard, tag, remove);
        if (text && Utf8Length(*text) > kMaxRecordTextChars && text->size() > kMaxRecordTextChars)
            std::abort(); // the text is cut to the limit
        if (text && !remove && !clipboard.record)
            std::abort(); // kept unless asked
        if (!clipboard.record)
            break;
    }
    clipboard.record = std::string(bytes);
    TakePastedFace(clipboard);
    TakeHandedOverFace(clipboard);
}

void FuzzList(std::string_view bytes) {
    const auto path = Folder() / "l.phy";
    WriteRaw(path, bytes);
    const LineReadResult read = ReadLines(path);
    if (!read.opened)
        std::abort();
    static Host host;
    CPeopListModel model(host);
    const auto loaded = model.LoadList(path);
    if (loaded.outcome != CPeopListModel::LoadOutcome::Loaded &&
        loaded.outcome != CPeopListModel::LoadOutcome::EmptyFile)
        return; // refused: nothing is written
    if (!model.Add("fuzz"))
        std::abort();
    // Every non-empty line of the file is still there, in order, and the
    // new face follows them.
    // A byte order mark leads when the file had one or when the first line
    // written begins with one.
    std::string expected = read.byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < read.lines.size() && expected.empty(); ++i)
        if (!read.RawLine(i).empty()) {
            if (read.RawLine(i).rfind("\xEF\xBB\xBF", 0) == 0)
                expected = "\xEF\xBB\xBF";
            break;
        }
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        const std::string& raw = read.RawLine(i);
        if (raw.empty())
            continue;
        static CFaceFrame scratch = host.face;
        const bool face = !read.lines[i].empty() && ValidateStoredLine(read.lines[i], scratch);
        expected += face ? read.lines[i] : raw;
        expected += "\r\n";
    }
    const std::string written = ReadRaw(path);
    if (written.compare(0, expected.size(), expected) != 0)
        std::abort();
    // Read again, the list is the same.
    CPeopListModel again(host);
    again.LoadList(path);
    if (again.Entries() != model.Entries() || again.Items().size() != model.Items().size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 3) {
    case 0:
        FuzzRecord(bytes, true);
        break;
    case 1:
        FuzzRecord(bytes, false);
        break;
    default:
        FuzzList(bytes);
        break;
    }
    return 0;
}
