#pragma once

#include <ostream>
#include <string_view>

// The filter's messages to CUPS, one line each on the stream CUPS reads (standard error): INFO and
// WARNING lines go to the job log and the printer's state message, the last ERROR line becomes the
// job's state message, and ATTR lines set printer attributes.
class JobLog {
  public:
    explicit JobLog(std::ostream& stream) : stream_(stream) {}

    void Info(std::string_view text) { Line("INFO", text); }
    void Warning(std::string_view text) { Line("WARNING", text); }
    void Error(std::string_view text) { Line("ERROR", text); }
    // name=value pairs separated by spaces.
    void Attributes(std::string_view pairs) { Line("ATTR", pairs); }

  private:
    void Line(std::string_view prefix, std::string_view text) {
        stream_ << prefix << ": " << text << std::endl;
    }

    std::ostream& stream_;
};
