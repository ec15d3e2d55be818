// Entry point of the UI test programs: a QApplication (offscreen unless the
// environment asks for another platform) around the GoogleTest run.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ORVANTA Lab"));
    QApplication::setApplicationName(QStringLiteral("Mienlore-tests"));
    // Settings and other user files go to test locations, never the real ones.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
