#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The platen gap list of the alignment pages. Each entry carries an index into the gap codes
// {0, 4, 3, 2, 1}; code 0 means "as the media's own data says", asked of the printer at Start.

// One list entry: its text is the page's first gap text plus textOffset.
struct PlatenGapEntry {
    int32_t textOffset;
    int32_t index;
};

// The gap code sent to the printer for an entry's index; 0 for an index outside 0-4.
uint8_t GapCodeOfIndex(int32_t index);

// The entries, in list order, for a paper thickness of 1-16 (0.1 mm): the media's own gap only
// when a media is chosen, the narrower gaps only for thinner paper.
std::vector<PlatenGapEntry> PlatenGapEntries(int32_t thickness, bool mediaChosen);

// The entry to select once the list was refilled. Right after the thickness was empty, the media's
// own gap when a media is chosen, else the standard gap when offered (else the first entry);
// otherwise the entry selected before, kept within the list.
int32_t PlatenGapSelection(std::span<const PlatenGapEntry> entries, int32_t previous,
                           bool thicknessWasEmpty, bool mediaChosen);
