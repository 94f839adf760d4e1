#include "ControlPort.h"

#include <sys/socket.h>

#include <cerrno>

#include "JobStream.h"
#include "SocketAddress.h"

namespace {
constexpr std::size_t kReadChunk = 64 << 10;
constexpr std::size_t kInboxLimit = 64 << 10;
constexpr std::size_t kOutboxLimit = 1 << 20;
constexpr std::size_t kMaxConnections = 256;
// A channel stays open between a library's calls; only one forgotten for this long is dropped.
constexpr double kIdleFactor = 10;

bool WouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}
}  // namespace

ControlPort::ControlPort(const Options& options, Printer& printer, Journal& journal)
    : options_(options),
      printer_(printer),
      journal_(journal),
      responder_(printer),
      listener_(options.listen, options.controlPort),
      readBuffer_(kReadChunk) {}

void ControlPort::SetListening(bool listening, std::int64_t nowMs) {
    if (!listening) connections_.clear();
    std::string error;
    if (!listener_.SetOpen(listening, error))
        journal_.Write(nowMs, JsonLine().Add("event", "error").Add("text", error));
}

void ControlPort::Flush(std::int64_t nowMs) {
    const auto idleMs = static_cast<std::int64_t>(options_.idleTimeoutSeconds * 1000 * kIdleFactor);
    for (Connection& connection : connections_) {
        if (!connection.broken) Send(connection, nowMs);
        if (nowMs - connection.lastActivityMs >= idleMs) connection.broken = true;
    }
    std::erase_if(connections_,
                  [](const Connection& c) { return c.broken || (c.peerDone && c.outbox.empty()); });
}

std::int64_t ControlPort::NextDueMs() const {
    std::int64_t next = 0;
    for (const Connection& connection : connections_) {
        if (connection.outbox.empty()) continue;
        const std::int64_t due = connection.outbox.front().dueMs;
        if (next == 0 || due < next) next = due;
    }
    return next;
}

void ControlPort::AddPollFds(std::vector<pollfd>& fds, std::int64_t nowMs) const {
    fds.push_back({listener_.Fd(), POLLIN, 0});
    for (const Connection& connection : connections_) {
        const bool sending = !connection.outbox.empty() && connection.outbox.front().dueMs <= nowMs;
        const short events =
            static_cast<short>((connection.peerDone ? 0 : POLLIN) | (sending ? POLLOUT : 0));
        fds.push_back({connection.fd.Get(), events, 0});
    }
}

void ControlPort::Handle(const pollfd* fds, std::int64_t nowMs) {
    const std::size_t polled = connections_.size();
    for (std::size_t i = 0; i < polled; ++i) {
        Connection& connection = connections_[i];
        const short revents = fds[1 + i].revents;
        // After the client's end of input, a hang-up means it is gone in both directions: no
        // reply can reach it, and waiting would only make poll() report it again and again.
        if (connection.peerDone && (revents & (POLLHUP | POLLERR))) connection.broken = true;
        if (revents & (POLLIN | POLLHUP | POLLERR)) Read(connection, nowMs);
        if (!connection.broken) Send(connection, nowMs);
    }
    if (fds[0].revents & POLLIN) Accept(nowMs);
}

void ControlPort::Accept(std::int64_t nowMs) {
    for (;;) {
        sockaddr_in peer{};
        FileDescriptor fd = listener_.Accept(peer);
        if (!fd.Valid()) return;
        if (connections_.size() >= kMaxConnections) continue;
        Connection connection;
        connection.fd = std::move(fd);
        connection.peer = AddressText(peer);
        connection.lastActivityMs = nowMs;
        connections_.push_back(std::move(connection));
    }
}

void ControlPort::Read(Connection& connection, std::int64_t nowMs) {
    while (!connection.peerDone && connection.inbox.size() <= kInboxLimit) {
        const ssize_t count = recv(connection.fd.Get(), readBuffer_.data(), readBuffer_.size(), 0);
        if (count < 0 && WouldBlock()) break;
        if (count < 0) {
            connection.broken = true;
            return;
        }
        if (count == 0) {
            connection.peerDone = true;
            break;
        }
        connection.inbox.insert(connection.inbox.end(), readBuffer_.data(),
                                readBuffer_.data() + count);
        connection.lastActivityMs = nowMs;
    }
    Answer(connection, nowMs);
    // More than any command can be is not a client of this printer.
    if (connection.inbox.size() > kInboxLimit || connection.outboxBytes > kOutboxLimit)
        connection.broken = true;
}

void ControlPort::Answer(Connection& connection, std::int64_t nowMs) {
    while (!connection.inbox.empty()) {
        JobPacket packet;
        const bool atEnd = connection.peerDone || connection.inbox.size() > kInboxLimit;
        if (!JobStream::ScanPacket(connection.inbox.data(), connection.inbox.size(), atEnd, packet))
            return;
        const auto end = connection.inbox.begin() + static_cast<std::ptrdiff_t>(packet.length);
        const Bytes command(connection.inbox.begin(), end);
        connection.inbox.erase(connection.inbox.begin(), end);
        JsonLine line;
        line.Add("event", "query")
            .Add("channel", "control")
            .Add("peer", connection.peer)
            .Add("hex", ToHex(command))
            .Add("command", ToHex(command));
        if (packet.kind == JobPacket::kCommand) {
            std::string note;
            const FaultSet& faults = printer_.Faults();
            Bytes reply =
                faults.Garble(responder_.Answer(command.data(), command.size(), nowMs, note));
            line.Add("note", note).Add("reply", ToHex(reply));
            connection.outboxBytes += reply.size();
            connection.outbox.push_back({nowMs + faults.slowMs, std::move(reply), 0});
        } else {
            line.Add("note", packet.name + ": not a command, skipped");
        }
        journal_.Write(nowMs, line);
    }
}

void ControlPort::Send(Connection& connection, std::int64_t nowMs) {
    while (!connection.outbox.empty() && connection.outbox.front().dueMs <= nowMs) {
        Outgoing& front = connection.outbox.front();
        const ssize_t count = send(connection.fd.Get(), front.bytes.data() + front.sent,
                                   front.bytes.size() - front.sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count < 0) {
            if (!WouldBlock()) connection.broken = true;
            return;
        }
        front.sent += static_cast<std::size_t>(count);
        if (front.sent < front.bytes.size()) return;
        connection.outboxBytes -= front.bytes.size();
        connection.outbox.pop_front();
    }
}
