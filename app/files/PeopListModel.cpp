#include "files/PeopListModel.h"

#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "model/FaceFrame.h"

#include <algorithm>
#include <cstdint>

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
    m_path = path;

    const LineReadResult read = ReadLines(path);
    result.opened = read.opened;
    result.linesRead = static_cast<int>(read.lines.size());
    result.tooLong = read.tooLong.size();
    if (read.lines.empty())
        return result;

    m_entries.clear();
    m_items.clear();
    m_selection = -1;
    m_editText.clear();
    CFaceFrame scratch = m_host.CurrentFace();
    for (const std::string& line : read.lines) {
        if (line.empty())
            continue;
        if (auto stored = ValidateStoredLine(line, scratch)) {
            m_entries.push_back(std::move(stored->line));
            InsertItem(std::move(stored->name), static_cast<int>(m_entries.size()) - 1);
        }
    }
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
    const std::string storedName = StorableFaceName(name);
    m_entries.push_back(StoredFaceLine(m_host.CurrentFace(), storedName));
    SelectWithoutPicking(InsertItem(storedName, static_cast<int>(m_entries.size()) - 1));
    return WriteLines(m_path, m_entries);
}

WriteResult CPeopListModel::Del() {
    if (m_items.empty() || m_selection < 0 || m_selection >= static_cast<int>(m_items.size()))
        return WriteResult{true, {}};
    const int position = m_items[m_selection].position;
    if (position >= 0 && position < static_cast<int>(m_entries.size()))
        m_entries[position].clear();
    m_items.erase(m_items.begin() + m_selection);
    SelectWithoutPicking(m_items.empty() ? -1 : 0);
    return WriteLines(m_path, m_entries);
}

WriteResult CPeopListModel::SaveAs(const std::filesystem::path& path) {
    WriteResult result = WriteLines(path, m_entries);
    if (result)
        m_path = path;
    return result;
}

int CPeopListModel::InsertItem(std::string name, int position) {
    // After any equal names, so that equal names keep their file order.
    const auto at = std::upper_bound(
        m_items.begin(), m_items.end(), name,
        [](const std::string& n, const FaceListItem& item) { return FaceNameLess(n, item.name); });
    const int index = static_cast<int>(at - m_items.begin());
    if (m_selection >= index)
        ++m_selection;
    m_items.insert(at, FaceListItem{std::move(name), position});
    return index;
}

void CPeopListModel::SelectWithoutPicking(int itemIndex) {
    m_selection = itemIndex;
    m_editText = itemIndex >= 0 ? m_items[itemIndex].name : std::string();
}

} // namespace mienlore
