#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What the printer shows of a PDF document without rendering it: its page count, from the page
// objects it declares, and the title of its information dictionary when that is a plain string.
class PdfDocument {
  public:
    PdfDocument(const std::uint8_t* data, std::size_t length);

    int PageCount() const { return pages_; }
    const std::string& Title() const { return title_; }

  private:
    int pages_ = 0;
    std::string title_;
};
