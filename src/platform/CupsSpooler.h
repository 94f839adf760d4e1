#pragma once

#include "platform/Spooler.h"

// The spooler of the program: the CUPS server that libcups finds (CUPS_SERVER and client.conf
// choose it).
class CupsSpooler : public Spooler {
  public:
    std::vector<SpoolerQueue> EnumeratePrinters() override;
    int WriteRawJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> data) override;
    int WriteRawJobFromSource(const std::string& printer, const std::string& title,
                              const RawJobSource& source) override;
    std::string DriverAttribute(const std::string& printer, const std::string& key) override;
    std::string DriverFolder(const std::string& printer) override;
    std::optional<std::vector<uint8_t>> ReadPrinterDefaults(const std::string& printer) override;

  private:
    // The queue's device URI; empty when the queue is unknown.
    std::string PortName(const std::string& printer);
};
