#include "JobRecord.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace {
constexpr std::size_t kOwnerAt = 7, kOwnerSize = 16;
constexpr std::size_t kNameAt = 23, kNameSize = 32;

constexpr struct {
    const char* name;
    std::uint8_t state;
} kStates[] = {{"waiting", JobRecord::kWaiting},     {"printing", JobRecord::kPrinting},
               {"completed", JobRecord::kCompleted}, {"cancelled", JobRecord::kCancelled},
               {"paused", JobRecord::kPaused},       {"error", JobRecord::kError}};

void PutText(Bytes& out, std::size_t at, std::size_t size, const std::string& text) {
    std::copy_n(text.begin(), std::min(size, text.size()), out.begin() + at);
}

void Put16(Bytes& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<std::uint8_t>(value >> 8);
    out[at + 1] = static_cast<std::uint8_t>(value);
}

std::string GetText(const Bytes& in, std::size_t at, std::size_t size) {
    std::string text;
    for (std::size_t i = at; i < at + size && in[i] != 0; ++i) text += static_cast<char>(in[i]);
    return text;
}

std::uint16_t Get16(const Bytes& in, std::size_t at) {
    return static_cast<std::uint16_t>((in[at] << 8) | in[at + 1]);
}
}  // namespace

void JobRecord::SetTime(std::int64_t nowMs) {
    const std::time_t seconds = static_cast<std::time_t>(nowMs / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    year = static_cast<std::uint8_t>(local.tm_year % 100);
    month = static_cast<std::uint8_t>(local.tm_mon + 1);
    day = static_cast<std::uint8_t>(local.tm_mday);
    hour = static_cast<std::uint8_t>(local.tm_hour);
    minute = static_cast<std::uint8_t>(local.tm_min);
}

Bytes JobRecord::Encode() const {
    Bytes out(kSize, 0);
    out[0] = 0x01;
    out[1] = static_cast<std::uint8_t>(number);
    out[3] = state;
    out[4] = paperSource;
    PutText(out, kOwnerAt, kOwnerSize, owner);
    PutText(out, kNameAt, kNameSize, name);
    Put16(out, 55, inkMicrolitres);
    Put16(out, 57, paperLengthMm);
    Put16(out, 59, paperWidthMm);
    out[61] = year;
    out[62] = month;
    out[63] = day;
    out[64] = hour;
    out[65] = minute;
    Put16(out, 66, seconds);
    out.resize(std::clamp<std::size_t>(length, 1, kSize));
    return out;
}

bool JobRecord::Decode(const Bytes& bytes, JobRecord& record) {
    if (bytes.empty() || bytes.size() > kSize) return false;
    Bytes in = bytes;
    in.resize(kSize, 0);
    record.number = in[1];
    record.state = in[3];
    record.paperSource = in[4];
    record.owner = GetText(in, kOwnerAt, kOwnerSize);
    record.name = GetText(in, kNameAt, kNameSize);
    record.inkMicrolitres = Get16(in, 55);
    record.paperLengthMm = Get16(in, 57);
    record.paperWidthMm = Get16(in, 59);
    record.year = in[61];
    record.month = in[62];
    record.day = in[63];
    record.hour = in[64];
    record.minute = in[65];
    record.seconds = Get16(in, 66);
    record.length = bytes.size();
    return true;
}

bool JobRecord::Advance(std::int64_t nowMs) {
    if (startMs == 0 && endMs == 0) return false;
    const std::uint8_t was = state;
    if (nowMs >= endMs) {
        state = kCompleted;
        startMs = endMs = 0;
    } else if (nowMs >= startMs) {
        state = kPrinting;
    }
    return state != was || startMs == 0;
}

bool JobRecord::StateFromText(const std::string& text, std::uint8_t& state) {
    for (const auto& known : kStates) {
        if (text == known.name) {
            state = known.state;
            return true;
        }
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 255)
        return false;
    state = static_cast<std::uint8_t>(value);
    return true;
}
