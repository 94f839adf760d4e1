#include "firmware/FirmwareFile.h"

#include <array>
#include <vector>

#include "firmware/FirmwareImageCheck.h"
#include "firmware/ReadOnlyFile.h"

namespace {

constexpr size_t kReadPiece = 256 * 1024;

}  // namespace

int32_t ValidateFirmwareFile(const std::string& path, std::string& version) {
    version.clear();
    ReadOnlyFile file;
    if (!file.Open(path)) return kFirmwareUnreadable;
    // Checked before reading on, so that a wrong length costs no pass over the payload.
    std::array<uint8_t, FirmwareImageCheck::kHeaderSize> header{};
    const int64_t headerRead = file.Read(header);
    if (headerRead < 0) return kFirmwareDamaged;
    FirmwareImageCheck check;
    const auto got = std::span<const uint8_t>(header).first(static_cast<size_t>(headerRead));
    if (const int32_t result = check.Start(got, file.Size()); result != kFirmwareValid)
        return result;

    std::vector<uint8_t> piece(kReadPiece);
    for (;;) {
        const int64_t count = file.Read(piece);
        if (count < 0) return kFirmwareDamaged;
        check.AddPayload(std::span<const uint8_t>(piece).first(static_cast<size_t>(count)));
        if (static_cast<size_t>(count) < piece.size()) break;
    }
    return check.Finish(version);
}
