#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include "RecordingMessages.h"
#include "SubstituteSpooler.h"
#include "TestInstallation.h"
#include "VirtualClock.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "pagekit/ServiceApp.h"
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
    int Run() {
        return RunStartupSequence(
            {installation_.ProgramFolder(), messages_, clock_, spooler_, instance_});
    }

    TestInstallation installation_;
    QTemporaryDir lockFolder_;
    RecordingMessages messages_;
    VirtualClock clock_;
    SubstituteSpooler spooler_;
    SingleInstance instance_{lockFolder_.path()};
};

TEST_F(StartupTest, FileCheckStopsAtTheFirstMissingFile) {
    const auto& files = TestInstallation::NecessaryFiles();
    EXPECT_EQ(FirstMissingSettingsFile(installation_.ProgramFolder() + "/Settings"), "");
    for (size_t i = 0; i < files.size(); ++i) {
        TestInstallation broken;
        broken.RemoveSettingsFile(files[i]);
        EXPECT_EQ(FirstMissingSettingsFile(broken.ProgramFolder() + "/Settings"), files[i]);
        // With a later file missing too, the earlier one is reported.
        if (i + 1 < files.size()) {
            broken.RemoveSettingsFile(files.back());
            EXPECT_EQ(FirstMissingSettingsFile(broken.ProgramFolder() + "/Settings"), files[i]);
        }
    }
    EXPECT_EQ(FirstMissingSettingsFile(""), "Printer.ini");
}

TEST_F(StartupTest, MissingFileRefusesToStartWithTheFixedMessage) {
    installation_.RemoveSettingsFile("Manual.ini");
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages_.messages().size(), 1u);
    const RecordedMessage& message = messages_.messages()[0];
    EXPECT_EQ(message.text, kMissingFile);
    EXPECT_EQ(message.caption, "Servato 2");
    EXPECT_EQ(message.icon, MessageIcon::Error);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.owner, nullptr);
    // Refused before taking the single-copy lock.
    SingleInstance other(lockFolder_.path());
    EXPECT_TRUE(other.TryAcquire());
}

TEST_F(StartupTest, MessageReviewSkipsTheFileCheckAndRunsTheMainWindow) {
    installation_.RemoveSettingsFile("Manual.ini");
    installation_.WriteSettingsFile("Setting_Launch.ini", "Ope=U\n");
    // The last review message is the quit question. Once it has been shown, a second copy
    // starts while the window is minimised, then the window is closed.
    bool closing = false;
    bool restored = false;
    messages_.OnShow([&](const RecordedMessage& message) {
        if (message.buttons != MessageButtons::OkCancel || closing) return;
        closing = true;
        QTimer::singleShot(0, [&] {
            MainWindow* window = nullptr;
            for (QWidget* topLevel : QApplication::topLevelWidgets()) {
                if (auto* candidate = qobject_cast<MainWindow*>(topLevel)) window = candidate;
            }
            ASSERT_NE(window, nullptr);
            window->showMinimized();
            SingleInstance secondCopy(lockFolder_.path());
            EXPECT_FALSE(secondCopy.TryAcquire());
            EXPECT_TRUE(secondCopy.AskRunningCopyToRaise());
            const QDeadlineTimer deadline(5000);
            while (window->isMinimized() && !deadline.hasExpired()) {
                QCoreApplication::processEvents();
            }
            restored = !window->isMinimized() && window->isVisible();
            window->close();
        });
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(restored);
    const std::vector<QString> texts = messages_.texts();
    ASSERT_GE(texts.size(), 7u);
    EXPECT_EQ(texts[0], kMissingFile);
    EXPECT_EQ(texts[1], "No printer");
    EXPECT_EQ(texts[6], "Quit?");
}

TEST_F(StartupTest, NoServedPrinterEndsTheProgram) {
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text, "No printer");
    SingleInstance next(lockFolder_.path());
    EXPECT_TRUE(next.TryAcquire());
}

TEST_F(StartupTest, IncompleteMediaTableRefusesToStart) {
    installation_.WriteSettingsFile("Media.ini", "MEDIA_NUM=2\nMEDIA01=1,2,3\n");
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text, kMissingFile);
    EXPECT_EQ(messages_.messages()[0].caption, "Servato 2");
    // The lock is released by the tear-down.
    SingleInstance next(lockFolder_.path());
    EXPECT_TRUE(next.TryAcquire());
}

TEST_F(StartupTest, AnOwnedObjectThatCannotBeMadeRefusesToStartWithText902) {
    ServiceApp::RegisterPictures();
    RemovePictures();  // the alignment pictures among them
    const int result = Run();
    RestorePictures();
    EXPECT_EQ(result, 1);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text, "Internal error");
    SingleInstance next(lockFolder_.path());
    EXPECT_TRUE(next.TryAcquire());
}

TEST_F(StartupTest, SecondCopyRaisesTheFirstAndEnds) {
    SingleInstance first(lockFolder_.path());
    ASSERT_TRUE(first.TryAcquire());
    bool raised = false;
    ASSERT_TRUE(first.Listen([&] { raised = true; }));

    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(messages_.messages().empty());
    const QDeadlineTimer deadline(5000);
    while (!raised && !deadline.hasExpired()) QCoreApplication::processEvents();
    EXPECT_TRUE(raised);
}

}  // namespace
