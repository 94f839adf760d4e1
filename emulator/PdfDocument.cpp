#include "PdfDocument.h"

#include <algorithm>
#include <string_view>

namespace {
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

std::string ReadTitle(std::string_view text) {
    constexpr std::size_t kMaxTitle = 64;
    const std::size_t at = text.find("/Title");
    if (at == std::string_view::npos) return {};
    std::size_t open = at + 6;
    while (open < text.size() && text[open] == ' ') ++open;
    if (open >= text.size() || text[open] != '(') return {};
    std::string title;
    for (std::size_t i = open + 1; i < text.size() && text[i] != ')' && title.size() < kMaxTitle;
         ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;
            if (i < text.size()) title += text[i];
        } else if (static_cast<unsigned char>(c) >= 0x20) {
            title += c;
        }
    }
    // A UTF-16 title (byte order mark) is not plain text; fall back to no title.
    if (title.size() >= 2 && static_cast<unsigned char>(title[0]) == 0xFE) return {};
    return title;
}
}  // namespace

PdfDocument::PdfDocument(const std::uint8_t* data, std::size_t length) {
    const std::string_view text(reinterpret_cast<const char*>(data), length);
    pages_ = CountPageObjects(text);
    title_ = ReadTitle(text);
}
