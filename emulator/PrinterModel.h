#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What differs between the served models: name, ink slots and the identity the printer reports.
struct PrinterModel {
    struct InkSlot {
        std::uint8_t code;  // second byte of the slot's entry in the status block
        std::string colour;
    };

    std::string name;  // e.g. "ZENTA Corvid 4000": PPD NickName and the device ID's DES: field
    std::vector<InkSlot> inks;

    // Known model names; false for anything else.
    static bool ForName(const std::string& name, PrinterModel& model);
    static std::vector<std::string> Names();

    std::string Maker() const;      // "ZENTA"
    std::string ShortName() const;  // "Corvid 4000"
    std::string DeviceId() const;   // IEEE 1284 device ID
};
