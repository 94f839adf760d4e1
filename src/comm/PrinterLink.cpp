#include "comm/PrinterLink.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "comm/CommLibrary.h"
#include "comm/StatusReply.h"
#include "comm/WaitProgress.h"
#include "comm/WrappedFrame.h"
#include "platform/Clock.h"

namespace {

constexpr int32_t kPort = 1;
constexpr int32_t kSizeAnswer = -4;
constexpr size_t kChannelRecordSize = 8;
constexpr uint8_t kUsableCapabilities = 0x07;
// Far above any real list; a size beyond it is treated as memory that cannot be had.
constexpr int32_t kMaxChannelListSize = 64 * 1024;
constexpr size_t kStatusRoom = 256;
constexpr size_t kDeviceIdRoom = 256;
constexpr int32_t kRetryPauseMs = 5;
constexpr int32_t kReadyWaitMs = 5000;
constexpr int32_t kReadyAttempts = 2;
constexpr int32_t kPumpSliceMs = 50;

uint32_t ReadLittleEndian32(const uint8_t* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

int32_t Room(std::span<uint8_t> buffer) {
    return static_cast<int32_t>(std::min<size_t>(buffer.size(), INT32_MAX));
}

}  // namespace

PrinterLink::PrinterLink(CommLibrary* library, Clock& clock) : clock_(clock), library_(library) {}

bool PrinterLink::HasChannelType() const {
    return channelType_ == kPlainChannel || channelType_ == kWrappedChannel;
}

bool PrinterLink::ChooseChannelType(const std::string& printerName) {
    if (!HasChannelType()) channelType_ = SelectChannelType(printerName);
    return HasChannelType();
}

int32_t PrinterLink::SelectChannelType(const std::string& printerName) {
    if (library_ == nullptr) return -1;
    int32_t size = 0;
    int32_t result = library_->GetAvailableChannel(kPort, printerName.c_str(), nullptr, &size);
    if (result != kSizeAnswer) return result;
    if (size < 0 || size > kMaxChannelListSize) return -1;

    std::vector<uint8_t> list(static_cast<size_t>(size) + 1);
    result = library_->GetAvailableChannel(kPort, printerName.c_str(), list.data(), &size);
    if (result <= 0) return result;

    const size_t records = std::min(static_cast<size_t>(result), list.size() / kChannelRecordSize);
    for (int32_t candidate : {kPlainChannel, kWrappedChannel}) {
        for (size_t i = 0; i < records; ++i) {
            const uint8_t* record = list.data() + i * kChannelRecordSize;
            if (ReadLittleEndian32(record) == static_cast<uint32_t>(candidate) &&
                (record[4] & kUsableCapabilities) == kUsableCapabilities)
                return candidate;
        }
    }
    return 0;
}

int32_t PrinterLink::OpenChannel(const std::string& printerName) {
    if (library_ == nullptr || !ChooseChannelType(printerName)) return -1;
    return library_->OpenChannel(kPort, printerName.c_str(), channelType_);
}

void PrinterLink::CloseChannel(int32_t channel) {
    if (library_ != nullptr) library_->CloseChannel(channel);
}

int32_t PrinterLink::ReadStatus(int32_t channel, StatusReply& status) {
    if (library_ == nullptr) return -1;
    std::array<uint8_t, kStatusRoom> buffer{};
    int32_t size = static_cast<int32_t>(buffer.size());
    const int32_t result = library_->GetStatus(channel, buffer.data(), &size);
    if (result < 1) return result;

    constexpr std::string_view kLineEnd = "\r\n";
    const auto lineEnd =
        std::search(buffer.begin(), buffer.end(), kLineEnd.begin(), kLineEnd.end());
    if (lineEnd == buffer.end()) return result;
    const auto blockStart = static_cast<size_t>(lineEnd - buffer.begin()) + kLineEnd.size();
    if (!status.Assign(std::span<const uint8_t>(buffer).subspan(blockStart))) return -1;
    return result;
}

int32_t PrinterLink::Exchange(int32_t channel, std::span<const uint8_t> command,
                              std::span<uint8_t> reply, int32_t timeoutMs) {
    if (library_ == nullptr) return -1;
    if (channelType_ == kWrappedChannel) {
        const int32_t sent = SendWrapped(channel, command);
        return sent < 1 ? sent : ReceiveWrapped(channel, reply, timeoutMs);
    }
    if (channelType_ == kPlainChannel) {
        const int32_t sent =
            library_->Send(channel, command.data(), static_cast<int32_t>(command.size()));
        return sent < 1 ? sent : ReceivePlain(channel, reply, timeoutMs);
    }
    return -1;
}

int32_t PrinterLink::Query(const std::string& printerName, std::span<const uint8_t> command,
                           std::span<uint8_t> reply, int32_t timeoutMs) {
    const int32_t channel = OpenChannel(printerName);
    if (channel < 1) return -1;
    const int32_t result = Exchange(channel, command, reply, timeoutMs);
    CloseChannel(channel);
    return result;
}

int32_t PrinterLink::SendWrapped(int32_t channel, std::span<const uint8_t> command) {
    const std::vector<uint8_t> request = BuildWrappedRequest(command);
    if (request.empty()) return -1;
    return library_->Send(channel, request.data(), static_cast<int32_t>(request.size()));
}

bool PrinterLink::MayReceiveAgain(int64_t startMs, int32_t timeoutMs, int32_t& remainingMs) {
    const int64_t elapsed = clock_.NowMs() - startMs;
    if (elapsed >= timeoutMs) return false;
    clock_.SleepMs(kRetryPauseMs);
    remainingMs =
        static_cast<int32_t>(std::max<int64_t>(1, timeoutMs - (clock_.NowMs() - startMs)));
    return true;
}

int32_t PrinterLink::ReceivePlain(int32_t channel, std::span<uint8_t> reply, int32_t timeoutMs) {
    const int64_t start = clock_.NowMs();
    int32_t remaining = timeoutMs;
    do {
        int32_t size = Room(reply);
        const int32_t result = library_->Receive(channel, reply.data(), &size, remaining);
        if (result != 0) return std::min(result, Room(reply));
    } while (MayReceiveAgain(start, timeoutMs, remaining));
    return 0;
}

int32_t PrinterLink::ReceiveWrapped(int32_t channel, std::span<uint8_t> reply, int32_t timeoutMs) {
    const int32_t room = std::min(Room(reply), static_cast<int32_t>(kWrappedReceiveRoom));
    const int64_t start = clock_.NowMs();
    int32_t remaining = timeoutMs;
    do {
        std::array<uint8_t, kWrappedReceiveRoom> work{};
        int32_t size = room;
        int32_t result = library_->Receive(channel, work.data(), &size, remaining);
        if (result < 0) return result;
        result = std::min(result, room);
        const std::span<const uint8_t> received(work.data(), static_cast<size_t>(result));
        if (const auto marker = FindReplyMarker(received)) {
            const size_t count = received.size() - *marker;
            if (count >= 1 && count < static_cast<size_t>(room))
                std::copy(received.begin() + static_cast<std::ptrdiff_t>(*marker), received.end(),
                          reply.begin());
            return result;
        }
    } while (MayReceiveAgain(start, timeoutMs, remaining));
    return 0;
}

bool PrinterLink::IsReadyNow(int32_t channel, StatusReply& status) {
    return ReadStatus(channel, status) >= 1 && status.IsReady();
}

void PrinterLink::WaitBetweenAttempts(WaitProgress* progress, bool pumpEvents) {
    const int64_t start = clock_.NowMs();
    if (progress == nullptr && !pumpEvents) {
        clock_.SleepMs(kReadyWaitMs);
        return;
    }
    for (int64_t elapsed = 0; elapsed < kReadyWaitMs; elapsed = clock_.NowMs() - start) {
        const int slice = static_cast<int>(std::min<int64_t>(kPumpSliceMs, kReadyWaitMs - elapsed));
        if (progress != nullptr)
            PollAndIdle(*progress, clock_, slice);
        else
            clock_.PumpEventsMs(slice);
    }
}

int32_t PrinterLink::WaitUntilReady(const std::string& printerName, const ReadyWaitView& view) {
    if (library_ == nullptr) return -1;
    const int32_t channel = OpenChannel(printerName);
    if (channel < 1) return 0;

    StatusReply status;
    int32_t ready = IsReadyNow(channel, status) ? 1 : 0;
    if (ready == 0) {
        const std::unique_ptr<WaitProgress> progress =
            view.openProgress ? view.openProgress() : nullptr;
        if (progress) progress->Poll();
        for (int32_t attempt = 0; attempt < kReadyAttempts && ready == 0; ++attempt) {
            WaitBetweenAttempts(progress.get(), view.pumpEvents);
            if (IsReadyNow(channel, status)) ready = 1;
        }
    }
    CloseChannel(channel);
    return ready;
}

bool PrinterLink::DeviceDescriptionMatches(const std::string& printerName,
                                           const std::string& expected) {
    if (library_ == nullptr) return false;
    std::array<char, kDeviceIdRoom> buffer{};
    int32_t size = static_cast<int32_t>(buffer.size());
    if (library_->GetDeviceID(kPort, printerName.c_str(), buffer.data(), &size) != 0) return false;

    std::string_view deviceId(buffer.data(), buffer.size());
    deviceId = deviceId.substr(0, deviceId.find('\0'));
    const size_t field = deviceId.find("DES:");
    if (field == std::string_view::npos) return false;
    const std::string_view rest = deviceId.substr(field + 4);
    const size_t end = rest.find(';');
    if (end == std::string_view::npos || end == 0) return false;
    return rest.substr(0, end) == expected;
}
