#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/Spooler.h"

// The spooler of the tests: queues and driver attributes as the test sets them, every accepted
// raw or PDF job recorded instead of printed (in order), and writes refused on request.
class SubstituteSpooler : public Spooler {
  public:
    struct Job {
        std::string printer;
        std::string title;
        std::vector<uint8_t> bytes;
    };

    std::vector<SpoolerQueue> EnumeratePrinters() override { return queues; }
    int WriteRawJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> data) override {
        if (writeResult != 0) return writeResult;
        jobs.push_back({printer, title, {data.begin(), data.end()}});
        return 0;
    }
    int WritePdfJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> pdf, const JobOptions&) override {
        if (writeResult != 0) return writeResult;
        jobs.push_back({printer, title, {pdf.begin(), pdf.end()}});
        return 0;
    }
    // Lists the titles of `activeJobs`.
    int ActiveJobTitles(const std::string&, std::vector<std::string>& titles) override {
        titles = activeJobs;
        return static_cast<int>(titles.size());
    }
    std::string DriverAttribute(const std::string&, const std::string& key) override {
        const auto found = attributes.find(key);
        return found != attributes.end() ? found->second : "";
    }
    std::string DriverFolder(const std::string&) override { return folder; }

    // Every queue's driver names this library (its folder and file name).
    void UseLibrary(const std::string& libraryFolder, const std::string& fileName) {
        folder = libraryFolder;
        attributes["RQAPII"] = fileName;
    }

    std::vector<SpoolerQueue> queues;
    std::map<std::string, std::string> attributes;
    std::string folder;
    int writeResult = 0;
    std::vector<Job> jobs;
    std::vector<std::string> activeJobs;
};
