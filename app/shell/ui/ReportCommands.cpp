#include "shell/ui/ReportCommands.h"

#include "analysis/FateFrame.h"
#include "analysis/ui/FateTemper.h"
#include "analysis/ui/PageFate.h"
#include "base/AtomicFile.h"
#include "base/UserDataPath.h"
#include "files/ui/PeopList.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FaceImageFile.h"
#include "imaging/FacePictureLoader.h"
#include "imaging/ui/DevibImage.h"
#include "imaging/ui/FaceWnd.h"
#include "imaging/ui/PictureWriters.h"
#include "model/FaceFrame.h"
#include "model/ui/PageFace.h"
#include "reports/ExportPath.h"
#include "reports/WebReport.h"
#include "reports/ui/PrintedReport.h"
#include "shell/Version.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/BrowserLaunch.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/PageDesc.h"
#include "shell/ui/UiStrings.h"
#include "shell/ui/View.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace mienlore {
namespace {

// Strings of the web report's messages.
constexpr int kSaveWebPageAsTitle = 32607;
constexpr int kWebReportSavedIn = 32608;
constexpr int kBrowserDidNotStart = 32609;

std::filesystem::path ToPath(const QString& s) {
    return std::filesystem::path(s.toStdU16String());
}

QString FromPath(const std::filesystem::path& p) {
    return QString::fromStdU16String(p.u16string());
}

FaceLook SavedLook(const CParams& params) {
    FaceLook look;
    look.faceColor = params.face.faceColour;
    look.fillColor = params.face.fillColour;
    look.smoothing = params.face.filter;
    look.showInfo = false;
    return look;
}

const QString kJobTitle = QStringLiteral("Mienlore Report");

// The document's title: the face's name, or the plain report title for a
// face without one.
QString DocumentTitle(const CView& view) {
    const QString name = view.FaceName();
    return name.isEmpty() ? kJobTitle : name;
}
constexpr int kReportResolution = 300;

} // namespace

bool GatherPrintedReport(CView& view, const CParams& params, PrintedReportContent& c) {
    if (!view.FaceHasCurrentSlot())
        return false;
    CFaceFrame& face = view.Face();
    CFateFrame& fate = view.Fate();
    CPageFate* page = view.FatePage();

    // The face as it is saved: window size, neither caption nor smoothing
    // (the window's soft smoothing turns to blur when scaled up to paper).
    const QSize size = view.FacePage()->FaceWindow()->size().expandedTo(QSize(32, 32));
    const CFaceCompositor compositor(MakeFacePictureLoader(face.ProgramFolder()));
    CDevib canvas;
    RenderFaceImage(compositor, face, SavedLook(params), 1, size.width(), size.height(), canvas);
    c.face = ToQImage(canvas);

    c.name = view.FaceName();
    fate.GetSummary();
    c.summaryWords.clear();
    for (const std::string& w : fate.GetSummaryWords())
        if (!w.empty())
            c.summaryWords << QString::fromStdString(w).trimmed();
    c.title = UiString(3000);
    c.footer = {QString::fromLatin1(kProgramName),
                QStringLiteral("%1, face reading software").arg(QLatin1String(kMakerName)),
                QString::fromLatin1(kHomePageUrl)};

    const auto label = [page](int id) {
        if (page)
            if (QLabel* l = page->Label(id); l && !l->text().isEmpty())
                return l->text();
        return CPageFate::LabelText(id);
    };
    c.upperBars.clear();
    c.lowerBars.clear();
    for (const CPageFate::BarDef& def : CPageFate::Bars()) {
        PrintedReportContent::Bar bar;
        bar.value = fate.GetIndicator(def.indicator).value;
        bar.twoSided = def.twoSided;
        bar.low = label(def.indicator + 2);
        bar.high = def.twoSided ? label(def.indicator + 4) : QString();
        (def.twoSided ? c.upperBars : c.lowerBars).push_back(bar);
    }
    c.temperX = fate.GetIndicator(2540).value;
    c.temperY = fate.GetIndicator(2530).value;
    for (std::size_t i = 0; i < c.temperLabels.size(); ++i)
        c.temperLabels[i] = label(CFateTemper::kLabelIds[i + 1]);
    c.confidenceLabel = label(2802);
    c.confidence = fate.GetIndicator(2800).value;
    return true;
}

