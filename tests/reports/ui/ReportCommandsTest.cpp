#include "shell/ui/ReportCommands.h"

#include "files/ui/PeopList.h"
#include "imaging/ui/FaceWnd.h"
#include "imaging/ui/PictureWriters.h"
#include "model/ui/PageFace.h"
#include "reports/WebReport.h"
#include "reports/ui/PrintedReport.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/PageDesc.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"
#include "support/ShotSupport.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QJSEngine>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gmock/gmock.h>

#include <cstdio>
#include <cstdlib>
#include <map>

using namespace mienlore;

namespace {

struct ReportFixture : test::FrameTest {
    CReportCommands* reports = nullptr;
    QStringList messages;
    QList<QUrl> opened;

    void SetUp() override {
        reports = frame.findChild<CReportCommands*>();
        ASSERT_NE(reports, nullptr);
        reports->SetMessageReporter([this](const QString& m) { messages << m; });
        reports->SetUrlOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
    }
    void SetName(const QString& name) { frame.View()->NameBox()->setEditText(name); }
};

// Width and height of a 32-bit BMP file's header.
std::pair<int, int> BmpSize(const std::string& bytes) {
    auto le32 = [&bytes](std::size_t at) {
        return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                                static_cast<unsigned char>(bytes[at + 1]) << 8 |
                                static_cast<unsigned char>(bytes[at + 2]) << 16 |
                                static_cast<unsigned char>(bytes[at + 3]) << 24);
    };
    if (bytes.size() < 54 || bytes.substr(0, 2) != "BM")
        return {0, 0};
    return {le32(18), le32(22)};
}

QString RunScript(const std::filesystem::path& script, const QString& expression) {
    QFile file(QString::fromStdString(script.string()));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<unreadable>");
    QJSEngine engine;
    const QJSValue loaded = engine.evaluate(QString::fromUtf8(file.readAll()));
    if (loaded.isError())
        return QStringLiteral("<error: %1>").arg(loaded.toString());
    return engine.evaluate(expression).toString();
}

} // namespace

