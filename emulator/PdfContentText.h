#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "PdfFont.h"

// The text a page's content stream shows, in the order it is drawn: strings on one baseline are
// joined (text objects apart by a space), a new baseline starts a new line.
class PdfContentText {
  public:
    using Fonts = std::map<std::string, PdfFont>;  // by resource name

    static constexpr std::size_t kMaxOperands = 64;
    static constexpr std::size_t kMaxStateDepth = 64;

    // At most limit bytes of text.
    static std::string Extract(std::string_view content, const Fonts& fonts, std::size_t limit);
};
