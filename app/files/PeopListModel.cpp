#include "files/PeopListModel.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"
#include "base/WholeFile.h"
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "model/FaceFrame.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace mienlore {
namespace {

// Next code point of a UTF-8 string (the text is valid UTF-8: the reader
// makes it so), folded to lower case for A-Z and the Latin-1 capitals.
char32_t NextFolded(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    char32_t cp = b0;
    std::size_t len = 1;
    if (b0 >= 0xF0)
        cp = b0 & 0x07, len = 4;
    else if (b0 >= 0xE0)
        cp = b0 & 0x0F, len = 3;
    else if (b0 >= 0xC0)
        cp = b0 & 0x1F, len = 2;
    for (std::size_t k = 1; k < len && i + k < s.size(); ++k)
        cp = (cp << 6) | (static_cast<std::uint8_t>(s[i + k]) & 0x3F);
    i += len;
    if ((cp >= U'A' && cp <= U'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7))
        cp += 32;
    return cp;
}

// Inserts after any equal names, so that equal names keep their file order;
// returns the new item's index.
int InsertSorted(std::vector<FaceListItem>& items, std::string name, int position) {
    const auto at = std::upper_bound(
        items.begin(), items.end(), name,
        [](const std::string& n, const FaceListItem& item) { return FaceNameLess(n, item.name); });
    const int index = static_cast<int>(at - items.begin());
    items.insert(at, FaceListItem{std::move(name), position});
    return index;
}

struct ParsedList {
    std::vector<std::string> entries;
    std::vector<FaceListItem> items;
    std::size_t faces = 0;
    std::size_t keptAside = 0;
};

// Entries and drop-down items of a list's lines. text(i) is the line as
// UTF-8 (empty when it cannot be understood), raw(i) the line's own bytes:
// face lines are kept in their stored form, other lines as they stand.
template <typename Text, typename Raw>
ParsedList ParseLines(std::size_t count, Text text, Raw raw, CFaceFrame scratch) {
    ParsedList parsed;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& bytes = raw(i);
        if (bytes.empty())
            continue;
        const std::string& line = text(i);
        auto stored = line.empty() ? std::nullopt : ValidateStoredLine(line, scratch);
        if (!stored) {
            parsed.entries.push_back(bytes);
            ++parsed.keptAside;
            continue;
        }
        parsed.entries.push_back(std::move(stored->line));
        InsertSorted(parsed.items, std::move(stored->name),
                     static_cast<int>(parsed.entries.size()) - 1);
        ++parsed.faces;
    }
    return parsed;
}

ParsedList ParseRead(const LineReadResult& read, const CFaceFrame& scratch) {
    return ParseLines(
        read.lines.size(), [&](std::size_t i) -> const std::string& { return read.lines[i]; },
        [&](std::size_t i) -> const std::string& { return read.RawLine(i); }, scratch);
}

// Entries as the list holds them, parsed again: a line that is not text the
// reader would have understood is kept as it stands.
ParsedList ParseEntries(const std::vector<std::string>& entries, const CFaceFrame& scratch) {
    static const std::string kNone;
    return ParseLines(
        entries.size(),
        [&](std::size_t i) -> const std::string& {
            const std::string& line = entries[i];
            return line.size() <= kMaxLineBytes && Utf8From8Bit(line) == line ? line : kNone;
        },
        [&](std::size_t i) -> const std::string& { return entries[i]; }, scratch);
}

std::vector<std::string> NonEmpty(std::vector<std::string> lines) {
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

} // namespace

bool FaceNameLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = NextFolded(a, i);
        const char32_t cb = NextFolded(b, j);
        if (ca != cb)
            return ca < cb;
    }
    return i >= a.size() && j < b.size();
}

CPeopListModel::CPeopListModel(IFaceListHost& host) : m_host(host) {}

std::filesystem::path CPeopListModel::DefaultListPath(const std::filesystem::path& programFolder) {
    return programFolder / "SAMPLES" / "list.phy";
}

