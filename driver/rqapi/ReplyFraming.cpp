#include "ReplyFraming.h"

#include <string_view>

namespace rqapi {

size_t CompleteReplyLength(std::span<const uint8_t> received) {
    constexpr std::string_view kLineEnd = "\r\n";
    constexpr std::string_view kStatusLine = "@BDC ST2\r\n";
    const std::string_view text(reinterpret_cast<const char*>(received.data()), received.size());
    const size_t lineEnd = text.find(kLineEnd);
    if (lineEnd == std::string_view::npos) return 0;
    const size_t body = lineEnd + kLineEnd.size();
    if (text.substr(0, body).ends_with(kStatusLine)) {
        if (received.size() < body + 2) return 0;
        const size_t length = received[body] | (static_cast<size_t>(received[body + 1]) << 8);
        const size_t total = body + 2 + length;
        return received.size() >= total ? total : 0;
    }
    const size_t end = text.find(';', body);
    return end == std::string_view::npos ? 0 : end + 1;
}

}  // namespace rqapi