TEST_F(ReportFixture, SaveFaceImageWritesTheFaceAndTheSmallCopyInEachFormat) {
    const QSize window = frame.View()->FacePage()->FaceWindow()->size();
    for (const char* name : {"face.bmp", "face.jpg", "face.png", "Face.JPG"}) {
        const WriteResult result = reports->SaveFaceImageTo(dir / name);
        ASSERT_TRUE(result.ok) << name << ": " << result.error;
        const QImage written(QString::fromStdString((dir / name).string()));
        EXPECT_EQ(written.size(), window) << name;
        std::filesystem::path small = dir / name;
        small.replace_extension();
        small += "Small.bmp";
        EXPECT_EQ(BmpSize(test::ReadFileBytes(small)), std::make_pair(38, 38)) << small;
    }
    EXPECT_EQ(test::ReadFileBytes(dir / "face.jpg").substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(test::ReadFileBytes(dir / "face.png").substr(1, 3), "PNG");
    EXPECT_EQ(test::ReadFileBytes(dir / "face.bmp").substr(0, 2), "BM");

    // Every extension the save dialog offers gives a file of the format it
    // names, as a reader that looks at the content alone sees it.
    const std::map<QString, QByteArray> sniffed{
        {"bmp", "bmp"}, {"dib", "bmp"},  {"jpg", "jpeg"},  {"jpeg", "jpeg"}, {"png", "png"},
        {"gif", "gif"}, {"tif", "tiff"}, {"tiff", "tiff"}, {"webp", "webp"}};
    for (const SavablePictureFormat& format : SavablePictureFormats())
        for (const QString& ext : format.extensions) {
            const std::filesystem::path path = dir / ("x." + ext.toUpper().toStdString());
            const WriteResult result = reports->SaveFaceImageTo(path);
            ASSERT_TRUE(result.ok) << path << ": " << result.error;
            QImageReader reader(QString::fromStdString(path.string()), "");
            reader.setDecideFormatFromContent(true);
            ASSERT_TRUE(sniffed.count(ext)) << ext.toStdString();
            EXPECT_EQ(reader.format(), sniffed.at(ext)) << path;
            EXPECT_EQ(reader.read().size(), window) << path;
        }
    // A name of no format offered: refused, nothing written, the formats named.
    const WriteResult refused = reports->SaveFaceImageTo(dir / "y.xyz");
    EXPECT_FALSE(refused.ok);
    EXPECT_THAT(refused.error, testing::HasSubstr("BMP, JPEG, PNG"));
    EXPECT_THAT(refused.error, testing::HasSubstr("GIF"));
    EXPECT_FALSE(std::filesystem::exists(dir / "y.xyz"));
    EXPECT_FALSE(std::filesystem::exists(dir / "ySmall.bmp"));

    const WriteResult failed = reports->SaveFaceImageTo(dir / "missing" / "face.bmp");
    EXPECT_FALSE(failed.ok);
    EXPECT_THAT(failed.error, testing::HasSubstr("face.bmp"));
    EXPECT_EQ(reports->DefaultFaceImagePath().filename(), "face.bmp");
    EXPECT_EQ(reports->DefaultFaceImagePath().parent_path().filename(), "htmlreport");
}

TEST_F(ReportFixture, ExportCommandsAndTheImgButtonAreAvailableWithACurrentSlot) {
    frame.IdleUpdate();
    for (int id : {cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFilePageSetup, cmd::kSaveWebPage,
                   cmd::kSaveFaceImage, cmd::kExportPdf})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
    auto* list = qobject_cast<CPeopList*>(frame.View()->FacesListBar());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->Button(CPeopList::kImgId)->isEnabled());
    frame.OnCommand(cmd::kRandomize); // Randomize ends the selection
    frame.IdleUpdate();
    for (int id : {cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kSaveWebPage, cmd::kSaveFaceImage,
                   cmd::kExportPdf})
        EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;
    EXPECT_FALSE(list->Button(CPeopList::kImgId)->isEnabled());
    EXPECT_FALSE(frame.View()->PageBar()->Button(cmd::kPageBarPrint)->isEnabled()); // "Print"
    EXPECT_FALSE(frame.View()->PageBar()->Button(cmd::kPageBarWeb)->isEnabled());   // "Web"
    frame.OnCommand(2130);
    frame.IdleUpdate();
    EXPECT_TRUE(list->Button(CPeopList::kImgId)->isEnabled());
    EXPECT_TRUE(frame.View()->PageBar()->Button(cmd::kPageBarPrint)->isEnabled());
    EXPECT_TRUE(frame.View()->PageBar()->Button(cmd::kPageBarWeb)->isEnabled());
}

TEST_F(ReportFixture, AHostileNameRoundTripsThroughAJavaScriptEngineUnchanged) {
    const QString hostile = QStringLiteral(
        "O'Neil \"Q\" \\ </script><script>alert(1)</script>\n\t\u2028 Zo\u00eb \u65e5\u672c");
    ASSERT_LE(hostile.size(), 79);
    SetName(hostile);
    const WriteResult result = reports->WriteWebReportTo(dir.Path());
    ASSERT_TRUE(result.ok) << result.error;
    const std::filesystem::path script = dir / kReportScript;
    EXPECT_EQ(RunScript(script, QStringLiteral("g_sName")), hostile);
    EXPECT_EQ(RunScript(script, QStringLiteral("g_sCom1")), hostile);
    EXPECT_EQ(
        RunScript(script, QStringLiteral("g_eEyel.width > 1 && g_eEyel.left != g_eEyer.left")),
        QStringLiteral("true"));
    EXPECT_EQ(RunScript(script, QStringLiteral("typeof g_fCheck + typeof g_fCowa + g_sCom2")),
              QStringLiteral("numbernumber-"));
    // Nothing in the file can close the page's script element.
    EXPECT_EQ(test::ReadFileBytes(script).find('<'), std::string::npos);
}

