#include "custompaper/IniDocument.h"

#include "config/LinePieces.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (LowerAscii(text[i]) != LowerAscii(prefix[i])) return false;
    return true;
}

// The line as the reader compares it: without its line end and up to its first NUL.
std::string_view LineText(std::string_view raw) {
    if (raw.ends_with('\n')) raw.remove_suffix(raw.ends_with(kLineEnd) ? 2 : 1);
    return raw.substr(0, raw.find('\0'));
}

bool IsSectionLine(std::string_view line) {
    return line.starts_with('[');
}

bool IsSectionOf(std::string_view line, std::string_view section) {
    return IsSectionLine(line) && line.size() == section.size() + 2 && line.back() == ']' &&
           StartsWithIgnoringCase(line.substr(1), section);
}

bool IsKeyLineOf(std::string_view line, std::string_view key) {
    return line.size() > key.size() && StartsWithIgnoringCase(line, key) && line[key.size()] == '=';
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    LinePieces pieces(text);
    LinePieces::Piece piece;
    while (pieces.Next(piece)) lines_.emplace_back(piece.raw);
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    std::string line;
    line.append(key).append("=").append(value).append(kLineEnd);

    const size_t header = FindSection(section);
    if (header == lines_.size()) {
        if (!lines_.empty()) EndLine(lines_.size() - 1);
        std::string sectionLine;
        sectionLine.append("[").append(section).append("]").append(kLineEnd);
        lines_.push_back(std::move(sectionLine));
        lines_.push_back(std::move(line));
        return;
    }
    const size_t end = SectionEnd(header);
    size_t lastFilled = header;
    for (size_t i = header + 1; i < end; ++i) {
        const std::string_view text = LineText(lines_[i]);
        if (IsKeyLineOf(text, key)) {
            lines_[i] = std::move(line);
            return;
        }
        if (!text.empty()) lastFilled = i;
    }
    EndLine(lastFilled);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), std::move(line));
}

std::string IniDocument::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line;
    return text;
}

size_t IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (IsSectionOf(LineText(lines_[i]), section)) return i;
    return lines_.size();
}

size_t IniDocument::SectionEnd(size_t header) const {
    for (size_t i = header + 1; i < lines_.size(); ++i)
        if (IsSectionLine(LineText(lines_[i]))) return i;
    return lines_.size();
}

// A line without its own end (the last of the text, or a full piece of a longer line) gets one
// before a line is put after it; a piece boundary stays a line boundary for the reader.
void IniDocument::EndLine(size_t index) {
    if (!lines_[index].ends_with('\n')) lines_[index] += kLineEnd;
}