CPeopListModel::LoadResult CPeopListModel::LoadList(const std::filesystem::path& path) {
    LoadResult result;
    if (path.empty())
        return result;

    std::string bytes;
    const FileRead fileRead = ReadWholeFile(path, bytes, kMaxLineFileBytes);
    const LineReadResult read = fileRead == FileRead::Done ? SplitLines(bytes) : LineReadResult{};
    result.opened = read.opened;
    result.linesRead = static_cast<int>(read.lines.size());
    result.tooLong = read.tooLong.size();
    if (!read.opened) {
        result.outcome =
            fileRead == FileRead::TooLarge ? LoadOutcome::TooLarge : LoadOutcome::Unreadable;
        return result;
    }

    // Build the new list aside: the current one stays until the file has
    // proved to be a face list.
    ParsedList parsed = ParseRead(read, m_host.CurrentFace());
    result.keptAside = parsed.keptAside;
    if (parsed.entries.empty()) {
        result.outcome = LoadOutcome::EmptyFile;
    } else if (parsed.faces == 0) {
        result.outcome = LoadOutcome::NotAList;
        return result;
    } else {
        result.outcome = LoadOutcome::Loaded;
    }
    std::vector<std::string> entries = std::move(parsed.entries);
    std::vector<FaceListItem> items = std::move(parsed.items);

    m_path = path;
    m_entries = std::move(entries);
    m_byteOrderMark = read.byteOrderMark;
    m_base = m_entries;
    m_fileState = StateOfFile(path, bytes);
    m_items = std::move(items);
    m_selection = -1;
    m_editText.clear();
    if (!m_items.empty()) {
        SelectWithoutPicking(0);
        Pick();
    }
    return result;
}

CPeopListModel::LoadResult
CPeopListModel::LoadDefaultList(const std::filesystem::path& programFolder) {
    return LoadList(DefaultListPath(programFolder));
}

bool CPeopListModel::SelectItem(int itemIndex) {
    if (itemIndex < 0 || itemIndex >= static_cast<int>(m_items.size()))
        return false;
    m_selection = itemIndex;
    return Pick();
}

bool CPeopListModel::Pick() {
    if (!m_host.IsSlotSelected() || m_items.empty() || m_selection < 0 ||
        m_selection >= static_cast<int>(m_items.size()))
        return false;
    const int position = m_items[m_selection].position;
    if (position < 0 || position >= static_cast<int>(m_entries.size()))
        return false;
    std::string text = m_entries[position];
    if (text.empty() || !ApplyFaceCode(m_host.CurrentFace(), text))
        return false;
    m_editText = std::move(text);
    m_host.FaceChanged();
    return true;
}

WriteResult CPeopListModel::Add(std::string_view name) {
    const State before = Snapshot();
    const std::string storedName = StorableFaceName(name);
    m_entries.push_back(StoredFaceLine(m_host.CurrentFace(), storedName));
    SelectWithoutPicking(InsertItem(storedName, static_cast<int>(m_entries.size()) - 1));
    return WriteOrRestore(before, SelectAfterMerge::LastAdded);
}

WriteResult CPeopListModel::Del() {
    if (m_items.empty() || m_selection < 0 || m_selection >= static_cast<int>(m_items.size()))
        return WriteResult{true, {}};
    const State before = Snapshot();
    const int position = m_items[m_selection].position;
    if (position >= 0 && position < static_cast<int>(m_entries.size()))
        m_entries[position].clear();
    m_items.erase(m_items.begin() + m_selection);
    // Nothing is selected afterwards: the name box stays empty rather than
    // showing a name whose face is not the one on screen.
    SelectWithoutPicking(-1);
    return WriteOrRestore(before, SelectAfterMerge::None);
}

CPeopListModel::State CPeopListModel::Snapshot() const {
    return State{m_entries, m_items, m_selection, m_editText, m_byteOrderMark, m_base, m_fileState};
}

