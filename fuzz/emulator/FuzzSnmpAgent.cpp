// Any datagram: decoded, unwrapped and answered without reading past it; every reply decodes.
#include <cstdint>
#include <cstdlib>

#include "SnmpAgent.h"
#include "SnmpMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrinterModel model;
    PrinterModel::ForName(size % 2 ? "ZENTA Corvid 4000" : "ZENTA Corvid 2000", model);
    Printer printer(model, PrinterState(), WorkDurations());
    SnmpAgent agent(printer);
    SnmpAgent::Exchange exchange;
    const Bytes reply = agent.Handle(data, size, 1'800'000'000'000, 0, exchange);
    SnmpMessage decoded;
    if (!reply.empty() && !SnmpMessage::Decode(reply.data(), reply.size(), decoded)) std::abort();
    return 0;
}