TEST_F(ReportFixture, SaveAsWebPageOpensThePageOnlyAfterTheReportIsWritten) {
    std::string error;
    const std::filesystem::path folder = reports->ReportFolder(&error);
    ASSERT_FALSE(folder.empty()) << error;
    std::filesystem::remove(folder / kReportScript);
    SetName(QStringLiteral("Anna"));
    ASSERT_TRUE(frame.OnCommand(cmd::kSaveWebPage));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0],
              QUrl::fromLocalFile(QString::fromStdString((folder / kReportPage).string())));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    EXPECT_THAT(test::ReadFileBytes(folder / kReportScript),
                testing::StartsWith("var g_sName = \"Anna\";"));
}

TEST_F(ReportFixture, PrintPreviewTakesTheViewsPlaceAndGivesItBack) {
    frame.show();
    frame.activateWindow();
    QApplication::processEvents();
    frame.OnCommand(2130); // the eyes: Z changes their shape
    ASSERT_TRUE(frame.OnCommand(cmd::kFilePrintPreview));
    QApplication::processEvents();
    EXPECT_TRUE(frame.IsPreviewOn());
    ASSERT_NE(reports->Preview(), nullptr);
    EXPECT_EQ(frame.centralWidget(), reports->Preview());
    EXPECT_EQ(frame.View()->parent(), &frame); // still owned by the frame
    EXPECT_TRUE(frame.Toolbar(130)->isVisible());
    frame.IdleUpdate();
    EXPECT_TRUE(frame.Action(cmd::kFilePrintPreview)->isChecked());
    EXPECT_EQ(reports->Preview()->pageCount(), 1);
    // Saved for looking at when MIENLORE_SHOT_DIR names a folder.
    for (const auto& [name, size] :
         {std::pair{"a4", QPageSize::A4}, std::pair{"letter", QPageSize::Letter}}) {
        reports->Printer().setPageSize(QPageSize(size));
        reports->Preview()->updatePreview();
        QApplication::processEvents();
        test::SaveShot(&frame, QStringLiteral("preview-%1.png").arg(QLatin1String(name)));
    }

    // Face keys do not edit the hidden face.
    const std::string before = globals.face.Encode();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
    QTest::keyClick(target, Qt::Key_Z);
    EXPECT_EQ(globals.face.Encode(), before);

    ASSERT_TRUE(frame.OnCommand(cmd::kFilePrintPreview));
    QApplication::processEvents();
    EXPECT_FALSE(frame.IsPreviewOn());
    EXPECT_EQ(frame.centralWidget(), frame.View());
    EXPECT_TRUE(frame.View()->isVisible());
    EXPECT_FALSE(frame.Toolbar(130)->isVisible());
    frame.IdleUpdate();
    EXPECT_FALSE(frame.Action(cmd::kFilePrintPreview)->isChecked());
    target = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
    QTest::keyClick(target, Qt::Key_Z);
    EXPECT_NE(globals.face.Encode(), before);
}

