#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The paper feed values sampled between two limits, in either order: one to five points from the
// smaller to the larger, spread evenly in quarters when the range is wider than three.
std::vector<int32_t> FeedSamplePoints(int32_t first, int32_t second);
// The points as the dialog shows them: "-70, -35, 0, 35, 70".
std::string FeedSamplePointsText(const std::vector<int32_t>& points);
