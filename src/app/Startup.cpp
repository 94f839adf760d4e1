#include "app/Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QWidget>
#include <array>

#include "app/MainWindow.h"
#include "app/ServiceApp.h"
#include "config/KeyValueFile.h"
#include "config/SettingsFolder.h"
#include "platform/CupsSpooler.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/QtMessages.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "sampleprint/DriverMediaList.h"

namespace {

// The one text built into the program: the language files may be the missing ones.
const QString kNecessaryFileMissing =
    QStringLiteral("The necessary file cannot be found. Install the program again.");

constexpr int kExitNormal = 0;
constexpr int kExitRefused = 1;

// A second copy asked this one to come forward: restore the main window and raise it, then
// whatever dialog it has open above it.
void RaiseMainWindow(ServiceApp& app) {
    QWidget* window = app.mainWindow();
    if (window == nullptr) return;
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
    if (QWidget* popup = QApplication::activeModalWidget(); popup != nullptr && popup != window) {
        popup->raise();
        popup->activateWindow();
    }
}

// Step 10: the main window runs modally; the program ends when it closes. Raise requests of a
// second copy reach it while it runs.
void RunMainWindow(ServiceApp& app) {
    MainWindow window(app);
    app.SetMainWindow(&window);
    window.Run();
    app.SetMainWindow(nullptr);
}

}  // namespace

std::string FirstMissingSettingsFile(const std::string& settingsFolder) {
    static constexpr std::array<const char*, 7> kNecessary{
        SettingsFile::kPrinter, SettingsFile::kRefer, SettingsFile::kLocalize,
        SettingsFile::kConst,   SettingsFile::kFont,  SettingsFile::kManual,
        SettingsFile::kMedia,
    };
    for (const char* name : kNecessary) {
        if (settingsFolder.empty() ||
            !QFileInfo(QString::fromStdString(JoinPath(settingsFolder, name))).isFile()) {
            return name;
        }
    }
    return {};
}

int RunStartupSequence(const StartupEnvironment& environment) {
    ServiceApp app(environment.programFolder,
                   {environment.messages, environment.clock, environment.spooler});

    app.ReadLaunchMode();
    if (!app.IsMessageReview() && !FirstMissingSettingsFile(app.SettingsFolder()).empty()) {
        environment.messages.Show(nullptr, kNecessaryFileMissing, app.LoadText(0),
                                  MessageIcon::Error, MessageButtons::Ok);
        return kExitRefused;
    }

    SingleInstance& instance = environment.instance;
    if (!instance.TryAcquire()) {
        instance.AskRunningCopyToRaise();
        return kExitNormal;
    }
    // The lock is held from here; raise requests reach the main window once it exists.
    instance.Listen([&app] { RaiseMainWindow(app); });

    const QString caption = app.LoadText(0);
    int exitCode = kExitNormal;
    switch (app.CreateOwnedObjects()) {
        case 0: {
            // Keeps the driver media cache alive for the whole run.
            const DriverMediaList mediaCache(nullptr, {}, {});
            RunMainWindow(app);
            break;
        }
        case -2:
            environment.messages.Show(nullptr, kNecessaryFileMissing, caption, MessageIcon::Error,
                                      MessageButtons::Ok);
            exitCode = kExitRefused;
            break;
        default:
            environment.messages.Show(nullptr, app.LoadText(902), caption, MessageIcon::Error,
                                      MessageButtons::Ok);
            exitCode = kExitRefused;
            break;
    }

    app.DestroyOwnedObjects();
    instance.Release();
    return exitCode;
}

int RunServato(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/128")));

    SystemClock clock;
    QtMessages messages;
    CupsSpooler spooler;
    SingleInstance instance;
    return RunStartupSequence({ProgramFolder(), messages, clock, spooler, instance});
}
