#include "shell/ui/WidgetPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mienlore {
namespace {

// Show commands of the stored placement layout.
constexpr std::uint32_t kShowMinimized = 2;
constexpr std::uint32_t kShowMaximized = 3;

} // namespace

WindowPlacement CaptureWidgetPlacement(const QWidget& window) {
    WindowPlacement p;
    p.length = kPlacementLength;
    p.flags = 0;
    p.showCommand = window.isMinimized()   ? kShowMinimized
                    : window.isMaximized() ? kShowMaximized
                                           : kShowNormal;
    p.minX = p.minY = p.maxX = p.maxY = -1; // not tracked: the system places them
    const QRect normal = window.normalGeometry().isValid() && !window.normalGeometry().isEmpty()
                             ? window.normalGeometry()
                             : window.geometry();
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.left() + normal.width();
    p.bottom = normal.top() + normal.height();
    p.valid = true;
    return p;
}

namespace {

bool ApplyPlacement(QWidget& window, WindowPlacement& placement, bool full,
                    const std::vector<ScreenArea>& screens) {
    if (!placement.valid || !FitPlacementToScreens(placement, screens))
        return false;
    // Client geometry both ways (as captured), so that a window does not
    // creep by the size of its frame from one run to the next.
    QSize size = window.size();
    if (full) {
        window.setWindowState(Qt::WindowNoState);
        size = QSize(placement.right - placement.left, placement.bottom - placement.top);
    }
    window.setGeometry(placement.left, placement.top, size.width(), size.height());
    return true;
}

} // namespace

bool RestoreWidgetPlacement(QWidget& window, WindowPlacement& placement, bool full,
                            QSize screenSize) {
    return ApplyPlacement(window, placement, full,
                          {ScreenArea{0, 0, screenSize.width(), screenSize.height()}});
}

bool RestoreWidgetPlacement(QWidget& window, WindowPlacement& placement, bool full) {
    // The available areas (without panels and docks), the primary screen first.
    std::vector<ScreenArea> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const ScreenArea entry{area.left(), area.top(), area.width(), area.height()};
        if (screen == primary)
            screens.insert(screens.begin(), entry);
        else
            screens.push_back(entry);
    }
    return ApplyPlacement(window, placement, full, screens);
}

void CentreOnOwner(QWidget& window) {
    const QWidget* owner = window.parentWidget();
    const QRect around = owner             ? owner->window()->frameGeometry()
                         : window.screen() ? window.screen()->availableGeometry()
                                           : QRect();
    if (around.isValid())
        window.move(around.center() - window.rect().center());
}

} // namespace mienlore
