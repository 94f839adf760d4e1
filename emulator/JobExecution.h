#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Bytes.h"
#include "JobPacket.h"
#include "JobRecord.h"
#include "PdfDocument.h"
#include "Printer.h"

// Acts on the packets of one job (or one action sent over a channel). Slot writes and the slot
// selection are staged and reach the printer's memory only with an SV in the same job; alignment
// values (DA) are held by the printer until an SV saves or an LD drops them.
class JobExecution {
  public:
    JobExecution(Printer& printer, std::int64_t nowMs, bool remoteMode = false)
        : printer_(printer), nowMs_(nowMs), remote_(remoteMode) {}

    // data is the whole job; packet is a window into it.
    void Run(const std::uint8_t* data, const JobPacket& packet);
    // Queues the job's work on the printer. With a peer, the job is also remembered in the job
    // history under that owner; a cancelled job (its connection broke) does no work.
    void Finish(const std::string* peer, bool cancelled = false);

    const std::vector<std::string>& Notes() const { return notes_; }
    const std::vector<std::string>& Actions() const { return actions_; }
    // One line per sheet or pattern printed, saying what was on it.
    const std::vector<std::string>& Printed() const { return printed_; }
    // The pages of a PDF document, empty for other jobs.
    const std::vector<PdfDocument::Page>& PdfPages() const { return pdfPages_; }
    std::string Summary() const;
    // The record the job was remembered with; nullptr before Finish or without a peer.
    const JobRecord* Remembered() const { return remembered_ ? &*remembered_ : nullptr; }

  private:
    void RunCommand(const std::string& name, const std::uint8_t* parameters, std::size_t length);
    void RunEx(const std::uint8_t* parameters, std::size_t length);
    void RunAlignment(bool uni, std::uint8_t size);
    void RunSheet(std::uint8_t kind);
    void RunFirmware(const std::uint8_t* file, const JobPacket& packet);
    void RunPdf(const std::uint8_t* document, std::size_t length);
    void Act(const std::string& action, double seconds, int pages);
    void Note(const std::string& note, bool warning = true);
    void Refuse(const std::string& note);
    void Save();

    Printer& printer_;
    std::int64_t nowMs_;
    bool remote_;
    std::vector<std::string> actions_;
    std::vector<std::string> notes_;
    std::vector<std::string> printed_;
    std::vector<PdfDocument::Page> pdfPages_;
    std::string documentName_;
    double nominalSeconds_ = 0;
    double restartSeconds_ = 0;
    std::int64_t restartUntilMs_ = 0;
    int pages_ = 0;
    std::uint32_t inkMicrolitres_ = 0;
    double paperWidthMm_ = 0, paperLengthMm_ = 0;
    bool warnings_ = false;
    bool failed_ = false;
    std::map<std::size_t, Bytes> stagedSlots_;  // slot index -> body
    std::optional<std::uint8_t> stagedSelection_;
    // The firmware job's layout: padding right before the update header, where the header
    // stands, and what follows the file.
    std::size_t paddingRun_ = 0;
    std::size_t paddingBeforeHeader_ = 0;
    std::size_t headerOffset_ = 0;
    bool afterFirmware_ = false;
    std::size_t bytesAfterFirmware_ = 0;
    std::optional<JobRecord> remembered_;
};
