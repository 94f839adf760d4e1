#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PdfDocument.h"

TEST(PdfDocument, CountsPageObjectsAndReadsThePlainTitle) {
    struct Row {
        std::string document;
        int pages;
        const char* title;
    };
    const Row rows[] = {
        {"%PDF-1.4\n1 0 obj<</Type/Pages/Kids[2 0 R]>>\n2 0 obj<</Type /Page>>", 1, ""},
        {"<</Type\n/Page/Parent 1 0 R>> <</Type /Page >> <</Type /PageLabel>>", 2, ""},
        {"/Title (Sample \\(3\\) \\101)", 0, "Sample (3) A"},
        {"/Title (a (nested) one) /Type /Page", 1, "a (nested) one"},
        {std::string("/Title (\xFE\xFF\0S\0a\0m\0\xE9)", 19), 0, "Sam?"},
        {"/Title <FEFF00540069 0074006C0065>", 0, "Title"},
        {"/Title (cut short", 0, "cut short"},
        {"/Title", 0, ""},
        {"/Title 12 0 R", 0, ""},
    };
    for (const Row& row : rows) {
        const PdfDocument pdf(reinterpret_cast<const std::uint8_t*>(row.document.data()),
                              row.document.size());
        EXPECT_EQ(pdf.PageCount(), row.pages) << row.document;
        EXPECT_EQ(pdf.Title(), row.title) << row.document;
    }
}

namespace {
// A document of numbered objects (1, 2, ...) with the catalog as object 1; "S:" marks a stream.
std::string Document(const std::vector<std::string>& objects) {
    std::string pdf = "%PDF-1.4\n";
    for (std::size_t i = 0; i < objects.size(); ++i) {
        pdf += std::to_string(i + 1) + " 0 obj\n";
        if (objects[i].rfind("S:", 0) == 0) {
            const std::string data = objects[i].substr(2);
            pdf += "<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data +
                   "\nendstream";
        } else {
            pdf += objects[i];
        }
        pdf += "\nendobj\n";
    }
    return pdf + "trailer\n<< /Root 1 0 R >>\n%%EOF\n";
}

const std::string kCatalog = "<< /Type /Catalog /Pages 2 0 R >>";
// Two-byte codes 1-3 for "H", "i" and the space (as a tab, which some writers do).
const std::string kToUnicode =
    "S:/CIDInit /ProcSet findresource begin 1 begincodespacerange <0000> <FFFF> "
    "endcodespacerange 1 beginbfchar <0003> <0009> endbfchar 1 beginbfrange <0001> <0002> "
    "[<0048> <0069>] endbfrange endcmap";
}  // namespace

TEST(PdfDocument, ReadsEachPagesSizeAndTextThroughItsFonts) {
    struct Row {
        const char* what;
        std::vector<std::string> objects;
        std::vector<std::pair<double, std::string>> pages;  // width and text; heights are 200
    };
    const Row rows[] = {
        {"inherited box, plain font, Tj and TJ",
         {kCatalog, "<< /Type /Pages /Kids [3 0 R 4 0 R] /MediaBox [0 0 300 200] >>",
          "<< /Type /Page /Parent 2 0 R /Contents 5 0 R /Resources 7 0 R >>",
          "<< /Type /Page /Parent 2 0 R /Contents 6 0 R /Resources 7 0 R "
          "/MediaBox [10 0 110 200] >>",
          "S:BT /F1 12 Tf 72 700 Td (Hello\\041) Tj ET", "S:BT /F1 12 Tf [(Wor) -20 (ld)] TJ ET",
          "<< /Font << /F1 8 0 R >> >>", "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"},
         {{300, "Hello!"}, {100, "World"}}},
        {"two-byte codes through ToUnicode; baselines make lines, text objects spaces",
         {kCatalog, "<< /Type /Pages /Kids [3 0 R] >>",
          "<< /Type /Page /MediaBox [0 0 50 200] /Contents [4 0 R 5 0 R] /Resources << /Font << "
          "/F2 6 0 R >> >> >>",
          "S:BT /F2 10 Tf 1 0 0 -1 0 0 Tm 0 -20 Td <00010002> Tj 5 0 Td <0003> Tj ET",
          "S:BT /F2 10 Tf 1 0 0 -1 0 0 Tm 40 -20 Td <0002> Tj ET 1 0 0 1 0 -30 cm BT /F2 10 Tf "
          "<0001> Tj ET",
          "<< /Type /Font /Subtype /Type0 /ToUnicode 7 0 R >>", kToUnicode},
         {{50, "Hi i\nH"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string pdf = Document(row.objects);
        const PdfDocument document(reinterpret_cast<const std::uint8_t*>(pdf.data()), pdf.size());
        ASSERT_EQ(document.Pages().size(), row.pages.size());
        EXPECT_EQ(document.PageCount(), static_cast<int>(row.pages.size()));
        for (std::size_t i = 0; i < row.pages.size(); ++i) {
            EXPECT_EQ(document.Pages()[i].width, row.pages[i].first);
            EXPECT_EQ(document.Pages()[i].height, 200);
            EXPECT_EQ(document.Pages()[i].text, row.pages[i].second);
        }
    }
}
