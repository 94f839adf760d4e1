#include "Journal.h"

#include <ctime>

bool Journal::Open(const std::string& path) {
    file_.reset(std::fopen(path.c_str(), "a"));
    return file_ != nullptr;
}

std::string Journal::TimeText(std::int64_t nowMs) {
    const std::time_t seconds = static_cast<std::time_t>(nowMs / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(nowMs % 1000));
    return text;
}

void Journal::Write(std::int64_t nowMs, const JsonLine& line) {
    if (!file_) return;
    std::string text = line.Text();
    text.insert(1, "\"time\":" + JsonLine::Quote(TimeText(nowMs)) + (text.size() > 2 ? "," : ""));
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), file_.get());
    std::fflush(file_.get());
}
