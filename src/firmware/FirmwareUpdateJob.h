#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class Spooler;

// Sends the whole file at `filePath` behind its head (16384 bytes of 0x11 and the EscBrace header,
// or the header alone for a printer whose loader reports "I00000") as one raw job, reading the
// file in pieces as the spooler takes them: 0 when every byte was taken; -1 when the file cannot
// be opened or read whole, or the spooler refused the job.
int32_t SendFirmwareUpdate(Spooler& spooler, const std::string& printerName,
                           std::string_view printerVersion, const std::string& filePath);
