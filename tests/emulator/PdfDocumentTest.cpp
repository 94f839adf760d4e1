#include <gtest/gtest.h>

#include <string>

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
