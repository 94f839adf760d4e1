#include "UiTestBench.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "JobBytes.h"
#include "platform/RegKey.h"

UiTestBench::UiTestBench(const Setup& setup)
    : programFolder(SERVATO_BIN_DIR),
      appSpooler_(setup.spooler != nullptr ? setup.spooler : &spooler),
      appClock_(setup.clock != nullptr ? setup.clock : &clock) {
    printer.Reset();
    spooler.UseLibrary(ScriptedLibrary::Folder(), ScriptedLibrary::CompleteName());
    RegKey::SetStoreFolders(scratch.filePath("user"), scratch.filePath("machine"));
    if (setup.ownSettings || setup.mode == LaunchMode::MessageReview) {
        programFolder = scratch.filePath("program").toStdString();
        const QDir shipped(QString(SERVATO_BIN_DIR) + "/Settings");
        QDir().mkpath(scratch.filePath("program/Settings"));
        for (const QString& name : shipped.entryList(QDir::Files)) {
            QFile::copy(shipped.filePath(name), scratch.filePath("program/Settings/" + name));
        }
    }
    if (setup.mode == LaunchMode::MessageReview) WriteSettingsFile("Setting_Launch.ini", "Ope=U\n");
    StartApp();
}

int UiTestBench::StartApp() {
    app.reset();
    app = std::make_unique<ServiceApp>(programFolder,
                                       ServiceApp::Platform{messages, *appClock_, *appSpooler_});
    app->ReadLaunchMode();
    return app->CreateOwnedObjects();
}

void UiTestBench::WriteSettingsFile(const std::string& name, const std::string& contents) const {
    QFile file(QString::fromStdString(programFolder + "/Settings/" + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name;
    file.write(contents.data(), static_cast<qint64>(contents.size()));
}

void UiTestBench::RemoveSettingsFile(const std::string& name) const {
    ASSERT_TRUE(QFile::remove(QString::fromStdString(programFolder + "/Settings/" + name))) << name;
}

void UiTestBench::ScriptPrinter(const std::string& model) {
    printer.SetChannels({{0x10010003, 0x07}});
    printer.SetDeviceId("MFG:ZENTA;CMD:REMOTE1;DES:" + model + ";");
}

void UiTestBench::ScriptStatus(const std::vector<uint8_t>& block) {
    const std::vector<uint8_t> reply = wire::StatusReply(block);
    printer.QueueStatus(static_cast<int32_t>(reply.size()), reply);
}

void UiTestBench::Rescript(const std::string& model,
                           const std::vector<std::vector<uint8_t>>& statuses,
                           const std::vector<std::string>& replies) {
    printer.Reset();
    ScriptPrinter(model);
    for (const std::vector<uint8_t>& status : statuses) ScriptStatus(status);
    for (const std::string& reply : replies)
        printer.QueueReceive(reply == "!" ? -5 : static_cast<int32_t>(reply.size()),
                             {reply.begin(), reply.end()});
    messages.Clear();
    spooler.jobs.clear();
}

std::vector<QString> UiTestBench::Texts(const std::vector<int32_t>& ids) const {
    std::vector<QString> texts;
    for (const int32_t id : ids) texts.push_back(app->LoadText(id));
    return texts;
}
