#include "PdfObject.h"

const PdfObject* PdfObject::Get(std::string_view key) const {
    if (kind != kDictionary && kind != kStream) return nullptr;
    for (std::size_t i = 0; i < keys.size() && i < items.size(); ++i) {
        if (keys[i] == key) return &items[i];
    }
    return nullptr;
}
