#include "shell/ui/StartOptions.h"

#include <utility>

namespace mienlore {

StartOptions ParseStartOptions(const QStringList& arguments) {
    StartOptions opts;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--screenshot") || arg == QLatin1String("--quit-after") ||
            arg == QLatin1String("--time-keys") || arg == QLatin1String("--face-out") ||
            arg == QLatin1String("--page") || arg == QLatin1String("--export-pdf")) {
            if (i + 1 >= arguments.size()) {
                opts.error = QStringLiteral("%1 needs a value").arg(arg);
                return opts;
            }
            const QString value = arguments[++i];
            if (arg == QLatin1String("--screenshot")) {
                opts.screenshotPath = value;
            } else if (arg == QLatin1String("--time-keys")) {
                bool ok = false;
                opts.timeKeys = value.toInt(&ok);
                if (!ok || opts.timeKeys < 1) {
                    opts.error = QStringLiteral("--time-keys needs a number of key presses");
                    return opts;
                }
            } else if (arg == QLatin1String("--face-out")) {
                opts.faceOutPath = value;
            } else if (arg == QLatin1String("--page")) {
                static const std::pair<const char*, int> kPages[] = {
                    {"pict", 2362}, {"hist", 2360}, {"text", 2361}, {"ptype", 2363}};
                for (const auto& [name, id] : kPages)
                    if (value == QLatin1String(name))
                        opts.page = id;
                if (opts.page == 0) {
                    opts.error = QStringLiteral("--page needs one of hist, pict, text, ptype");
                    return opts;
                }
            } else if (arg == QLatin1String("--export-pdf")) {
                opts.exportPdfPath = value;
            } else {
                bool ok = false;
                opts.quitAfterMs = value.toInt(&ok);
                if (!ok || opts.quitAfterMs < 0) {
                    opts.error = QStringLiteral("--quit-after needs a number of milliseconds");
                    return opts;
                }
            }
        } else if (opts.faceCode.isEmpty()) {
            opts.faceCode = arg;
        }
    }
    return opts;
}

} // namespace mienlore
