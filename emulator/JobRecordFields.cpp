#include "JobRecordFields.h"

#include "DecimalText.h"

namespace {

bool ReadSource(const std::string& text, std::uint8_t& source) {
    unsigned value = 0;
    if (text == "roll") {
        source = JobRecord::kRoll;
    } else if (text == "sheet") {
        source = JobRecord::kCutSheet;
    } else if (text == "board") {
        source = JobRecord::kPosterBoard;
    } else if (ReadDecimal<unsigned>(text, 0, 255, value)) {
        source = static_cast<std::uint8_t>(value);
    } else {
        return false;
    }
    return true;
}

bool ReadPaper(const std::string& text, JobRecord& record) {
    const auto x = text.find('x');
    unsigned width = 0, length = 0;
    if (x == std::string::npos || !ReadDecimal<unsigned>(text.substr(0, x), 0, 65535, width) ||
        !ReadDecimal<unsigned>(text.substr(x + 1), 0, 65535, length)) {
        return false;
    }
    record.paperWidthMm = static_cast<std::uint16_t>(width);
    record.paperLengthMm = static_cast<std::uint16_t>(length);
    return true;
}
}  // namespace

bool JobRecordFields::Parse(const std::string& fields, JobRecord& record, std::string& error) {
    std::size_t at = 0;
    while (at < fields.size()) {
        const auto equals = fields.find('=', at);
        if (equals == std::string::npos) {
            error = "--job: \"" + fields.substr(at) + "\" is not KEY=VALUE";
            return false;
        }
        const std::string key = fields.substr(at, equals - at);
        std::size_t end = key == "name" ? fields.size() : fields.find(',', equals);
        if (end == std::string::npos) end = fields.size();
        const std::string value = fields.substr(equals + 1, end - equals - 1);
        at = end + 1;
        unsigned number = 0;
        bool ok = true;
        if (key == "state") {
            ok = JobRecord::StateFromText(value, record.state);
        } else if (key == "number") {
            ok = ReadDecimal<unsigned>(value, 0, 65535, number);
            record.number = static_cast<std::uint16_t>(number);
        } else if (key == "source") {
            ok = ReadSource(value, record.paperSource);
        } else if (key == "owner") {
            record.owner = value;
        } else if (key == "ink") {
            ok = ReadDecimal<unsigned>(value, 0, 65535, number);
            record.inkMicrolitres = static_cast<std::uint16_t>(number);
        } else if (key == "paper") {
            ok = ReadPaper(value, record);
        } else if (key == "seconds") {
            ok = ReadDecimal<unsigned>(value, 0, 65535, number);
            record.seconds = static_cast<std::uint16_t>(number);
        } else if (key == "bytes") {
            ok = ReadDecimal<unsigned>(value, 1, JobRecord::kSize, number);
            record.length = number;
        } else if (key == "name") {
            record.name = value;
        } else {
            error = "--job: unknown key \"" + key + "\"";
            return false;
        }
        if (!ok) {
            error = "--job: bad value for " + key + ": \"" + value + "\"";
            return false;
        }
    }
    return true;
}
