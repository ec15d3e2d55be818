#include "shell/ui/FrameDialogCommands.h"
#include "shell/ui/ButtonTextFit.h"

#include "analysis/ui/PageFate.h"
#include "files/ui/ClipboardCommands.h"
#include "files/ui/PeopList.h"
#include "imaging/ui/FaceWnd.h"
#include "model/ui/Facewizard.h"
#include "model/ui/PageFace.h"
#include "shell/ui/AboutDlg.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/Props.h"
#include "shell/ui/TipDayDlg.h"
#include "shell/ui/View.h"

#include <QApplication>
#include <QMessageBox>

namespace mienlore {

using namespace cmd;

namespace {

void RunPhotoRobot(CMainFrame& frame, CFaceFrame& face) {
    CView* view = frame.View();
    CPageFace* page = view->FacePage();
    ModalScope modal(view);
    CFacewizard::Run(
        face, &frame, [page](int slot) { page->SelectSlot(slot); },
        [view, page](int) {
            page->RefreshControls();
            view->UpdateCycle();
        });
}

void RunOptions(CMainFrame& frame, CAppGlobals& globals) {
    CView* view = frame.View();
    ModalScope modal(view);
    CProps props(globals.params, globals.lang, *globals.store, &frame);
    QObject::connect(&props, &CProps::faceSettingsApplied, view, [view] {
        view->FacePage()->RefreshControls();
        view->UpdateCycle();
    });
    QObject::connect(&props, &CProps::fateSettingsApplied, view, [view] {
        view->FatePage()->RefreshColours();
        view->RefreshActivePage(); // the text pages follow the style at once
        view->update();
    });
    QObject::connect(&props, &CProps::saveFailed, &frame, [&frame](const QString& message) {
        QMessageBox::warning(&frame, frame.windowTitle(), message);
    });
    QObject::connect(&props, &CProps::helpRequested, &props,
                     [&globals, &props] { globals.help.ShowTopic(&props, help::kOptions); });
    props.exec();
    if (props.LanguageChanged()) {
        TranslateDialog(globals.lang, view, 140);
        FitButtonTexts(view);
    }
}

} // namespace

void InstallDialogCommands(CMainFrame& frame, CAppGlobals& globals) {
    CView* view = frame.View();
    CFaceFrame& face = globals.face;
    auto* facesList = qobject_cast<CPeopList*>(view->FacesListBar());

    frame.SetCommand(kPhotoRobot, {[&frame, &face] { RunPhotoRobot(frame, face); },
                                   [] { return !CFacewizard::IsOpen(); }});
    frame.SetCommand(kOptions, {[&frame, &globals] { RunOptions(frame, globals); }, {}});

    frame.SetCommand(kCopyFaceText, {[&face] {
                                         if (!CopyPhotoRobot(face))
                                             QApplication::beep();
                                     },
                                     {}});
    frame.SetCommand(kPasteFaceText, {[view, &face] {
                                          if (!PastePhotoRobot(face))
                                              return;
                                          view->FacePage()->RefreshControls();
                                          view->UpdateCycle();
                                      },
                                      [] { return CanPastePhotoRobot(); }});
    frame.SetCommand(kCopyBitmap,
                     {[view] {
                          if (!CopyFacePicture(view->FacePage()->FaceWindow()->Cache()))
                              QApplication::beep();
                      },
                      {}});

    const std::filesystem::path folder = face.ProgramFolder();
    frame.SetCommand(kHelpTopics,
                     {[&frame, &globals] { globals.help.ShowTopic(&frame, help::kContents); }, {}});
    frame.SetCommand(kTipOfTheDay, {[&frame, &globals, folder] {
                                        ModalScope modal(frame.View());
                                        CTipDayDlg::ShowOnDemand(globals.params.tips, globals.lang,
                                                                 folder, &frame);
                                    },
                                    {}});
    frame.SetCommand(kAbout, {[&frame, &globals, folder] {
                                  ModalScope modal(frame.View());
                                  CAboutDlg about(globals.lang, folder, &frame);
                                  about.exec();
                              },
                              {}});

    if (facesList) {
        facesList->SetKeysAvailable(true);
        QObject::connect(facesList, &CPeopList::keysRequested, &frame, [&frame, &globals, folder] {
            ModalScope modal(frame.View());
            CTipDayDlg::ShowKeys(globals.params.tips, globals.lang, folder, &frame);
        });
        frame.SetCommand(kFileOpen, {[facesList] { facesList->ReadList(); }, {}});
        for (int id : {kSaveList, kSaveListAlias, kFileSave, kFileSaveAsButton})
            frame.SetCommand(id, {[facesList] { facesList->SaveListAs(); }, {}});
        frame.SetCommand(kListAdd, {[facesList] { facesList->AddEntry(); }, {}});
        frame.SetCommand(kListDelete, {[facesList] { facesList->DeleteEntry(); }, {}});
    }
}

} // namespace mienlore
