#include "config/LinePieces.h"

#include <algorithm>

bool LinePieces::Next(Piece& piece) {
    if (at_ >= text_.size()) return false;
    const std::string_view rest = text_.substr(at_);
    // A line end right after a full piece still belongs to it, so a line of exactly 255
    // characters is one piece and not two.
    const size_t lineFeed = rest.substr(0, kMaxLength + 1).find('\n');
    size_t end = 0;
    size_t rawEnd = 0;
    if (lineFeed != std::string_view::npos) {
        end = lineFeed > 0 && rest[lineFeed - 1] == '\r' ? lineFeed - 1 : lineFeed;
        rawEnd = lineFeed + 1;
    } else if (rest.size() > kMaxLength + 1 && rest[kMaxLength] == '\r' &&
               rest[kMaxLength + 1] == '\n') {
        end = kMaxLength;
        rawEnd = kMaxLength + 2;
    } else {
        end = std::min(rest.size(), kMaxLength);
        rawEnd = end;
    }
    piece = {rest.substr(0, end), rest.substr(0, rawEnd)};
    at_ += rawEnd;
    return true;
}
