#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the printer takes from a PDF document without rendering it: the title of its information
// dictionary, and for each page of its page tree the size (MediaBox, in points) and the text it
// shows. A document without a readable page tree counts the page objects it declares.
class PdfDocument {
  public:
    struct Page {
        double width = 0;
        double height = 0;
        std::string text;  // UTF-8, one line per baseline
    };

    static constexpr std::size_t kMaxPages = 10000;
    static constexpr std::size_t kMaxPageText = 1 << 16;

    PdfDocument(const std::uint8_t* data, std::size_t length);

    int PageCount() const { return pageCount_; }
    const std::string& Title() const { return title_; }
    const std::vector<Page>& Pages() const { return pages_; }

  private:
    int pageCount_ = 0;
    std::string title_;
    std::vector<Page> pages_;
};
