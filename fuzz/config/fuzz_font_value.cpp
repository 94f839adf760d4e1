// "L_Font.ini" values of any content parse to four integers and a representable pixel height.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/FontValue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FontValue value =
        ParseFontValue(std::string_view(reinterpret_cast<const char*>(data), size));
    for (int32_t dpi : {0, 72, 96, 120, 144, -1, INT32_MAX}) {
        const int32_t height = FontPixelHeight(value.pointSize, dpi);
        if (height < -32767 || height > 32767) std::abort();
    }
    return 0;
}
