#include <cstddef>
#include <cstdint>
#include <string>

#include "status/JobRecord.h"
#include "status/JobReport.h"

// Replies of any content: text fields stay within their room, and the report of any record is
// bounded and ends its job with a line end.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto record = ParseJobRecord(std::span<const uint8_t>(data, size));
    if (!record) return 0;
    if (record->computer.size() > 16 || record->jobName.size() > 32) __builtin_trap();
    const std::string report = RenderJobReport(std::span<const JobRecord>(&*record, 1),
                                               [](int32_t id) { return std::to_string(id); });
    // 15 labels of 5 digits, the two texts, numbers of at most 5 digits, the fixed separators.
    if (report.size() > 400 || report.size() < 2 ||
        report.compare(report.size() - 2, 2, "\r\n") != 0)
        __builtin_trap();
    return 0;
}
