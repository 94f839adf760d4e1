#include "JobExecution.h"

#include <algorithm>
#include <cstring>

#include "CustomPaperRecord.h"
#include "FirmwareImage.h"

namespace {
constexpr std::uint8_t kEscBraceParameters[] = {0x61, 0x02, 0x70, 0x8F, 0x38};
constexpr std::size_t kFirmwarePadding = 16384;  // 0x11 bytes before the update header
constexpr std::uint32_t kInkPerPage = 500;       // microlitres
constexpr std::uint32_t kInkPerCleaning = 1000;  // microlitres, per ink slot
constexpr double kSheetWidthMm = 210, kSheetLengthMm = 297;
constexpr double kMmPerPoint = 25.4 / 72;

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

// The value indexes of one dot size (1-4): eight from (k-1)*16 bi-directionally, seven from
// (k-1)*16+1 uni-directionally.
std::vector<std::uint8_t> ValueIndexes(bool uni, std::uint8_t size) {
    std::vector<std::uint8_t> indexes;
    const int first = (size - 1) * 16 + (uni ? 1 : 0);
    for (int r = 0; r < (uni ? 7 : 8); ++r) indexes.push_back(static_cast<std::uint8_t>(first + r));
    return indexes;
}
}  // namespace

void JobExecution::Act(const std::string& action, double seconds, int pages) {
    if (std::find(actions_.begin(), actions_.end(), action) == actions_.end()) {
        actions_.push_back(action);
    }
    nominalSeconds_ += seconds;
    pages_ += pages;
    inkMicrolitres_ += kInkPerPage * static_cast<std::uint32_t>(pages);
}

void JobExecution::Note(const std::string& note, bool warning) {
    notes_.push_back(note);
    warnings_ = warnings_ || warning;
}

void JobExecution::Refuse(const std::string& note) {
    Note(note);
    failed_ = true;
    Act("Firmware refused", 0, 0);
}

