#pragma once

#include <string_view>
#include <vector>

// A text's lines read the plain way, one byte at a time, for a line reader to agree with: LF or
// CR LF end a line and are not part of it, and after maxLength characters a line goes on as a new
// one unless its end follows right there.
inline std::vector<std::string_view> ReferenceLines(std::string_view text, size_t maxLength) {
    std::vector<std::string_view> lines;
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = i;
        size_t length = 0;
        bool lineEnd = false;
        while (i < text.size()) {
            if (text[i] == '\n') {
                i += 1;
                lineEnd = true;
            } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                i += 2;
                lineEnd = true;
            }
            if (lineEnd || length == maxLength) break;
            ++i;
            ++length;
        }
        lines.push_back(text.substr(start, length));
    }
    return lines;
}
