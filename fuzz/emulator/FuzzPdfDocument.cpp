// Any document: page tree, streams, fonts and content read within their bounds. The input is
// also tried as the inflated contents of a one-page document, so the content and CMap readers
// see arbitrary bytes without the fuzzer having to find a valid Flate stream.
#include <cstdint>
#include <string>

#include "PdfDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PdfDocument document(data, size);
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string wrapped =
        "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
        "2 0 obj<</Type/Pages/Kids[3 0 R]/MediaBox[0 0 100 100]>>endobj\n"
        "3 0 obj<</Type/Page/Contents 4 0 R/Resources<</Font<</F1 5 0 R>>>>>>endobj\n"
        "4 0 obj<</Length " +
        std::to_string(size) + ">>stream\n" + content +
        "\nendstream endobj\n5 0 obj<</Subtype/Type0/ToUnicode 4 0 R>>endobj\n"
        "trailer<</Root 1 0 R>>\n";
    const PdfDocument page(reinterpret_cast<const std::uint8_t*>(wrapped.data()), wrapped.size());
    return 0;
}
