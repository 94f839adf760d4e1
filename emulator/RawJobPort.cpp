#include "RawJobPort.h"

#include <sys/socket.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "JobExecution.h"
#include "JobStream.h"
#include "SocketAddress.h"

namespace {
constexpr std::size_t kReadChunk = 1 << 20;
constexpr std::size_t kKeptJobLimit = 64u << 20;  // bytes of a job parsed; the rest only counted
constexpr std::size_t kMaxConnections = 256;
constexpr std::size_t kJournalPackets = 1000;
constexpr std::size_t kJournalPacketHex = 256;
constexpr std::size_t kJournalNotes = 100;
constexpr std::size_t kJournalPages = 1000;

std::string HexPrefix(const std::uint8_t* data, std::size_t length, std::size_t limit) {
    return ToHex(data, std::min(length, limit));
}

std::string PacketList(const Bytes& data, const std::vector<JobPacket>& packets) {
    std::string list = "[";
    for (std::size_t i = 0; i < packets.size() && i < kJournalPackets; ++i) {
        const JobPacket& packet = packets[i];
        JsonLine item;
        item.Add("name", packet.name)
            .Add("offset", static_cast<std::int64_t>(packet.offset))
            .Add("length", static_cast<std::int64_t>(packet.length))
            .Add("hex", HexPrefix(data.data() + packet.offset, packet.length, kJournalPacketHex));
        if (!packet.complete) item.Add("complete", false);
        list += (i ? "," : "") + item.Text();
    }
    return list + "]";
}
// Size in points and text of each page, for tests that check what a sample page says.
std::string PageList(const std::vector<PdfDocument::Page>& pages) {
    std::string list = "[";
    for (std::size_t i = 0; i < pages.size() && i < kJournalPages; ++i) {
        JsonLine item;
        item.Add("width", pages[i].width).Add("height", pages[i].height).Add("text", pages[i].text);
        list += (i ? "," : "") + item.Text();
    }
    return list + "]";
}
}  // namespace

RawJobPort::RawJobPort(const Options& options, Printer& printer, Journal& journal)
    : options_(options),
      printer_(printer),
      journal_(journal),
      listener_(options.listen, options.rawPort),
      readBuffer_(kReadChunk) {}

void RawJobPort::SetListening(bool listening, std::int64_t nowMs) {
    std::string error;
    if (!listener_.SetOpen(listening, error))
        journal_.Write(nowMs, JsonLine().Add("event", "error").Add("text", error));
}

void RawJobPort::ExpireIdle(std::int64_t nowMs) {
    const auto idleMs = static_cast<std::int64_t>(options_.idleTimeoutSeconds * 1000);
    for (Connection& connection : connections_) {
        if (nowMs - connection.lastActivityMs >= idleMs) Finish(connection, nowMs, "idle");
    }
    std::erase_if(connections_, [](const Connection& c) { return !c.fd.Valid(); });
    CountArriving();
}

void RawJobPort::AddPollFds(std::vector<pollfd>& fds) const {
    fds.push_back({listener_.Fd(), POLLIN, 0});  // -1 while closed: poll() skips it
    for (const Connection& connection : connections_)
        fds.push_back({connection.fd.Get(), POLLIN, 0});
}

void RawJobPort::Handle(const pollfd* fds, std::int64_t nowMs) {
    const std::size_t polled = connections_.size();
    for (std::size_t i = 0; i < polled; ++i) {
        if (fds[1 + i].revents != 0) Read(connections_[i], nowMs);
    }
    if (fds[0].revents & POLLIN) Accept(nowMs);
    std::erase_if(connections_, [](const Connection& c) { return !c.fd.Valid(); });
    CountArriving();
}

void RawJobPort::CountArriving() {
    const auto arriving =
        std::count_if(connections_.begin(), connections_.end(),
                      [](const Connection& c) { return c.fd.Valid() && c.total > 0; });
    printer_.SetJobsArriving(static_cast<std::size_t>(arriving));
}

void RawJobPort::Accept(std::int64_t nowMs) {
    for (;;) {
        sockaddr_in peer{};
        FileDescriptor fd = listener_.Accept(peer);
        if (!fd.Valid()) return;
        if (connections_.size() >= kMaxConnections) continue;
        Connection connection;
        connection.kept = std::move(spareJobBuffer_);
        connection.kept.clear();
        connection.fd = std::move(fd);
        connection.peer = AddressText(peer);
        connection.host = HostText(peer);
        connection.lastActivityMs = nowMs;
        connections_.push_back(std::move(connection));
    }
}

void RawJobPort::Read(Connection& connection, std::int64_t nowMs) {
    // Several chunks per wake-up keep a large job fast without starving the other sockets.
    for (int chunk = 0; chunk < 32; ++chunk) {
        const ssize_t count = recv(connection.fd.Get(), readBuffer_.data(), readBuffer_.size(), 0);
        if (count > 0) {
            const std::uint8_t* bytes = readBuffer_.data();
            const auto received = static_cast<std::size_t>(count);
            connection.crc = crc32(connection.crc, bytes, static_cast<uInt>(received));
            connection.total += received;
            const std::size_t room =
                kKeptJobLimit - std::min(kKeptJobLimit, connection.kept.size());
            connection.kept.insert(connection.kept.end(), bytes, bytes + std::min(room, received));
            connection.lastActivityMs = nowMs;
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        Finish(connection, nowMs, count == 0 ? "end" : "error");
        return;
    }
}

void RawJobPort::Finish(Connection& connection, std::int64_t nowMs, const char* ending) {
    const Bytes& data = connection.kept;
    const std::vector<JobPacket> packets = JobStream::Parse(data.data(), data.size());
    JobExecution execution(printer_, nowMs);
    for (const JobPacket& packet : packets) execution.Run(data.data(), packet);
    // A connection that brought nothing (a reachability probe) is no job worth remembering; one
    // that broke off is a cancelled job.
    const bool cancelled = std::string(ending) == "error" || std::string(ending) == "stopped";
    execution.Finish(connection.total > 0 ? &connection.host : nullptr,
                     cancelled && connection.total > 0);

    std::vector<std::string> notes = execution.Notes();
    if (notes.size() > kJournalNotes) notes.resize(kJournalNotes);
    if (connection.total > data.size()) {
        notes.push_back("only the first " + std::to_string(data.size()) + " bytes were parsed");
    }
    connection.fd.Reset();
    CountArriving();
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
        .AddRaw("packets", PacketList(data, packets))
        .Add("packetCount", static_cast<std::int64_t>(packets.size()))
        .Add("notes", notes)
        .Add("summary", execution.Summary())
        .Add("actions", execution.Actions())
        .Add("printed", execution.Printed())
        .Add("status", std::int64_t{printer_.StatusCode(nowMs)});
    if (const JobRecord* record = execution.Remembered()) {
        line.Add("jobNumber", std::int64_t{record->number})
            .Add("jobState", std::int64_t{record->state});
    }
    if (!execution.PdfPages().empty()) line.AddRaw("pdfPages", PageList(execution.PdfPages()));
    journal_.Write(nowMs, line);
    if (connection.kept.capacity() > spareJobBuffer_.capacity()) {
        spareJobBuffer_ = std::move(connection.kept);
    }
}

void RawJobPort::FinishAll(std::int64_t nowMs) {
    for (Connection& connection : connections_) Finish(connection, nowMs, "stopped");
    connections_.clear();
    CountArriving();
}
