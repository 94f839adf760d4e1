#pragma once

#include <cstdint>

// The platen gaps a paper may use: the list holds platens 1..count, so an item's index is the
// platen minus 1.

// 4 below 0.3 mm, 3 below 0.7 mm, else 1 (thickness in 0.1 mm).
int32_t PlatenChoiceCount(int32_t paperThick);

// The index to select once the list was rebuilt with `count` items: the previous index kept within
// the list; right after the thickness was emptied, platen 3 when the list holds it, else platen 1.
int32_t PlatenIndexAfterRebuild(int32_t previousIndex, int32_t count, bool thicknessWasEmptied);
