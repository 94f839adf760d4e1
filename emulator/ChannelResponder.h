#pragma once

#include <cstdint>
#include <string>

#include "Bytes.h"
#include "Printer.h"

// Answers one command received over a channel (wrapped or plain): queries get their text reply,
// the status query gets the status block, other commands are acted on as a one-command job.
class ChannelResponder {
  public:
    explicit ChannelResponder(Printer& printer) : printer_(printer) {}

    // The whole reply, marker line included. note describes what was answered.
    Bytes Answer(const std::uint8_t* command, std::size_t length, std::int64_t nowMs,
                 std::string& note);

    static constexpr char kTextMarker[] = "@BDC PS\r\n";
    static constexpr char kStatusMarker[] = "@BDC ST2\r\n";

  private:
    std::string SlotList(std::uint8_t first) const;
    std::string SlotDetails(std::uint8_t selector) const;
    std::string JobInformation(std::uint8_t index) const;

    Printer& printer_;
};
