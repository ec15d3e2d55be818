#pragma once

#include <QWizard>
#include <QWizardPage>

#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;

namespace mienlore {

class CFaceFrame;
class CFaceItem;
struct PhotoRobotPage;

// One page of the photo-robot: radio groups for the shape, the variant, the
// horizontal and the vertical choice of one slot, and "Hide". Every click
// changes the current face at once. The radios start unchecked: the page
// asks, it does not show the face's values.
class CPageFaceItem : public QWizardPage {
    Q_OBJECT
public:
    CPageFaceItem(int pageNumber, const PhotoRobotPage& page, CFaceItem& item,
                  QWidget* parent = nullptr);

    int PageNumber() const { return m_pageNumber; }
    int SlotId() const { return m_slotId; }
    // The control with that id (radios, "Hide", heading), or nullptr.
    QWidget* Control(int controlId) const;
    // Clicks the control as the user would.
    void Click(int controlId);

    void initializePage() override;

signals:
    // The slot was changed by a choice; the face page and the analysis follow.
    void slotEdited(int slotId);

private:
    void OnChoice(int controlId);
    QButtonGroup* AddGroup(QWidget* box, int firstId, const std::vector<const char*>& labels,
                           const char* firstLabel = nullptr);

    int m_pageNumber;
    int m_slotId;
    CFaceItem& m_item;
    QButtonGroup* m_shapes = nullptr;
};

// The photo-robot questionnaire: eight pages, one per main slot but the
// hair. Finish and Cancel both only close it: the choices stay in the face.
// Only one can be open at a time.
class CFacewizard : public QWizard {
    Q_OBJECT
public:
    CFacewizard(CFaceFrame& face, QWidget* parent = nullptr);
    ~CFacewizard() override;

    // Whether a questionnaire is open now.
    static bool IsOpen();

    // Opens the questionnaire modally over the owner; does nothing and
    // returns false while one is open already. onSlotActivated runs when a
    // page becomes active (the face page selects that slot), onSlotEdited
    // after every change of a slot.
    static bool Run(CFaceFrame& face, QWidget* owner, std::function<void(int)> onSlotActivated,
                    std::function<void(int)> onSlotEdited);

    CPageFaceItem* FacePage(int pageNumber) const; // 1..8

    // Room for the largest page whichever page is shown, so that the window
    // keeps one size and its buttons stay in place while the user pages
    // through.
    QSize sizeHint() const override;

signals:
    void slotActivated(int slotId);
    void slotEdited(int slotId);

private:
    void OnPageChanged(int id);

    QSize m_largestPage;

    static bool s_open;
};

} // namespace mienlore
