#include "maintenance/PlatenGapTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<uint8_t, 5> kGapCodes = {0, 4, 3, 2, 1};

// The rows of the full list in order: from the media, then widest to narrowest.
struct GapRow {
    PlatenGapEntry entry;
    int32_t thinnerThan;  // offered below this thickness; 0 = whatever the thickness
    bool needsMedia;
};
constexpr std::array<GapRow, 5> kRows = {{
    {{0, 0}, 0, true},
    {{1, 4}, 0, false},
    {{2, 3}, 7, false},
    {{3, 2}, 7, false},
    {{4, 1}, 3, false},
}};
constexpr int32_t kStandardGapOffset = 3;

}  // namespace

uint8_t GapCodeOfIndex(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(kGapCodes.size())) return 0;
    return kGapCodes[static_cast<size_t>(index)];
}

std::vector<PlatenGapEntry> PlatenGapEntries(int32_t thickness, bool mediaChosen) {
    std::vector<PlatenGapEntry> entries;
    for (const GapRow& row : kRows) {
        if (row.needsMedia && !mediaChosen) continue;
        if (row.thinnerThan != 0 && thickness >= row.thinnerThan) continue;
        entries.push_back(row.entry);
    }
    return entries;
}

int32_t PlatenGapSelection(std::span<const PlatenGapEntry> entries, int32_t previous,
                           bool thicknessWasEmpty, bool mediaChosen) {
    const int32_t last = static_cast<int32_t>(entries.size()) - 1;
    if (last < 0) return -1;
    if (!thicknessWasEmpty) return std::clamp(previous, 0, last);
    if (mediaChosen) return 0;
    const auto standard = std::ranges::find_if(
        entries, [](const PlatenGapEntry& e) { return e.textOffset == kStandardGapOffset; });
    return standard != entries.end() ? static_cast<int32_t>(standard - entries.begin()) : 0;
}
