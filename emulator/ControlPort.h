#pragma once

#include <poll.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "Bytes.h"
#include "ChannelResponder.h"
#include "Journal.h"
#include "Options.h"
#include "Printer.h"
#include "TcpListener.h"

// The plain channel: commands back to back on a connection, each reply sent in one write (later
// with the slow fault). A client that stops reading is dropped, never waited for.
class ControlPort {
  public:
    ControlPort(const Options& options, Printer& printer, Journal& journal);

    bool Open(std::string& error) { return listener_.Open(error); }
    int Port() const { return listener_.Port(); }
    // Closing also drops the open connections: a printer that does not answer drops its channels.
    void SetListening(bool listening, std::int64_t nowMs);
    // Sends due replies and drops finished or idle connections.
    void Flush(std::int64_t nowMs);
    // The earliest time a delayed reply is due, 0 when none.
    std::int64_t NextDueMs() const;
    void AddPollFds(std::vector<pollfd>& fds, std::int64_t nowMs) const;
    void Handle(const pollfd* fds, std::int64_t nowMs);

  private:
    struct Outgoing {
        std::int64_t dueMs = 0;
        Bytes bytes;
        std::size_t sent = 0;
    };
    struct Connection {
        FileDescriptor fd;
        std::string peer;
        Bytes inbox;
        std::deque<Outgoing> outbox;
        std::size_t outboxBytes = 0;
        std::int64_t lastActivityMs = 0;
        bool peerDone = false;  // the client closed its side; replies still go out
        bool broken = false;
    };

    void Accept(std::int64_t nowMs);
    void Read(Connection& connection, std::int64_t nowMs);
    void Answer(Connection& connection, std::int64_t nowMs);
    void Send(Connection& connection, std::int64_t nowMs);

    const Options& options_;
    Printer& printer_;
    Journal& journal_;
    ChannelResponder responder_;
    TcpListener listener_;
    std::vector<Connection> connections_;
    Bytes readBuffer_;
};
