#pragma once

#include <cstdint>
#include <string_view>

// Characters 4, 5, 2 and 3 of a version text read as one hexadecimal number, reading stopping at
// the first character that is missing or not a hexadecimal digit: "I20711" gives 0x1107.
int32_t VersionComparisonValue(std::string_view version);

// What the firmware page shows for a printer version beside a file version.
struct VersionVerdict {
    int32_t messageId;   // 70006 file newer, 70007 printer newer, 70008 equal; -1 shows nothing
    bool updateEnabled;  // an older file is never sent
    bool drawnInRed;     // the message that warns of a downgrade
};

// Empty texts (nothing read or chosen yet) give -1 with Update disabled.
VersionVerdict CompareFirmwareVersions(std::string_view printerVersion,
                                       std::string_view fileVersion);
