#include "PdfFont.h"

#include "Utf8.h"

PdfFont::PdfFont(PdfFile& file, const PdfObject* font) {
    const PdfObject* toUnicode = file.Lookup(font, "ToUnicode");
    if (toUnicode != nullptr) toUnicode_ = ToUnicodeMap(file.StreamData(toUnicode));
    const PdfObject* subtype = file.Lookup(font, "Subtype");
    // Composite fonts show two-byte codes unless their map says otherwise.
    codeBytes_ = toUnicode_.CodeBytes() > 0                       ? toUnicode_.CodeBytes()
                 : subtype != nullptr && subtype->IsName("Type0") ? 2
                                                                  : 1;
}

std::string PdfFont::Decode(std::string_view shown) const {
    std::string text;
    const auto bytes = static_cast<std::size_t>(codeBytes_);
    for (std::size_t at = 0; at + bytes <= shown.size(); at += bytes) {
        std::uint32_t code = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            code = (code << 8) | static_cast<unsigned char>(shown[at + i]);
        std::string mapped;
        if (toUnicode_.Lookup(code, mapped)) {
            for (char& c : mapped) {
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
            }
            text += mapped;
        } else if (bytes == 1 && toUnicode_.Empty()) {
            utf8::Append(text, code < 0x20 || code == 0x7F ? U' ' : static_cast<char32_t>(code));
        } else {
            text += '?';
        }
    }
    return text;
}
