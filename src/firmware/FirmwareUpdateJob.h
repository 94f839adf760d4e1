#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Spooler;

// What goes before the firmware file: 16384 bytes of 0x11 and the EscBrace header, or the header
// alone for a printer whose loader reports "I00000".
std::vector<uint8_t> FirmwareJobHead(std::string_view printerVersion);

// Sends the head and the whole file at `filePath` as one raw job, reading the file in pieces as
// the spooler takes them: 0 when every byte was taken; -1 when the file cannot be opened or read
// whole, or the spooler refused the job.
int32_t SendFirmwareUpdate(Spooler& spooler, const std::string& printerName,
                           std::string_view printerVersion, const std::string& filePath);
