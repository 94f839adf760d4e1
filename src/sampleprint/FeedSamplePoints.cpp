#include "sampleprint/FeedSamplePoints.h"

#include <algorithm>

std::vector<int32_t> FeedSamplePoints(int32_t first, int32_t second) {
    const int32_t low = std::min(first, second);
    const int32_t high = std::max(first, second);
    const int32_t range = high - low;
    switch (range) {
        case 0:
            return {low};
        case 1:
            return {low, high};
        case 2:
            return {low, low + 1, high};
        case 3:
            return {low, low + 1, high - 1, high};
        default:
            return {low, low + range / 4, low + 2 * range / 4, low + 3 * range / 4, high};
    }
}

std::string FeedSamplePointsText(const std::vector<int32_t>& points) {
    std::string text;
    for (const int32_t point : points) {
        if (!text.empty()) text += ", ";
        text += std::to_string(point);
    }
    return text;
}
