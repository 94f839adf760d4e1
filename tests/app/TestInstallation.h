#pragma once

#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include "platform/Spooler.h"

// A program folder in a temporary directory with a complete, small "Settings" folder: the seven
// necessary files, a valid media table of two records and the texts the shell shows.
class TestInstallation {
  public:
    TestInstallation();

    std::string ProgramFolder() const { return folder_.path().toStdString(); }
    std::string SettingsPath(const std::string& fileName) const;
    void WriteSettingsFile(const std::string& fileName, const std::string& contents);
    void RemoveSettingsFile(const std::string& fileName);

    static const std::vector<std::string>& NecessaryFiles();

  private:
    QTemporaryDir folder_;
};

// A spooler with no queues that refuses every job.
class EmptySpooler : public Spooler {
  public:
    std::vector<SpoolerQueue> EnumeratePrinters() override { return {}; }
    int WriteRawJob(const std::string&, const std::string&, std::span<const uint8_t>) override {
        return -1;
    }
    std::string DriverAttribute(const std::string&, const std::string&) override { return {}; }
    std::string DriverFolder(const std::string&) override { return {}; }
    std::optional<std::vector<uint8_t>> ReadPrinterDefaults(const std::string&) override {
        return std::nullopt;
    }
};
