#include "JobExecution.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "FirmwareImage.h"
#include "PdfDocument.h"

namespace {
constexpr std::uint8_t kEscBraceParameters[] = {0x61, 0x02, 0x70, 0x8F, 0x38};

std::string Offset(std::size_t offset) {
    return " at offset " + std::to_string(offset);
}

const char* SheetName(std::uint8_t kind) {
    switch (kind) {
        case 1:
            return "Status sheet";
        case 2:
            return "Job information sheet";
        case 3:
            return "Thickness pattern";
        case 4:
            return "Custom paper sheet";
        default:
            return nullptr;
    }
}
}  // namespace

void JobExecution::Act(const std::string& action, double seconds, int pages) {
    if (std::find(actions_.begin(), actions_.end(), action) == actions_.end()) {
        actions_.push_back(action);
    }
    nominalSeconds_ += seconds;
    pages_ += pages;
}

void JobExecution::Note(const std::string& note, bool warning) {
    notes_.push_back(note);
    warnings_ = warnings_ || warning;
}

void JobExecution::Run(const std::uint8_t* data, const JobPacket& packet) {
    const std::uint8_t* bytes = data + packet.offset;
    switch (packet.kind) {
        case JobPacket::kEnterRemote:
            remote_ = true;
            break;
        case JobPacket::kExitRemote:
            remote_ = false;
            break;
        case JobPacket::kJobEnd:
        case JobPacket::kReset:
        case JobPacket::kPadding:
            break;
        case JobPacket::kCommand:
            RunCommand(packet.name, bytes + JobPacket::kCommandHeader,
                       packet.length - JobPacket::kCommandHeader);
            break;
        case JobPacket::kEscBar:
            // Groups the sample pages around it on roll paper; its last byte says how.
            Act("Page grouping " + std::to_string(packet.length > JobPacket::kEscHeader
                                                      ? bytes[packet.length - 1]
                                                      : 0),
                0, 0);
            break;
        case JobPacket::kEscBrace:
            if (packet.length != JobPacket::kEscHeader + sizeof kEscBraceParameters ||
                std::memcmp(bytes + JobPacket::kEscHeader, kEscBraceParameters,
                            sizeof kEscBraceParameters) != 0) {
                Note("unexpected EscBrace parameters" + Offset(packet.offset));
            }
            break;
        case JobPacket::kFirmware:
            RunFirmware(bytes, packet);
            break;
        case JobPacket::kPdf:
            RunPdf(bytes, packet.length);
            break;
        case JobPacket::kUnknown:
            Note(std::to_string(packet.length) + " unknown bytes (" + packet.name + ") skipped" +
                 Offset(packet.offset));
            break;
        case JobPacket::kTruncated:
            Note(packet.name + " cut short (" + std::to_string(packet.length) + " bytes)" +
                 Offset(packet.offset));
            break;
    }
}

void JobExecution::RunCommand(const std::string& name, const std::uint8_t* p, std::size_t n) {
    if (!remote_) {
        Note(name + " outside remote mode, ignored");
        return;
    }
    const WorkDurations& durations = printer_.Durations();
    auto malformed = [&] { Note("malformed " + name + " " + ToHex(p, n) + ", ignored"); };
    if (name == "NC" && n == 2) {
        Act(p[1] ? "Nozzle check (sensor)" : "Nozzle check", durations.nozzleCheck, 1);
    } else if (name == "CH" && n == 2) {
        Act("Head cleaning", durations.cleaning, 0);
        PrinterState& state = printer_.Edit();
        for (std::uint8_t& percent : state.inkLevels) percent = percent > 0 ? percent - 1 : 0;
        ++state.cleanings;
    } else if (name == "VI" && n == 2 && p[0] == 0) {
        Act("Version print", 0, 0);
    } else if (name == "PH" && n == 2) {
        printer_.Edit().paperThickness = p[1];
    } else if (name == "SN" && n == 3 && p[0] == 0 && p[1] == 1) {
        printer_.Edit().gapCode = p[2];
    } else if (name == "DT" && n == 3 && (p[1] == 0x00 || p[1] == 0x10)) {
        const bool uni = p[1] == 0x10;
        const std::uint8_t size = p[2];
        if (size <= 4) {
            const int patterns = size == 0 ? 4 : 1;
            Act(uni ? "Uni-d alignment" : "Bi-d alignment", durations.alignment * patterns,
                patterns);
        } else if ((!uni && size >= 0x81 && size <= 0x84) ||
                   (uni && size >= 0x11 && size <= 0x14)) {
            Act(uni ? "Uni-d pattern" : "Bi-d pattern", durations.pattern, 1);
        } else {
            malformed();
        }
    } else if (name == "DA" && n == 4 && (p[1] == 0x00 || p[1] == 0x10) &&
               p[2] < PrinterState::kAlignmentValues) {
        (p[1] == 0x10 ? stagedUni_ : stagedBi_)[p[2]] = p[3];
    } else if (name == "SV" && n == 0) {
        Save();
    } else if (name == "LD" && n == 0) {
        stagedBi_.clear();
        stagedUni_.clear();
        Act("Alignment left", 0, 0);
    } else if (name == "SS" && n == 2 && SheetName(p[1]) != nullptr) {
        Act(SheetName(p[1]), durations.pattern, 1);
    } else if (name == "EX") {
        RunEx(p, n);
    } else if ((name == "SN" || name == "VI" || name == "JI") && n >= 1 && p[0] == 1) {
        Note(name + " query in a job, nothing to answer to", false);
    } else if (name == "st") {
        Note("status query in a job, nothing to answer to", false);
    } else if (name == "NC" || name == "CH" || name == "VI" || name == "PH" || name == "SN" ||
               name == "DT" || name == "DA" || name == "SV" || name == "LD" || name == "SS") {
        malformed();
    } else {
        Note("unknown command " + name + " " + ToHex(p, n) + ", skipped");
    }
}

