#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Spooler.h"

// A spooler whose driver attributes the test sets and which keeps every raw job written.
class RecordingSpooler : public Spooler {
  public:
    struct Job {
        std::string printer;
        std::string title;
        std::vector<uint8_t> data;
    };

    std::vector<SpoolerQueue> EnumeratePrinters() override { return {}; }
    int WriteRawJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> data) override {
        jobs.push_back({printer, title, {data.begin(), data.end()}});
        return writeResult;
    }
    std::string DriverAttribute(const std::string&, const std::string& key) override {
        const auto found = attributes.find(key);
        return found != attributes.end() ? found->second : "";
    }
    std::string DriverFolder(const std::string&) override { return folder; }
    std::optional<std::vector<uint8_t>> ReadPrinterDefaults(const std::string&) override {
        return std::nullopt;
    }

    std::map<std::string, std::string> attributes;
    std::string folder;
    int writeResult = 0;
    std::vector<Job> jobs;
};
