#pragma once

#include "gallery/GallCollection.h"

#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QLabel;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace mienlore {

class CDevib;
class CFindInGListDlg;
class CLang;
class CPictListBox;
class CStaticLink;

// What the gallery panel needs of the window around it.
struct GallHost {
    // True when the face page has a current feature slot.
    std::function<bool()> hasCurrentSlot;
    // The usual preparation before a face change (run when no slot is
    // current, so that the face is not changed by random steps at once).
    std::function<void()> prepare;
    // The current face changed: refresh the pages and run the update cycle.
    std::function<void()> faceChanged;
    // Shows a portrait as the photograph (empty while there is no photo page).
    std::function<void(const QString& path)> showPicture;
    // The face as drawn in the face window, for a portrait of My Gallery.
    std::function<bool(CDevib& picture)> facePicture;
    // The photograph as shown, and whether there is one to save.
    std::function<bool(CDevib& picture)> photoPicture;
    std::function<bool()> hasPhoto;
    // Switches the view to its "Face Traits" page.
    std::function<void()> showFaceTraits;
};

// The gallery panel: the radios "My" and "Gallery", a strip of portraits for
// each with a scroll bar, "Prev" and "Next", "Add" and "Del", the title of
// the portrait chosen last and its web link.
class CPageGall : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDialogId = 184;
    static constexpr int kMyId = 1021;
    static constexpr int kGalleryId = 1022;
    static constexpr int kTitleId = 1271;
    static constexpr int kLinkId = 1270;
    static constexpr int kGalleryStripId = 1064;
    static constexpr int kMyStripId = 1066;
    static constexpr int kScrollId = 1002;
    static constexpr int kDelId = 2324;
    static constexpr int kAddId = 2322;
    static constexpr int kPrevId = 2402;
    static constexpr int kNextId = 2403;

    // My Gallery is read when the panel is made; the shipped Gallery is shown
    // as the collection holds it (see GalleryLoaded).
    CPageGall(CGallery& gallery, CFaceFrame& face, GallHost host, const CLang* lang,
              QWidget* parent = nullptr);
    ~CPageGall() override;

    // Shows the strip of a folder.
    void ShowFolder(GallFolder which);
    GallFolder Folder() const { return m_folder; }
    // Shows the shipped Gallery anew after the collection read it.
    void GalleryLoaded();
    void ReloadMyGallery();

    // The panel's commands.
    void Prev();
    void Next();
    // "Add": with My chosen, Add to My Gallery; with Gallery, Describe.
    void Add();
    // "Del": with My chosen, Remove from My Gallery.
    void Delete();
    // "Open gallery..." and "Gallery List".
    void ShowGalleryList();
    // Shows a portrait of the shown strip as the first cell and selects it.
    void ShowPosition(int position);
    // A click on a cell of the shown strip.
    void ClickCell(int cell);
    // Moves the shown strip as the scroll bar does (nothing is selected).
    void ScrollTo(int first);

    // The title remembered from the portrait applied last.
    const QString& Title() const { return m_title; }

    CPictListBox* Strip(GallFolder which) const;
    CPictListBox* ShownStrip() const { return Strip(m_folder); }
    QScrollBar* ScrollBar() const { return m_scroll; }
    QLabel* TitleLabel() const { return m_titleLabel; }
    CStaticLink* Link() const { return m_link; }
    QToolButton* Button(int id) const;
    QRadioButton* Radio(GallFolder which) const;
    CFindInGListDlg* ListDialog() const { return m_listDlg; }

    // Ways to ask and tell the user (dialogs by default); for tests.
    using NameAsker = std::function<bool(QString& name, bool& saveImage, bool photoAvailable)>;
    using Question = std::function<bool(const QString& title, const QString& text)>;
    using Reporter = std::function<void(const QString& text)>;
    void SetNameAsker(NameAsker asker) { m_askName = std::move(asker); }
    void SetQuestion(Question question) { m_ask = std::move(question); }
    void SetReporter(Reporter reporter) { m_report = std::move(reporter); }

private:
    void Build();
    void Apply(int position);
    void ApplySelection(std::optional<int> position);
    void SyncScrollBar();
    void ShowTitle(const std::filesystem::path& picture);
    void FillStrip(GallFolder which);
    void AddToMyGallery();
    void Describe();
    bool AskName(QString& name, bool& saveImage);
    bool AskYesNo(const QString& title, const QString& text);
    void Report(const QString& text);

    CGallery& m_gallery;
    CFaceFrame& m_face;
    GallHost m_host;
    const CLang* m_lang;
    GallFolder m_folder = GallFolder::Gallery;
    QString m_title;
    QString m_addTip;

    QRadioButton* m_radios[2] = {nullptr, nullptr};
    CPictListBox* m_strips[2] = {nullptr, nullptr};
    QScrollBar* m_scroll = nullptr;
    QLabel* m_titleLabel = nullptr;
    CStaticLink* m_link = nullptr;
    std::map<int, QToolButton*> m_buttons;
    CFindInGListDlg* m_listDlg = nullptr;

    NameAsker m_askName;
    Question m_ask;
    Reporter m_report;
};

} // namespace mienlore
