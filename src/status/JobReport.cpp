#include "status/JobReport.h"

#include <cstdarg>
#include <cstdio>

namespace {

constexpr int32_t kJob = 60202;
constexpr int32_t kJobName = 60203;
constexpr int32_t kComputer = 60204;
constexpr int32_t kState = 60205;
constexpr int32_t kPaperSource = 60206;
constexpr int32_t kInk = 60207;
constexpr int32_t kConsumption = 60208;
constexpr int32_t kMillilitres = 60209;
constexpr int32_t kPaperSize = 60210;
constexpr int32_t kMillimetres = 60211;
constexpr int32_t kBy = 60212;
constexpr int32_t kPrinted = 60213;
constexpr int32_t kPrintingTime = 60214;
constexpr int32_t kMinutes = 60215;
constexpr int32_t kFirstStateText = 60230;  // states 1-5
constexpr int32_t kFailedStateText = 60235;
constexpr int32_t kUnknownText = 60236;
constexpr int32_t kFirstPaperSourceText = 60240;  // sources 1-3
constexpr uint8_t kFailedState = 255;

__attribute__((format(printf, 2, 3))) void AppendFormatted(std::string& out, const char* format,
                                                           ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list counting;
    va_copy(counting, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, counting);
    va_end(counting);
    if (length > 0) {
        const size_t start = out.size();
        out.resize(start + static_cast<size_t>(length) + 1);
        std::vsnprintf(out.data() + start, static_cast<size_t>(length) + 1, format, arguments);
        out.resize(start + static_cast<size_t>(length));
    }
    va_end(arguments);
}

int32_t StateTextId(uint8_t state) {
    if (state >= 1 && state <= 5) return kFirstStateText + state - 1;
    return state == kFailedState ? kFailedStateText : kUnknownText;
}

int32_t PaperSourceTextId(uint8_t source) {
    return source >= 1 && source <= 3 ? kFirstPaperSourceText + source - 1 : kUnknownText;
}

void AppendJob(std::string& out, const JobRecord& job, const TextLookup& text) {
    AppendFormatted(out, "%s %d :\r\n", text(kJob).c_str(), job.number);
    AppendFormatted(out, " %s : %s\r\n", text(kJobName).c_str(), job.jobName.c_str());
    AppendFormatted(out, " %s : %s\t%s : %s\t%s : %s\r\n", text(kComputer).c_str(),
                    job.computer.c_str(), text(kState).c_str(),
                    text(StateTextId(job.state)).c_str(), text(kPaperSource).c_str(),
                    text(PaperSourceTextId(job.paperSource)).c_str());
    const std::string millimetres = text(kMillimetres);
    AppendFormatted(out, "  %s : %s : %d.%03d %s\t%s : %d %s %s %d %s\r\n", text(kInk).c_str(),
                    text(kConsumption).c_str(), job.inkMicrolitres / 1000,
                    job.inkMicrolitres % 1000, text(kMillilitres).c_str(), text(kPaperSize).c_str(),
                    job.paperWidthMm, millimetres.c_str(), text(kBy).c_str(), job.paperLengthMm,
                    millimetres.c_str());
    AppendFormatted(out, " %s : %02d/%02d/%02d %02d:%02d\t%s : %d %s", text(kPrinted).c_str(),
                    job.printedDate[0], job.printedDate[1], job.printedDate[2], job.printedTime[0],
                    job.printedTime[1], text(kPrintingTime).c_str(), job.printingSeconds / 60,
                    text(kMinutes).c_str());
    out += "\r\n";
}

}  // namespace

std::string RenderJobReport(std::span<const JobRecord> jobs, const TextLookup& text) {
    std::string report;
    for (const JobRecord& job : jobs) AppendJob(report, job, text);
    return report;
}
