#include "PdfLexer.h"

#include <cstdlib>

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void Keep(std::string& text, char c) {
    if (text.size() < PdfLexer::kMaxTokenBytes) text += c;
}
}  // namespace

bool PdfLexer::IsWhite(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool PdfLexer::IsDelimiter(char c) {
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
           c == '}' || c == '/' || c == '%';
}

void PdfLexer::SkipWhiteAndComments() {
    while (at_ < data_.size()) {
        if (IsWhite(data_[at_])) {
            ++at_;
        } else if (data_[at_] == '%') {
            while (at_ < data_.size() && data_[at_] != '\n' && data_[at_] != '\r') ++at_;
        } else {
            return;
        }
    }
}

PdfToken PdfLexer::Next() {
    SkipWhiteAndComments();
    PdfToken token;
    if (at_ >= data_.size()) return token;
    const char c = data_[at_];
    if (c == '(') return Literal();
    if (c == '/') return Name();
    if (c == '<') {
        if (at_ + 1 < data_.size() && data_[at_ + 1] == '<') {
            at_ += 2;
            token.kind = PdfToken::kDictionaryOpen;
            return token;
        }
        return Hexadecimal();
    }
    if (c == '>') {
        // A lone '>' is stray; it is taken as the end of a dictionary all the same.
        at_ += at_ + 1 < data_.size() && data_[at_ + 1] == '>' ? 2 : 1;
        token.kind = PdfToken::kDictionaryClose;
        return token;
    }
    if (c == '[' || c == ']') {
        ++at_;
        token.kind = c == '[' ? PdfToken::kArrayOpen : PdfToken::kArrayClose;
        return token;
    }
    if (c == ')' || c == '{' || c == '}') {
        ++at_;
        token.kind = PdfToken::kKeyword;
        token.text = c;
        return token;
    }
    return Regular();
}

PdfToken PdfLexer::Literal() {
    PdfToken token;
    token.kind = PdfToken::kString;
    int depth = 1;
    ++at_;
    while (at_ < data_.size()) {
        char c = data_[at_++];
        if (c == '\\') {
            if (at_ >= data_.size()) break;
            c = data_[at_++];
            if (c >= '0' && c <= '7') {
                int value = c - '0';
                for (int digits = 1;
                     digits < 3 && at_ < data_.size() && data_[at_] >= '0' && data_[at_] <= '7';
                     ++digits) {
                    value = value * 8 + (data_[at_++] - '0');
                }
                c = static_cast<char>(value);
            } else if (c == 'n') {
                c = '\n';
            } else if (c == 'r') {
                c = '\r';
            } else if (c == 't') {
                c = '\t';
            } else if (c == 'b') {
                c = '\b';
            } else if (c == 'f') {
                c = '\f';
            } else if (c == '\r' || c == '\n') {
                // A line continuation adds nothing.
                if (c == '\r' && at_ < data_.size() && data_[at_] == '\n') ++at_;
                continue;
            }
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            break;
        }
        Keep(token.text, c);
    }
    return token;
}

PdfToken PdfLexer::Hexadecimal() {
    PdfToken token;
    token.kind = PdfToken::kString;
    token.hexString = true;
    ++at_;
    int high = -1;
    while (at_ < data_.size() && data_[at_] != '>') {
        const int digit = HexValue(data_[at_++]);
        if (digit < 0) continue;
        if (high < 0) {
            high = digit;
        } else {
            Keep(token.text, static_cast<char>(high * 16 + digit));
            high = -1;
        }
    }
    if (at_ < data_.size()) ++at_;
    if (high >= 0)
        Keep(token.text, static_cast<char>(high * 16));  // an odd last digit counts as x0
    return token;
}

PdfToken PdfLexer::Name() {
    PdfToken token;
    token.kind = PdfToken::kName;
    ++at_;
    while (at_ < data_.size() && !IsWhite(data_[at_]) && !IsDelimiter(data_[at_])) {
        char c = data_[at_++];
        if (c == '#' && at_ + 1 < data_.size() && HexValue(data_[at_]) >= 0 &&
            HexValue(data_[at_ + 1]) >= 0) {
            c = static_cast<char>(HexValue(data_[at_]) * 16 + HexValue(data_[at_ + 1]));
            at_ += 2;
        }
        Keep(token.text, c);
    }
    return token;
}

PdfToken PdfLexer::Regular() {
    PdfToken token;
    const std::size_t start = at_;
    while (at_ < data_.size() && !IsWhite(data_[at_]) && !IsDelimiter(data_[at_])) ++at_;
    if (at_ == start) ++at_;  // a delimiter no rule took: skip it
    const std::string_view word = data_.substr(start, at_ - start);
    token.text.assign(word.substr(0, kMaxTokenBytes));
    bool numeric = !word.empty() && word.size() <= 32;
    bool digits = false, point = false;
    for (std::size_t i = 0; numeric && i < word.size(); ++i) {
        const char c = word[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (!((c == '-' || c == '+') && i == 0)) {
            numeric = false;
        }
    }
    if (numeric && digits) {
        token.kind = PdfToken::kNumber;
        token.number = std::strtod(token.text.c_str(), nullptr);
        token.integer = !point;
    } else {
        token.kind = PdfToken::kKeyword;
    }
    return token;
}
