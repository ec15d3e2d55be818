#pragma once

#include "base/WriteResult.h"
#include "files/ListFileState.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mienlore {

class CFaceFrame;
struct LineReadResult;

// What the face list needs from the program around it.
class IFaceListHost {
public:
    virtual ~IFaceListHost() = default;
    // Picking an entry applies it only while a slot is selected on the face
    // page.
    virtual bool IsSlotSelected() const = 0;
    virtual CFaceFrame& CurrentFace() = 0;
    // Called after a picked entry became the current face: the view runs its
    // update cycle and the face enters the history.
    virtual void FaceChanged() = 0;
};

// One name of the list's drop-down, with the position of its entry.
struct FaceListItem {
    std::string name;
    int position = -1;
};

// The face list behind the faces panel: the current list file, its stored
// face lines in file order, and the names sorted as the drop-down shows them.
// Every Add and Del rewrites the whole list file.
class CPeopListModel {
public:
    explicit CPeopListModel(IFaceListHost& host);

    // "list.phy" in the "SAMPLES" folder of the program folder.
    static std::filesystem::path DefaultListPath(const std::filesystem::path& programFolder);

    enum class LoadOutcome {
        Nothing,    // empty path: nothing happened
        Loaded,     // the file's faces are the list now
        EmptyFile,  // the file holds no line: it is the current list, with no entries
        Unreadable, // the file could not be read: list and list file unchanged
        TooLarge,   // larger than kMaxLineFileBytes: list and list file unchanged
        NotAList,   // lines, but no face line: list and list file unchanged
    };

    struct LoadResult {
        LoadOutcome outcome = LoadOutcome::Nothing;
        bool opened = false;       // false: the file could not be read
        int linesRead = 0;         // lines of the file, valid or not
        std::size_t tooLong = 0;   // lines longer than kMaxLineBytes
        std::size_t keptAside = 0; // lines that are not faces (the long ones too)
    };

    // Reads a list file. A file with at least one face line becomes the
    // current list: its faces are the entries, the first name is selected
    // and picked, and the lines that are not faces stay among the entries as
    // they stand, so that every Add and Del writes them back unchanged and in
    // place. An empty file becomes the current list with no entries. A file
    // that cannot be read, is too large or holds lines but no face changes
    // nothing: the list and its file stay as they were. An empty path does
    // nothing.
    LoadResult LoadList(const std::filesystem::path& path);
    LoadResult LoadDefaultList(const std::filesystem::path& programFolder);

    // The user selected the drop-down item at this index: it becomes the
    // selection and is picked. False when nothing was applied.
    bool SelectItem(int itemIndex);
    // Applies the selected entry to the current face (only while a slot is
    // selected). An entry whose code cannot be decoded leaves the face and
    // the edit text untouched and returns false.
    bool Pick();

    // Every write to the current list file first checks that the file is
    // still the one last read or written (size, time, content hash). When
    // another program changed it, the file is read again and the user's
    // operation applied to its new content: the other program's lines stay,
    // the entries are rebuilt from the merged lines.

    // Stores the current face under the name as a new entry, selects it and
    // rewrites the list file. When the file cannot be written the list is
    // left as it was (no new entry, the old selection).
    WriteResult Add(std::string_view name);
    // Deletes the selected entry, leaves nothing selected (an empty edit
    // text; the face stays) and rewrites the list file. Does nothing without
    // a selection; when the file cannot be written the entry stays selected.
    WriteResult Del();
    // Writes the entries to another file, which then becomes the current
    // list file (it stays the old one when writing fails). Saving to the
    // current list file is a write like Add's and Del's.
    WriteResult SaveAs(const std::filesystem::path& path);

    const std::filesystem::path& ListPath() const { return m_path; }
    // Stored lines by position; a deleted entry is an empty string. A line
    // of the file that is not a face stands here with the file's bytes and
    // has no drop-down item.
    const std::vector<std::string>& Entries() const { return m_entries; }
    // The drop-down's names in display order.
    const std::vector<FaceListItem>& Items() const { return m_items; }
    // Index into Items(), -1 for none.
    int Selection() const { return m_selection; }
    // The text of the drop-down's edit field.
    const std::string& EditText() const { return m_editText; }

private:
    enum class SelectAfterMerge { LastAdded, Same, None };
    struct State {
        std::vector<std::string> entries;
        std::vector<FaceListItem> items;
        int selection;
        std::string editText;
        bool byteOrderMark;
        std::vector<std::string> base;
        ListFileState fileState;
    };
    State Snapshot() const;
    // Writes the current list file; when that fails, goes back to the state
    // before the operation.
    WriteResult WriteOrRestore(State before, SelectAfterMerge select);
    // Writes the entries to the current list file, first applying them to
    // the file's new content when another program changed it.
    WriteResult WriteCurrentList(SelectAfterMerge select);
    void MergeWithFile(const LineReadResult& read, const ListFileState& state,
                       SelectAfterMerge select);
    // Writes the entries to path; on success they are what the file holds.
    WriteResult WriteEntries(const std::filesystem::path& path);
    int InsertItem(std::string name, int position);
    void SelectWithoutPicking(int itemIndex);

    IFaceListHost& m_host;
    std::filesystem::path m_path;
    std::vector<std::string> m_entries;
    bool m_byteOrderMark = false; // the list file began with one: keep it
    // The non-empty lines the list file held when last read or written, and
    // the file's state then.
    std::vector<std::string> m_base;
    ListFileState m_fileState;
    std::vector<FaceListItem> m_items;
    int m_selection = -1;
    std::string m_editText;
};

// Drop-down order of two names: letters compared without regard to case.
bool FaceNameLess(std::string_view a, std::string_view b);

} // namespace mienlore
