#pragma once

#include "files/PeopListModel.h"
#include "shell/ui/CommandIds.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

class QComboBox;
class QToolButton;

namespace mienlore {

class CLang;

// The faces list panel: the buttons "Keys", "Read", "Save", "Add", "Del",
// "Img" and the sorted drop-down of names over a face list. A name the user
// selects is picked: its face becomes the current face. Files that cannot be
// read or written are reported to the user.
class CPeopList : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialogId = 152;
    static constexpr int kKeysId = 2030;
    static constexpr int kReadId = 2330;
    static constexpr int kSaveId = cmd::kSaveList;
    static constexpr int kAddId = cmd::kListAdd;
    static constexpr int kDelId = cmd::kListDelete;
    static constexpr int kImgId = 2353;
    static constexpr int kNameBoxId = 1047;

    CPeopList(IFaceListHost& host, std::filesystem::path programFolder, const CLang* lang,
              QWidget* parent = nullptr);
    // The same over callbacks: whether a slot is selected on the face page,
    // the current face, and what follows a picked face (the update cycle).
    CPeopList(std::function<bool()> isSlotSelected, CFaceFrame& face,
              std::function<void()> faceChanged, const CLang* lang, QWidget* parent = nullptr);

    CPeopListModel& Model() { return m_model; }
    QComboBox* NameBox() const { return m_names; }
    QToolButton* Button(int id) const;

    // "Read": chooses a list file, starting at the sample list, and loads it.
    void ReadList();
    // Loads a list file; a file that is refused and lines that are kept
    // aside are reported. Returns the number of lines read.
    int LoadList(const QString& path);
    // The sample list, read once at start-up; only a missing one is not
    // reported.
    void LoadDefaultList();
    // "Add": asks for a name (default "Noname") and stores the current face.
    void AddEntry();
    bool AddNamed(const QString& name);
    // "Del": asks first (No the default), then removes the selected entry
    // from the list file. False when nothing was deleted.
    bool DeleteEntry();
    // "Save": writes the entries to a list file chosen by the user, which then
    // becomes the current list.
    void SaveListAs();
    bool SaveListTo(const QString& path);

    // "Keys" and "Img" stay disabled until the tips window and the picture
    // export exist.
    void SetKeysAvailable(bool available);
    void SetImageAvailable(bool available);

    // Where errors go: a message box unless replaced (tests).
    void SetErrorReporter(std::function<void(const QString&)> reporter);
    // Who answers Yes/No questions: a message box unless replaced (tests).
    void SetQuestion(std::function<bool(const QString&)> question);

signals:
    void keysRequested();
    void imageRequested();
    // An entry became the current face.
    void facePicked();

private:
    void ShowModel();
    void Report(const QString& message);
    bool Ask(const QString& question);
    bool ReportWrite(const WriteResult& result, const std::filesystem::path& path);
    void ReportLoad(const CPeopListModel::LoadResult& result, const QString& path);
    void OnActivated(int index);
    void Build();

    std::unique_ptr<IFaceListHost> m_ownHost; // only for the callback form
    CPeopListModel m_model;
    std::filesystem::path m_programFolder;
    const CLang* m_lang;
    QComboBox* m_names;
    std::map<int, QToolButton*> m_buttons;
    std::function<void(const QString&)> m_report;
    std::function<bool(const QString&)> m_ask;
};

} // namespace mienlore
