#pragma once

// Test fixtures for integration tests against a private CUPS server and emulated printers.
//
//   CupsSandbox sandbox;                       // nothing runs yet
//   ASSERT_TRUE(sandbox.Start());              // private cupsd on a free loopback port; sets
//                                              // CUPS_SERVER and RQAPI_CONFIG for this process
//   EmulatedPrinter printer(sandbox, {.model = "ZENTA Corvid 2000"});
//   ASSERT_TRUE(printer.Start());              // printer-emulator on 127.0.0.N with free ports,
//                                              // its queue installed (printer.Queue()), its ports
//                                              // in the library's configuration
//   ... program code, librqapi.so, lp or the CUPS API talk to printer.Queue() ...
//   auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1, 5000);
//   EXPECT_EQ(jobs.at(0).Bytes(), expected);  // the job's bytes in the journal's "hex"
//
// Start() returns an AssertionResult that carries cupsd's error log (or the emulator's output)
// when something cannot start, so ASSERT_TRUE fails the test with the reason; nothing is skipped.
// Destructors stop the emulators and cupsd and unset those two variables; every child also dies
// with the test process. The folder (under /tmp, traversable by lp, which runs the backends) is
// removed unless the test failed, in which case its path is printed for the logs.
// Declare the printers after the sandbox so they are destroyed first.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ChildProcess.h"

class CupsSandbox {
  public:
    CupsSandbox() = default;
    ~CupsSandbox();
    CupsSandbox(const CupsSandbox&) = delete;
    CupsSandbox& operator=(const CupsSandbox&) = delete;

    // Before Start: cupsd also finds the PPDs of an installation's PPD folder (`lpinfo -m`).
    void UsePpdFolder(const std::string& folder) { ppdFolder_ = folder; }
    ::testing::AssertionResult Start();
    void Stop();

    const std::string& Folder() const { return folder_; }
    // "127.0.0.1:PORT", as CUPS_SERVER and lpadmin -h take it.
    const std::string& Server() const { return server_; }
    // The library configuration the emulated printers add their ports to.
    std::string RqapiConfigPath() const { return folder_ + "/rqapi.conf"; }
    std::string ErrorLog() const;

    // Installs a queue for a model with its PPD (driver folder = the build's bin/).
    ::testing::AssertionResult AddQueue(const std::string& queue, const std::string& deviceUri,
                                        const std::string& model);
    // The queue's marker-levels as CUPS reports them to any client; empty when it has none.
    std::vector<int> MarkerLevels(const std::string& queue) const;
    // Waits until the queue has no pending or processing job.
    ::testing::AssertionResult WaitUntilIdle(const std::string& queue, int timeoutMs = 20000);

    // The next loopback address for an emulated printer: 127.0.0.2, 127.0.0.3, ...
    std::string NextAddress();
    // The PPD of a model in the source tree (with its @DRIVER_FOLDER@ placeholder).
    static std::string PpdPath(const std::string& model);

  private:
    bool Answers() const;
    ::testing::AssertionResult Launch();

    std::string folder_;
    std::string ppdFolder_;
    std::string server_;
    uint16_t port_ = 0;
    int nextHost_ = 2;
    ChildProcess cupsd_;
    bool environmentSet_ = false;
};
