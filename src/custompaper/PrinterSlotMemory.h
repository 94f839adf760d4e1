#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "custompaper/CustomPaperSlot.h"

class CustomPaperSlotTable;
class PrinterLink;
class Spooler;

// The exchanges with the printer about its custom paper slots. Reads go over the channel and land
// in the table; writes and selections go as raw spooler jobs, whose success means only that the
// job was written. Slot indexes are 0..9, a negative index meaning the table's current slot.

// Registered flag and name of all ten slots, three per exchange. The last exchange's result (1 or
// more when the printer answered, 0 when it stayed silent), or -1 when no channel opens. An
// exchange that fails, or whose reply lacks its marker or a record it needs, ends the read; slots
// filled before it keep their new values.
int32_t ReadSlotList(CustomPaperSlotTable& table, PrinterLink& link,
                     const std::string& printerName);

// Registered flag and name of one slot (0..9 only): the exchange's result (1 or more = success),
// or -1.
int32_t ReadSlotName(CustomPaperSlotTable& table, PrinterLink& link, const std::string& printerName,
                     int32_t i);

// Every detail of one slot; the caller then finds `mediaId` from `paperTypeCode`. The query's
// result (1 or more = success), or -1 for an index of 10 or more; the slot is untouched unless
// the reply held the whole record.
int32_t ReadSlotDetails(CustomPaperSlotTable& table, PrinterLink& link,
                        const std::string& printerName, int32_t i);

// Writes `setting` named `name` into slot number i + 1 and saves it in the printer: 0 or -1.
int32_t WriteSlot(const CustomPaperSlotTable& table, Spooler& spooler,
                  const std::string& printerName, int32_t i, std::string_view name,
                  const CustomPaperSlot& setting);

// Makes the printer use slot number i + 1 from now on: 0 or -1.
int32_t SelectSlot(const CustomPaperSlotTable& table, Spooler& spooler,
                   const std::string& printerName, int32_t i);
// Makes the printer use no custom paper: 0 or -1.
int32_t SelectNone(Spooler& spooler, const std::string& printerName);

// Prints the thickness pattern: 0 or -1. The printer needs about 3 seconds to take it in.
int32_t PrintThicknessPattern(Spooler& spooler, const std::string& printerName);
