#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include "platform/SingleInstance.h"

namespace {

TEST(SingleInstanceTest, CopyKilledWhileRunningLeavesNothingThatBlocks) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A copy that ends without tidying up leaves its lock file and its socket behind.
    const pid_t crashed = ::fork();
    if (crashed == 0) {
        SingleInstance first(folder.path());
        ::_exit(first.TryAcquire() && first.Listen([] {}) ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(crashed, &status, 0), crashed);
    ASSERT_EQ(status, 0);

    SingleInstance next(folder.path());
    EXPECT_TRUE(next.TryAcquire());
    EXPECT_TRUE(next.Listen([] {}));
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
