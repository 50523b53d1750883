// GoogleTest main for tests that need Qt's event loop. Built twice: with
// VELMORA_GUI_TESTS for widgets (offscreen platform), without for core only.
#include <gtest/gtest.h>

#ifdef VELMORA_GUI_TESTS
#include <QApplication>
using App = QApplication;
#else
#include <QCoreApplication>
using App = QCoreApplication;
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef VELMORA_GUI_TESTS
    // Test discovery runs the executable outside ctest's environment; widget
    // tests never need a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    App app(argc, argv);
    return RUN_ALL_TESTS();
}
