#include <gtest/gtest.h>

#include <QApplication>

// Progress windows and the wait cursor need an application object (offscreen platform).
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
