#pragma once

#include <string>

#include "platform/PpdFile.h"
#include "platform/Spooler.h"

// The spooler as a CUPS filter sees it: the driver's data file is the PPD CUPS names for the job,
// and a raw job goes to the backend through the filter's output. A filter serves the one queue of
// its job, so it lists no queues.
class FilterSpooler : public Spooler {
  public:
    FilterSpooler(const std::string& ppdPath, int outputFd);

    std::vector<SpoolerQueue> EnumeratePrinters() override { return {}; }
    // The title means nothing to the backend; only the bytes go on.
    int WriteRawJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> data) override;
    // A command job prints no document of its own and waits for no other job.
    int WritePdfJob(const std::string&, const std::string&, std::span<const uint8_t>,
                    const JobOptions&) override {
        return -1;
    }
    int ActiveJobTitles(const std::string&, std::vector<std::string>&) override { return -1; }
    std::string DriverAttribute(const std::string& printer, const std::string& key) override;
    std::string DriverFolder(const std::string& printer) override;

  private:
    PpdFile ppd_;
    int outputFd_;
};
