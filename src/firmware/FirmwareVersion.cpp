#include "firmware/FirmwareVersion.h"

#include <array>
#include <charconv>
#include <string>

namespace {

constexpr int32_t kFileNewer = 70006;
constexpr int32_t kPrinterNewer = 70007;
constexpr int32_t kSameVersion = 70008;

}  // namespace

int32_t VersionComparisonValue(std::string_view version) {
    // The minor part ranks before the major part in these version texts.
    constexpr std::array<size_t, 4> kOrder = {4, 5, 2, 3};
    std::string digits;
    for (size_t at : kOrder) {
        if (at >= version.size()) break;
        digits += version[at];
    }
    uint32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return static_cast<int32_t>(value);
}

VersionVerdict CompareFirmwareVersions(std::string_view printerVersion,
                                       std::string_view fileVersion) {
    if (printerVersion.empty() || fileVersion.empty()) return {-1, false, false};
    const int32_t printer = VersionComparisonValue(printerVersion);
    const int32_t file = VersionComparisonValue(fileVersion);
    if (printer > file) return {kPrinterNewer, false, true};
    if (printer == file) return {kSameVersion, true, false};
    return {kFileNewer, true, false};
}
