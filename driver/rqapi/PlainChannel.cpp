#include "PlainChannel.h"

#include <algorithm>
#include <array>

#include "Deadline.h"
#include "ReplyFraming.h"
#include "ResultCode.h"

namespace rqapi {
namespace {

constexpr std::array<uint8_t, 5> kStatusCommand = {0x73, 0x74, 0x01, 0x00, 0x01};
// A reply larger than this is no reply of this printer; the connection is dropped.
constexpr size_t kMaxPending = 1 << 20;

}  // namespace

PlainChannel::PlainChannel(Socket socket, RqSettings settings)
    : socket_(std::move(socket)), settings_(std::move(settings)) {}

int32_t PlainChannel::Send(const uint8_t* data, int32_t length) {
    if (length <= 0) return kInvalidArgument;
    const ssize_t sent = socket_.SendAll(data, static_cast<size_t>(length), settings_.timeoutMs);
    return sent == length ? length : kFailure;
}

bool PlainChannel::Fill(int32_t timeoutMs) {
    const Deadline deadline(timeoutMs);
    std::array<uint8_t, 4096> chunk{};
    while (!ended_ && CompleteReplyLength(pending_) == 0) {
        const int ready = socket_.WaitReadable(deadline.RemainingMs());
        if (ready < 0) {
            ended_ = true;
            break;
        }
        if (ready == 0) break;
        const ssize_t count = socket_.ReceiveNow(chunk.data(), chunk.size());
        if (count == 0 || count == -1) {
            ended_ = true;
            break;
        }
        if (count > 0) pending_.insert(pending_.end(), chunk.begin(), chunk.begin() + count);
        if (pending_.size() > kMaxPending) {
            pending_.clear();
            ended_ = true;
        }
        if (deadline.Expired()) break;
    }
    return !(ended_ && pending_.empty());
}

int32_t PlainChannel::TakeReply(uint8_t* buffer, int32_t room, bool wholeOnly) {
    size_t length = CompleteReplyLength(pending_);
    if (length == 0) {
        if (wholeOnly) return 0;
        length = pending_.size();
    }
    length = std::min(length, static_cast<size_t>(room));
    std::copy_n(pending_.begin(), length, buffer);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<ptrdiff_t>(length));
    return static_cast<int32_t>(length);
}

int32_t PlainChannel::Receive(uint8_t* buffer, int32_t room, int32_t timeoutMs) {
    if (!Fill(timeoutMs)) return kRefused;
    // A reply that stays incomplete past the time-out is handed out as far as it came.
    return TakeReply(buffer, room, false);
}

int32_t PlainChannel::Status(uint8_t* buffer, int32_t room) {
    DiscardPending();
    if (ended_) return kRefused;
    if (Send(kStatusCommand.data(), kStatusCommand.size()) < 0) return kFailure;
    if (!Fill(settings_.timeoutMs)) return kRefused;
    const size_t length = CompleteReplyLength(pending_);
    if (length == 0) return kTimedOut;
    if (length > static_cast<size_t>(room)) {
        pending_.clear();
        return kBufferTooSmall;
    }
    return TakeReply(buffer, room, true);
}

void PlainChannel::DiscardPending() {
    pending_.clear();
    std::array<uint8_t, 4096> chunk{};
    for (;;) {
        const ssize_t count = socket_.ReceiveNow(chunk.data(), chunk.size());
        if (count == -2) break;
        if (count <= 0) {
            ended_ = true;
            break;
        }
    }
}

}  // namespace rqapi
