#include "shell/ui/MainFrame.h"

#include "resources/StringTable.h"

namespace mienlore {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(ResourceString(128)));
    resize(800, 600);
}

} // namespace mienlore
