#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "RecordingMessages.h"
#include "ScriptedLibrary.h"
#include "SubstituteSpooler.h"
#include "VirtualClock.h"
#include "pagekit/ServiceApp.h"

// The application object of page, window and start-up tests: the shipped settings folder,
// recorded messages, a virtual clock, a substitute spooler, the scripted communication library and
// a settings store in a temporary folder. With settings of its own the bench works on a copy of
// the shipped settings folder, which a test may change before it starts the application afresh;
// message review runs on such a copy whose "Setting_Launch.ini" says so.
struct UiTestBench {
    struct Setup {
        LaunchMode mode = LaunchMode::Normal;
        bool ownSettings = false;
        // The real spooler and a clock of their own for end-to-end tests; the substitute spooler
        // and the virtual clock when none.
        Spooler* spooler = nullptr;
        Clock* clock = nullptr;
    };

    explicit UiTestBench(LaunchMode mode = LaunchMode::Normal) : UiTestBench(Setup{.mode = mode}) {}
    explicit UiTestBench(const Setup& setup);

    // A new application object on the program folder: launch mode read, owned objects created
    // (their result returned).
    int StartApp();
    void WriteSettingsFile(const std::string& name, const std::string& contents) const;
    void RemoveSettingsFile(const std::string& name) const;

    // Status blocks of the status code alone.
    static inline const std::vector<uint8_t> kReady = {0x03, 0x00, 0x01, 0x01, 0x04};
    static inline const std::vector<uint8_t> kBusy = {0x03, 0x00, 0x01, 0x01, 0x03};

    static SpoolerQueue Queue(const std::string& name, const std::string& driver) {
        return {name, driver, "socket://127.0.0.1:9100"};
    }
    // The scripted printer offers the plain channel and names the model in its device ID.
    void ScriptPrinter(const std::string& model);
    // Every status read from now on answers this block.
    void ScriptStatus(const std::vector<uint8_t>& block);
    // The scripted printer afresh: the model, these status blocks (the last one keeps answering),
    // these replies in order ("!" a failed receive); no message or job recorded yet.
    void Rescript(const std::string& model, const std::vector<std::vector<uint8_t>>& statuses,
                  const std::vector<std::string>& replies = {});
    std::vector<QString> Texts(const std::vector<int32_t>& ids) const;
    QString MachineStoreFile(const QString& relativePath) const {
        return scratch.filePath("machine/" + relativePath);
    }

    ScriptedLibrary printer{ScriptedLibrary::Folder() + ScriptedLibrary::CompleteName()};
    QTemporaryDir scratch;
    RecordingMessages messages;
    VirtualClock clock;
    SubstituteSpooler spooler;
    std::string programFolder;
    std::unique_ptr<ServiceApp> app;

  private:
    Spooler* appSpooler_;
    Clock* appClock_;
};
