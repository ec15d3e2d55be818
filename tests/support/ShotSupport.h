#pragma once

// Pictures of windows and pages for a visual review. They are written only
// when MIENLORE_SHOT_DIR names a folder, and then into that folder, never
// into the folder the tests run in.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace mienlore::test {

// The folder pictures go to, empty when none are wanted.
inline QString ShotDir() {
    return qEnvironmentVariable("MIENLORE_SHOT_DIR");
}

// Saves a picture as PNG under the name into the shot folder, if there is one.
inline void SaveShot(const QImage& picture, const QString& name) {
    const QString dir = ShotDir();
    if (dir.isEmpty())
        return;
    EXPECT_TRUE(picture.save(QDir(dir).filePath(name), "PNG")) << name.toStdString();
}

// Saves what the widget shows, once pending paints are done.
inline void SaveShot(QWidget* widget, const QString& name) {
    if (ShotDir().isEmpty())
        return;
    QApplication::processEvents();
    SaveShot(widget->grab().toImage(), name);
}

// A test that does nothing but make pictures: skipped without a shot folder.
template <class Base = ::testing::Test> struct ShotTest : Base {
    void SetUp() override {
        Base::SetUp();
        if (ShotDir().isEmpty())
            GTEST_SKIP() << "MIENLORE_SHOT_DIR not set";
    }
};

} // namespace mienlore::test
