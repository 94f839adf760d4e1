#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One PDF object as parsed, references left unresolved.
struct PdfObject {
    enum Kind { kNull, kBool, kNumber, kName, kString, kArray, kDictionary, kReference, kStream };

    Kind kind = kNull;
    double number = 0;               // kNumber; kBool as 0 or 1
    std::string text;                // kName (no slash), kString (the bytes)
    std::vector<std::string> keys;   // kDictionary and kStream: keys[i] names items[i]
    std::vector<PdfObject> items;    // kArray elements, dictionary values
    std::uint32_t objectNumber = 0;  // kReference
    std::size_t streamStart = 0;     // kStream: where its raw data begins in the file

    // A dictionary's (or stream dictionary's) value for key, nullptr when absent.
    const PdfObject* Get(std::string_view key) const;
    bool IsName(std::string_view name) const { return kind == kName && text == name; }
};
