#include "firmware/FirmwareUpdateJob.h"

#include <algorithm>
#include <vector>

#include "comm/FirmwarePackets.h"
#include "comm/RawJob.h"
#include "firmware/ReadOnlyFile.h"

namespace {

constexpr size_t kLeadIn = 16384;
constexpr uint8_t kLeadInByte = 0x11;
constexpr size_t kHeaderRoom = 10;
// The printer's loader takes the header at the very start. Nothing is sent after the file: the
// file's own header tells the printer its length.
constexpr std::string_view kLoaderVersion = "I00000";

std::vector<uint8_t> FirmwareJobHead(std::string_view printerVersion) {
    const size_t leadIn = printerVersion == kLoaderVersion ? 0 : kLeadIn;
    std::vector<uint8_t> head(leadIn + kHeaderRoom, kLeadInByte);
    const int32_t written = AppendEscBrace(std::span<uint8_t>(head).subspan(leadIn));
    head.resize(leadIn + static_cast<size_t>(written));
    return head;
}

}  // namespace

int32_t SendFirmwareUpdate(Spooler& spooler, const std::string& printerName,
                           std::string_view printerVersion, const std::string& filePath) {
    ReadOnlyFile file;
    if (!file.Open(filePath)) return -1;
    const std::vector<uint8_t> head = FirmwareJobHead(printerVersion);
    size_t headSent = 0;
    uint64_t fileLeft = file.Size();
    const auto source = [&](std::span<uint8_t> into) -> int64_t {
        if (into.empty()) return -1;
        if (headSent < head.size()) {
            const size_t count = std::min(into.size(), head.size() - headSent);
            std::copy_n(head.begin() + static_cast<std::ptrdiff_t>(headSent), count, into.begin());
            headSent += count;
            return static_cast<int64_t>(count);
        }
        if (fileLeft == 0) return 0;
        const int64_t count =
            file.Read(into.first(static_cast<size_t>(std::min<uint64_t>(into.size(), fileLeft))));
        // A file that ends early or cannot be read leaves the job incomplete.
        if (count <= 0) return -1;
        fileLeft -= static_cast<uint64_t>(count);
        return count;
    };
    return SendRawJobFromSource(spooler, printerName, source);
}
