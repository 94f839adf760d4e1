#pragma once

#include <poll.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Bytes.h"
#include "Journal.h"
#include "Options.h"
#include "Printer.h"
#include "TcpListener.h"

// The raw job port: every connection is one job, acted on and journalled when the client closes
// its side, goes silent for the idle time-out, or the emulator stops.
class RawJobPort {
  public:
    RawJobPort(const Options& options, Printer& printer, Journal& journal);

    bool Open(std::string& error) { return listener_.Open(error); }
    int Port() const { return listener_.Port(); }
    void SetListening(bool listening, std::int64_t nowMs);
    void ExpireIdle(std::int64_t nowMs);
    // Appends this port's entries; Handle gets them back, in the same order, after poll().
    void AddPollFds(std::vector<pollfd>& fds) const;
    void Handle(const pollfd* fds, std::int64_t nowMs);
    void FinishAll(std::int64_t nowMs);

  private:
    struct Connection {
        FileDescriptor fd;
        std::string peer;  // host:port
        std::string host;
        Bytes kept;  // what is parsed: the first kKeptJobLimit bytes
        std::size_t total = 0;
        unsigned long crc = 0;  // CRC-32 of every byte, as zlib computes it
        std::int64_t lastActivityMs = 0;
    };

    void Accept(std::int64_t nowMs);
    void Read(Connection& connection, std::int64_t nowMs);
    void Finish(Connection& connection, std::int64_t nowMs, const char* ending);
    void CountArriving();

    const Options& options_;
    Printer& printer_;
    Journal& journal_;
    TcpListener listener_;
    std::vector<Connection> connections_;
    Bytes readBuffer_;
    Bytes spareJobBuffer_;  // a finished job's memory, reused so large jobs fault in no new pages
};
