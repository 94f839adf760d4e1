#include "RqLibrary.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "Deadline.h"
#include "PlainChannel.h"
#include "PrinterHost.h"
#include "ResultCode.h"
#include "RqConfig.h"
#include "SnmpCodec.h"
#include "WrappedChannel.h"

namespace rqapi {
namespace {

// prtChannelInformation's IEEE 1284 device ID of the first channel (Printer Port Monitor MIB).
constexpr std::array<uint32_t, 15> kDeviceIdObject = {1, 3, 6, 1, 4, 1, 2699, 1,
                                                      2, 1, 2, 1, 1, 3, 1};
constexpr int32_t kRecordSize = 8;
constexpr uint8_t kUsable = 0x07;
constexpr int32_t kProbeRequestId = 7;

void PutRecord(uint8_t* record, int32_t type, bool usable) {
    const auto bits = static_cast<uint32_t>(type);
    for (int i = 0; i < 4; ++i) record[i] = static_cast<uint8_t>(bits >> (8 * i));
    record[4] = usable ? kUsable : 0x00;
    std::fill(record + 5, record + kRecordSize, 0);
}

}  // namespace

RqLibrary& RqLibrary::Instance() {
    static RqLibrary library;
    return library;
}

int32_t RqLibrary::Initialize() {
    return 0;
}

int32_t RqLibrary::Release() {
    for (auto& channel : channels_) channel.reset();
    return 0;
}

Channel* RqLibrary::Find(int32_t channel) const {
    if (channel < 1 || static_cast<size_t>(channel) > kMaxChannels) return nullptr;
    return channels_[static_cast<size_t>(channel) - 1].get();
}

int32_t RqLibrary::GetDeviceID(const char* printer, char* buffer, int32_t* size) {
    if (buffer == nullptr || size == nullptr || *size < 1) return kInvalidArgument;
    const std::string host = PrinterHost(printer);
    if (host.empty()) return kNoPrinter;
    const RqSettings settings = RqConfig::ForHost(host);
    const Socket socket = Socket::Udp(host, settings.snmpPort);
    if (!socket.IsOpen()) return kFailure;
    std::vector<uint8_t> value;
    const int32_t result =
        WrappedChannel::Get(socket, settings.community, 1, EncodeObjectIdentifier(kDeviceIdObject),
                            settings.timeoutMs, value);
    if (result < 0) return result;
    if (static_cast<int32_t>(value.size()) >= *size) {
        *size = static_cast<int32_t>(value.size()) + 1;
        return kBufferTooSmall;
    }
    std::copy(value.begin(), value.end(), buffer);
    buffer[value.size()] = '\0';
    *size = static_cast<int32_t>(value.size());
    return 0;
}

int32_t RqLibrary::GetAvailableChannel(const char* printer, uint8_t* buffer, int32_t* size) {
    constexpr int32_t kNeeded = 2 * kRecordSize;
    if (size == nullptr) return kInvalidArgument;
    if (buffer == nullptr || *size < kNeeded) {
        *size = kNeeded;
        return kBufferTooSmall;
    }
    const std::string host = PrinterHost(printer);
    if (host.empty()) return kNoPrinter;
    const RqSettings settings = RqConfig::ForHost(host);

    // Both probes run at once: the control port's connect and a device ID request to the agent
    // (any answer of the agent counts, also one without the object).
    Socket control = Socket::TcpConnecting(host, settings.controlPort);
    const Socket agent = Socket::Udp(host, settings.snmpPort);
    const Deadline deadline(settings.probeTimeoutMs);
    std::vector<uint8_t> value;
    const int32_t answer = agent.IsOpen()
                               ? WrappedChannel::Get(agent, settings.community, kProbeRequestId,
                                                     EncodeObjectIdentifier(kDeviceIdObject),
                                                     settings.probeTimeoutMs, value)
                               : kFailure;
    const bool wrappedUsable = answer >= 0 || answer == kNoSuchObject;
    const bool plainUsable = control.IsOpen() && control.WaitConnected(deadline.RemainingMs()) == 1;

    PutRecord(buffer, kPlainChannel, plainUsable);
    PutRecord(buffer + kRecordSize, kWrappedChannel, wrappedUsable);
    *size = kNeeded;
    return 2;
}

int32_t RqLibrary::OpenChannel(const char* printer, int32_t channelType) {
    if (channelType != kPlainChannel && channelType != kWrappedChannel) return kNoChannel;
    const auto freeSlot = std::find(channels_.begin(), channels_.end(), nullptr);
    if (freeSlot == channels_.end()) return kNoChannel;
    const std::string host = PrinterHost(printer);
    if (host.empty()) return kNoPrinter;
    const RqSettings settings = RqConfig::ForHost(host);
    if (channelType == kWrappedChannel) {
        Socket socket = Socket::Udp(host, settings.snmpPort);
        if (!socket.IsOpen()) return kFailure;
        *freeSlot = std::make_unique<WrappedChannel>(std::move(socket), settings);
    } else {
        Socket socket = Socket::TcpConnecting(host, settings.controlPort);
        const int connected = socket.WaitConnected(settings.timeoutMs);
        if (connected == 0) return kTimedOut;
        if (connected < 0) return kRefused;
        *freeSlot = std::make_unique<PlainChannel>(std::move(socket), settings);
    }
    return static_cast<int32_t>(freeSlot - channels_.begin()) + 1;
}

int32_t RqLibrary::CloseChannel(int32_t channel) {
    if (Find(channel) == nullptr) return kBadHandle;
    channels_[static_cast<size_t>(channel) - 1].reset();
    return 0;
}

int32_t RqLibrary::SetOption(int32_t channel, int32_t, const void*, int32_t) {
    // No option can be changed: the configuration file holds the ports and time-outs.
    return Find(channel) == nullptr ? kBadHandle : kInvalidArgument;
}

int32_t RqLibrary::GetOption(int32_t channel, int32_t, void*, int32_t*) {
    return Find(channel) == nullptr ? kBadHandle : kInvalidArgument;
}

int32_t RqLibrary::ReceiveCancel(int32_t channel) {
    Channel* open = Find(channel);
    if (open == nullptr) return kBadHandle;
    open->DiscardPending();
    return 0;
}

int32_t RqLibrary::GetStatus(int32_t channel, uint8_t* buffer, int32_t* size) {
    Channel* open = Find(channel);
    if (open == nullptr) return kBadHandle;
    if (buffer == nullptr || size == nullptr || *size < 1) return kInvalidArgument;
    const int32_t result = open->Status(buffer, *size);
    if (result > 0) *size = result;
    return result;
}

int32_t RqLibrary::Send(int32_t channel, const uint8_t* data, int32_t length) {
    Channel* open = Find(channel);
    if (open == nullptr) return kBadHandle;
    if (data == nullptr || length < 1) return kInvalidArgument;
    return open->Send(data, length);
}

int32_t RqLibrary::Receive(int32_t channel, uint8_t* buffer, int32_t* size, int32_t timeoutMs) {
    Channel* open = Find(channel);
    if (open == nullptr) return kBadHandle;
    if (buffer == nullptr || size == nullptr || *size < 1 || timeoutMs < 0) {
        return kInvalidArgument;
    }
    const int32_t result = open->Receive(buffer, *size, timeoutMs);
    if (result >= 0) *size = result;
    return result;
}

}  // namespace rqapi
