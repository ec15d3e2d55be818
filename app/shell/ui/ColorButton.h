#pragma once

#include "shell/Params.h"
#include "shell/ui/QtColour.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFrame>
#include <QPointer>
#include <QPushButton>

#include <vector>

namespace mienlore {

// One colour cell of the picker's palette.
class CColorCell : public QAbstractButton {
    Q_OBJECT
public:
    CColorCell(Colour colour, bool selected, QWidget* parent = nullptr);
    Colour CellColour() const { return m_colour; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Colour m_colour;
    bool m_selected;
    bool m_hover = false;
};

// The drop-down of the colour button: "Automatic", the 40 named colours and
// "More Colors…", in the menu colours of the system.
class CColorPopup : public QFrame {
    Q_OBJECT
public:
    CColorPopup(Colour current, bool automatic, Colour automaticColour, QWidget* parent = nullptr);

    QAbstractButton* AutomaticEntry() const { return m_automatic; }
    QAbstractButton* MoreColoursEntry() const { return m_more; }
    CColorCell* Cell(int index) const; // 0..39

signals:
    void automaticPicked();
    void colourPicked(Colour colour);
    void moreColoursRequested();

private:
    QAbstractButton* m_automatic = nullptr;
    QAbstractButton* m_more = nullptr;
    std::vector<CColorCell*> m_cells;
};

// A push button that shows its colour as a framed rectangle with a small
// drop-down arrow; clicking it opens the colour popup. The colour may be
// "automatic", which shows (and means) the automatic colour.
class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(QWidget* parent = nullptr);

    void SetAutomaticColour(Colour colour);
    Colour AutomaticColour() const { return m_automaticColour; }
    // An explicit colour (automatic off).
    void SetColour(Colour colour);
    void SetAutomatic();
    bool IsAutomatic() const { return m_isAutomatic; }
    // The colour the button stands for: the automatic colour while automatic.
    Colour CurrentColour() const { return m_isAutomatic ? m_automaticColour : m_colour; }

    // The popup while it is open, the colour dialog while "More Colors…" is
    // shown (both for tests), else nullptr.
    CColorPopup* Popup() const { return m_popup; }
    QColorDialog* ColourDialog() const { return m_dialog; }

    QSize sizeHint() const override;

signals:
    // The user changed the colour.
    void colourChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OpenPopup();
    void OpenColourDialog();
    void Pick(Colour colour, bool automatic);

    Colour m_colour = 0;
    Colour m_automaticColour = 0;
    bool m_isAutomatic = true;
    QPointer<CColorPopup> m_popup;
    QPointer<QColorDialog> m_dialog;
};

} // namespace mienlore
