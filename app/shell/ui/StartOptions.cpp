#include "shell/ui/StartOptions.h"

#include <QFileInfo>

#include <string_view>
#include <utility>

namespace mienlore {

QString StartUsage() {
    return QStringLiteral(
        "usage: mienlore [--screenshot FILE] [--quit-after MS] [--time-keys N] "
        "[--face-out FILE] [--page hist|pict|text|ptype] [--export-pdf FILE [--name NAME]] "
        "[--] [FACECODE | new | FILE.phy]");
}

QString StartHelp() {
    return StartUsage() +
           QStringLiteral("\n\n"
                          "Starts Mienlore with the face of FACECODE (\"new\": the new face), "
                          "or opens the face list FILE.phy.\n"
                          "A second start hands its face or list over to the running copy.\n\n"
                          "  --page hist|pict|text|ptype  the page shown at start\n"
                          "  --export-pdf FILE            write the printed report as a PDF "
                          "and end\n"
                          "  --name NAME                  the face's name printed in that "
                          "report\n"
                          "  --screenshot FILE            save a picture of the window once "
                          "shown\n"
                          "  --quit-after MS              end after MS milliseconds\n"
                          "  --time-keys N                press N face keys, print the redraw "
                          "times, end\n"
                          "  --face-out FILE              write each face taken from outside "
                          "to FILE\n"
                          "  --help, --version            print this text or the version, and "
                          "end\n");
}

StartInfo StartInfoRequest(int argc, const char* const* argv) {
    for (int i = 1; i < argc && argv[i]; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h")
            return StartInfo::Help;
        if (arg == "--version")
            return StartInfo::Version;
    }
    return StartInfo::None;
}

bool IsFaceListArgument(const QString& argument) {
    const QFileInfo info(argument);
    return argument.endsWith(QLatin1String(".phy"), Qt::CaseInsensitive) && info.isFile();
}

QString FaceListArgumentProblem(const QString& argument) {
    if (!argument.endsWith(QLatin1String(".phy"), Qt::CaseInsensitive))
        return {};
    const QFileInfo info(argument);
    if (info.isFile())
        return {};
    if (info.isDir())
        return QStringLiteral("%1 is a folder, not a face list file").arg(argument);
    if (info.exists())
        return QStringLiteral("%1 is not a face list file").arg(argument);
    return QStringLiteral("the face list file %1 does not exist").arg(argument);
}

StartOptions ParseStartOptions(const QStringList& arguments) {
    StartOptions opts;
    auto fail = [&opts](const QString& message) {
        opts.error = message + QLatin1Char('\n') + StartUsage();
        return opts;
    };
    bool operandsOnly = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool isOption = !operandsOnly && arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
        if (!isOption) {
            if (!opts.faceCode.isEmpty())
                return fail(QStringLiteral("only one face code may be given (also got \"%1\")")
                                .arg(arg.left(40)));
            opts.faceCode = arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            operandsOnly = true;
            continue;
        }
        if (arg != QLatin1String("--screenshot") && arg != QLatin1String("--quit-after") &&
            arg != QLatin1String("--time-keys") && arg != QLatin1String("--face-out") &&
            arg != QLatin1String("--page") && arg != QLatin1String("--export-pdf") &&
            arg != QLatin1String("--name"))
            return fail(QStringLiteral("unknown option %1").arg(arg));
        if (i + 1 >= arguments.size())
            return fail(QStringLiteral("%1 needs a value").arg(arg));
        const QString value = arguments[++i];
        if (arg == QLatin1String("--screenshot")) {
            opts.screenshotPath = value;
        } else if (arg == QLatin1String("--time-keys")) {
            bool ok = false;
            opts.timeKeys = value.toInt(&ok);
            if (!ok || opts.timeKeys < 1)
                return fail(QStringLiteral("--time-keys needs a number of key presses"));
        } else if (arg == QLatin1String("--face-out")) {
            opts.faceOutPath = value;
        } else if (arg == QLatin1String("--page")) {
            static const std::pair<const char*, int> kPages[] = {
                {"pict", 2362}, {"hist", 2360}, {"text", 2361}, {"ptype", 2363}};
            for (const auto& [name, id] : kPages)
                if (value == QLatin1String(name))
                    opts.page = id;
            if (opts.page == 0)
                return fail(QStringLiteral("--page needs one of hist, pict, text, ptype"));
        } else if (arg == QLatin1String("--export-pdf")) {
            opts.exportPdfPath = value;
        } else if (arg == QLatin1String("--name")) {
            opts.faceName = value;
            opts.faceNameGiven = true;
        } else {
            bool ok = false;
            opts.quitAfterMs = value.toInt(&ok);
            if (!ok || opts.quitAfterMs < 0)
                return fail(QStringLiteral("--quit-after needs a number of milliseconds"));
        }
    }
    if (opts.faceNameGiven && opts.exportPdfPath.isEmpty())
        return fail(QStringLiteral("--name names the face of --export-pdf"));
    return opts;
}

} // namespace mienlore
