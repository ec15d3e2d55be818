#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QSlider;
class QToolButton;

namespace mienlore {

class CFaceFrame;
class CFaceItem;
class CFaceWnd;
class CPictList;
class DialogUnits;

// The face page: the face picture, a button per feature slot, the picture
// list of the selected slot's shapes, its variants, and sliders for its
// position and size. Every edit changes the current face, reloads the slot's
// pictures and reports the change (the view then runs its update cycle).
class CPageFace : public QWidget {
    Q_OBJECT
public:
    CPageFace(CFaceFrame& face, const DialogUnits& units, QWidget* parent = nullptr);

    // Selects a slot (FaceSlot number); highlight shows it on the picture.
    void SelectSlot(int slotId, bool highlight = false);
    // Ends the selection (Randomize): no slot, editing controls disabled.
    void EndSelection();
    int SelectedSlot() const { return m_slot; }
    bool HasCurrentSlot() const { return m_slot > 0; }

    // Puts the selected slot's values into the list, the sliders and the
    // variant list.
    void RefreshControls();
    // Sets the sliders, the list selection and the variant list from the
    // selected slot without rebuilding anything.
    void SyncSliders();

    // The face editing keys (W Z A S D F E X H); returns whether the key is
    // one of them.
    bool OnKey(int key, Qt::KeyboardModifiers modifiers);

    // Commands of the page.
    void HideItem();     // "Emp"
    void NextVariant();  // "Scro"
    void DefaultPlace(); // "Cent"
    void ClearFace();    // Clear, then select the forehead

    // The analysis summary shown as the picture's caption.
    void SetCaption(const QString& caption) { m_caption = caption; }
    const QString& Caption() const { return m_caption; }
    // Re-renders the face picture with the current caption.
    void RenderFace();
    // Enables "Undo" and "Redo" (only while a slot is selected).
    void SetHistoryState(bool canUndo, bool canRedo);

    CFaceWnd* FaceWindow() const { return m_faceWnd; }
    CPictList* PictureList() const { return m_list; }
    QComboBox* VariantList() const { return m_variants; }
    QSlider* Slider(int id) const;
    QToolButton* Button(int id) const;
    QLabel* SliderIcon(int id) const;

    // Where list pictures come from: (slot, shape) -> picture of that shape
    // with the slot's current variant.
    void SetPictureSource(std::function<QImage(const CFaceItem&, int)> source);

signals:
    // The face changed: the view runs its update cycle.
    void faceChanged();
    void undoRequested();
    void redoRequested();
    // A frame command started from the page (the photo-robot, smoothing).
    void commandRequested(int id);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CFaceItem* Selected();
    void Apply();
    void ApplyAfterKeyOrDrag();
    void UpdateButtons();
    void OnListSelection(int row);
    void OnVariantSelection(int index);
    void OnSliderMoved(int id);
    void OnFacePressed(QPoint pos);
    void OnFaceDragged(QPoint pos);
    void StepVariant(int delta);
    void SetSlider(int id, int lo, int hi, int value);
    int SliderValue(int id) const;
    QToolButton* MakeButton(int id, const QString& text, QRect rect, bool checkable = false);

    CFaceFrame& m_face;
    int m_slot = -1;
    QString m_caption;
    bool m_updating = false;
    bool m_canUndo = false;
    bool m_canRedo = false;
    QPoint m_anchor;
    int m_listVariant = -1; // the variant the list's pictures show

    CFaceWnd* m_faceWnd;
    CPictList* m_list;
    QComboBox* m_variants;
    QSlider* m_shapeSlider;   // 1008
    QSlider* m_variantSlider; // 1010, hidden
    QSlider* m_ySlider;       // 1009
    QSlider* m_sizeSlider;    // 1012
    QSlider* m_xSlider;       // 1011
    QLabel* m_sizeIcon;       // 1090
    QLabel* m_xIcon;          // 1091
    std::array<QToolButton*, 11> m_slotButtons{};
    QToolButton* m_emp;
    QToolButton* m_undo;
    QToolButton* m_redo;
    QToolButton* m_scro;
    QToolButton* m_run;
    QToolButton* m_cent;
    QToolButton* m_smooth;
    std::function<QImage(const CFaceItem&, int)> m_pictures;
};

// Values written into a slider or read from one are kept within 0..300.
int ClampSliderValue(int value);

} // namespace mienlore
