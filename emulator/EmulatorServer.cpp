#include "EmulatorServer.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>

#include "JobExecution.h"
#include "JobStream.h"

namespace {
constexpr std::size_t kReadChunk = 1 << 20;
constexpr std::size_t kKeptJobLimit = 256u << 20;  // bytes of a job parsed; the rest only counted
constexpr std::size_t kControlInboxLimit = 64 << 10;
constexpr std::size_t kMaxConnections = 256;
constexpr std::size_t kJournalPackets = 1000;
constexpr std::size_t kJournalPacketHex = 256;
constexpr std::size_t kJournalNotes = 100;
constexpr std::int64_t kFaultCheckIntervalMs = 200;
constexpr int kMaxPollMs = 200;

std::string PeerText(const sockaddr_in& address, std::string* host = nullptr) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    if (host != nullptr) *host = text;
    return std::string(text) + ":" + std::to_string(ntohs(address.sin_port));
}

std::string HexPrefix(const std::uint8_t* data, std::size_t length, std::size_t limit) {
    return ToHex(data, std::min(length, limit));
}

}  // namespace

EmulatorServer::EmulatorServer(Options options, Printer& printer, Journal& journal)
    : options_(std::move(options)),
      printer_(printer),
      journal_(journal),
      agent_(printer),
      responder_(printer),
      startedMs_(NowMs()),
      readBuffer_(kReadChunk) {
    raw_.port = options_.rawPort;
    control_.port = options_.controlPort;
}

std::int64_t EmulatorServer::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::uint32_t EmulatorServer::UpTimeCentiseconds() const {
    return static_cast<std::uint32_t>((NowMs() - startedMs_) / 10);
}

bool EmulatorServer::OpenListener(Listener& listener, std::string& error) {
    FileDescriptor fd(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    const int on = 1;
    setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(listener.port));
    inet_pton(AF_INET, options_.listen.c_str(), &address.sin_addr);
    if (!fd.Valid() || bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd.Get(), 64) != 0) {
        error = "cannot listen on " + options_.listen + ":" + std::to_string(listener.port) + ": " +
                std::strerror(errno);
        return false;
    }
    socklen_t length = sizeof address;
    getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    listener.port = ntohs(address.sin_port);
    listener.fd = std::move(fd);
    return true;
}