WriteResult CPeopListModel::WriteOrRestore(State before, SelectAfterMerge select) {
    WriteResult result = WriteCurrentList(select);
    if (!result) {
        // The list on screen stays what the file holds. The merge base and
        // the file's state go back too, so that the next write merges the
        // other program's lines again instead of dropping them.
        m_entries = std::move(before.entries);
        m_items = std::move(before.items);
        m_selection = before.selection;
        m_editText = std::move(before.editText);
        m_byteOrderMark = before.byteOrderMark;
        m_base = std::move(before.base);
        m_fileState = std::move(before.fileState);
    }
    return result;
}

WriteResult CPeopListModel::SaveAs(const std::filesystem::path& path) {
    std::error_code ec;
    if (!m_path.empty() && (path == m_path || std::filesystem::equivalent(path, m_path, ec)))
        return WriteCurrentList(SelectAfterMerge::Same);
    WriteResult result = WriteEntries(path);
    if (result)
        m_path = path;
    return result;
}

WriteResult CPeopListModel::WriteCurrentList(SelectAfterMerge select) {
    if (m_path.empty())
        return WriteResult{false, "no file name given"};
    // The file must still be the one last read or written; when another
    // program changed it, the user's changes are applied to its new content
    // so that none of the other program's lines is lost.
    std::string bytes;
    const FileRead read = ReadWholeFile(m_path, bytes, kMaxLineFileBytes);
    std::error_code ec;
    if (read == FileRead::Done) {
        const ListFileState now = StateOfFile(m_path, bytes);
        if (now != m_fileState)
            MergeWithFile(SplitLines(bytes), now, select);
    } else if (std::filesystem::exists(m_path, ec) || ec) {
        // A file that is there but cannot be read again could hold lines
        // this write would lose.
        return WriteResult{false, "\"" + m_path.string() +
                                      "\" was changed by another program and cannot be read "
                                      "again; the list was not saved"};
    }
    return WriteEntries(m_path);
}

void CPeopListModel::MergeWithFile(const LineReadResult& read, const ListFileState& state,
                                   SelectAfterMerge select) {
    std::string selected;
    if (m_selection >= 0 && m_selection < static_cast<int>(m_items.size())) {
        const int position = m_items[m_selection].position;
        if (position >= 0 && position < static_cast<int>(m_entries.size()))
            selected = m_entries[position];
    }
    const CFaceFrame& scratch = m_host.CurrentFace();
    std::vector<std::string> theirs = ParseRead(read, scratch).entries;
    ParsedList merged = ParseEntries(MergeListLines(m_base, m_entries, theirs), scratch);
    m_entries = std::move(merged.entries);
    m_items = std::move(merged.items);
    m_byteOrderMark = read.byteOrderMark;
    // The file's new content is now the base: a failed write that follows
    // must not apply the other program's lines a second time.
    m_base = NonEmpty(std::move(theirs));
    m_fileState = state;

    int index = -1;
    if (select != SelectAfterMerge::None && !selected.empty()) {
        for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
            if (m_entries[m_items[i].position] != selected)
                continue;
            // An added line is the last of equal ones; a kept one the first.
            const int position = m_items[i].position;
            if (index < 0 ||
                (select == SelectAfterMerge::LastAdded ? position > m_items[index].position
                                                       : position < m_items[index].position))
                index = i;
        }
    }
    SelectWithoutPicking(index);
}

WriteResult CPeopListModel::WriteEntries(const std::filesystem::path& path) {
    if (path.empty())
        return WriteResult{false, "no file name given"};
    const std::string bytes = JoinLines(m_entries, m_byteOrderMark);
    WriteResult result;
    result.ok = WriteFileAtomically(path, bytes, &result.error);
    if (result) {
        m_base = NonEmpty(m_entries);
        m_fileState = StateOfFile(path, bytes);
    }
    return result;
}

int CPeopListModel::InsertItem(std::string name, int position) {
    const int index = InsertSorted(m_items, std::move(name), position);
    if (m_selection >= index)
        ++m_selection;
    return index;
}

void CPeopListModel::SelectWithoutPicking(int itemIndex) {
    m_selection = itemIndex;
    m_editText = itemIndex >= 0 ? m_items[itemIndex].name : std::string();
}

} // namespace mienlore
