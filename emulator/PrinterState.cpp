#include "PrinterState.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "CustomPaperRecord.h"

namespace {
template <typename Number>
bool ReadNumber(const std::string& text, Number& value) {
    Number parsed{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

bool ReadByte(const std::string& text, std::uint8_t& value) {
    unsigned parsed = 0;
    if (!ReadNumber(text, parsed) || parsed > 255) return false;
    value = static_cast<std::uint8_t>(parsed);
    return true;
}

bool ReadByteList(const std::string& text, Bytes& out) {
    Bytes values;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        std::uint8_t value = 0;
        if (!ReadByte(item, value)) return false;
        values.push_back(value);
    }
    out = std::move(values);
    return true;
}

void ReadFixedHex(const std::string& text, Bytes& out) {
    Bytes bytes;
    if (FromHex(text, bytes) && bytes.size() == out.size()) out = std::move(bytes);
}

// "16:5,17:5": held alignment values by index.
std::string HeldText(const std::map<std::uint8_t, std::uint8_t>& held) {
    std::string text;
    for (const auto& [index, value] : held) {
        text += (text.empty() ? "" : ",") + std::to_string(index) + ":" + std::to_string(value);
    }
    return text;
}

void ReadHeld(const std::string& text, std::map<std::uint8_t, std::uint8_t>& held) {
    std::map<std::uint8_t, std::uint8_t> values;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        const auto colon = item.find(':');
        std::uint8_t index = 0, value = 0;
        if (colon == std::string::npos || !ReadByte(item.substr(0, colon), index) ||
            !ReadByte(item.substr(colon + 1), value) || index >= PrinterState::kAlignmentValues) {
            return;
        }
        values[index] = value;
    }
    held = std::move(values);
}

// Readable fields of a slot, kept beside its body so a test can read or set them by name.
constexpr struct {
    const char* key;
    std::size_t offset;
} kSlotFields[] = {{"platen", CustomPaperRecord::kPlaten},
                   {"thickness", CustomPaperRecord::kThickness},
                   {"paperType", CustomPaperRecord::kPaperType}};

void ReadSlotField(const std::string& field, const std::string& value, PrinterState::Slot& slot) {
    // A slot set up by its fields alone starts from what the program writes.
    if (slot.body == Bytes(PrinterState::kSlotBodySize, 0))
        slot.body = CustomPaperRecord::Template();
    if (field == "name") {
        CustomPaperRecord::SetName(slot.body, value);
        return;
    }
    for (const auto& known : kSlotFields) {
        if (field == known.key) ReadByte(value, slot.body[known.offset]);
    }
}

// "slot3.body" -> index 2 and field "body"; false when the key is not of that shape.
bool SplitIndexed(const std::string& key, const std::string& stem, std::size_t count,
                  std::size_t& index, std::string& field) {
    if (key.rfind(stem, 0) != 0) return false;
    const auto dot = key.find('.', stem.size());
    if (dot == std::string::npos) return false;
    std::size_t number = 0;
    if (!ReadNumber(key.substr(stem.size(), dot - stem.size()), number)) return false;
    if (number < 1 || number > count) return false;
    index = number - 1;
    field = key.substr(dot + 1);
    return true;
}
}  // namespace