bool EmulatorServer::Start(std::string& error) {
    snmp_.Reset(socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(options_.snmpPort));
    inet_pton(AF_INET, options_.listen.c_str(), &address.sin_addr);
    if (!snmp_.Valid() ||
        bind(snmp_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        error = "cannot bind UDP " + options_.listen + ":" + std::to_string(options_.snmpPort) +
                ": " + std::strerror(errno);
        return false;
    }
    socklen_t length = sizeof address;
    getsockname(snmp_.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    snmpPort_ = ntohs(address.sin_port);
    // Both listeners are bound once even when a fault keeps them closed, so the ports are known.
    if (!OpenListener(raw_, error) || !OpenListener(control_, error)) return false;
    ReloadFaultsIfChanged(NowMs());
    UpdateListeners(NowMs());
    journal_.Write(NowMs(), JsonLine()
                                .Add("event", "start")
                                .Add("model", printer_.Model().name)
                                .Add("listen", options_.listen)
                                .Add("rawPort", std::int64_t{raw_.port})
                                .Add("snmpPort", std::int64_t{snmpPort_})
                                .Add("controlPort", std::int64_t{control_.port})
                                .Add("firmware", printer_.State().firmwareVersion)
                                .Add("faults", printer_.Faults().Describe()));
    return true;
}

std::string EmulatorServer::ReadyLine() const {
    return "printer-emulator ready: " + printer_.Model().name + " on " + options_.listen + " raw " +
           std::to_string(raw_.port) + " snmp " + std::to_string(snmpPort_) + " control " +
           std::to_string(control_.port);
}

void EmulatorServer::UpdateListeners(std::int64_t nowMs) {
    const FaultSet& faults = printer_.Faults();
    const bool reachable = !faults.unreachable && !printer_.Offline(nowMs);
    const bool wantRaw = reachable;
    const bool wantControl = reachable && !faults.controlClosed;
    std::string error;
    if (wantRaw != raw_.fd.Valid()) {
        if (wantRaw && !OpenListener(raw_, error))
            journal_.Write(nowMs, JsonLine().Add("event", "error").Add("text", error));
        if (!wantRaw) raw_.fd.Reset();
    }
    if (wantControl != control_.fd.Valid()) {
        if (wantControl && !OpenListener(control_, error)) {
            journal_.Write(nowMs, JsonLine().Add("event", "error").Add("text", error));
        }
        if (!wantControl) control_.fd.Reset();
    }
    // A printer that does not answer drops its open channels too.
    if (!wantControl) {
        for (ControlConnection& connection : controlConnections_) connection.closed = true;
    }
}

void EmulatorServer::ReloadFaultsIfChanged(std::int64_t nowMs) {
    if (options_.faultPath.empty() || nowMs - faultCheckMs_ < kFaultCheckIntervalMs) return;
    faultCheckMs_ = nowMs;
    struct stat info {};
    std::string stamp = "absent";
    if (stat(options_.faultPath.c_str(), &info) == 0) {
        stamp = std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) +
                "/" + std::to_string(info.st_size) + "/" + std::to_string(info.st_ino);
    }
    if (stamp == faultFileStamp_) return;
    faultFileStamp_ = stamp;
    FaultSet faults = options_.faults;
    std::string error;
    std::ifstream file(options_.faultPath);
    if (file) {
        std::ostringstream text;
        text << file.rdbuf();
        faults.ApplyLines(text.str(), error);
    }
    printer_.SetFaults(faults);
    JsonLine line;
    line.Add("event", "faults").Add("active", faults.Describe());
    if (!error.empty()) line.Add("error", error);
    journal_.Write(nowMs, line);
}

void EmulatorServer::SaveIfChanged(std::int64_t nowMs) {
    if (!printer_.TakeChanged() || options_.statePath.empty()) return;
    if (!printer_.State().Save(options_.statePath)) {
        journal_.Write(
            nowMs,
            JsonLine().Add("event", "error").Add("text", "cannot write " + options_.statePath));
    }
}

void EmulatorServer::Accept(Listener& listener, bool raw, std::int64_t nowMs) {
    for (;;) {
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        FileDescriptor fd(accept4(listener.fd.Get(), reinterpret_cast<sockaddr*>(&peer), &length,
                                  SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!fd.Valid()) return;
        if (raw) {
            if (rawConnections_.size() >= kMaxConnections) continue;
            RawConnection connection;
            connection.kept = std::move(spareJobBuffer_);
            connection.kept.clear();
            connection.fd = std::move(fd);
            connection.peer = PeerText(peer, &connection.host);
            connection.lastActivityMs = nowMs;
            rawConnections_.push_back(std::move(connection));
        } else {
            if (controlConnections_.size() >= kMaxConnections) continue;
            ControlConnection connection;
            connection.fd = std::move(fd);
            connection.peer = PeerText(peer);
            connection.lastActivityMs = nowMs;
            controlConnections_.push_back(std::move(connection));
        }
    }
}

void EmulatorServer::ReadRaw(RawConnection& connection, std::int64_t nowMs) {
    // Several chunks per wake-up keep a large job fast without starving the other sockets.
    for (int chunk = 0; chunk < 32; ++chunk) {
        const ssize_t count = recv(connection.fd.Get(), readBuffer_.data(), readBuffer_.size(), 0);
        if (count > 0) {
            const auto* bytes = readBuffer_.data();
            const std::size_t received = static_cast<std::size_t>(count);
            connection.crc = crc32(connection.crc, bytes, static_cast<uInt>(received));
            connection.total += received;
            const std::size_t room =
                kKeptJobLimit - std::min(kKeptJobLimit, connection.kept.size());
            connection.kept.insert(connection.kept.end(), bytes, bytes + std::min(room, received));
            connection.lastActivityMs = nowMs;
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        FinishJob(connection, nowMs, count == 0 ? "end" : "error");
        return;
    }
}

void EmulatorServer::FinishJob(RawConnection& connection, std::int64_t nowMs, const char* ending) {
    const Bytes& data = connection.kept;
    const std::vector<JobPacket> packets = JobStream::Parse(data.data(), data.size());
    JobExecution execution(printer_, nowMs);
    for (const JobPacket& packet : packets) execution.Run(data.data(), packet);
    // A connection that brought nothing (a reachability probe) is no job worth remembering.
    execution.Finish(connection.total, connection.total > 0 ? &connection.host : nullptr);

    std::string packetList = "[";
    for (std::size_t i = 0; i < packets.size() && i < kJournalPackets; ++i) {
        const JobPacket& packet = packets[i];
        JsonLine item;
        item.Add("name", packet.name)
            .Add("offset", static_cast<std::int64_t>(packet.offset))
            .Add("length", static_cast<std::int64_t>(packet.length))
            .Add("hex", HexPrefix(data.data() + packet.offset, packet.length, kJournalPacketHex));
        if (!packet.complete) item.Add("complete", false);
        packetList += (i ? "," : "") + item.Text();
    }
    packetList += "]";
    std::vector<std::string> notes = execution.Notes();
    if (notes.size() > kJournalNotes) notes.resize(kJournalNotes);
    if (connection.total > data.size()) {
        notes.push_back("only the first " + std::to_string(data.size()) + " bytes were parsed");
    }
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08lx", connection.crc);
    JsonLine line;
    line.Add("event", "job")
        .Add("channel", "raw")
        .Add("peer", connection.peer)
        .Add("ending", ending)
        .Add("size", static_cast<std::int64_t>(connection.total))
        .Add("crc32", std::string(crc))
        .Add("hex", HexPrefix(data.data(), data.size(), options_.journalHexLimit))
        .Add("hexComplete", connection.total <= options_.journalHexLimit)
        .AddRaw("packets", packetList)
        .Add("packetCount", static_cast<std::int64_t>(packets.size()))
        .Add("notes", notes)
        .Add("summary", execution.Summary())
        .Add("status", std::int64_t{printer_.StatusCode(nowMs)});
    journal_.Write(nowMs, line);
    connection.fd.Reset();
    if (connection.kept.capacity() > spareJobBuffer_.capacity())
        spareJobBuffer_ = std::move(connection.kept);
    SaveIfChanged(nowMs);
}

void EmulatorServer::ReadControl(ControlConnection& connection, std::int64_t nowMs) {
    for (;;) {
        const ssize_t count = recv(connection.fd.Get(), readBuffer_.data(), readBuffer_.size(), 0);
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) break;
        if (count <= 0) {
            connection.closed = true;
            break;
        }
        connection.inbox.insert(connection.inbox.end(), readBuffer_.data(),
                                readBuffer_.data() + count);
        connection.lastActivityMs = nowMs;
        if (connection.inbox.size() > kControlInboxLimit) break;
    }
    while (!connection.inbox.empty()) {
        JobPacket packet;
        const bool atEnd = connection.closed || connection.inbox.size() > kControlInboxLimit;
        if (!JobStream::ScanPacket(connection.inbox.data(), connection.inbox.size(), atEnd, packet))
            break;
        const Bytes command(connection.inbox.begin(),
                            connection.inbox.begin() + static_cast<std::ptrdiff_t>(packet.length));
        connection.inbox.erase(
            connection.inbox.begin(),
            connection.inbox.begin() + static_cast<std::ptrdiff_t>(packet.length));
        JsonLine line;
        line.Add("event", "query")
            .Add("channel", "control")
            .Add("peer", connection.peer)
            .Add("hex", ToHex(command))
            .Add("command", ToHex(command));
        if (packet.kind == JobPacket::kCommand) {
            std::string note;
            const Bytes reply = responder_.Answer(command.data(), command.size(), nowMs, note);
            line.Add("note", note).Add("reply", ToHex(reply));
            connection.outbox.push_back({nowMs + printer_.Faults().slowMs, Disturb(reply), 0});
        } else {
            line.Add("note", packet.name + ": not a command, skipped");
        }
        journal_.Write(nowMs, line);
        SaveIfChanged(nowMs);
    }
    if (connection.inbox.size() > kControlInboxLimit) connection.closed = true;
}

void EmulatorServer::FlushControl(ControlConnection& connection, std::int64_t nowMs) {
    while (!connection.outbox.empty() && connection.outbox.front().dueMs <= nowMs) {
        Outgoing& front = connection.outbox.front();
        const ssize_t count = send(connection.fd.Get(), front.bytes.data() + front.sent,
                                   front.bytes.size() - front.sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) connection.closed = true;
            return;
        }
        front.sent += static_cast<std::size_t>(count);
        if (front.sent < front.bytes.size()) return;
        connection.outbox.pop_front();
    }
}

void EmulatorServer::ReadDatagrams(std::int64_t nowMs) {
    for (int datagram = 0; datagram < 64; ++datagram) {
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        const ssize_t count = recvfrom(snmp_.Get(), readBuffer_.data(), readBuffer_.size(), 0,
                                       reinterpret_cast<sockaddr*>(&peer), &length);
        if (count < 0) return;
        ++datagramCount_;
        const std::size_t size = static_cast<std::size_t>(count);
        JsonLine line;
        line.Add("event", "query")
            .Add("channel", "snmp")
            .Add("peer", PeerText(peer))
            .Add("hex", ToHex(readBuffer_.data(), size));
        const FaultSet& faults = printer_.Faults();
        const char* silence = faults.unreachable        ? "unreachable"
                              : printer_.Offline(nowMs) ? "restarting"
                              : (faults.dropEvery > 0 && datagramCount_ % faults.dropEvery == 0)
                                  ? "dropped"
                                  : nullptr;
        SnmpAgent::Exchange exchange;
        Bytes reply;
        if (silence == nullptr) {
            reply = agent_.Handle(readBuffer_.data(), size, nowMs, UpTimeCentiseconds(), exchange);
            line.Add("kind", exchange.kind);
            if (!exchange.command.empty()) line.Add("command", ToHex(exchange.command));
            if (!exchange.note.empty()) line.Add("note", exchange.note);
        }
        if (silence != nullptr || reply.empty()) {
            line.Add("unanswered", silence != nullptr ? silence : "not answerable");
        } else {
            line.Add("reply", ToHex(reply));
            pendingDatagrams_.push_back({nowMs + faults.slowMs, peer, Disturb(std::move(reply))});
        }
        journal_.Write(nowMs, line);
        SaveIfChanged(nowMs);
    }
}

void EmulatorServer::FlushDatagrams(std::int64_t nowMs) {
    auto due = [nowMs](const PendingDatagram& pending) { return pending.dueMs <= nowMs; };
    for (const PendingDatagram& pending : pendingDatagrams_) {
        if (!due(pending)) continue;
        sendto(snmp_.Get(), pending.bytes.data(), pending.bytes.size(), MSG_DONTWAIT,
               reinterpret_cast<const sockaddr*>(&pending.to), sizeof pending.to);
    }
    std::erase_if(pendingDatagrams_, due);
}

Bytes EmulatorServer::Disturb(Bytes reply) const {
    if (!printer_.Faults().garbled) return reply;
    // Same length, every byte changed, the same way each time.
    for (std::size_t i = 0; i < reply.size(); ++i) {
        const auto mask = static_cast<std::uint8_t>(0xA5 + 7 * i);
        reply[i] ^= mask != 0 ? mask : 0x5A;
    }
    return reply;
}

int EmulatorServer::PollTimeoutMs(std::int64_t nowMs) const {
    std::int64_t timeout = kMaxPollMs;
    auto consider = [&](std::int64_t dueMs) {
        if (dueMs > 0) timeout = std::min(timeout, std::max<std::int64_t>(0, dueMs - nowMs));
    };
    for (const PendingDatagram& pending : pendingDatagrams_) consider(pending.dueMs);
    for (const ControlConnection& connection : controlConnections_) {
        if (!connection.outbox.empty()) consider(connection.outbox.front().dueMs);
    }
    consider(printer_.State().busyUntilMs);
    consider(printer_.State().restartUntilMs);
    return static_cast<int>(timeout);
}

void EmulatorServer::Run(const volatile std::sig_atomic_t& stop) {
    std::vector<pollfd> fds;
    while (stop == 0) {
        std::int64_t nowMs = NowMs();
        printer_.Advance(nowMs);
        SaveIfChanged(nowMs);
        ReloadFaultsIfChanged(nowMs);
        UpdateListeners(nowMs);
        FlushDatagrams(nowMs);
        const std::int64_t idleMs = static_cast<std::int64_t>(options_.idleTimeoutSeconds * 1000);
        for (RawConnection& connection : rawConnections_) {
            if (nowMs - connection.lastActivityMs >= idleMs) FinishJob(connection, nowMs, "idle");
        }
        for (ControlConnection& connection : controlConnections_) {
            if (!connection.closed) FlushControl(connection, nowMs);
            if (nowMs - connection.lastActivityMs >= 10 * idleMs) connection.closed = true;
        }
        std::erase_if(rawConnections_, [](const RawConnection& c) { return !c.fd.Valid(); });
        std::erase_if(controlConnections_, [](const ControlConnection& c) { return c.closed; });

        const std::size_t rawCount = rawConnections_.size();
        fds.clear();
        fds.push_back({snmp_.Get(), POLLIN, 0});
        fds.push_back({raw_.fd.Get(), POLLIN, 0});  // -1 when closed: poll skips it
        fds.push_back({control_.fd.Get(), POLLIN, 0});
        for (const RawConnection& connection : rawConnections_)
            fds.push_back({connection.fd.Get(), POLLIN, 0});
        for (const ControlConnection& connection : controlConnections_) {
            const bool waiting =
                !connection.outbox.empty() && connection.outbox.front().dueMs <= nowMs;
            fds.push_back(
                {connection.fd.Get(), static_cast<short>(POLLIN | (waiting ? POLLOUT : 0)), 0});
        }
        if (poll(fds.data(), fds.size(), PollTimeoutMs(nowMs)) <= 0) continue;
        nowMs = NowMs();
        if (fds[0].revents & POLLIN) ReadDatagrams(nowMs);
        if (fds[1].revents & POLLIN) Accept(raw_, true, nowMs);
        if (fds[2].revents & POLLIN) Accept(control_, false, nowMs);
        std::size_t at = 3;
        for (std::size_t i = 0; i < rawCount; ++i, ++at) {
            if (fds[at].revents != 0) ReadRaw(rawConnections_[i], nowMs);
        }
        for (std::size_t i = 0; at < fds.size(); ++i, ++at) {
            if (fds[at].revents & (POLLIN | POLLHUP | POLLERR))
                ReadControl(controlConnections_[i], nowMs);
            if (!controlConnections_[i].closed) FlushControl(controlConnections_[i], nowMs);
        }
    }
    // Jobs under way when told to stop are journalled with what arrived.
    const std::int64_t nowMs = NowMs();
    for (RawConnection& connection : rawConnections_) FinishJob(connection, nowMs, "stopped");
    rawConnections_.clear();
    printer_.Advance(nowMs);
    SaveIfChanged(nowMs);
    journal_.Write(nowMs, JsonLine().Add("event", "stop"));
}
