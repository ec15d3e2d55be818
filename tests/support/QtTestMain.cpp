// Entry point of the UI test programs: a QApplication (offscreen unless the
// environment asks for another platform) around the GoogleTest run.
#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define MIENLORE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MIENLORE_ASAN 1
#endif
#endif

#ifdef MIENLORE_ASAN
// Qt WebEngine's Chromium frees some of its objects with a sized delete of a
// base class (inside libQt6WebEngineCore, not in our code); AddressSanitizer
// would stop every test that shows a web page there. Settings given in
// ASAN_OPTIONS still come on top of this default.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
#endif

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ORVANTA Lab"));
    // Each test program has its own name, so that the files kept in its cache
    // (the help's collection) are its own while ctest runs programs side by
    // side.
    QApplication::setApplicationName(QStringLiteral("Mienlore-tests-") +
                                     QFileInfo(QApplication::applicationFilePath()).fileName());
    // Settings and other user files go to test locations, never the real ones.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
