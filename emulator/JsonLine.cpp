#include "JsonLine.h"

#include <cstdio>

std::string JsonLine::Quote(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            // Bytes outside printable ASCII are escaped one by one, so any input stays valid JSON.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            quoted += escaped;
        } else {
            quoted += c;
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

JsonLine& JsonLine::Add(const std::string& key, bool value) {
    return AddRaw(key, value ? "true" : "false");
}

JsonLine& JsonLine::Add(const std::string& key, const std::vector<std::string>& values) {
    std::string array = "[";
    for (std::size_t i = 0; i < values.size(); ++i) array += (i ? "," : "") + Quote(values[i]);
    return AddRaw(key, array + "]");
}
