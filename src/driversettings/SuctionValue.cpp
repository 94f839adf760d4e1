#include "driversettings/SuctionValue.h"

#include <array>

int32_t SuctionValue(int32_t level) {
    constexpr std::array<int32_t, 5> kByWeakness = {100, 50, 30, 10, 6};
    return level <= 0 && level >= -4 ? kByWeakness[-level] : kByWeakness[0];
}
