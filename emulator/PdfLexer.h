#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One token of PDF syntax.
struct PdfToken {
    enum Kind {
        kEnd,  // no more input
        kNumber,
        kName,    // text without the slash, #xx escapes resolved
        kString,  // literal or hexadecimal, text holds the bytes
        kArrayOpen,
        kArrayClose,
        kDictionaryOpen,
        kDictionaryClose,
        kKeyword,  // obj, R, stream, true, an operator of a content stream, ...
    };
    Kind kind = kEnd;
    double number = 0;
    bool integer = false;
    std::string text;
    bool hexString = false;
};

// Splits PDF syntax into tokens. Reads nothing past the view; strings and names longer than
// kMaxTokenBytes are cut there (the rest is skipped), so no token grows without bound.
class PdfLexer {
  public:
    static constexpr std::size_t kMaxTokenBytes = 1 << 16;

    explicit PdfLexer(std::string_view data, std::size_t offset = 0)
        : data_(data), at_(offset < data.size() ? offset : data.size()) {}

    PdfToken Next();
    std::size_t Offset() const { return at_; }
    void Seek(std::size_t offset) { at_ = offset < data_.size() ? offset : data_.size(); }
    std::string_view Data() const { return data_; }

    static bool IsWhite(char c);
    static bool IsDelimiter(char c);

  private:
    void SkipWhiteAndComments();
    PdfToken Literal();
    PdfToken Hexadecimal();
    PdfToken Name();
    PdfToken Regular();

    std::string_view data_;
    std::size_t at_;
};