CReportCommands::CReportCommands(CMainFrame& frame, CAppGlobals& globals)
    : QObject(&frame), m_frame(frame), m_globals(globals), m_view(frame.View()),
      m_compositor(
          std::make_unique<CFaceCompositor>(MakeFacePictureLoader(globals.face.ProgramFolder()))),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("reportCommands"));
    m_printer->setDocName(kJobTitle);
    m_printer->setCreator(QStringLiteral("Mienlore"));
    // The page's pixel lines and 4-pixel hatching are made for about 300
    // dots per inch: finer, they fade to grey; coarser, they turn heavy.
    m_printer->setResolution(kReportResolution);
}

CReportCommands::~CReportCommands() = default;

void CReportCommands::SetMessageReporter(std::function<void(const QString&)> reporter) {
    m_report = std::move(reporter);
}

void CReportCommands::SetUrlOpener(std::function<bool(const QUrl&)> opener) {
    m_openUrl = std::move(opener);
}

void CReportCommands::Report(const QString& message) {
    if (m_report)
        m_report(message);
    else
        QMessageBox::warning(&m_frame, m_frame.windowTitle(), message);
}

// ---- Save Face Image ------------------------------------------------------

std::filesystem::path CReportCommands::DefaultFaceImagePath() const {
    const std::filesystem::path folder = ReportFolder();
    return folder.empty() ? std::filesystem::path("face.bmp") : folder / "face.bmp";
}

WriteResult CReportCommands::SaveFaceImageTo(const std::filesystem::path& path) {
    WriteResult result;
    const QSize size = m_view->FacePage()->FaceWindow()->size().expandedTo(QSize(1, 1));
    const FaceLook look = SavedLook(m_globals.params);
    std::string error;
    // The picture in the format its name asks for; a format that cannot be
    // written is refused before anything is written.
    CDevib image;
    if (!RenderFaceImage(*m_compositor, m_view->Face(), look, 1, size.width(), size.height(),
                         image)) {
        result.error = "cannot write " + path.string() + ": the face picture has no area";
        return result;
    }
    if (!WritePictureFile(image, path, 1, 75, &error)) {
        result.error = "cannot write " + path.string() + (error.empty() ? "" : ": " + error);
        return result;
    }
    std::filesystem::path small = path;
    small.replace_extension();
    small += "Small.bmp";
    error.clear();
    if (!mienlore::SaveFaceImage(*m_compositor, m_view->Face(), look, small, 3, size.width(),
                                 size.height(), &error)) {
        result.error = "cannot write " + small.string() + (error.empty() ? "" : ": " + error);
        return result;
    }
    result.ok = true;
    return result;
}

