#include <gtest/gtest.h>

#include <QApplication>

// Widgets, progress windows and the wait cursor need an application object.
int main(int argc, char* argv[]) {
    // Test discovery runs the binary outside CTest's environment, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
