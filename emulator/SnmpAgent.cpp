#include "SnmpAgent.h"

#include "SnmpMessage.h"
#include "StandardObjects.h"
#include "WrappedCommand.h"

Bytes SnmpAgent::Handle(const std::uint8_t* data, std::size_t length, std::int64_t nowMs,
                        std::uint32_t upTimeCentiseconds, Exchange& exchange) {
    SnmpMessage request;
    if (!SnmpMessage::Decode(data, length, request)) {
        exchange.kind = "malformed";
        return {};
    }
    if (request.community != "public" && request.community != "tarnel") {
        exchange.kind = "community";
        exchange.note = request.community;
        return {};
    }
    constexpr std::uint8_t kSetRequest = 0xA3;
    const bool next = request.pduType == SnmpMessage::kGetNextRequest;
    if (!next && request.pduType != SnmpMessage::kGetRequest && request.pduType != kSetRequest) {
        // Responses, traps and later versions' requests are nothing a v1 agent answers.
        exchange.kind = "unsupported";
        return {};
    }
    SnmpMessage response = request;
    response.pduType = SnmpMessage::kGetResponse;
    response.errorStatus = SnmpMessage::kNoError;
    response.errorIndex = 0;
    exchange.kind = next ? "getnext" : request.pduType == SnmpMessage::kGetRequest ? "get" : "set";
    if (request.pduType == kSetRequest) {
        // Nothing here is writable; a v1 agent answers noSuchName for the first binding.
        response.errorStatus = SnmpMessage::kNoSuchName;
        response.errorIndex = request.bindings.empty() ? 0 : 1;
        return response.Encode();
    }

    const StandardObjects objects(printer_, nowMs, upTimeCentiseconds);
    for (std::size_t i = 0; i < request.bindings.size(); ++i) {
        SnmpMessage::VarBind& binding = response.bindings[i];
        const ObjectIdentifier& oid = request.bindings[i].oid;
        exchange.note += (exchange.note.empty() ? "" : " ") + ObjectIdentifierText(oid);
        Bytes command;
        const WrappedCommand::Result wrapped = WrappedCommand::Extract(oid, command);
        bool found = false;
        if (!next && wrapped == WrappedCommand::kCommand) {
            exchange.kind = "wrapped";
            exchange.command = command;
            std::string answered;
            binding.valueTag = SnmpMessage::kOctetString;
            binding.value = responder_.Answer(command.data(), command.size(), nowMs, answered);
            exchange.note = answered;
            found = true;
        } else if (next) {
            found = objects.GetNext(oid, binding);
        } else {
            found = objects.Get(oid, binding);
        }
        if (!found) {
            // v1: the request comes back unchanged with the failing binding's position.
            response.bindings = request.bindings;
            response.errorStatus = SnmpMessage::kNoSuchName;
            response.errorIndex = static_cast<std::int32_t>(i + 1);
            if (wrapped == WrappedCommand::kMalformed) exchange.kind = "malformed-wrapped";
            break;
        }
    }
    if (response.errorStatus == SnmpMessage::kNoError) {
        for (SnmpMessage::VarBind& binding : response.bindings) {
            binding.value = printer_.Faults().Garble(std::move(binding.value));
        }
    }
    return response.Encode();
}
