#pragma once

#include <QWidget>

#include <array>

class QToolButton;

namespace mienlore {

class DialogUnits;

// The page bar: buttons that choose the right-hand page ("Pict", "Hist",
// "Text", "PType") and buttons that start frame commands ("Print", "Web",
// "Prop").
class CPageDesc : public QWidget {
    Q_OBJECT
public:
    CPageDesc(const DialogUnits& units, QWidget* parent = nullptr);

    // Gives the page button of this page id its pressed look, the others
    // their normal look.
    void ShowActive(int pageId);
    QToolButton* Button(int id) const;

    static constexpr std::array<int, 4> kPageIds = {2362, 2360, 2361, 2363};

signals:
    void pageRequested(int pageId);
    // A frame command: 57607 print, 32600 save HTML report, 32777 options.
    void commandRequested(int id);
};

} // namespace mienlore
