#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "RecordingMessages.h"
#include "ScriptedLibrary.h"
#include "SubstituteSpooler.h"
#include "VirtualClock.h"
#include "pagekit/ServiceApp.h"
#include "platform/RegKey.h"

// The application object of page tests: the shipped settings folder, recorded messages, a virtual
// clock, a substitute spooler, and a settings store in a temporary folder. In message review the
// settings folder is a copy whose "Setting_Launch.ini" says so.
struct UiTestBench {
    explicit UiTestBench(LaunchMode mode = LaunchMode::Normal) {
        printer.Reset();
        spooler.UseLibrary(ScriptedLibrary::Folder(), ScriptedLibrary::CompleteName());
        RegKey::SetStoreFolders(scratch.filePath("user"), scratch.filePath("machine"));
        std::string programFolder = SERVATO_BIN_DIR;
        if (mode == LaunchMode::MessageReview) {
            programFolder = scratch.filePath("program").toStdString();
            const QDir shipped(QString(SERVATO_BIN_DIR) + "/Settings");
            QDir().mkpath(scratch.filePath("program/Settings"));
            for (const QString& name : shipped.entryList(QDir::Files)) {
                QFile::copy(shipped.filePath(name), scratch.filePath("program/Settings/" + name));
            }
            QFile launch(scratch.filePath("program/Settings/Setting_Launch.ini"));
            QFile::remove(launch.fileName());
            if (launch.open(QIODevice::WriteOnly)) launch.write("Ope=U\n");
        }
        app = std::make_unique<ServiceApp>(programFolder,
                                           ServiceApp::Platform{messages, clock, spooler});
        app->ReadLaunchMode();
        app->CreateOwnedObjects();
    }

    static SpoolerQueue Queue(const std::string& name, const std::string& driver) {
        return {name, driver, "socket://127.0.0.1:9100"};
    }
    // The scripted printer offers the plain channel and names the model in its device ID.
    void ScriptPrinter(const std::string& model) {
        printer.SetChannels({{0x10010003, 0x07}});
        printer.SetDeviceId("MFG:ZENTA;CMD:REMOTE1;DES:" + model + ";");
    }
    // Every status read from now on answers this block.
    void ScriptStatus(const std::vector<uint8_t>& block) {
        const std::string line = "@BDC ST2\r\n";
        std::vector<uint8_t> reply(line.size() + block.size());
        std::copy(line.begin(), line.end(), reply.begin());
        std::copy(block.begin(), block.end(), reply.begin() + static_cast<long>(line.size()));
        printer.QueueStatus(static_cast<int32_t>(reply.size()), reply);
    }
    QString MachineStoreFile(const QString& relativePath) const {
        return scratch.filePath("machine/" + relativePath);
    }

    ScriptedLibrary printer{ScriptedLibrary::Folder() + ScriptedLibrary::CompleteName()};
    QTemporaryDir scratch;
    RecordingMessages messages;
    VirtualClock clock;
    SubstituteSpooler spooler;
    std::unique_ptr<ServiceApp> app;
};
