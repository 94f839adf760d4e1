#include "app/Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <array>

#include "app/FixedTexts.h"
#include "app/MainWindow.h"
#include "config/KeyValueFile.h"
#include "config/SettingsFolder.h"
#include "driversettings/DriverMediaList.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/QtMessages.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"

namespace {

constexpr int kExitNormal = 0;
constexpr int kExitRefused = 1;

// Steps 8 to 10: the owned objects, then the main window runs modally until it closes.
int RunWithOwnedObjects(ServiceApp& app, MainWindow& window, Messages& messages) {
    const QString caption = app.LoadText(0);
    switch (app.CreateOwnedObjects()) {
        case 0: {
            // Keeps the driver media cache alive for the whole run.
            const DriverMediaList mediaCache(nullptr, {}, {});
            window.Run();
            return kExitNormal;
        }
        case -2:
            messages.Show(nullptr, NecessaryFileMissingText(), caption, MessageIcon::Error,
                          MessageButtons::Ok);
            return kExitRefused;
        default:
            messages.Show(nullptr, app.LoadText(902), caption, MessageIcon::Error,
                          MessageButtons::Ok);
            return kExitRefused;
    }
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
        environment.messages.Show(nullptr, NecessaryFileMissingText(), app.LoadText(0),
                                  MessageIcon::Error, MessageButtons::Ok);
        return kExitRefused;
    }

    SingleInstance& instance = environment.instance;
    if (!instance.TryAcquire()) {
        instance.AskRunningCopyToRaise();
        return kExitNormal;
    }
    int exitCode = kExitNormal;
    {
        // The window exists before raise requests are answered, so the first one finds it. A
        // request that comes before it is shown (splash, start-up failure) changes nothing.
        MainWindow window(app);
        app.SetMainWindow(&window);
        instance.Listen([&window] {
            if (window.isVisible()) window.BringToFront();
        });
        exitCode = RunWithOwnedObjects(app, window, environment.messages);
    }

    app.DestroyOwnedObjects();
    instance.Release();
    return exitCode;
}

int RunServato(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ServiceApp::WindowIcon());

    SystemClock clock;
    QtMessages messages;
    CupsSpooler spooler;
    SingleInstance instance;
    return RunStartupSequence({ProgramFolder(), messages, clock, spooler, instance});
}
