#include "SnmpCodec.h"

#include <array>

namespace rqapi {
namespace {

constexpr uint8_t kIntegerTag = 0x02;
constexpr uint8_t kNullTag = 0x05;
constexpr uint8_t kOidTag = 0x06;
constexpr uint8_t kSequenceTag = 0x30;
constexpr uint8_t kGetRequestTag = 0xA0;
constexpr uint8_t kGetResponseTag = 0xA2;

constexpr std::array<uint8_t, 14> kWrappedPrefix = {0x2B, 0x06, 0x01, 0x04, 0x01, 0x89, 0x60,
                                                    0x01, 0x02, 0x02, 0x28, 0x01, 0x01, 0x02};

void AppendLength(std::vector<uint8_t>& out, size_t length) {
    if (length < 0x80) {
        out.push_back(static_cast<uint8_t>(length));
    } else if (length <= 0xFF) {
        out.push_back(0x81);
        out.push_back(static_cast<uint8_t>(length));
    } else {
        out.push_back(0x82);
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(length));
    }
}

void AppendElement(std::vector<uint8_t>& out, uint8_t tag, std::span<const uint8_t> contents) {
    out.push_back(tag);
    AppendLength(out, contents.size());
    out.insert(out.end(), contents.begin(), contents.end());
}

void AppendInteger(std::vector<uint8_t>& out, int32_t value) {
    std::vector<uint8_t> bytes;
    uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 24; shift > 0; shift -= 8) {
        const uint8_t byte = static_cast<uint8_t>(bits >> shift);
        const uint8_t next = static_cast<uint8_t>(bits >> (shift - 8));
        // Leading bytes that only repeat the sign of the next one are dropped.
        const bool redundant = (byte == 0x00 && !(next & 0x80)) || (byte == 0xFF && (next & 0x80));
        if (!bytes.empty() || !redundant) bytes.push_back(byte);
    }
    bytes.push_back(static_cast<uint8_t>(bits));
    AppendElement(out, kIntegerTag, bytes);
}

void AppendBase128(std::vector<uint8_t>& out, uint32_t value) {
    std::array<uint8_t, 5> groups{};
    size_t count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

// A cursor over received bytes; every read checks what is left.
class BerReader {
  public:
    explicit BerReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    // The contents of the next element if it has the tag, else none.
    std::optional<std::span<const uint8_t>> Element(uint8_t tag) {
        if (bytes_.size() < 2 || bytes_[0] != tag) return std::nullopt;
        size_t length = bytes_[1];
        size_t header = 2;
        if (length & 0x80) {
            const size_t count = length & 0x7F;
            if (count == 0 || count > 3 || bytes_.size() < 2 + count) return std::nullopt;
            length = 0;
            for (size_t i = 0; i < count; ++i) length = (length << 8) | bytes_[2 + i];
            header += count;
        }
        if (bytes_.size() - header < length) return std::nullopt;
        const auto contents = bytes_.subspan(header, length);
        bytes_ = bytes_.subspan(header + length);
        return contents;
    }

    // Any element: its tag and contents.
    std::optional<std::pair<uint8_t, std::span<const uint8_t>>> AnyElement() {
        if (bytes_.empty()) return std::nullopt;
        const uint8_t tag = bytes_[0];
        const auto contents = Element(tag);
        if (!contents) return std::nullopt;
        return std::make_pair(tag, *contents);
    }

    std::optional<int32_t> Integer() {
        const auto contents = Element(kIntegerTag);
        if (!contents || contents->empty() || contents->size() > 4) return std::nullopt;
        uint32_t value = ((*contents)[0] & 0x80) ? 0xFFFFFFFFu : 0u;
        for (uint8_t byte : *contents) value = (value << 8) | byte;
        return static_cast<int32_t>(value);
    }

  private:
    std::span<const uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> EncodeObjectIdentifier(std::span<const uint32_t> arcs) {
    std::vector<uint8_t> out;
    if (arcs.size() < 2) return out;
    AppendBase128(out, arcs[0] * 40 + arcs[1]);
    for (size_t i = 2; i < arcs.size(); ++i) AppendBase128(out, arcs[i]);
    return out;
}

std::vector<uint8_t> WrappedCommandIdentifier(std::span<const uint8_t> command) {
    std::vector<uint8_t> tail = {static_cast<uint8_t>(command.size() + 3), 0x08,
                                 static_cast<uint8_t>(command.size() >> 8),
                                 static_cast<uint8_t>(command.size())};
    tail.insert(tail.end(), command.begin(), command.end());
    std::vector<uint8_t> out(kWrappedPrefix.begin(), kWrappedPrefix.end());
    for (uint8_t byte : tail) {
        if (byte < 0x80) {
            out.push_back(byte);
        } else {
            out.push_back(0x81);
            out.push_back(static_cast<uint8_t>(byte - 0x80));
        }
    }
    return out;
}

std::vector<uint8_t> EncodeGetRequest(std::string_view community, int32_t requestId,
                                      std::span<const uint8_t> objectIdentifier) {
    std::vector<uint8_t> binding;
    AppendElement(binding, kOidTag, objectIdentifier);
    binding.push_back(kNullTag);
    binding.push_back(0x00);
    std::vector<uint8_t> bindingList;
    AppendElement(bindingList, kSequenceTag, binding);
    std::vector<uint8_t> pdu;
    AppendInteger(pdu, requestId);
    AppendInteger(pdu, 0);
    AppendInteger(pdu, 0);
    AppendElement(pdu, kSequenceTag, bindingList);
    std::vector<uint8_t> message;
    AppendInteger(message, 0);
    AppendElement(message, kOctetStringTag,
                  std::span(reinterpret_cast<const uint8_t*>(community.data()), community.size()));
    AppendElement(message, kGetRequestTag, pdu);
    std::vector<uint8_t> out;
    AppendElement(out, kSequenceTag, message);
    return out;
}

std::optional<GetResponse> DecodeGetResponse(std::span<const uint8_t> datagram) {
    BerReader top(datagram);
    const auto message = top.Element(kSequenceTag);
    if (!message) return std::nullopt;
    BerReader fields(*message);
    const auto version = fields.Integer();
    if (!version || *version != 0 || !fields.Element(kOctetStringTag)) return std::nullopt;
    const auto pdu = fields.Element(kGetResponseTag);
    if (!pdu) return std::nullopt;
    BerReader pduFields(*pdu);
    GetResponse response;
    const auto requestId = pduFields.Integer();
    const auto errorStatus = pduFields.Integer();
    const auto errorIndex = pduFields.Integer();
    const auto bindings = pduFields.Element(kSequenceTag);
    if (!requestId || !errorStatus || !errorIndex || !bindings) return std::nullopt;
    response.requestId = *requestId;
    response.errorStatus = *errorStatus;
    BerReader bindingList(*bindings);
    const auto binding = bindingList.Element(kSequenceTag);
    if (!binding) return std::nullopt;
    BerReader bindingFields(*binding);
    if (!bindingFields.Element(kOidTag)) return std::nullopt;
    const auto value = bindingFields.AnyElement();
    if (!value) return std::nullopt;
    response.valueTag = value->first;
    response.value.assign(value->second.begin(), value->second.end());
    return response;
}

}  // namespace rqapi
