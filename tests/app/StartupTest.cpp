#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <functional>

#include "UiTestBench.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "platform/SingleInstance.h"

// The program's pictures, compiled in; a test takes them away to stand for a broken installation.
void RemovePictures() {
    Q_CLEANUP_RESOURCE(pictures);
}
void RestorePictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace {

const QString kMissingFile = "The necessary file cannot be found. Install the program again.";

class StartupTest : public ::testing::Test {
  protected:
    int Run(UiTestBench& on) {
        return RunStartupSequence({on.programFolder, on.messages, on.clock, on.spooler, instance});
    }

    UiTestBench bench{{.ownSettings = true}};
    QTemporaryDir lockFolder;
    SingleInstance instance{lockFolder.path()};
};

TEST_F(StartupTest, RefusalsShowOneMessageAndLeaveTheLockFree) {
    // name, what is wrong, exit code, message
    const std::vector<std::tuple<const char*, std::function<void(UiTestBench&)>, int, QString>>
        rows = {
            {"a necessary file missing", [](auto& b) { b.RemoveSettingsFile("Manual.ini"); }, 1,
             kMissingFile},
            {"media table incomplete",
             [](auto& b) { b.WriteSettingsFile("Media.ini", "MEDIA_NUM=2\nMEDIA01=1,2,3\n"); }, 1,
             kMissingFile},
            {"an owned object cannot be made",
             [](auto&) {
                 ServiceApp::RegisterPictures();
                 RemovePictures();  // the alignment pictures among them
             },
             1, bench.app->LoadText(902)},
            {"no served printer", [](auto&) {}, 0, bench.app->LoadText(904)},
        };
    for (const auto& [name, arrange, exitCode, text] : rows) {
        SCOPED_TRACE(name);
        UiTestBench fresh{{.ownSettings = true}};
        arrange(fresh);
        EXPECT_EQ(Run(fresh), exitCode);
        RestorePictures();
        ASSERT_EQ(fresh.messages.messages().size(), 1u);
        const RecordedMessage& shown = fresh.messages.messages()[0];
        EXPECT_EQ(std::tuple(shown.text, shown.caption, shown.icon),
                  std::tuple(text, QString("Servato 2"), MessageIcon::Error));
        EXPECT_TRUE(SingleInstance(lockFolder.path()).TryAcquire()) << "the lock is free again";
    }
}

TEST_F(StartupTest, MessageReviewSkipsTheFileCheckAndRunsTheMainWindow) {
    bench.RemoveSettingsFile("Manual.ini");
    bench.WriteSettingsFile("Setting_Launch.ini", "Ope=U\n");
    // The main menu's last review message is the quit question; the window closes after it.
    bench.messages.OnShow([](const RecordedMessage& message) {
        if (message.buttons != MessageButtons::OkCancel) return;
        QTimer::singleShot(0, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (qobject_cast<MainWindow*>(window)) window->close();
        });
    });
    EXPECT_EQ(Run(bench), 0);
    ASSERT_FALSE(bench.messages.messages().empty());
    EXPECT_EQ(bench.messages.texts().back(), bench.app->LoadText(900));
}

TEST_F(StartupTest, SecondCopyRaisesTheFirstAndEnds) {
    SingleInstance first(lockFolder.path());
    ASSERT_TRUE(first.TryAcquire());
    bool raised = false;
    ASSERT_TRUE(first.Listen([&] { raised = true; }));

    EXPECT_EQ(Run(bench), 0);
    EXPECT_TRUE(bench.messages.messages().empty());
    const QDeadlineTimer deadline(5000);
    while (!raised && !deadline.hasExpired()) QCoreApplication::processEvents();
    EXPECT_TRUE(raised);
}

}  // namespace