std::string PrinterState::Serialize() const {
    std::ostringstream out;
    // "busy" is informative only: busyUntil decides when the work ends.
    out << "status=" << (errorLatched ? "error" : busyUntilMs > 0 ? "busy" : "ready") << '\n';
    out << "busyUntil=" << busyUntilMs << '\n';
    out << "busyReason=" << busyReason << '\n';
    out << "restartUntil=" << restartUntilMs << '\n';
    out << "pendingFirmware=" << pendingFirmware << '\n';
    out << "firmware=" << firmwareVersion << '\n';
    out << "level=" << unsigned{level} << '\n';
    out << "inks=";
    for (std::size_t i = 0; i < inkLevels.size(); ++i) {
        out << (i ? "," : "") << unsigned{inkLevels[i]};
    }
    out << '\n';
    out << "platenGap=" << unsigned{platenGapSetting} << '\n';
    out << "selectedSlot=" << unsigned{selectedSlot} << '\n';
    out << "paperThickness=" << unsigned{paperThickness} << '\n';
    out << "gapCode=" << unsigned{gapCode} << '\n';
    out << "alignmentBi=" << ToHex(alignmentBi) << '\n';
    out << "alignmentUni=" << ToHex(alignmentUni) << '\n';
    out << "heldAlignmentBi=" << HeldText(heldBi) << '\n';
    out << "heldAlignmentUni=" << HeldText(heldUni) << '\n';
    out << "sensorResult=" << sensorResult << '\n';
    out << "nextJobNumber=" << nextJobNumber << '\n';
    out << "totalPages=" << totalPages << '\n';
    out << "cleanings=" << cleanings << '\n';
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        out << "slot" << i + 1 << ".registered=" << (slots[i].registered ? 1 : 0) << '\n';
        out << "slot" << i + 1 << ".body=" << ToHex(slots[i].body) << '\n';
        if (!slots[i].registered) continue;
        out << "slot" << i + 1 << ".name=" << CustomPaperRecord::Name(slots[i].body) << '\n';
        for (const auto& field : kSlotFields) {
            out << "slot" << i + 1 << "." << field.key << "="
                << unsigned{slots[i].body[field.offset]} << '\n';
        }
    }
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const JobRecord& job = jobs[i];
        out << "job" << i + 1 << ".record=" << ToHex(job.Encode()) << '\n';
        if (job.startMs != 0 || job.endMs != 0) {
            out << "job" << i + 1 << ".start=" << job.startMs << '\n';
            out << "job" << i + 1 << ".end=" << job.endMs << '\n';
        }
    }
    return out.str();
}

void PrinterState::Parse(const std::string& text) {
    std::stringstream stream(text);
    std::string line;
    std::map<std::size_t, JobRecord> readJobs;  // by position, so .start and .end find their record
    bool jobsSeen = false;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        std::size_t index = 0;
        std::string field;
        if (key == "status") {
            errorLatched = value == "error";
        } else if (key == "busyUntil") {
            ReadNumber(value, busyUntilMs);
        } else if (key == "busyReason") {
            busyReason = value;
        } else if (key == "restartUntil") {
            ReadNumber(value, restartUntilMs);
        } else if (key == "pendingFirmware") {
            pendingFirmware = value;
        } else if (key == "firmware") {
            firmwareVersion = value;
        } else if (key == "level") {
            ReadByte(value, level);
        } else if (key == "inks") {
            ReadByteList(value, inkLevels);
        } else if (key == "platenGap") {
            ReadByte(value, platenGapSetting);
        } else if (key == "selectedSlot") {
            ReadByte(value, selectedSlot);
        } else if (key == "paperThickness") {
            ReadByte(value, paperThickness);
        } else if (key == "gapCode") {
            ReadByte(value, gapCode);
        } else if (key == "alignmentBi") {
            ReadFixedHex(value, alignmentBi);
        } else if (key == "alignmentUni") {
            ReadFixedHex(value, alignmentUni);
        } else if (key == "nextJobNumber") {
            ReadNumber(value, nextJobNumber);
        } else if (key == "totalPages") {
            ReadNumber(value, totalPages);
        } else if (key == "heldAlignmentBi") {
            ReadHeld(value, heldBi);
        } else if (key == "heldAlignmentUni") {
            ReadHeld(value, heldUni);
        } else if (key == "sensorResult") {
            sensorResult = value;
        } else if (key == "cleanings") {
            ReadNumber(value, cleanings);
        } else if (SplitIndexed(key, "slot", kSlotCount, index, field)) {
            if (field == "registered") {
                slots[index].registered = value == "1";
            } else if (field == "body") {
                ReadFixedHex(value, slots[index].body);
            } else {
                ReadSlotField(field, value, slots[index]);
            }
        } else if (SplitIndexed(key, "job", kRememberedJobs, index, field)) {
            jobsSeen = true;
            Bytes bytes;
            if (field == "record" && FromHex(value, bytes)) {
                JobRecord record;
                if (JobRecord::Decode(bytes, record)) readJobs[index] = record;
            } else if (field == "start" && readJobs.count(index)) {
                ReadNumber(value, readJobs[index].startMs);
            } else if (field == "end" && readJobs.count(index)) {
                ReadNumber(value, readJobs[index].endMs);
            }
        }
    }
    if (jobsSeen) {
        jobs.clear();
        for (auto& [position, record] : readJobs) jobs.push_back(std::move(record));
    }
}

bool PrinterState::Save(const std::string& path) const {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << Serialize();
        file.flush();
        if (!file) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool PrinterState::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    Parse(text.str());
    return true;
}
