#pragma once

#include <string_view>

// The filter's messages to CUPS, one line each on the descriptor CUPS reads (standard error):
// INFO and WARNING lines go to the job log and the printer's state message, the last ERROR line
// becomes the job's state message, and ATTR lines set printer attributes.
class JobLog {
  public:
    explicit JobLog(int fd) : fd_(fd) {}

    void Info(std::string_view text) { Line("INFO", text); }
    void Warning(std::string_view text) { Line("WARNING", text); }
    void Error(std::string_view text) { Line("ERROR", text); }
    // name=value pairs separated by spaces.
    void Attributes(std::string_view pairs) { Line("ATTR", pairs); }
    // Waits, at most limitMs, until CUPS has read all that was written. A filter that fails must
    // not end before: a server that sees the exit first puts "Filter failed" in place of the
    // reason.
    void AwaitReader(int limitMs) const;

  private:
    // The backend writes to the same pipe: a line goes out in one write, so no other line can
    // come between its prefix and its text.
    void Line(std::string_view prefix, std::string_view text);

    int fd_;
};
