#pragma once

#include <cstddef>
#include <string_view>

// The lines of a settings file as every reader of them sees them: a line ends in LF or CR LF,
// which is not part of it, and a line longer than 255 characters is read as pieces of at most 255,
// each piece counting as a line of its own.
class LinePieces {
  public:
    static constexpr size_t kMaxLength = 255;

    struct Piece {
        std::string_view text;  // without the line end
        std::string_view raw;   // with the line end, when the piece has one
    };

    explicit LinePieces(std::string_view text) : text_(text) {}

    // The next piece; false at the end of the text.
    bool Next(Piece& piece);

  private:
    std::string_view text_;
    size_t at_ = 0;
};
