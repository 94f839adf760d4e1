#include "PdfDocument.h"

#include <algorithm>
#include <string_view>

namespace {
constexpr std::size_t kMaxTitleBytes = 128;

bool IsDelimiter(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '/' || c == '>' || c == '<' ||
           c == '[' || c == '(' || c == '\f' || c == '\0';
}

// "/Type /Page" or "/Type/Page", not "/Pages".
int CountPageObjects(std::string_view text) {
    int count = 0;
    for (std::size_t at = text.find("/Type"); at != std::string_view::npos;
         at = text.find("/Type", at + 1)) {
        std::size_t next = at + 5;
        while (next < text.size() &&
               (text[next] == ' ' || text[next] == '\r' || text[next] == '\n')) {
            ++next;
        }
        if (text.substr(next, 5) != "/Page") continue;
        const std::size_t after = next + 5;
        if (after == text.size() || IsDelimiter(text[after])) ++count;
    }
    return count;
}

// A literal string "(...)" with its escapes and nested parentheses; at returns past it.
std::string ReadLiteral(std::string_view text, std::size_t at) {
    std::string bytes;
    int depth = 1;
    for (std::size_t i = at + 1; i < text.size() && bytes.size() < kMaxTitleBytes; ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            c = text[++i];
            if (c >= '0' && c <= '7') {
                int value = 0;
                for (int digits = 0;
                     digits < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7';
                     ++digits, ++i) {
                    value = value * 8 + (text[i] - '0');
                }
                --i;
                c = static_cast<char>(value);
            } else if (c == 'n') {
                c = '\n';
            } else if (c == 'r') {
                c = '\r';
            } else if (c == 't') {
                c = '\t';
            }
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            break;
        }
        bytes += c;
    }
    return bytes;
}

// A hexadecimal string "<...>", white space ignored.
std::string ReadHexString(std::string_view text, std::size_t at) {
    std::string bytes;
    int high = -1;
    for (std::size_t i = at + 1; i < text.size() && text[i] != '>' && bytes.size() < kMaxTitleBytes;
         ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0) continue;
        if (high < 0) {
            high = digit;
        } else {
            bytes += static_cast<char>(high * 16 + digit);
            high = -1;
        }
    }
    return bytes;
}

// Text the job record can hold: UTF-16 (with its byte order mark) and other bytes outside
// printable ASCII become '?'.
std::string Printable(const std::string& bytes) {
    std::string text;
    const bool utf16 = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
                       static_cast<unsigned char>(bytes[1]) == 0xFF;
    for (std::size_t i = utf16 ? 2 : 0; i < bytes.size(); i += utf16 ? 2 : 1) {
        const auto unit =
            utf16 ? (static_cast<unsigned char>(bytes[i]) << 8) |
                        (i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0)
                  : static_cast<unsigned char>(bytes[i]);
        text += unit >= 0x20 && unit < 0x7F ? static_cast<char>(unit) : '?';
    }
    return text;
}

std::string ReadTitle(std::string_view text) {
    const std::size_t key = text.find("/Title");
    if (key == std::string_view::npos) return {};
    std::size_t at = key + 6;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\r' || text[at] == '\n')) ++at;
    if (at >= text.size()) return {};
    if (text[at] == '(') return Printable(ReadLiteral(text, at));
    if (text[at] == '<') return Printable(ReadHexString(text, at));
    return {};
}
}  // namespace

PdfDocument::PdfDocument(const std::uint8_t* data, std::size_t length) {
    const std::string_view text(reinterpret_cast<const char*>(data), length);
    pages_ = CountPageObjects(text);
    title_ = ReadTitle(text);
}
