#pragma once

#include <cups/cups.h>

#include "platform/Spooler.h"

// A queue the server holds for good: not an instance, not a printer found on the network, not a
// temporary queue the server made for one.
bool IsLocalQueue(const cups_dest_t& dest);

// The spooler of the program: the CUPS server that libcups finds (CUPS_SERVER and client.conf
// choose it).
class CupsSpooler : public Spooler {
  public:
    std::vector<SpoolerQueue> EnumeratePrinters() override;
    int WriteRawJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> data) override;
    int WriteRawJobFromSource(const std::string& printer, const std::string& title,
                              const RawJobSource& source) override;
    int WritePdfJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> pdf, const JobOptions& options) override;
    int ActiveJobTitles(const std::string& printer, std::vector<std::string>& titles) override;
    std::string DriverAttribute(const std::string& printer, const std::string& key) override;
    std::string DriverFolder(const std::string& printer) override;
};
