#pragma once

// The frame's export commands: "Save Face Image", "Save As WEB Page",
// Print, Print Preview, Page Setup and "Export as PDF…". One object per
// frame keeps the printer and its page settings for the run.

#include "base/WriteResult.h"

#include <QObject>
#include <QPageLayout>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QPrintPreviewWidget;
class QUrl;

namespace mienlore {

class CFaceCompositor;
class CParams;
struct PrintedReportContent;
class CMainFrame;
class CView;
struct CAppGlobals;

class CReportCommands : public QObject {
    Q_OBJECT
public:
    CReportCommands(CMainFrame& frame, CAppGlobals& globals);
    ~CReportCommands() override;

    // The save dialog of "Save Face Image", then SaveFaceImageTo.
    void SaveFaceImage();
    // The face at window size to path (BMP, JPEG or PNG by extension), and
    // the 38 x 38 copy beside it: path without its extension + "Small.bmp".
    WriteResult SaveFaceImageTo(const std::filesystem::path& path);
    // Where the save dialog starts: "face.bmp" in the report folder.
    std::filesystem::path DefaultFaceImagePath() const;

    // "Save As WEB Page": writes the report into the report folder and opens
    // its page in the browser; a report that could not be written is
    // reported and the browser is not opened.
    void SaveWebReport();
    // Asks for a folder and writes the web report there, the report page
    // included.
    void SaveWebReportAs();
    // Writes the web report into the folder (copying the report page there
    // when it is not the program's report folder), tells where in the
    // status bar and opens it in the browser. False after a message.
    bool SaveWebReportIn(const std::filesystem::path& folder);
    // The report folder, made when missing (with the page copied to the
    // per-user folder when the program folder is read-only); empty with a
    // message in *error when it cannot be made.
    std::filesystem::path ReportFolder(std::string* error = nullptr) const;
    // Writes the two pictures and "result.js" into folder.
    WriteResult WriteWebReportTo(const std::filesystem::path& folder);

    // Printing.
    void Print();
    void PageSetup();
    void TogglePreview();
    void ExportPdf();
    // Draws the report onto an open printer; false with a message in
    // *error when nothing could be drawn.
    bool PrintTo(QPrinter& printer, QString* error = nullptr);
    // Writes the report as a one-page PDF with the current page settings.
    bool ExportPdfTo(const QString& path, QString* error = nullptr);
    QPrinter& Printer() { return *m_printer; }
    QPrintPreviewWidget* Preview() const { return m_preview; }

    // Writes "face0.jpg" from the photo view while the photo page shows a
    // picture; empty: the face is written instead.
    using PhotoWriter = std::function<bool(const std::filesystem::path&, std::string*)>;
    void SetPhotoWriter(PhotoWriter writer) { m_photoWriter = std::move(writer); }
    // Replaces the message box (tests) and the browser (tests).
    void SetMessageReporter(std::function<void(const QString&)> reporter);
    void SetUrlOpener(std::function<bool(const QUrl&)> opener);

private:
    void Report(const QString& message);
    void LeavePreview();

    CMainFrame& m_frame;
    CAppGlobals& m_globals;
    CView* m_view;
    std::unique_ptr<CFaceCompositor> m_compositor;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_preview = nullptr;
    PhotoWriter m_photoWriter;
    std::function<void(const QString&)> m_report;
    std::function<bool(const QUrl&)> m_openUrl;
};

// Reads the printed page's content from the view: the face as the window
// shows it (smoothed, without its caption), the name box, the analysis and
// the diagram page's labels. Returns false when there is nothing to print
// (no current feature slot on the face page).
bool GatherPrintedReport(CView& view, const CParams& params, PrintedReportContent& content);

// Makes the frame's report commands object and installs the commands, the
// faces list's "Img" button included.
CReportCommands* InstallReportCommands(CMainFrame& frame, CAppGlobals& globals);

} // namespace mienlore
