#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
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
    // Fills `into` with the next bytes of a job: the count written (1 or more), 0 once the job is
    // complete, -1 when it cannot be completed.
    using RawJobSource = std::function<int64_t(std::span<uint8_t> into)>;
    // Writes one raw job whose bytes come piece by piece from `source`, so that a job of hundreds
    // of megabytes never has to be in memory at once. 0 when the source completed and every byte
    // was accepted, -1 otherwise; an incomplete job is withdrawn. This version gathers the job and
    // hands it to WriteRawJob, for spoolers that take a job in one piece.
    virtual int WriteRawJobFromSource(const std::string& printer, const std::string& title,
                                      const RawJobSource& source);
    // Job options as name=value pairs (driver choices and spooler options).
    using JobOptions = std::vector<std::pair<std::string, std::string>>;
    // Writes one PDF document as a job with the given title and options: 0 when the queue took
    // all of it, -1 otherwise (an incomplete job is withdrawn).
    virtual int WritePdfJob(const std::string& printer, const std::string& title,
                            std::span<const uint8_t> pdf, const JobOptions& options) = 0;
    // The titles of the queue's jobs that have not finished yet, in the spooler's order: their
    // count, or -1 when the queue cannot be read.
    virtual int ActiveJobTitles(const std::string& printer, std::vector<std::string>& titles) = 0;
    // A key of the queue's driver data file (the PPD attribute of that name); empty when missing.
    virtual std::string DriverAttribute(const std::string& printer, const std::string& key) = 0;
    // The folder where the model's driver libraries are installed, ending in '/'; empty when
    // unknown.
    virtual std::string DriverFolder(const std::string& printer) = 0;
};