void CReportCommands::SaveFaceImage() {
    ModalScope modal(m_view);
    QFileDialog dialog(&m_frame, QStringLiteral("Save Face Image"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setNameFilters(SavePictureNameFilters());
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.selectFile(FromPath(DefaultFaceImagePath()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const WriteResult written = SaveFaceImageTo(ToPath(dialog.selectedFiles().first()));
    if (!written)
        Report(QStringLiteral("The face image was not saved: %1.")
                   .arg(QString::fromStdString(written.error)));
}

// ---- Web report ------------------------------------------------------------

std::filesystem::path CReportCommands::ReportFolder(std::string* error) const {
    const std::filesystem::path script = UserDataPath(m_globals.face.ProgramFolder(), "htmlreport",
                                                      kReportScript, {kReportPage}, error);
    return script.empty() ? script : script.parent_path();
}

WriteResult CReportCommands::WriteWebReportTo(const std::filesystem::path& folder) {
    WebReportJob job;
    job.compositor = m_compositor.get();
    job.face = &m_view->Face();
    job.fate = &m_view->Fate();
    job.look = SavedLook(m_globals.params);
    job.name = m_view->NameBox() ? m_view->NameBox()->currentText().toStdString() : std::string();
    const QSize size = m_view->FacePage()->FaceWindow()->size().expandedTo(QSize(1, 1));
    job.faceWidth = size.width();
    job.faceHeight = size.height();
    job.photoWriter = m_photoWriter;
    return WriteWebReport(folder, job);
}

void CReportCommands::SaveWebReport() {
    std::string error;
    const std::filesystem::path folder = ReportFolder(&error);
    if (folder.empty()) {
        Report(QStringLiteral("The web report was not written: %1.")
                   .arg(QString::fromStdString(error)));
        return;
    }
    SaveWebReportIn(folder);
}

void CReportCommands::SaveWebReportAs() {
    ModalScope modal(m_view);
    const std::filesystem::path start =
        SuggestedExportPath(
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
            QDir::homePath().toStdString(), {}, "report", "htm")
            .parent_path();
    const QString chosen = QFileDialog::getExistingDirectory(
        &m_frame, UiString(kSaveWebPageAsTitle), QString::fromStdString(start.string()));
    if (chosen.isEmpty())
        return;
    SaveWebReportIn(ToPath(chosen));
}

bool CReportCommands::SaveWebReportIn(const std::filesystem::path& folder) {
    // A folder other than the program's report folder gets its own copy of
    // the report page, which reads the data written beside it.
    const std::filesystem::path page = folder / kReportPage;
    const std::filesystem::path shipped =
        m_globals.face.ProgramFolder() / "htmlreport" / kReportPage;
    std::error_code ec;
    if (!std::filesystem::equivalent(shipped, page, ec) && std::filesystem::exists(shipped, ec)) {
        std::filesystem::copy_file(shipped, page, std::filesystem::copy_options::overwrite_existing,
                                   ec);
        if (ec) {
            Report(QStringLiteral("The web report was not written: cannot copy %1 to %2: %3.")
                       .arg(FromPath(shipped), FromPath(folder),
                            QString::fromStdString(ec.message())));
            return false;
        }
    }
    const WriteResult written = WriteWebReportTo(folder);
    if (!written) {
        Report(QStringLiteral("The web report was not written: %1.")
                   .arg(QString::fromStdString(written.error)));
        return false;
    }
    if (!std::filesystem::exists(page)) {
        Report(QStringLiteral("The report page %1 is missing; the report data was written to %2.")
                   .arg(FromPath(page), FromPath(folder)));
        return false;
    }
    m_frame.statusBar()->showMessage(FillIn(UiString(kWebReportSavedIn), {FromPath(folder)}));
    const QUrl url = QUrl::fromLocalFile(FromPath(page));
    if (m_openUrl) {
        if (!m_openUrl(url))
            Report(FillIn(UiString(kBrowserDidNotStart), {QString(), FromPath(page)}));
        return true;
    }
    const QString where = FromPath(page);
    OpenInBrowser(url, this, [this, where](const QString& reason) {
        const QString message =
            FillIn(UiString(kBrowserDidNotStart), {QStringLiteral(" (") + reason + ')', where});
        if (m_report)
            m_report(message);
        else
            ShowWarningWithoutWaiting(&m_frame, m_frame.windowTitle(), message);
    });
    return true;
}

// ---- Printing --------------------------------------------------------------

bool CReportCommands::PrintTo(QPrinter& printer, QString* error) {
    PrintedReportContent content;
    if (!GatherPrintedReport(*m_view, m_globals.params, content)) {
        if (error)
            *error = QStringLiteral("there is nothing to print: no feature is selected");
        return false;
    }
    printer.setDocName(DocumentTitle(*m_view));
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("the printer could not be started");
        return false;
    }
    const QRect page(0, 0, printer.width(), printer.height());
    const bool drawn = DrawPrintedReport(painter, page, content);
    painter.end();
    if (!drawn && error)
        *error = QStringLiteral("the page has no printable area");
    return drawn;
}

void CReportCommands::Print() {
    ModalScope modal(m_view);
    QPrintDialog dialog(m_printer.get(), &m_frame);
    dialog.setWindowTitle(QStringLiteral("Print"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!PrintTo(*m_printer, &error))
        Report(QStringLiteral("The report was not printed: %1.").arg(error));
    if (m_preview)
        m_preview->updatePreview();
}

void CReportCommands::PageSetup() {
    ModalScope modal(m_view);
    QPageSetupDialog dialog(m_printer.get(), &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_preview)
        LeavePreview();
}

void CReportCommands::TogglePreview() {
    if (m_preview) {
        LeavePreview();
        return;
    }
    m_preview = new QPrintPreviewWidget(m_printer.get(), &m_frame);
    m_preview->setObjectName(QStringLiteral("printPreview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { PrintTo(*printer); });
    // The view stays the frame's child (taking it out of the layout leaves it
    // without a parent), hidden until the preview ends.
    m_frame.takeCentralWidget();
    m_view->setParent(&m_frame);
    m_view->hide();
    m_frame.setCentralWidget(m_preview);
    m_preview->fitInView();
    m_preview->show();
    m_preview->updatePreview();
    if (QToolBar* bar = m_frame.Toolbar(130))
        bar->show();
    m_frame.SetPreviewOn(true);
}

void CReportCommands::LeavePreview() {
    if (!m_preview)
        return;
    QWidget* preview = m_frame.takeCentralWidget();
    m_frame.setCentralWidget(m_view);
    m_view->show();
    if (preview) {
        preview->hide();
        preview->deleteLater();
    }
    m_preview = nullptr;
    if (QToolBar* bar = m_frame.Toolbar(130))
        bar->hide();
    m_frame.SetPreviewOn(false);
    m_view->setFocus();
}

bool CReportCommands::ExportPdfTo(const QString& path, QString* error) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("no memory for the PDF could be set aside: %1")
                         .arg(buffer.errorString());
        return false;
    }
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(m_printer->pageLayout());
        writer.setResolution(kReportResolution);
        writer.setTitle(DocumentTitle(*m_view));
        writer.setCreator(QStringLiteral("Mienlore"));
        PrintedReportContent content;
        if (!GatherPrintedReport(*m_view, m_globals.params, content)) {
            if (error)
                *error = QStringLiteral("there is nothing to print: no feature is selected");
            return false;
        }
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = QStringLiteral("the PDF writer could not be started");
            return false;
        }
        const bool drawn =
            DrawPrintedReport(painter, QRect(0, 0, writer.width(), writer.height()), content);
        painter.end();
        if (!drawn) {
            if (error)
                *error = QStringLiteral("the page has no printable area");
            return false;
        }
    }
    std::string why;
    if (!WriteFileAtomically(ToPath(path),
                             std::string_view(buffer.data().constData(),
                                              static_cast<std::size_t>(buffer.data().size())),
                             &why)) {
        if (error)
            *error = QString::fromStdString(why);
        return false;
    }
    return true;
}

void CReportCommands::ExportPdf() {
    ModalScope modal(m_view);
    const std::filesystem::path suggested = SuggestedExportPath(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
        QDir::homePath().toStdString(), m_view->FaceName().toStdString(), "Mienlore Report", "pdf");
    QFileDialog dialog(&m_frame, QStringLiteral("Export as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setNameFilters({QStringLiteral("PDF Files (*.pdf)")});
    // The folder and the name are given apart: a name with a folder the
    // dialog does not show would be taken relative to the folder it shows.
    dialog.setDirectory(QString::fromStdString(suggested.parent_path().string()));
    dialog.selectFile(QString::fromStdString(suggested.filename().string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    if (!ExportPdfTo(dialog.selectedFiles().first(), &error))
        Report(QStringLiteral("The PDF was not written: %1.").arg(error));
}

CReportCommands* InstallReportCommands(CMainFrame& frame, CAppGlobals& globals) {
    auto* reports = new CReportCommands(frame, globals);
    using namespace cmd;
    frame.SetCommand(kSaveFaceImage, {[reports] { reports->SaveFaceImage(); }, {}});
    frame.SetCommand(kSaveWebPage, {[reports] { reports->SaveWebReport(); }, {}});
    frame.SetCommand(kSaveWebPageAs, {[reports] { reports->SaveWebReportAs(); }, {}});
    frame.SetCommand(kFilePrint, {[reports] { reports->Print(); }, {}});
    frame.SetCommand(kFilePrintPreview, {[reports] { reports->TogglePreview(); }, {}});
    frame.SetCommand(kFilePageSetup, {[reports] { reports->PageSetup(); }, {}});
    frame.SetCommand(kExportPdf, {[reports] { reports->ExportPdf(); }, {}});
    // The page bar's "Print" and "Web" buttons are available exactly when
    // their commands are.
    const auto follow = [&frame](QWidget* button, int id) {
        QAction* action = frame.Action(id);
        if (!button || !action)
            return;
        QObject::connect(action, &QAction::changed, button,
                         [button, action] { button->setEnabled(action->isEnabled()); });
        button->setEnabled(action->isEnabled());
    };
    if (CPageDesc* bar = frame.View()->PageBar()) {
        follow(bar->Button(kPageBarPrint), kFilePrint);
        follow(bar->Button(kPageBarWeb), kSaveWebPage);
    }
    if (auto* facesList = qobject_cast<CPeopList*>(frame.View()->FacesListBar())) {
        QObject::connect(facesList, &CPeopList::imageRequested, &frame,
                         [&frame] { frame.OnCommand(kSaveFaceImage); });
        // The button is available exactly when the command is.
        if (QAction* action = frame.Action(kSaveFaceImage)) {
            QObject::connect(action, &QAction::changed, facesList, [facesList, action] {
                facesList->SetImageAvailable(action->isEnabled());
            });
            facesList->SetImageAvailable(action->isEnabled());
        }
    }
    return reports;
}

} // namespace mienlore
