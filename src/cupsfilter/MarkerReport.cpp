#include "MarkerReport.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace {

struct InkLook {
    uint8_t code;
    std::string_view name;
    std::string_view color;
};

constexpr uint8_t kBlack = 0x01;
constexpr uint8_t kMatteBlack = 0x09;
constexpr std::array<InkLook, 8> kInks = {{
    {kBlack, "Black", "#000000"},
    {0x02, "Cyan", "#00FFFF"},
    {0x03, "Magenta", "#FF00FF"},
    {0x04, "Light Cyan", "#80FFFF"},
    {0x05, "Light Magenta", "#FF80FF"},
    {0x06, "Yellow", "#FFFF00"},
    {0x08, "Light Black", "#808080"},
    {kMatteBlack, "Matte Black", "#000000"},
}};

const InkLook* LookOf(uint8_t code) {
    const auto look = std::find_if(kInks.begin(), kInks.end(),
                                   [code](const InkLook& ink) { return ink.code == code; });
    return look != kInks.end() ? &*look : nullptr;
}

}  // namespace

std::string MarkerAttributes(std::span<const InkEntry> inks) {
    if (inks.empty()) return {};
    // Beside a matte black, the other black is the photo black.
    const bool twoBlacks = std::any_of(inks.begin(), inks.end(),
                                       [](const InkEntry& ink) { return ink.code == kMatteBlack; });
    std::string colors, levels, names, types;
    for (const InkEntry& ink : inks) {
        const char* separator = colors.empty() ? "" : ",";
        const InkLook* look = LookOf(ink.code);
        std::string name =
            look != nullptr ? std::string(look->name) : "Ink " + std::to_string(ink.code);
        if (twoBlacks && ink.code == kBlack) name = "Photo Black";
        colors += separator + std::string(look != nullptr ? look->color : "none");
        levels += separator + std::to_string(ink.percent <= 100 ? int(ink.percent) : -1);
        names += separator + ("\"" + name + "\"");
        types += separator + std::string("ink-cartridge");
    }
    return "marker-colors=" + colors + " marker-levels=" + levels + " marker-names=" + names +
           " marker-types=" + types;
}
