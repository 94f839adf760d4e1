#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "platform/SingleInstance.h"

namespace {

// Run as a second process by the single-copy tests: the first copy of the program, which holds
// the lock, says so, and ends when asked to raise its window.
int RunAsFirstCopy(const QString& folder) {
    SingleInstance instance(folder);
    if (!instance.TryAcquire()) return 3;
    if (!instance.Listen([] {
            std::puts("raised");
            std::fflush(stdout);
            QCoreApplication::quit();
        })) {
        return 4;
    }
    std::puts("listening");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Test discovery runs the binary outside CTest's environment, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString firstCopyFolder = qEnvironmentVariable("SERVATO_TEST_FIRST_COPY");
    if (!firstCopyFolder.isEmpty()) return RunAsFirstCopy(firstCopyFolder);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
