#pragma once

#include <cstdint>
#include <string>

#include "ControlPort.h"
#include "Journal.h"
#include "Options.h"
#include "Printer.h"
#include "RawJobPort.h"
#include "SnmpPort.h"

// The printer's three ports served by one thread with poll(): nothing a client sends or withholds
// can block it. Between wake-ups it finishes work whose time is up, re-reads the fault file,
// opens or closes the TCP listeners as faults and restarts require, and saves the state.
class EmulatorServer {
  public:
    EmulatorServer(const Options& options, Printer& printer, Journal& journal);

    // Binds the three ports; false with a one-line error.
    bool Start(std::string& error);
    std::string ReadyLine() const;
    // Serves until stopFd becomes readable.
    void Run(int stopFd);

  private:
    static std::int64_t NowMs();
    void ReloadFaultsIfChanged(std::int64_t nowMs);
    void UpdateListeners(std::int64_t nowMs);
    void JournalStruckError(std::int64_t nowMs);
    void SaveIfChanged(std::int64_t nowMs);
    int PollTimeoutMs(std::int64_t nowMs) const;

    const Options& options_;
    Printer& printer_;
    Journal& journal_;
    SnmpPort snmp_;
    RawJobPort raw_;
    ControlPort control_;
    std::string faultFileStamp_;
    std::int64_t faultCheckMs_ = 0;
};
