#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Bytes.h"
#include "JobPacket.h"
#include "JobRecord.h"
#include "Printer.h"

// Acts on the packets of one job (or one action sent over a channel). Slot writes, the slot
// selection and alignment values are staged and reach the printer's memory only with SV.
class JobExecution {
  public:
    JobExecution(Printer& printer, std::int64_t nowMs, bool remoteMode = false)
        : printer_(printer), nowMs_(nowMs), remote_(remoteMode) {}

    // data is the whole job; packet is a window into it.
    void Run(const std::uint8_t* data, const JobPacket& packet);
    // Queues the job's work on the printer. With a peer, the job is also remembered in the job
    // history under that owner.
    void Finish(std::size_t jobBytes, const std::string* peer);

    const std::vector<std::string>& Notes() const { return notes_; }
    bool Acted() const { return !actions_.empty(); }
    std::string Summary() const;

  private:
    void RunCommand(const std::string& name, const std::uint8_t* parameters, std::size_t length);
    void RunEx(const std::uint8_t* parameters, std::size_t length);
    void RunFirmware(const std::uint8_t* file, const JobPacket& packet);
    void RunPdf(const std::uint8_t* document, std::size_t length);
    void Act(const std::string& action, double seconds, int pages);
    void Note(const std::string& note, bool warning = true);
    void Save();

    Printer& printer_;
    std::int64_t nowMs_;
    bool remote_;
    std::vector<std::string> actions_;
    std::vector<std::string> notes_;
    std::string documentName_;
    double nominalSeconds_ = 0;
    double restartSeconds_ = 0;
    int pages_ = 0;
    bool warnings_ = false;
    bool failed_ = false;
    std::map<std::size_t, Bytes> stagedSlots_;  // slot index -> body
    std::optional<std::uint8_t> stagedSelection_;
    std::map<std::size_t, std::uint8_t> stagedBi_, stagedUni_;
};
