#include "SnmpMessage.h"

#include "BerReader.h"

namespace {
constexpr std::uint8_t kSequence = 0x30;

bool DecodeBinding(const std::uint8_t* data, std::size_t length, SnmpMessage::VarBind& binding) {
    BerReader reader(data, length);
    std::uint8_t tag = 0;
    const std::uint8_t* contents = nullptr;
    std::size_t contentLength = 0;
    if (!reader.Next(tag, contents, contentLength) || tag != SnmpMessage::kOid) return false;
    if (!DecodeObjectIdentifier(contents, contentLength, binding.oid)) return false;
    if (!reader.Next(tag, contents, contentLength)) return false;
    binding.valueTag = tag;
    binding.value.assign(contents, contents + contentLength);
    return reader.AtEnd();
}

bool DecodePdu(const std::uint8_t* data, std::size_t length, SnmpMessage& message) {
    BerReader reader(data, length);
    if (!reader.NextInteger(message.requestId) || !reader.NextInteger(message.errorStatus) ||
        !reader.NextInteger(message.errorIndex)) {
        return false;
    }
    std::uint8_t tag = 0;
    const std::uint8_t* list = nullptr;
    std::size_t listLength = 0;
    if (!reader.Next(tag, list, listLength) || tag != kSequence || !reader.AtEnd()) return false;
    BerReader bindings(list, listLength);
    while (!bindings.AtEnd()) {
        const std::uint8_t* binding = nullptr;
        std::size_t bindingLength = 0;
        if (!bindings.Next(tag, binding, bindingLength) || tag != kSequence) return false;
        SnmpMessage::VarBind decoded;
        if (!DecodeBinding(binding, bindingLength, decoded)) return false;
        message.bindings.push_back(std::move(decoded));
    }
    return true;
}

void AppendLength(Bytes& out, std::size_t length) {
    if (length < 0x80) {
        out.push_back(static_cast<std::uint8_t>(length));
        return;
    }
    int count = 0;
    for (std::size_t rest = length; rest != 0; rest >>= 8) ++count;
    out.push_back(static_cast<std::uint8_t>(0x80 | count));
    for (int i = count - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
}

void AppendElement(Bytes& out, std::uint8_t tag, const Bytes& contents) {
    out.push_back(tag);
    AppendLength(out, contents.size());
    out.insert(out.end(), contents.begin(), contents.end());
}
}  // namespace

bool SnmpMessage::Decode(const std::uint8_t* data, std::size_t length, SnmpMessage& message) {
    BerReader outer(data, length);
    std::uint8_t tag = 0;
    const std::uint8_t* body = nullptr;
    std::size_t bodyLength = 0;
    if (!outer.Next(tag, body, bodyLength) || tag != kSequence || !outer.AtEnd()) return false;

    SnmpMessage decoded;
    BerReader reader(body, bodyLength);
    if (!reader.NextInteger(decoded.version)) return false;
    const std::uint8_t* contents = nullptr;
    std::size_t contentLength = 0;
    if (!reader.Next(tag, contents, contentLength) || tag != kOctetString) return false;
    decoded.community.assign(reinterpret_cast<const char*>(contents), contentLength);
    if (!reader.Next(tag, contents, contentLength) || (tag & 0xE0) != 0xA0 || !reader.AtEnd()) {
        return false;
    }
    decoded.pduType = tag;
    if (!DecodePdu(contents, contentLength, decoded)) return false;
    message = std::move(decoded);
    return true;
}

Bytes SnmpMessage::IntegerContents(std::int32_t value) {
    Bytes contents;
    int count = 4;
    // Minimal two's complement: drop leading bytes that only repeat the sign.
    while (count > 1) {
        const std::int32_t top = value >> (8 * (count - 1));
        const bool nextNegative = ((value >> (8 * (count - 2))) & 0x80) != 0;
        if ((top == 0 && !nextNegative) || (top == -1 && nextNegative)) {
            --count;
        } else {
            break;
        }
    }
    for (int i = count - 1; i >= 0; --i)
        contents.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return contents;
}

Bytes SnmpMessage::Encode() const {
    Bytes list;
    for (const VarBind& binding : bindings) {
        Bytes encoded;
        AppendElement(encoded, kOid, EncodeObjectIdentifier(binding.oid));
        AppendElement(encoded, binding.valueTag, binding.value);
        AppendElement(list, kSequence, encoded);
    }
    Bytes pdu;
    AppendElement(pdu, kInteger, IntegerContents(requestId));
    AppendElement(pdu, kInteger, IntegerContents(errorStatus));
    AppendElement(pdu, kInteger, IntegerContents(errorIndex));
    AppendElement(pdu, kSequence, list);
    Bytes body;
    AppendElement(body, kInteger, IntegerContents(version));
    AppendElement(body, kOctetString, BytesOf(community));
    AppendElement(body, pduType, pdu);
    Bytes message;
    AppendElement(message, kSequence, body);
    return message;
}
