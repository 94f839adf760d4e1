#pragma once

#include <netinet/in.h>
#include <poll.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Bytes.h"
#include "FileDescriptor.h"
#include "Journal.h"
#include "Options.h"
#include "Printer.h"
#include "SnmpAgent.h"

// The SNMP agent's UDP socket: journals every datagram, answers through the agent unless a fault
// or a restart keeps it silent, and holds replies back for the slow fault.
class SnmpPort {
  public:
    SnmpPort(const Options& options, Printer& printer, Journal& journal);

    // nowMs starts the agent's up time.
    bool Open(std::int64_t nowMs, std::string& error);
    int Port() const { return port_; }
    void Flush(std::int64_t nowMs);
    std::int64_t NextDueMs() const;
    void AddPollFds(std::vector<pollfd>& fds) const { fds.push_back({fd_.Get(), POLLIN, 0}); }
    void Handle(const pollfd* fds, std::int64_t nowMs);

  private:
    struct Pending {
        std::int64_t dueMs = 0;
        sockaddr_in to{};
        Bytes bytes;
    };

    void Receive(std::int64_t nowMs);

    const Options& options_;
    Printer& printer_;
    Journal& journal_;
    SnmpAgent agent_;
    FileDescriptor fd_;
    int port_ = 0;
    std::int64_t startedMs_ = 0;
    std::uint64_t received_ = 0;
    std::vector<Pending> pending_;
    Bytes readBuffer_;
};
