#include "PrinterModel.h"

namespace {
// The 8-slot model's sixth to eighth entries carry the codes 4, 5 and 8: that is how the program
// tells it from the 4-slot model.
const std::vector<PrinterModel::InkSlot> kEightInks = {
    {0x01, "Photo Black"}, {0x02, "Cyan"},       {0x03, "Magenta"},       {0x06, "Yellow"},
    {0x09, "Matte Black"}, {0x04, "Light Cyan"}, {0x05, "Light Magenta"}, {0x08, "Light Black"},
};
const std::vector<PrinterModel::InkSlot> kFourInks = {
    {0x01, "Black"}, {0x02, "Cyan"}, {0x03, "Magenta"}, {0x06, "Yellow"}};
}  // namespace

bool PrinterModel::ForName(const std::string& name, PrinterModel& model) {
    if (name == "ZENTA Corvid 4000") {
        model = PrinterModel{name, kEightInks};
        return true;
    }
    if (name == "ZENTA Corvid 2000") {
        model = PrinterModel{name, kFourInks};
        return true;
    }
    return false;
}

std::vector<std::string> PrinterModel::Names() {
    return {"ZENTA Corvid 4000", "ZENTA Corvid 2000"};
}

std::string PrinterModel::Maker() const {
    return name.substr(0, name.find(' '));
}

std::string PrinterModel::ShortName() const {
    const auto space = name.find(' ');
    return space == std::string::npos ? name : name.substr(space + 1);
}

std::string PrinterModel::DeviceId() const {
    return "MFG:" + Maker() + ";CMD:REMOTE1;MDL:" + ShortName() + ";CLS:PRINTER;DES:" + name + ";";
}
