// A monkey on the main window: thousands of random clicks, double clicks,
// drags, wheel turns, keys and menu commands, with every dialog they open
// answered by closing it. Nothing may crash, and the face must stay a valid
// face after every event. The seed is fixed and printed on failure (set
// MIENLORE_MONKEY_SEED and MIENLORE_MONKEY_EVENTS to replay or lengthen).
#include "files/ui/PeopList.h"
#include "model/FaceFrame.h"
#include "shell/ui/CommandIds.h"
#include "shell/ui/View.h"
#include "support/FrameTestSupport.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QTimer>
#include <QWheelEvent>

#include <cstdio>
#include <cstdlib>
#include <random>

using namespace mienlore;
using namespace mienlore::cmd;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultEvents = 2000; // the sanitizer build runs several times slower
#else
constexpr int kDefaultEvents = 10000;
#endif

int EnvInt(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

// Commands that leave the program or the machine: ending, a browser, help.
bool Excluded(int id) {
    return id == kAppExit || id == kWebSite || id == kSupport || id == kHelpTopics;
}

// Closes every dialog, popup and extra window the monkey opened, so that the
// next event reaches the main window again.
void CloseStrays(QWidget* mainWindow) {
    for (int round = 0; round < 5; ++round) {
        bool closed = false;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            closed = true;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            closed = true;
        }
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != mainWindow && top->isVisible() && !qobject_cast<QMenu*>(top)) {
                top->close();
                closed = true;
            }
        if (!closed)
            return;
        QApplication::processEvents();
    }
}

using Monkey = test::FrameTest;

} // namespace

TEST_F(Monkey, TenThousandRandomEventsLeaveAValidFaceAndNoCrash) {
    const unsigned seed = static_cast<unsigned>(EnvInt("MIENLORE_MONKEY_SEED", 20261208));
    const int events = EnvInt("MIENLORE_MONKEY_EVENTS", kDefaultEvents);
    std::mt19937 random(seed);
    int step = -1;
    QString last;
    SCOPED_TRACE(testing::Message() << "monkey seed " << seed);

    frame.show();
    QApplication::processEvents();
    // The list the monkey adds to and deletes from is a copy, never the
    // shipped sample list.
    std::filesystem::copy_file(test::ProgramFolder() / "SAMPLES" / "list.phy", dir / "list.phy");
    auto* list = qobject_cast<CPeopList*>(frame.View()->FacesListBar());
    ASSERT_NE(list, nullptr);
    list->LoadList(QString::fromStdString((dir / "list.phy").string()));
    list->SetErrorReporter([](const QString&) {});

    // Dialogs opened by an event run their own loop: this closes them.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] { CloseStrays(&frame); });
    closer.start(5);

    std::vector<QAction*> actions;
    for (QAction* a : frame.findChildren<QAction*>()) {
        const int id = a->data().toInt();
        if (id != 0 && !Excluded(id))
            actions.push_back(a);
    }
    const Qt::Key keys[] = {
        Qt::Key_Z,      Qt::Key_X,        Qt::Key_W,      Qt::Key_E,      Qt::Key_S,
        Qt::Key_D,      Qt::Key_F,        Qt::Key_A,      Qt::Key_Q,      Qt::Key_H,
        Qt::Key_N,      Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
        Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,    Qt::Key_Plus,
        Qt::Key_Minus,  Qt::Key_Space,    Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,
        Qt::Key_F6,     Qt::Key_Delete,   Qt::Key_1,      Qt::Key_5};
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                               Qt::ShiftModifier, Qt::ControlModifier};

    const CFaceFrame prototype(test::ProgramFolder());
    QElapsedTimer clock;
    clock.start();
    for (step = 0; step < events; ++step) {
        CloseStrays(&frame);
        if (!frame.isVisible())
            frame.show();
        // Every visible control of the main window, the window itself too.
        QList<QWidget*> widgets{&frame};
        for (QWidget* w : frame.findChildren<QWidget*>())
            if (w->isVisible() && w->window() == &frame && w->width() > 0 && w->height() > 0)
                widgets << w;
        QWidget* target = widgets[static_cast<int>(random() % widgets.size())];
        const QPoint at(static_cast<int>(random() % target->width()),
                        static_cast<int>(random() % target->height()));
        const int kind = static_cast<int>(random() % 100);
        if (kind < 35) {
            const Qt::MouseButton button = random() % 5 == 0 ? Qt::RightButton : Qt::LeftButton;
            last = QStringLiteral("click %1 at %2,%3 on %4")
                       .arg(button == Qt::LeftButton ? "left" : "right")
                       .arg(at.x())
                       .arg(at.y())
                       .arg(target->metaObject()->className());
            QTest::mouseClick(target, button, Qt::NoModifier, at);
        } else if (kind < 42) {
            last = QStringLiteral("double click on %1").arg(target->metaObject()->className());
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
        } else if (kind < 52) {
            const QPoint to(static_cast<int>(random() % target->width()),
                            static_cast<int>(random() % target->height()));
            last = QStringLiteral("drag on %1").arg(target->metaObject()->className());
            QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseMove(target, (at + to) / 2);
            QTest::mouseMove(target, to);
            QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, to);
        } else if (kind < 60) {
            last = QStringLiteral("wheel on %1").arg(target->metaObject()->className());
            const int dy = (random() % 2 ? 120 : -120);
            QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, dy), Qt::NoButton,
                              modifiers[random() % 5], Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        } else if (kind < 88) {
            const Qt::Key key = keys[random() % std::size(keys)];
            const Qt::KeyboardModifiers mods = modifiers[random() % 5];
            // Ctrl+Q ends the program: not a key for the monkey.
            if (key == Qt::Key_Q && (mods & Qt::ControlModifier))
                continue;
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
            last = QStringLiteral("key %1 (modifiers %2) to %3")
                       .arg(key, 0, 16)
                       .arg(int(mods))
                       .arg(focus->metaObject()->className());
            QTest::keyClick(focus, key, mods);
        } else {
            QAction* a = actions[random() % actions.size()];
            last = QStringLiteral("command %1").arg(a->data().toInt());
            frame.IdleUpdate();
            if (a->isEnabled())
                a->trigger();
        }
        QApplication::processEvents();

        // The face is still a face: its own code reads back to itself.
        const std::string code = globals.face.Encode();
        CFaceFrame again = prototype;
        ASSERT_TRUE(again.Decode(code, true) && again.Encode() == code)
            << "after event " << step << " (" << last.toStdString() << "), seed " << seed << ": "
            << code;
    }
    closer.stop();
    CloseStrays(&frame);
    std::printf("monkey: %d events in %.1f s, seed %u\n", events, clock.elapsed() / 1000.0, seed);
    frame.close();
}