TEST_F(ReportFixture, ExportAsPdfWritesOnePageAndReportsAFolderThatIsMissing) {
    for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
        reports->Printer().setPageSize(QPageSize(size));
        const QString path = QString::fromStdString((dir / "report.pdf").string());
        QString error;
        ASSERT_TRUE(reports->ExportPdfTo(path, &error)) << error.toStdString();
        const std::string pdf = test::ReadFileBytes(dir / "report.pdf");
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_THAT(pdf, testing::HasSubstr("/Count 1"));
        const bool a4 = pdf.find("/MediaBox [0 0 595") != std::string::npos;
        const bool letter = pdf.find("/MediaBox [0 0 612") != std::string::npos;
        EXPECT_TRUE(size == QPageSize::A4 ? a4 : letter) << "page size " << size;
    }
    QString error;
    EXPECT_FALSE(
        reports->ExportPdfTo(QString::fromStdString((dir / "no" / "r.pdf").string()), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ReportFixture, TheReportIsNamedAfterTheFaceNeverAfterTheChangeCount) {
    CView& view = *frame.View();
    ASSERT_TRUE(view.ApplyFaceText(QStringLiteral(
        "lo0100040022sc0601095110ch0102042182ey0603073119br0704054092no0205112120mo0102082195"
        "ea0001092096ha0101095010mu0000087102be0000092108;Anna")));
    view.UpdateCycle(); // a later edit: the box shows the count
    ASSERT_EQ(view.NameBox()->currentText(), QString::number(view.ChangeCounter()));
    PrintedReportContent c;
    ASSERT_TRUE(GatherPrintedReport(view, globals.params, c));
    EXPECT_EQ(c.name, QStringLiteral("Anna"));

    const QString path = QString::fromStdString((dir / "named.pdf").string());
    QString error;
    ASSERT_TRUE(reports->ExportPdfTo(path, &error)) << error.toStdString();
    if (std::system("command -v pdfinfo >/dev/null 2>&1") == 0) {
        std::string info;
        if (FILE* pipe = popen(("pdfinfo '" + path.toStdString() + "'").c_str(), "r")) {
            char buffer[512];
            while (std::fgets(buffer, sizeof buffer, pipe))
                info += buffer;
            pclose(pipe);
        }
        EXPECT_THAT(info, testing::ContainsRegex("Title: +Anna\n"));
    }

    // A name typed into the box outlives the next edit; a face without a
    // name prints none, not the count.
    SetName(QStringLiteral("Bruno"));
    view.UpdateCycle();
    ASSERT_TRUE(GatherPrintedReport(view, globals.params, c));
    EXPECT_EQ(c.name, QStringLiteral("Bruno"));
    ASSERT_TRUE(view.ApplyFaceText(
        QStringLiteral("lo0402040022sc1001090116ch0100042192ey0202077124br0004061097no0200126120"
                       "mo0002117185ea0401087101ha0204110016mu0802107112be0402087118")));
    ASSERT_TRUE(GatherPrintedReport(view, globals.params, c));
    EXPECT_EQ(c.name, QString());
}

TEST_F(ReportFixture, GathersTheReportFromTheViewAndTheAnalysis) {
    SetName(QStringLiteral("Anna"));
    PrintedReportContent c;
    ASSERT_TRUE(GatherPrintedReport(*frame.View(), globals.params, c));
    EXPECT_EQ(c.name, QStringLiteral("Anna"));
    EXPECT_EQ(c.title, QStringLiteral("PHYSIOGNOMY ANALYSIS REPORT"));
    EXPECT_EQ(c.upperBars.size(), 6u);
    EXPECT_EQ(c.lowerBars.size(), 6u);
    EXPECT_EQ(c.upperBars[0].low, QStringLiteral("Optimism"));
    EXPECT_EQ(c.upperBars[0].high, QStringLiteral("Pessimism"));
    EXPECT_EQ(c.temperLabels[0], QStringLiteral("Depression"));
    EXPECT_EQ(c.confidenceLabel, QStringLiteral("Confidence factor"));
    EXPECT_FALSE(c.face.isNull());

    frame.OnCommand(cmd::kRandomize);
    EXPECT_FALSE(GatherPrintedReport(*frame.View(), globals.params, c));
}

namespace {

// Runs check on the first visible dialog of type T once it is open, then
// closes it with done.
template <typename T> void OnDialog(std::function<void(T*)> check, std::function<void(T*)> done) {
    QTimer::singleShot(200, [check, done] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<T*>(w); dialog && dialog->isVisible()) {
                check(dialog);
                done(dialog);
                return;
            }
        ADD_FAILURE() << "no dialog opened";
    });
}

} // namespace

