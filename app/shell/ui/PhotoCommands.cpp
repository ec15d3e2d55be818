#include "shell/ui/PhotoCommands.h"

#include "imaging/ui/PagePict.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/ReportCommands.h"
#include "shell/ui/View.h"

#include <QApplication>
#include <QClipboard>

namespace mienlore {

using namespace cmd;

void InstallPhotoCommands(CMainFrame& frame, CReportCommands* reports) {
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
    if (!reports)
        return;
    const auto follow = [reports, page] {
        if (page->isVisible() && page->View().HasPicture())
            reports->SetPhotoWriter([page](const std::filesystem::path& path, std::string* error) {
                return page->SavePhotoView(QString::fromStdString(path.string()), error);
            });
        else
            reports->SetPhotoWriter({});
    };
    QObject::connect(page, &CPagePict::shownChanged, reports, follow);
    follow();
}

} // namespace mienlore
