// Any job: split into packets that cover it exactly, acted on, and fed again as a control-port
// stream in small pieces.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ChannelResponder.h"
#include "JobExecution.h"
#include "JobStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<JobPacket> packets = JobStream::Parse(data, size);
    std::size_t next = 0;
    for (const JobPacket& packet : packets) {
        if (packet.offset != next || packet.length == 0) std::abort();
        next += packet.length;
    }
    if (next != size) std::abort();

    PrinterModel model;
    PrinterModel::ForName("ZENTA Corvid 4000", model);
    Printer printer(model, PrinterState(), WorkDurations());
    JobExecution execution(printer, 1'800'000'000'000);
    for (const JobPacket& packet : packets) execution.Run(data, packet);
    const std::string peer = "127.0.0.1";
    execution.Finish(&peer);

    ChannelResponder responder(printer);
    std::size_t offset = 0;
    while (offset < size) {
        JobPacket packet;
        // Only what has arrived so far: the scanner may wait, but never reads beyond it.
        const std::size_t arrived = std::min(size - offset, std::size_t{7});
        if (!JobStream::ScanPacket(data + offset, arrived, arrived == size - offset, packet)) {
            if (!JobStream::ScanPacket(data + offset, size - offset, true, packet)) std::abort();
        }
        std::string note;
        responder.Answer(data + offset, packet.length, 1'800'000'000'000, note);
        offset += packet.length;
    }
    return 0;
}
