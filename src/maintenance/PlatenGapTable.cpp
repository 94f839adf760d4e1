#include "maintenance/PlatenGapTable.h"

#include <algorithm>
#include <array>

#include "custompaper/PlatenGapChoices.h"

namespace {

constexpr std::array<uint8_t, 5> kGapCodes = {0, 4, 3, 2, 1};

// The media's own gap, then the fixed gaps widest to narrowest; a paper offers as many fixed gaps
// as a custom paper setting of its thickness offers platens.
constexpr PlatenGapEntry kMediaGap = {0, 0};
constexpr std::array<PlatenGapEntry, 4> kFixedGaps = {{{1, 4}, {2, 3}, {3, 2}, {4, 1}}};
constexpr int32_t kStandardGapOffset = 3;

}  // namespace

uint8_t GapCodeOfIndex(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(kGapCodes.size())) return 0;
    return kGapCodes[static_cast<size_t>(index)];
}

std::vector<PlatenGapEntry> PlatenGapEntries(int32_t thickness, bool mediaChosen) {
    std::vector<PlatenGapEntry> entries;
    if (mediaChosen) entries.push_back(kMediaGap);
    const auto offered = static_cast<size_t>(PlatenChoiceCount(thickness));
    entries.insert(entries.end(), kFixedGaps.begin(), kFixedGaps.begin() + offered);
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
