#include "custompaper/PlatenGapChoices.h"

#include <algorithm>

namespace {

constexpr int32_t kThinPaper = 3;
constexpr int32_t kThickPaper = 7;
constexpr int32_t kPlatenAfterEmptied = 3;

}  // namespace

int32_t PlatenChoiceCount(int32_t paperThick) {
    if (paperThick < kThinPaper) return 4;
    if (paperThick < kThickPaper) return 3;
    return 1;
}

int32_t PlatenIndexAfterRebuild(int32_t previousIndex, int32_t count, bool thicknessWasEmptied) {
    if (thicknessWasEmptied) return count >= kPlatenAfterEmptied ? kPlatenAfterEmptied - 1 : 0;
    return std::clamp(previousIndex, 0, std::max(count - 1, 0));
}
