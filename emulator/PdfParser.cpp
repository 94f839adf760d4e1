#include "PdfParser.h"

bool PdfParser::Parse(PdfObject& object, PdfToken& keyword) {
    return ParseFrom(lexer_.Next(), object, keyword, 0);
}

bool PdfParser::ParseFrom(PdfToken token, PdfObject& object, PdfToken& keyword, int depth) {
    object = PdfObject();
    switch (token.kind) {
        case PdfToken::kEnd:
            keyword = token;
            return false;
        case PdfToken::kNumber: {
            object.kind = PdfObject::kNumber;
            object.number = token.number;
            if (!token.integer || token.number < 0) return true;
            // "12 0 R" is a reference; anything else leaves the lexer after the number.
            const std::size_t after = lexer_.Offset();
            const PdfToken generation = lexer_.Next();
            if (generation.kind == PdfToken::kNumber && generation.integer) {
                const PdfToken r = lexer_.Next();
                if (r.kind == PdfToken::kKeyword && r.text == "R" && token.number <= 0xFFFFFFFF) {
                    object.kind = PdfObject::kReference;
                    object.objectNumber = static_cast<std::uint32_t>(token.number);
                    return true;
                }
            }
            lexer_.Seek(after);
            return true;
        }
        case PdfToken::kName:
            object.kind = PdfObject::kName;
            object.text = std::move(token.text);
            return true;
        case PdfToken::kString:
            object.kind = PdfObject::kString;
            object.text = std::move(token.text);
            return true;
        case PdfToken::kArrayOpen:
            object.kind = PdfObject::kArray;
            if (depth < kMaxDepth) ParseArray(object, depth + 1);
            return true;
        case PdfToken::kDictionaryOpen:
            object.kind = PdfObject::kDictionary;
            if (depth < kMaxDepth) ParseDictionary(object, depth + 1);
            return true;
        case PdfToken::kKeyword:
            if (token.text == "true" || token.text == "false") {
                object.kind = PdfObject::kBool;
                object.number = token.text == "true" ? 1 : 0;
                return true;
            }
            if (token.text == "null") return true;
            keyword = std::move(token);
            return false;
        case PdfToken::kArrayClose:
        case PdfToken::kDictionaryClose:
            keyword = std::move(token);
            return false;
    }
    return false;
}

void PdfParser::ParseArray(PdfObject& array, int depth) {
    for (;;) {
        PdfToken keyword;
        PdfObject item;
        if (!ParseFrom(lexer_.Next(), item, keyword, depth)) {
            // "]" ends the array, as does the end of input; a stray keyword is skipped.
            if (keyword.kind == PdfToken::kArrayClose || keyword.kind == PdfToken::kEnd) return;
            if (keyword.kind == PdfToken::kDictionaryClose) return;
            continue;
        }
        if (array.items.size() < kMaxItems) array.items.push_back(std::move(item));
    }
}

void PdfParser::ParseDictionary(PdfObject& dictionary, int depth) {
    for (;;) {
        const PdfToken key = lexer_.Next();
        if (key.kind == PdfToken::kDictionaryClose || key.kind == PdfToken::kEnd) return;
        if (key.kind != PdfToken::kName) continue;  // not a key: skipped
        PdfToken keyword;
        PdfObject value;
        if (!ParseFrom(lexer_.Next(), value, keyword, depth)) {
            if (keyword.kind == PdfToken::kDictionaryClose || keyword.kind == PdfToken::kEnd) {
                return;
            }
            continue;
        }
        if (dictionary.items.size() < kMaxItems) {
            dictionary.keys.push_back(key.text);
            dictionary.items.push_back(std::move(value));
        }
    }
}
