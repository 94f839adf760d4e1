#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One queue of the print spooler: queue name, driver (model) name, port (device URI).
struct SpoolerQueue {
    std::string name;
    std::string driverName;
    std::string portName;
};

// The print spooler as the program uses it. The program talks to CUPS through CupsSpooler; tests
// substitute queues and record jobs.
class Spooler {
  public:
    virtual ~Spooler() = default;
    // Local queues in the spooler's order; empty when the spooler cannot be reached.
    virtual std::vector<SpoolerQueue> EnumeratePrinters() = 0;
    // Writes one raw job with the given title; 0 when every byte was accepted, -1 otherwise.
    virtual int WriteRawJob(const std::string& printer, const std::string& title,
                            std::span<const uint8_t> data) = 0;
    // A key of the queue's driver data file (the PPD attribute of that name); empty when missing.
    virtual std::string DriverAttribute(const std::string& printer, const std::string& key) = 0;
    // The folder where the model's driver libraries are installed, ending in '/'; empty when
    // unknown.
    virtual std::string DriverFolder(const std::string& printer) = 0;
};
