#include "shell/ui/PhotoCommands.h"

#include "imaging/ui/PagePict.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/View.h"

#include <QApplication>
#include <QClipboard>

namespace mienlore {

using namespace cmd;

void InstallPhotoCommands(CMainFrame& frame) {
    CView* view = frame.View();
    CPagePict* page = view->PhotoPage();
    frame.SetCommand(kOpenPicture, {[view, page] {
                                        view->SelectPage(kPagePict);
                                        page->OpenPicture();
                                    },
                                    {}});
    frame.SetCommand(kPasteBitmap, {[view, page] {
                                        page->PasteImage();
                                        view->SelectPage(kPagePict);
                                    },
                                    [page] { return page->ClipboardHasImage(); }});
}

} // namespace mienlore
