#pragma once

#include "PdfLexer.h"
#include "PdfObject.h"

// Reads PDF objects from a lexer: nesting deeper than kMaxDepth and containers of more than
// kMaxItems entries are cut off there, so hostile input cannot exhaust the stack or the memory.
class PdfParser {
  public:
    static constexpr int kMaxDepth = 32;
    static constexpr std::size_t kMaxItems = 1 << 16;

    explicit PdfParser(PdfLexer& lexer) : lexer_(lexer) {}

    // The next object; false at the end of the input or at a token that starts no object (an
    // operator of a content stream: it is left in keyword).
    bool Parse(PdfObject& object, PdfToken& keyword);

  private:
    bool ParseFrom(PdfToken token, PdfObject& object, PdfToken& keyword, int depth);
    void ParseArray(PdfObject& object, int depth);
    void ParseDictionary(PdfObject& object, int depth);

    PdfLexer& lexer_;
};
