#include "WrappedChannel.h"

#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "Deadline.h"
#include "ResultCode.h"
#include "SnmpCodec.h"

namespace rqapi {
namespace {

// The largest UDP payload over IPv4.
constexpr size_t kMaxDatagram = 65507;
// The status query "st" with parameter 01, wrapped as the program wraps its commands.
constexpr std::array<uint8_t, 5> kStatusCommand = {0x73, 0x74, 0x01, 0x00, 0x01};
constexpr std::string_view kStatusCommunity = "tarnel";

}  // namespace

WrappedChannel::WrappedChannel(Socket socket, RqSettings settings)
    : socket_(std::move(socket)), settings_(std::move(settings)) {}

int32_t WrappedChannel::Send(const uint8_t* data, int32_t length) {
    if (length <= 0 || static_cast<size_t>(length) > kMaxDatagram) return kInvalidArgument;
    const ssize_t sent = send(socket_.Fd(), data, static_cast<size_t>(length), MSG_NOSIGNAL);
    return sent == length ? length : kFailure;
}

int32_t WrappedChannel::Receive(uint8_t* buffer, int32_t room, int32_t timeoutMs) {
    const Deadline deadline(timeoutMs);
    for (;;) {
        const int ready = socket_.WaitReadable(deadline.RemainingMs());
        if (ready < 0) return kFailure;
        if (ready == 0) return 0;
        const ssize_t count = socket_.ReceiveNow(buffer, static_cast<size_t>(room));
        if (count > 0) return static_cast<int32_t>(count);
        // Nothing listens on the agent's port: the kernel reported it to this connected socket.
        if (count == -1) return kRefused;
        if (deadline.Expired()) return 0;
    }
}

int32_t WrappedChannel::Status(uint8_t* buffer, int32_t room) {
    DiscardPending();
    std::vector<uint8_t> value;
    const int32_t result =
        Get(socket_, kStatusCommunity, nextRequestId_++, WrappedCommandIdentifier(kStatusCommand),
            settings_.timeoutMs, value);
    if (result < 0) return result;
    if (value.size() > static_cast<size_t>(room)) return kBufferTooSmall;
    std::copy(value.begin(), value.end(), buffer);
    return static_cast<int32_t>(value.size());
}

void WrappedChannel::DiscardPending() {
    std::array<uint8_t, 1> scratch{};
    while (socket_.ReceiveNow(scratch.data(), scratch.size()) >= 0) {
    }
}

int32_t WrappedChannel::Get(const Socket& socket, std::string_view community, int32_t requestId,
                            std::span<const uint8_t> objectIdentifier, int32_t timeoutMs,
                            std::vector<uint8_t>& value) {
    const auto request = EncodeGetRequest(community, requestId, objectIdentifier);
    if (send(socket.Fd(), request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size())) {
        return kFailure;
    }
    const Deadline deadline(timeoutMs);
    std::vector<uint8_t> datagram(kMaxDatagram);
    for (;;) {
        const int ready = socket.WaitReadable(deadline.RemainingMs());
        if (ready < 0) return kFailure;
        if (ready == 0) return kTimedOut;
        const ssize_t count = socket.ReceiveNow(datagram.data(), datagram.size());
        if (count == -1) return kRefused;
        if (count <= 0) continue;
        const auto response = DecodeGetResponse(std::span(datagram.data(), size_t(count)));
        // Late answers to earlier requests and stray datagrams are skipped.
        if (!response || response->requestId != requestId) continue;
        if (response->errorStatus != 0 || response->valueTag != kOctetStringTag) {
            return kNoSuchObject;
        }
        value = response->value;
        return static_cast<int32_t>(value.size());
    }
}

}  // namespace rqapi
