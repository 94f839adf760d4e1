#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "JsonLine.h"

// Appends one JSON object a line to the journal file and flushes it at once, so a test reading
// the file sees every line as soon as the emulator has acted. Without a file it does nothing.
class Journal {
  public:
    bool Open(const std::string& path);
    // Adds "time" (UTC, milliseconds) in front of the line's own fields.
    void Write(std::int64_t nowMs, const JsonLine& line);

    static std::string TimeText(std::int64_t nowMs);

  private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
};
