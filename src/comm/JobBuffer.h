#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A zero-filled job buffer of fixed room, filled by the packet builders:
// job.Advance(AppendEnterRemote(job.Rest())).
class JobBuffer {
  public:
    explicit JobBuffer(int32_t room) : bytes_(room > 0 ? static_cast<size_t>(room) : 0) {}

    // The room left after what was written so far.
    std::span<uint8_t> Rest() { return std::span<uint8_t>(bytes_).subspan(length_); }
    void Advance(int32_t written) {
        if (written > 0 && static_cast<size_t>(written) <= bytes_.size() - length_)
            length_ += static_cast<size_t>(written);
    }
    std::span<const uint8_t> Bytes() const {
        return std::span<const uint8_t>(bytes_).first(length_);
    }
    int32_t Length() const { return static_cast<int32_t>(length_); }

  private:
    std::vector<uint8_t> bytes_;
    size_t length_ = 0;
};
