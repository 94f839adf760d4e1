#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "platform/SingleInstance.h"

namespace {

bool PumpUntil(const bool& condition) {
    const QDeadlineTimer deadline(5000);
    while (!condition && !deadline.hasExpired()) QCoreApplication::processEvents();
    return condition;
}

// Starts this test binary as the first copy of the program, holding the lock in the folder.
bool StartFirstCopy(QProcess& process, const QString& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SERVATO_TEST_FIRST_COPY", folder);
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationFilePath(), {});
    return process.waitForStarted(5000) && process.waitForReadyRead(10000) &&
           process.readLine().trimmed() == "listening";
}

TEST(SingleInstanceTest, CopyKilledWhileRunningLeavesNothingThatBlocks) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess crashed;
    ASSERT_TRUE(StartFirstCopy(crashed, folder.path()));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(10000));

    SingleInstance next(folder.path());
    EXPECT_TRUE(next.TryAcquire());
    bool raised = false;
    ASSERT_TRUE(next.Listen([&] { raised = true; }));
    SingleInstance another(folder.path());
    EXPECT_FALSE(another.TryAcquire());
    EXPECT_TRUE(another.AskRunningCopyToRaise());
    EXPECT_TRUE(PumpUntil(raised));
}

TEST(SingleInstanceTest, GarbageOnTheSocketIsIgnored) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SingleInstance instance(folder.path());
    ASSERT_TRUE(instance.TryAcquire());
    bool raised = false;
    ASSERT_TRUE(instance.Listen([&] { raised = true; }));

    QLocalSocket socket;
    socket.connectToServer(instance.SocketPath());
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write(QByteArray(4096, 'x') + "raise\n");
    socket.waitForBytesWritten(1000);
    const QDeadlineTimer deadline(300);
    while (!deadline.hasExpired()) QCoreApplication::processEvents();
    EXPECT_FALSE(raised);
}

}  // namespace
