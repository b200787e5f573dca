// Test entry point: a QCoreApplication (or QApplication for window tests) exists for the whole run,
// so that sockets, timers and serial ports can run their event loops.
#include <gtest/gtest.h>

#ifdef WETTERPULT_WIDGET_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
#ifdef WETTERPULT_WIDGET_TESTS
    // Window tests run without a screen, also when CTest lists them before the run.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
