#include <gtest/gtest.h>

#include "SnmpAgent.h"
#include "SnmpMessage.h"

namespace {

constexpr std::int64_t kNow = 1'800'000'000'000;

Printer MakePrinter(const char* model = "ZENTA Corvid 4000") {
    PrinterModel chosen;
    PrinterModel::ForName(model, chosen);
    return Printer(chosen, PrinterState(), WorkDurations());
}

Bytes Request(std::uint8_t type, std::initializer_list<ObjectIdentifier> oids,
              const std::string& community = "public") {
    SnmpMessage message;
    message.community = community;
    message.pduType = type;
    message.requestId = 77;
    for (const ObjectIdentifier& oid : oids)
        message.bindings.push_back({oid, SnmpMessage::kNull, {}});
    return message.Encode();
}

bool Ask(SnmpAgent& agent, const Bytes& request, SnmpMessage& response) {
    SnmpAgent::Exchange exchange;
    const Bytes reply = agent.Handle(request.data(), request.size(), kNow, 100, exchange);
    return !reply.empty() && SnmpMessage::Decode(reply.data(), reply.size(), response);
}

const ObjectIdentifier kDeviceId{1, 3, 6, 1, 4, 1, 2699, 1, 2, 1, 2, 1, 1, 3, 1};

}  // namespace

TEST(SnmpAgent, AnswersKnownObjectsAndRefusesUnknownOnesWithNoSuchName) {
    Printer printer = MakePrinter("ZENTA Corvid 2000");
    SnmpAgent agent(printer);
    SnmpMessage response;
    ASSERT_TRUE(Ask(agent, Request(SnmpMessage::kGetRequest, {kDeviceId}), response));
    EXPECT_EQ(response.pduType, SnmpMessage::kGetResponse);
    EXPECT_EQ(response.requestId, 77);
    EXPECT_EQ(response.errorStatus, SnmpMessage::kNoError);

    ASSERT_TRUE(
        Ask(agent, Request(SnmpMessage::kGetRequest, {kDeviceId, {1, 3, 6, 1, 9, 9}}), response));
    EXPECT_EQ(response.errorStatus, SnmpMessage::kNoSuchName);
    EXPECT_EQ(response.errorIndex, 2);
    ASSERT_EQ(response.bindings.size(), 2u);
    EXPECT_EQ(response.bindings[1].valueTag, SnmpMessage::kNull);

    ASSERT_TRUE(Ask(agent, Request(SnmpMessage::kGetNextRequest, {kDeviceId}), response));
    EXPECT_EQ(response.errorStatus, SnmpMessage::kNoSuchName) << "nothing after the last object";

    SnmpAgent::Exchange exchange;
    const Bytes foreign = Request(SnmpMessage::kGetRequest, {kDeviceId}, "private");
    EXPECT_TRUE(agent.Handle(foreign.data(), foreign.size(), kNow, 0, exchange).empty());
    EXPECT_EQ(exchange.kind, "community");
}
