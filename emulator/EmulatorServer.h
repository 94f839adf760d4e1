#pragma once

#include <netinet/in.h>

#include <csignal>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "Bytes.h"
#include "ChannelResponder.h"
#include "FileDescriptor.h"
#include "Journal.h"
#include "Options.h"
#include "Printer.h"
#include "SnmpAgent.h"

// The three ports of the printer, served by one thread with poll(): nothing a client sends or
// withholds can block it. Faults and the firmware restart open and close the TCP listeners.
class EmulatorServer {
  public:
    EmulatorServer(Options options, Printer& printer, Journal& journal);

    // Binds the three ports; false with a one-line error.
    bool Start(std::string& error);
    std::string ReadyLine() const;
    // Serves until stop becomes non-zero.
    void Run(const volatile std::sig_atomic_t& stop);

  private:
    struct Outgoing {
        std::int64_t dueMs = 0;
        Bytes bytes;
        std::size_t sent = 0;
    };
    struct RawConnection {
        FileDescriptor fd;
        std::string peer;  // host:port
        std::string host;
        Bytes kept;
        std::size_t total = 0;
        unsigned long crc = 0;  // CRC-32 of every byte, as zlib computes it
        std::int64_t lastActivityMs = 0;
    };
    struct ControlConnection {
        FileDescriptor fd;
        std::string peer;
        Bytes inbox;
        std::deque<Outgoing> outbox;
        std::int64_t lastActivityMs = 0;
        bool closed = false;
    };
    struct PendingDatagram {
        std::int64_t dueMs = 0;
        sockaddr_in to{};
        Bytes bytes;
    };
    struct Listener {
        FileDescriptor fd;
        int port = 0;
    };

    std::int64_t NowMs() const;
    std::uint32_t UpTimeCentiseconds() const;
    bool OpenListener(Listener& listener, std::string& error);
    void UpdateListeners(std::int64_t nowMs);
    void ReloadFaultsIfChanged(std::int64_t nowMs);
    void SaveIfChanged(std::int64_t nowMs);
    void Accept(Listener& listener, bool raw, std::int64_t nowMs);
    void ReadRaw(RawConnection& connection, std::int64_t nowMs);
    void FinishJob(RawConnection& connection, std::int64_t nowMs, const char* ending);
    void ReadControl(ControlConnection& connection, std::int64_t nowMs);
    void ReadDatagrams(std::int64_t nowMs);
    void FlushControl(ControlConnection& connection, std::int64_t nowMs);
    void FlushDatagrams(std::int64_t nowMs);
    Bytes Disturb(Bytes reply) const;
    int PollTimeoutMs(std::int64_t nowMs) const;

    Options options_;
    Printer& printer_;
    Journal& journal_;
    SnmpAgent agent_;
    ChannelResponder responder_;
    std::int64_t startedMs_;
    FileDescriptor snmp_;
    int snmpPort_ = 0;
    Listener raw_;
    Listener control_;
    std::vector<RawConnection> rawConnections_;
    std::vector<ControlConnection> controlConnections_;
    std::vector<PendingDatagram> pendingDatagrams_;
    std::uint64_t datagramCount_ = 0;
    std::string faultFileStamp_;
    std::int64_t faultCheckMs_ = 0;
    Bytes readBuffer_;
    Bytes spareJobBuffer_;  // a finished job's memory, reused so large jobs fault in no new pages
};
