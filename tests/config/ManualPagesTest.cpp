#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/ManualPath.h"

namespace {

const std::string kProgramFolder = SERVATO_BIN_DIR;

}  // namespace

TEST(ShippedSettings, EveryManualKeyOpensAnExistingPage) {
    const std::pair<int, int> keys[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0},
                                        {6, 0}, {7, 0}, {8, 0}, {9, 0}, {5, 1}, {5, 2},
                                        {5, 3}, {5, 4}, {3, 1}, {3, 2}};
    for (const auto& [page, topic] : keys) {
        const std::string path = ManualPath(kProgramFolder, page, topic);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << page << "," << topic << ": " << path;
    }
}
