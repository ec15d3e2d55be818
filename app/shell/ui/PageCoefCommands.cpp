#include "shell/ui/PageCoefCommands.h"

#include "analysis/FateFrame.h"
#include "gallery/SimilarSearch.h"
#include "gallery/SimilarSearchFaces.h"
#include "gallery/ui/FindFaceDlg.h"
#include "gallery/ui/FindInGallDlg.h"
#include "gallery/ui/FindSohDlg.h"
#include "gallery/ui/PageCoef.h"
#include "imaging/ui/FaceWnd.h"
#include "imaging/ui/PagePict.h"
#include "model/ui/PageFace.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/View.h"
#include "shell/ui/WidgetPlacement.h"

#include <QApplication>
#include <QPointer>

#include <memory>

namespace mienlore {
namespace {

using namespace cmd;

// The gallery face files of the gallery of the run (the shipped Gallery,
// read at start-up), with their portraits; Last() is what the last search
// was made over.
class GalleryFaces {
public:
    explicit GalleryFaces(const CGallery& gallery) : m_gallery(gallery) {}

    const SearchGallery& Get() {
        m_faces = FaceFilesOf(m_gallery);
        return m_faces;
    }
    const SearchGallery& Last() const { return m_faces; }

private:
    const CGallery& m_gallery;
    SearchGallery m_faces;
};

std::filesystem::path TypesFile(const CAppGlobals& globals) {
    return globals.face.ProgramFolder() / "PType" /
           globals.lang.ReadMainValue("typepages", "typepages.ini");
}

void RunFindFace(CMainFrame& frame, CAppGlobals& globals) {
    CView* view = frame.View();
    CPageCoef* bar = view->SearchBar();
    view->FacePage()->SelectSlot(kSlotForehead);
    bar->SetSearching(true);
    {
        ModalScope modal(view);
        CFindFaceDlg dlg(&globals.lang, TypesFile(globals),
                         &globals.params.placements[kPlacementFindFace], &frame);
        dlg.SetSearch([view, bar, &globals](const PreparedTargets& targets,
                                            const TraitSearchProgress& dialogProgress) {
            TraitSearchProgress progress = dialogProgress;
            progress.slotDone = [view, bar](int, int best) {
                bar->SetFactor(best);
                view->FacePage()->RefreshControls();
                view->RefreshAnalysis();
                view->FacePage()->RenderFace();
                view->window()->repaint();
            };
            const TraitSearchResult result =
                SearchByTraits(globals.face, globals.fate, targets, view->Random(), progress);
            // The composed face is one change of the face: counted and kept
            // in the history, so that it can be undone.
            view->FacePage()->RefreshControls();
            view->UpdateCycle();
            return result;
        });
        dlg.SetHelp([&globals, &dlg](int topic) { globals.help.ShowTopic(&dlg, topic); });
        dlg.exec();
    }
    bar->SetFactor(0);
    bar->SetSearching(false);
}

} // namespace

void InstallSearchCommands(CMainFrame& frame, CAppGlobals& globals) {
    auto gallery = std::make_shared<GalleryFaces>(globals.gallery);
    auto found = std::make_shared<QPointer<CFindInGallDlg>>();

    const auto findFace = [&frame, &globals] { RunFindFace(frame, globals); };
    frame.SetCommand(kFindFace, {findFace, {}});
    frame.SetCommand(kFindFaceAlias, {findFace, {}});

    const auto findInGallery = [&frame, &globals, gallery, found] {
        const SearchGallery& faces = gallery->Get();
        if (faces.faces.empty()) {
            QApplication::beep();
            return;
        }
        CView* view = frame.View();
        view->SelectPage(kPagePict);
        if (!*found) {
            auto* dlg = new CFindInGallDlg(&globals.lang, &frame);
            *found = dlg;
            const QPoint corner = view->FacePage()->FaceWindow()->mapToGlobal(QPoint(0, 2));
            dlg->move(corner);
            QObject::connect(dlg, &CFindInGallDlg::closed, &frame, [dlg, &globals] {
                globals.params.placements[kPlacementFindGall] = CaptureWidgetPlacement(*dlg);
            });
            // A chosen row shows that face's portrait as the photograph; the
            // current face stays.
            QObject::connect(
                dlg, &CFindInGallDlg::faceChosen, &frame, [view, gallery, &globals](int index) {
                    const SearchGallery& shown = gallery->Last();
                    CPagePict* photo = view->PhotoPage();
                    if (!photo || index < 0 || index >= static_cast<int>(shown.pictures.size()))
                        return;
                    const auto path = CFindInGallDlg::PortraitToShow(shown.pictures[index],
                                                                     globals.face.ProgramFolder());
                    photo->LoadPhoto(QString::fromStdString(path.string()), false);
                    photo->PictureWindow()->update();
                });
        }
        const CLang& lang = globals.lang;
        const CSimilarSearch search(faces.faces);
        (*found)->SetRows(search.Search(globals.face, [&lang](int base) {
            return lang.ControlText(160, base, FeatureCaption(base));
        }));
        (*found)->show();
        (*found)->raise();
    };
    frame.SetCommand(kFindInGallery, {findInGallery, {}});
    frame.SetCommand(kFindInGalleryAlias, {findInGallery, {}});

    const auto findOnMap = [&frame, &globals, gallery] {
        CView* view = frame.View();
        ModalScope modal(view);
        CFindSohDlg dlg(
            &globals.lang, gallery->Get(), [&globals] { return globals.fate.GetAllIndicators(); },
            &globals.params.placements[kPlacementFindSoh], &frame);
        dlg.SetHelp([&globals, &dlg](int topic) { globals.help.ShowTopic(&dlg, topic); });
        dlg.exec();
    };
    frame.SetCommand(kFindOnMap, {findOnMap, {}});
    frame.SetCommand(kFindOnMapAlias, {findOnMap, {}});
}

} // namespace mienlore
