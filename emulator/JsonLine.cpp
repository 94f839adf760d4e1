#include "JsonLine.h"

#include <cmath>
#include <cstdio>

#include "Utf8.h"

namespace {
void AppendEscaped(std::string& out, unsigned value) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", value);
    out += escaped;
}
}  // namespace

std::string JsonLine::Quote(const std::string& text) {
    std::string quoted = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        char32_t codePoint = 0;
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
            ++at;
        } else if (byte >= 0x20 && byte < 0x7F) {
            quoted += c;
            ++at;
        } else if (byte >= 0x80 && utf8::Decode(text, at, codePoint)) {
            if (codePoint >= 0x10000) {
                codePoint -= 0x10000;
                AppendEscaped(quoted, 0xD800 + (codePoint >> 10));
                AppendEscaped(quoted, 0xDC00 + (codePoint & 0x3FF));
            } else {
                AppendEscaped(quoted, codePoint);
            }
        } else {
            AppendEscaped(quoted, byte);
            ++at;
        }
    }
    return quoted + "\"";
}

JsonLine& JsonLine::AddRaw(const std::string& key, const std::string& value) {
    if (!fields_.empty()) fields_ += ',';
    fields_ += Quote(key) + ":" + value;
    return *this;
}

JsonLine& JsonLine::Add(const std::string& key, const std::string& value) {
    return AddRaw(key, Quote(value));
}

JsonLine& JsonLine::Add(const std::string& key, std::int64_t value) {
    return AddRaw(key, std::to_string(value));
}

JsonLine& JsonLine::Add(const std::string& key, double value) {
    if (!std::isfinite(value)) return AddRaw(key, "null");
    char number[64];
    if (std::fabs(value) >= 1e15) {
        std::snprintf(number, sizeof number, "%.6g", value);
        return AddRaw(key, number);
    }
    std::snprintf(number, sizeof number, "%.3f", value);
    std::string text = number;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return AddRaw(key, text);
}

JsonLine& JsonLine::Add(const std::string& key, bool value) {
    return AddRaw(key, value ? "true" : "false");
}

JsonLine& JsonLine::Add(const std::string& key, const std::vector<std::string>& values) {
    std::string array = "[";
    for (std::size_t i = 0; i < values.size(); ++i) array += (i ? "," : "") + Quote(values[i]);
    return AddRaw(key, array + "]");
}
