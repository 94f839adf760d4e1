#pragma once

#include <cstdint>

// The driver's suction value for a paper suction level: 0, -1, -2, -3, -4 give 100, 50, 30, 10, 6;
// any other level counts as standard suction (100).
int32_t SuctionValue(int32_t level);
