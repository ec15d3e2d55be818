#pragma once

#include "shell/ui/CommandIds.h"

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

    static constexpr std::array<int, 4> kPageIds = {cmd::kPagePict, cmd::kPageHist, cmd::kPageText,
                                                    cmd::kPageType};

signals:
    void pageRequested(int pageId);
    // A frame command: print (cmd::kFilePrint), save the HTML report
    // (cmd::kSaveWebPage) or options (cmd::kOptions).
    void commandRequested(int id);
};

} // namespace mienlore
