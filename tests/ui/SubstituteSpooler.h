#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ScriptedLibrary.h"
#include "platform/Spooler.h"

// A spooler whose queues the test sets and which records every raw job instead of printing it.
// Its driver names the scripted communication library of the comm tests.
class SubstituteSpooler : public Spooler {
  public:
    struct Job {
        std::string printer;
        std::string title;
        std::vector<uint8_t> bytes;
    };

    std::vector<SpoolerQueue> queues;
    std::vector<Job> jobs;
    int writeResult = 0;
    std::optional<std::vector<uint8_t>> defaults = std::vector<uint8_t>{1, 2, 3};

    std::vector<SpoolerQueue> EnumeratePrinters() override { return queues; }
    int WriteRawJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> data) override {
        if (writeResult != 0) return writeResult;
        jobs.push_back({printer, title, {data.begin(), data.end()}});
        return 0;
    }
    std::string DriverAttribute(const std::string&, const std::string& key) override {
        return key == "RQAPII" ? ScriptedLibrary::CompleteName() : std::string();
    }
    std::string DriverFolder(const std::string&) override { return ScriptedLibrary::Folder(); }
    std::optional<std::vector<uint8_t>> ReadPrinterDefaults(const std::string&) override {
        return defaults;
    }
};
