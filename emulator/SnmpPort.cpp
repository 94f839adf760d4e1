#include "SnmpPort.h"

#include <sys/socket.h>

#include <cerrno>
#include <cstring>

#include "SocketAddress.h"

namespace {
constexpr std::size_t kMaxDatagram = 65536;
constexpr int kDatagramsPerWakeUp = 64;
}  // namespace

SnmpPort::SnmpPort(const Options& options, Printer& printer, Journal& journal)
    : options_(options),
      printer_(printer),
      journal_(journal),
      agent_(printer),
      readBuffer_(kMaxDatagram) {}

bool SnmpPort::Open(std::int64_t nowMs, std::string& error) {
    startedMs_ = nowMs;
    fd_.Reset(socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    sockaddr_in address = MakeAddress(options_.listen, options_.snmpPort);
    if (!fd_.Valid() ||
        bind(fd_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        error = "cannot bind UDP " + options_.listen + ":" + std::to_string(options_.snmpPort) +
                ": " + std::strerror(errno);
        return false;
    }
    socklen_t length = sizeof address;
    getsockname(fd_.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    return true;
}

void SnmpPort::Handle(const pollfd* fds, std::int64_t nowMs) {
    if (fds[0].revents & POLLIN) Receive(nowMs);
}

void SnmpPort::Receive(std::int64_t nowMs) {
    for (int datagram = 0; datagram < kDatagramsPerWakeUp; ++datagram) {
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        const ssize_t count = recvfrom(fd_.Get(), readBuffer_.data(), readBuffer_.size(), 0,
                                       reinterpret_cast<sockaddr*>(&peer), &length);
        if (count < 0) return;
        ++received_;
        const auto size = static_cast<std::size_t>(count);
        JsonLine line;
        line.Add("event", "query")
            .Add("channel", "snmp")
            .Add("peer", AddressText(peer))
            .Add("hex", ToHex(readBuffer_.data(), size));
        const FaultSet& faults = printer_.Faults();
        const char* silence = faults.unreachable        ? "unreachable"
                              : printer_.Offline(nowMs) ? "restarting"
                              : (faults.dropEvery > 0 && received_ % faults.dropEvery == 0)
                                  ? "dropped"
                                  : nullptr;
        Bytes reply;
        if (silence == nullptr) {
            SnmpAgent::Exchange exchange;
            const auto upTime = static_cast<std::uint32_t>((nowMs - startedMs_) / 10);
            reply = agent_.Handle(readBuffer_.data(), size, nowMs, upTime, exchange);
            line.Add("kind", exchange.kind);
            if (!exchange.command.empty()) line.Add("command", ToHex(exchange.command));
            if (!exchange.note.empty()) line.Add("note", exchange.note);
        }
        if (silence != nullptr || reply.empty()) {
            line.Add("unanswered", silence != nullptr ? silence : "not answerable");
        } else {
            line.Add("reply", ToHex(reply));
            pending_.push_back({nowMs + faults.slowMs, peer, std::move(reply)});
        }
        journal_.Write(nowMs, line);
    }
}

void SnmpPort::Flush(std::int64_t nowMs) {
    auto due = [nowMs](const Pending& pending) { return pending.dueMs <= nowMs; };
    for (const Pending& pending : pending_) {
        if (!due(pending)) continue;
        sendto(fd_.Get(), pending.bytes.data(), pending.bytes.size(), MSG_DONTWAIT,
               reinterpret_cast<const sockaddr*>(&pending.to), sizeof pending.to);
    }
    std::erase_if(pending_, due);
}

std::int64_t SnmpPort::NextDueMs() const {
    std::int64_t next = 0;
    for (const Pending& pending : pending_) {
        if (next == 0 || pending.dueMs < next) next = pending.dueMs;
    }
    return next;
}
