// GoogleTest main for tests that need Qt's event loop. Built twice: with
// VELMORA_GUI_TESTS for widgets (offscreen platform), without for core only.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#ifdef VELMORA_GUI_TESTS
#include <QApplication>
using App = QApplication;
#else
#include <QCoreApplication>
using App = QCoreApplication;
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // ctest runs every test in a process of its own, several at once: each
    // gets a home of its own, so no test reads what another saved, and a run
    // outside ctest never touches the real player's files.
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    const QByteArray dir = QFile::encodeName(home.path());
    qputenv("HOME", dir);
    qputenv("XDG_CONFIG_HOME", dir + "/.config");
    qputenv("XDG_DATA_HOME", dir + "/.local/share");
    qputenv("XDG_STATE_HOME", dir + "/.local/state");
    qputenv("VELMORA_FILES_DIR", dir + "/files");
#ifdef VELMORA_GUI_TESTS
    // Test discovery runs the executable outside ctest's environment; widget
    // tests never need a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    App app(argc, argv);
    return RUN_ALL_TESTS();
}
