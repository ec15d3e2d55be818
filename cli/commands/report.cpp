// mienlore-cli report --html DIR [--name NAME] [--female] CODE: the web
// report of a face code: "face.jpg", "face0.jpg" and "result.js" in DIR, and
// the report page "face.htm" when DIR has none yet.
#include "CliCommand.h"

#include "analysis/FateFrame.h"
#include "base/ProgramFolder.h"
#include "imaging/FaceCompositor.h"
#include "imaging/FacePictureLoader.h"
#include "model/FaceFrame.h"
#include "reports/WebReport.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace mienlore::cli {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "mienlore-cli report: %s\n", message.c_str());
    return 2;
}

int Run(const std::vector<std::string>& args) {
    std::filesystem::path folder;
    std::string name;
    std::string code;
    bool female = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--html") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return Fail("--html needs a folder");
            folder = args[++i];
        } else if (a == "--name") {
            if (i + 1 >= args.size())
                return Fail("--name needs a name");
            name = args[++i];
        } else if (a == "--female") {
            female = true;
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            return Fail("unknown option " + a);
        } else if (code.empty()) {
            code = a;
        } else {
            return Fail("only one face code is taken");
        }
    }
    if (folder.empty())
        return Fail("no report folder (--html DIR)");
    if (code.empty())
        return Fail("no face code (or \"new\" for the new face)");

    const std::filesystem::path programFolder = ExecutableFolder();
    CFaceFrame face(programFolder);
    if (!face.Decode(FaceArgumentCode(code, programFolder), true))
        return Fail("not a face code: " + code);
    CFateFrame fate(FateTextFiles{programFolder});
    fate.SetMale(!female);
    fate.BindFace(&face);
    fate.Recompute(true);

    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return Fail("cannot make " + folder.string() + ": " + ec.message());

    const CFaceCompositor compositor(MakeFacePictureLoader(programFolder));
    WebReportJob job;
    job.compositor = &compositor;
    job.face = &face;
    job.fate = &fate;
    job.name = name;
    const WriteResult written = WriteWebReport(folder, job);
    if (!written)
        return Fail(written.error);

    const std::filesystem::path page = folder / kReportPage;
    const std::filesystem::path shipped = programFolder / "htmlreport" / kReportPage;
    if (!std::filesystem::exists(page, ec)) {
        std::filesystem::copy_file(shipped, page, ec);
        if (ec)
            return Fail("cannot copy the report page " + shipped.string() + ": " + ec.message());
    }
    std::printf("%s\n", page.string().c_str());
    return 0;
}

CliCommandRegistration reg{
    {"report", "--html DIR [--name NAME] [--female] CODE|new",
     "write the web report of a face code (face.jpg, face0.jpg, result.js) into DIR, with the "
     "report page face.htm when DIR has none",
     &Run}};

} // namespace
} // namespace mienlore::cli