TEST_F(ReportFixture, SaveFaceImageDialogStartsAtFaceBmpInTheReportFolder) {
    const std::filesystem::path chosen = dir / "chosen.jpg";
    OnDialog<QFileDialog>(
        [this](QFileDialog* d) {
            EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(d->defaultSuffix(), QStringLiteral("bmp"));
            // One filter with every format, then one per format written.
            const QStringList filters = d->nameFilters();
            EXPECT_EQ(filters.size(), static_cast<int>(SavablePictureFormats().size()) + 1);
            EXPECT_TRUE(filters.contains(QStringLiteral("BMP (*.bmp *.dib)")));
            EXPECT_TRUE(filters.contains(QStringLiteral("JPEG (*.jpg *.jpeg)")));
            EXPECT_TRUE(filters.contains(QStringLiteral("GIF (*.gif)")));
            ASSERT_FALSE(filters.isEmpty());
            for (const char* ext : {"*.bmp", "*.jpg", "*.png", "*.gif"})
                EXPECT_TRUE(filters.first().contains(QLatin1String(ext))) << ext;
            EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
            ASSERT_FALSE(d->selectedFiles().isEmpty());
            EXPECT_EQ(std::filesystem::path(d->selectedFiles().first().toStdString()),
                      reports->DefaultFaceImagePath());
            EXPECT_TRUE(frame.View()->IsModalOpen());
        },
        [&chosen](QFileDialog* d) {
            // As a user types a path into the name box.
            auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!edit) {
                ADD_FAILURE() << "no file name box";
                d->reject();
                return;
            }
            edit->setText(QString::fromStdString(chosen.string()));
            QMetaObject::invokeMethod(d, "accept");
        });
    ASSERT_TRUE(frame.OnCommand(cmd::kSaveFaceImage));
    EXPECT_FALSE(frame.View()->IsModalOpen());
    EXPECT_EQ(test::ReadFileBytes(chosen).substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(BmpSize(test::ReadFileBytes(dir / "chosenSmall.bmp")), std::make_pair(38, 38));
}

TEST_F(ReportFixture, ThePrintDialogMarksTheViewModalAndCancelChangesNothing) {
    bool seen = false;
    OnDialog<QPrintDialog>(
        [this, &seen](QPrintDialog* d) {
            seen = true;
            EXPECT_TRUE(frame.View()->IsModalOpen());
            EXPECT_FALSE(d->testOption(QAbstractPrintDialog::PrintSelection));
            EXPECT_EQ(d->maxPage(), 1);
        },
        [](QPrintDialog* d) { d->reject(); });
    ASSERT_TRUE(frame.OnCommand(cmd::kFilePrint));
    EXPECT_TRUE(seen);
    EXPECT_FALSE(frame.View()->IsModalOpen());
    EXPECT_TRUE(messages.isEmpty());
}

TEST(ReportPreview, AFrameClosedDuringThePreviewTakesItsViewWithIt) {
    test::TempDir dir;
    CAppGlobals globals{test::PrivateProgramFolder(dir), test::StoreIn(dir)};
    QPointer<CView> view;
    {
        CMainFrame frame(globals);
        view = frame.View();
        ASSERT_TRUE(frame.OnCommand(cmd::kFilePrintPreview));
        ASSERT_TRUE(frame.IsPreviewOn());
    }
    EXPECT_TRUE(view.isNull());
}

TEST_F(ReportFixture, AWebReportInAChosenFolderIsCompleteAndTellsWhereItWent) {
    const auto chosen = dir / "my reports";
    std::filesystem::create_directories(chosen);
    ASSERT_TRUE(reports->SaveWebReportIn(chosen));
    // The page comes along, so the folder shows the report on its own.
    EXPECT_EQ(test::ReadFileBytes(chosen / kReportPage),
              test::ReadFileBytes(test::ProgramFolder() / "htmlreport" / kReportPage));
    EXPECT_TRUE(std::filesystem::exists(chosen / kReportScript));
    EXPECT_TRUE(std::filesystem::exists(chosen / "face.jpg"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().toLocalFile().toStdString(), (chosen / kReportPage).string());
    EXPECT_TRUE(
        frame.statusBar()->currentMessage().contains(QString::fromStdString(chosen.string())));
    EXPECT_TRUE(messages.isEmpty());

    // A browser that does not start is told, with where the report is.
    reports->SetUrlOpener([](const QUrl&) { return false; });
    ASSERT_TRUE(reports->SaveWebReportIn(chosen));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QString::fromStdString((chosen / kReportPage).string())));

    // A folder that cannot take the report is reported, not opened.
    messages.clear();
    EXPECT_FALSE(reports->SaveWebReportIn(dir / "missing"));
    EXPECT_EQ(messages.size(), 1);
}
