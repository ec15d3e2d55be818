#pragma once

// The main window as UI tests use it: a frame over fresh settings in a
// temporary folder, and key presses sent the way a user makes them.
#include "shell/ui/AppGlobals.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/QtSettingsStore.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace mienlore::test {

// A key press to the widget with the keyboard focus (else the active window).
inline void KeyClick(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

// Settings stored in the file "s.ini" of a temporary folder.
inline std::unique_ptr<ISettingsStore> StoreIn(const TempDir& dir) {
    return std::make_unique<CQtSettingsStore>(QString::fromStdString((dir / "s.ini").string()));
}

// A main frame with its globals over settings stored in a temporary folder
// and a program folder of its own (see PrivateProgramFolder).
struct FrameTest : ::testing::Test {
    TempDir dir;
    CAppGlobals globals{PrivateProgramFolder(dir), StoreIn(dir)};
    CMainFrame frame{globals};
};

} // namespace mienlore::test
