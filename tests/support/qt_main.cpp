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
    App app(argc, argv);
    return RUN_ALL_TESTS();
}