void JobExecution::Run(const std::uint8_t* data, const JobPacket& packet) {
    const std::uint8_t* bytes = data + packet.offset;
    if (afterFirmware_) {
        // What follows the file (the rest of a fixed-size job buffer) is not looked at.
        bytesAfterFirmware_ += packet.length;
        return;
    }
    const std::size_t paddingRun = paddingRun_;
    paddingRun_ = packet.kind == JobPacket::kPadding ? packet.length : 0;
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
            paddingBeforeHeader_ = paddingRun;
            headerOffset_ = packet.offset;
            break;
        case JobPacket::kFirmware:
            RunFirmware(bytes, packet);
            afterFirmware_ = true;
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
        printed_.push_back("Nozzle check pattern");
        if (p[1]) printer_.Edit().sensorResult = "Nozzle check: every nozzle fires";
    } else if (name == "CH" && n == 2) {
        Act("Head cleaning", durations.cleaning, 0);
        PrinterState& state = printer_.Edit();
        for (std::uint8_t& percent : state.inkLevels) percent = percent > 0 ? percent - 1 : 0;
        inkMicrolitres_ += kInkPerCleaning * static_cast<std::uint32_t>(state.inkLevels.size());
        ++state.cleanings;
    } else if (name == "VI" && n == 2 && p[0] == 0) {
        Act("Version print", 0, 0);
        printed_.push_back("Version " + printer_.FirmwareVersion());
    } else if (name == "PH" && n == 2) {
        printer_.Edit().paperThickness = p[1];
    } else if (name == "SN" && n == 3 && p[0] == 0 && p[1] == 1) {
        printer_.Edit().gapCode = p[2];
    } else if (name == "DT" && n == 3 && (p[1] == 0x00 || p[1] == 0x10)) {
        const bool uni = p[1] == 0x10;
        const std::uint8_t size = p[2];
        if (size <= 4) {
            RunAlignment(uni, size);
        } else if ((!uni && size >= 0x81 && size <= 0x84) ||
                   (uni && size >= 0x11 && size <= 0x14)) {
            // The pattern shows the values held for it, or else the saved ones.
            const std::uint8_t dotSize = size & 0x0F;
            const PrinterState& state = printer_.State();
            const auto& held = uni ? state.heldUni : state.heldBi;
            const Bytes& saved = uni ? state.alignmentUni : state.alignmentBi;
            std::string values;
            for (const std::uint8_t index : ValueIndexes(uni, dotSize)) {
                const auto found = held.find(index);
                values += (values.empty() ? "" : ",") +
                          std::to_string(found != held.end() ? found->second : saved[index]);
            }
            Act(uni ? "Uni-d pattern" : "Bi-d pattern", durations.pattern, 1);
            printed_.push_back(std::string(uni ? "Uni-d" : "Bi-d") + " pattern #" +
                               std::to_string(dotSize) + ": " + values);
        } else {
            malformed();
        }
    } else if (name == "DA" && n == 4 && (p[1] == 0x00 || p[1] == 0x10) &&
               p[2] < PrinterState::kAlignmentValues) {
        PrinterState& state = printer_.Edit();
        (p[1] == 0x10 ? state.heldUni : state.heldBi)[p[2]] = p[3];
    } else if (name == "SV" && n == 0) {
        Save();
    } else if (name == "LD" && n == 0) {
        PrinterState& state = printer_.Edit();
        state.heldBi.clear();
        state.heldUni.clear();
        Act("Alignment left", 0, 0);
    } else if (name == "SS" && n == 2 && SheetName(p[1]) != nullptr) {
        RunSheet(p[1]);
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

void JobExecution::RunAlignment(bool uni, std::uint8_t size) {
    // The sensor reads each pattern; the printer keeps what it measured as the alignment values
    // of that dot size. What it reads depends on the paper and gap the job set.
    const std::vector<std::uint8_t> sizes =
        size == 0 ? std::vector<std::uint8_t>{1, 2, 3, 4} : std::vector<std::uint8_t>{size};
    PrinterState& state = printer_.Edit();
    Bytes& values = uni ? state.alignmentUni : state.alignmentBi;
    std::string read;
    for (const std::uint8_t dotSize : sizes) {
        int row = 0;
        for (const std::uint8_t index : ValueIndexes(uni, dotSize)) {
            values[index] = static_cast<std::uint8_t>(
                4 + (dotSize + row++ + state.paperThickness + state.gapCode) % 3);
        }
        read += " #" + std::to_string(dotSize);
    }
    const std::string name = uni ? "Uni-d alignment" : "Bi-d alignment";
    state.sensorResult = name + read + " read at thickness " +
                         std::to_string(state.paperThickness) + ", gap " +
                         std::to_string(state.gapCode);
    const int patterns = static_cast<int>(sizes.size());
    Act(name, printer_.Durations().alignment * patterns, patterns);
}

void JobExecution::RunSheet(std::uint8_t kind) {
    const PrinterState& state = printer_.State();
    std::string text = SheetName(kind);
    if (kind == 1) {
        text += ": firmware " + printer_.FirmwareVersion() + ", inks";
        for (std::size_t i = 0; i < state.inkLevels.size(); ++i)
            text += (i ? "," : " ") + std::to_string(printer_.InkPercent(i));
        text += ", level " + std::to_string(printer_.Level()) + ", pages " +
                std::to_string(state.totalPages) + ", cleanings " + std::to_string(state.cleanings);
    } else if (kind == 2) {
        text += ":";
        for (const JobRecord& job : state.jobs)
            text += " #" + std::to_string(job.number) + " " + std::to_string(job.state) + " " +
                    job.name + ";";
        if (state.jobs.empty()) text += " no jobs";
    } else if (kind == 3) {
        text += state.selectedSlot == 0 ? ": no custom paper"
                                        : ": custom paper #" + std::to_string(state.selectedSlot);
    } else {
        text += ":";
        bool any = false;
        for (std::size_t i = 0; i < state.slots.size(); ++i) {
            if (!state.slots[i].registered) continue;
            text += " #" + std::to_string(i + 1) + " " +
                    CustomPaperRecord::Name(state.slots[i].body) + ";";
            any = true;
        }
        if (!any) text += " no custom paper registered";
    }
    printed_.push_back(text);
    Act(SheetName(kind), printer_.Durations().pattern, 1);
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
    for (const auto& [index, value] : state.heldBi) state.alignmentBi[index] = value;
    for (const auto& [index, value] : state.heldUni) state.alignmentUni[index] = value;
    stagedSlots_.clear();
    stagedSelection_.reset();
    state.heldBi.clear();
    state.heldUni.clear();
    Act("Save", 0, 0);
}

void JobExecution::RunFirmware(const std::uint8_t* file, const JobPacket& packet) {
    if (!packet.complete) {
        Refuse("firmware file cut short or without header (" + std::to_string(packet.length) +
               " bytes), refused");
        return;
    }
    // A printer in recovery mode takes the update header first; otherwise the header follows
    // the padding that flushes the printer's input.
    if (printer_.InRecoveryMode() && headerOffset_ != 0) {
        Refuse("recovery mode (I00000): the update header must start the job, refused");
        return;
    }
    if (!printer_.InRecoveryMode() && paddingBeforeHeader_ < kFirmwarePadding) {
        Refuse("the update header must follow " + std::to_string(kFirmwarePadding) +
               " bytes of 0x11, found " + std::to_string(paddingBeforeHeader_) + ", refused");
        return;
    }
    std::string version;
    const FirmwareImage::Result result = FirmwareImage::Validate(file, packet.length, version);
    if (result != FirmwareImage::kValid) {
        Refuse(result == FirmwareImage::kBadVersion ? "firmware version text wrong, refused"
                                                    : "firmware length or checksum wrong, refused");
        return;
    }
    Act("Firmware update " + version, 0, 0);
    restartSeconds_ = printer_.Durations().restart;
    restartUntilMs_ = printer_.BeginRestart(version, nowMs_);
}

void JobExecution::RunPdf(const std::uint8_t* document, std::size_t length) {
    const PdfDocument pdf(document, length);
    const int pages = std::max(1, pdf.PageCount());
    documentName_ = pdf.Title().empty() ? "PDF document" : pdf.Title();
    pdfPages_ = pdf.Pages();
    if (!pdfPages_.empty()) {
        paperWidthMm_ = pdfPages_.front().width * kMmPerPoint;
        for (const PdfDocument::Page& page : pdfPages_) paperLengthMm_ += page.height * kMmPerPoint;
    }
    Act("Document", printer_.Durations().page * pages, pages);
}

std::string JobExecution::Summary() const {
    if (!documentName_.empty()) return documentName_;
    std::string summary;
    for (const std::string& action : actions_) summary += (summary.empty() ? "" : ", ") + action;
    return summary.empty() ? "Remote command" : summary;
}

void JobExecution::Finish(const std::string* peer, bool cancelled) {
    if (!stagedSlots_.empty() || stagedSelection_) {
        Note("custom paper values sent without SV were not saved");
    }
    if (bytesAfterFirmware_ > 0) {
        Note(std::to_string(bytesAfterFirmware_) + " bytes after the firmware file ignored", false);
    }
    const bool works = !cancelled && !failed_;
    const WorkDurations& durations = printer_.Durations();
    const std::int64_t workMs = works ? durations.ScaledMs(nominalSeconds_) : 0;
    const std::int64_t startMs = printer_.AddWork(workMs, Summary(), nowMs_);
    const std::int64_t endMs = std::max(startMs + workMs, restartUntilMs_);
    if (pages_ > 0 && works) printer_.Edit().totalPages += static_cast<std::uint32_t>(pages_);
    if (peer == nullptr) return;

    JobRecord record;
    record.number = printer_.NextJobNumber();
    record.state = failed_            ? JobRecord::kError
                   : cancelled        ? JobRecord::kCancelled
                   : endMs <= nowMs_  ? JobRecord::kCompleted
                   : startMs > nowMs_ ? JobRecord::kWaiting
                                      : JobRecord::kPrinting;
    if (record.state == JobRecord::kWaiting || record.state == JobRecord::kPrinting) {
        record.startMs = startMs;
        record.endMs = endMs;
    }
    record.owner = *peer;
    record.name = Summary();
    record.inkMicrolitres =
        static_cast<std::uint16_t>(std::min<std::uint32_t>(inkMicrolitres_, 0xFFFF));
    if (pages_ > 0 && works) {
        const bool document = !pdfPages_.empty();
        record.paperWidthMm = static_cast<std::uint16_t>(document ? paperWidthMm_ : kSheetWidthMm);
        record.paperLengthMm = static_cast<std::uint16_t>(
            std::min(document ? paperLengthMm_ : kSheetLengthMm * pages_, 65535.0));
    }
    record.SetTime(nowMs_);
    record.seconds =
        static_cast<std::uint16_t>(std::min(nominalSeconds_ + restartSeconds_, 65535.0));
    remembered_ = record;
    printer_.RememberJob(std::move(record));
}
