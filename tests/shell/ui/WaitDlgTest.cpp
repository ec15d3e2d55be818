#include "shell/ui/WaitDlg.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace mienlore {
namespace {

TEST(WaitDlgTest, RunsTheJobAfterOpeningAndClosesWithOne) {
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    bool visibleDuringJob = false;
    int runs = 0;
    CWaitDlg* self = nullptr;
    CWaitDlg dlg(
        [&] {
            ++runs;
            visibleDuringJob = self->isVisible();
        },
        &owner);
    self = &dlg;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_GE(clock.elapsed(), CWaitDlg::kDelayMs - 5);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(visibleDuringJob);
    EXPECT_TRUE(dlg.JobDone());
    // The text shows black on white.
    EXPECT_EQ(dlg.TextLabel()->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST(WaitDlgTest, AnEmptyJobStillCloses) {
    CWaitDlg dlg({});
    EXPECT_EQ(dlg.exec(), 1);
}

} // namespace
} // namespace mienlore
