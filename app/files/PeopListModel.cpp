#include "files/PeopListModel.h"

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

    const LineReadResult read = ReadLines(path);
    result.opened = read.opened;
    result.linesRead = static_cast<int>(read.lines.size());
    result.tooLong = read.tooLong.size();
    if (!read.opened) {
        result.outcome = read.tooLarge ? LoadOutcome::TooLarge : LoadOutcome::Unreadable;
        return result;
    }

    // Build the new list aside: the current one stays until the file has
    // proved to be a face list.
    std::vector<std::string> entries;
    std::vector<FaceListItem> items;
    CFaceFrame scratch = m_host.CurrentFace();
    std::size_t faces = 0;
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        const std::string& raw = read.RawLine(i);
        if (raw.empty())
            continue;
        const std::string& line = read.lines[i];
        auto stored = line.empty() ? std::nullopt : ValidateStoredLine(line, scratch);
        if (!stored) {
            entries.push_back(raw);
            ++result.keptAside;
            continue;
        }
        entries.push_back(std::move(stored->line));
        InsertSorted(items, std::move(stored->name), static_cast<int>(entries.size()) - 1);
        ++faces;
    }
    if (entries.empty()) {
        result.outcome = LoadOutcome::EmptyFile;
    } else if (faces == 0) {
        result.outcome = LoadOutcome::NotAList;
        return result;
    } else {
        result.outcome = LoadOutcome::Loaded;
    }

    m_path = path;
    m_entries = std::move(entries);
    m_byteOrderMark = read.byteOrderMark;
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
    return WriteOrRestore(before);
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
    return WriteOrRestore(before);
}

CPeopListModel::State CPeopListModel::Snapshot() const {
    return State{m_entries, m_items, m_selection, m_editText};
}

WriteResult CPeopListModel::WriteOrRestore(State before) {
    WriteResult result = WriteLines(m_path, m_entries, m_byteOrderMark);
    if (!result) {
        // The list on screen stays what the file holds.
        m_entries = std::move(before.entries);
        m_items = std::move(before.items);
        m_selection = before.selection;
        m_editText = std::move(before.editText);
    }
    return result;
}

WriteResult CPeopListModel::SaveAs(const std::filesystem::path& path) {
    WriteResult result = WriteLines(path, m_entries, m_byteOrderMark);
    if (result)
        m_path = path;
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