void JobExecution::RunEx(const std::uint8_t* p, std::size_t n) {
    constexpr std::size_t kWriteParameters = 103;
    if (n == kWriteParameters && p[0] == 0 && p[4] == 0x1B && p[5] >= 1 &&
        p[5] <= PrinterState::kSlotCount) {
        stagedSlots_[p[5] - 1] = Bytes(p + 5, p + kWriteParameters);
        Act("Custom paper write", 0, 0);
    } else if (n == 7 && p[0] == 0 && p[4] == 0x1C && p[5] <= PrinterState::kSlotCount) {
        stagedSelection_ = p[5];
        Act("Custom paper selection", 0, 0);
    } else if (n == 7 && p[0] == 1) {
        Note("EX query in a job, nothing to answer to", false);
    } else {
        Note("malformed EX " + ToHex(p, n) + ", ignored");
    }
}

void JobExecution::Save() {
    PrinterState& state = printer_.Edit();
    for (const auto& [index, body] : stagedSlots_) {
        state.slots[index].registered = true;
        state.slots[index].body = body;
    }
    if (stagedSelection_) state.selectedSlot = *stagedSelection_;
    for (const auto& [index, value] : stagedBi_) state.alignmentBi[index] = value;
    for (const auto& [index, value] : stagedUni_) state.alignmentUni[index] = value;
    stagedSlots_.clear();
    stagedSelection_.reset();
    stagedBi_.clear();
    stagedUni_.clear();
    Act("Save", 0, 0);
}

void JobExecution::RunFirmware(const std::uint8_t* file, const JobPacket& packet) {
    if (!packet.complete) {
        Note("firmware file cut short or without header (" + std::to_string(packet.length) +
             " bytes), refused");
        failed_ = true;
        return;
    }
    std::string version;
    const FirmwareImage::Result result = FirmwareImage::Validate(file, packet.length, version);
    if (result != FirmwareImage::kValid) {
        Note(result == FirmwareImage::kBadVersion ? "firmware version text wrong, refused"
                                                  : "firmware length or checksum wrong, refused");
        failed_ = true;
        Act("Firmware refused", 0, 0);
        return;
    }
    Act("Firmware update " + version, 0, 0);
    restartSeconds_ = printer_.Durations().restart;
    printer_.BeginRestart(version, nowMs_);
}

void JobExecution::RunPdf(const std::uint8_t* document, std::size_t length) {
    const PdfDocument pdf(document, length);
    const int pages = std::max(1, pdf.PageCount());
    documentName_ = pdf.Title().empty() ? "PDF document" : pdf.Title();
    Act("Document", printer_.Durations().page * pages, pages);
}

std::string JobExecution::Summary() const {
    if (!documentName_.empty()) return documentName_;
    std::string summary;
    for (const std::string& action : actions_) summary += (summary.empty() ? "" : ", ") + action;
    return summary.empty() ? "Remote command" : summary;
}

void JobExecution::Finish(std::size_t jobBytes, const std::string* peer) {
    if (!stagedSlots_.empty() || stagedSelection_ || !stagedBi_.empty() || !stagedUni_.empty()) {
        Note("values sent without SV were not saved");
    }
    const WorkDurations& durations = printer_.Durations();
    printer_.AddWork(durations.ScaledMs(nominalSeconds_), Summary(), nowMs_);
    if (pages_ > 0 && !failed_) printer_.Edit().totalPages += static_cast<std::uint32_t>(pages_);
    if (peer == nullptr) return;

    JobRecord record;
    record.number = printer_.NextJobNumber();
    record.state = failed_ ? JobRecord::kFailed : JobRecord::kCompleted;
    record.outcome = failed_     ? JobRecord::kRefused
                     : warnings_ ? JobRecord::kWithWarnings
                                 : JobRecord::kNormal;
    record.owner = *peer;
    record.name = Summary();
    record.sizeKilobytes =
        static_cast<std::uint16_t>(std::min<std::size_t>((jobBytes + 999) / 1000, 0xFFFF));
    record.pages = static_cast<std::uint16_t>(std::min(pages_, 0xFFFF));
    record.pagesPrinted = failed_ ? 0 : record.pages;
    const std::time_t seconds = static_cast<std::time_t>(nowMs_ / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    record.year = static_cast<std::uint8_t>(local.tm_year % 100);
    record.month = static_cast<std::uint8_t>(local.tm_mon + 1);
    record.day = static_cast<std::uint8_t>(local.tm_mday);
    record.hour = static_cast<std::uint8_t>(local.tm_hour);
    record.minute = static_cast<std::uint8_t>(local.tm_min);
    record.seconds =
        static_cast<std::uint16_t>(std::min(nominalSeconds_ + restartSeconds_, 65535.0));
    printer_.RememberJob(std::move(record));
}
