#include <gtest/gtest.h>

#include "UiTestBench.h"

namespace {

TEST(ServiceAppTest, LaunchModeIsTheExactLetter) {
    const std::pair<const char*, LaunchMode> rows[] = {
        {"", LaunchMode::Normal},
        {"Ope=U\n", LaunchMode::MessageReview},
        {"Ope=P\n", LaunchMode::Preview},
        {"Ope=u\n", LaunchMode::Normal},
    };
    UiTestBench bench{{.ownSettings = true}};
    for (const auto& [contents, mode] : rows) {
        bench.WriteSettingsFile("Setting_Launch.ini", contents);
        bench.StartApp();
        EXPECT_EQ(bench.app->launchMode(), mode) << contents;
    }
}

TEST(ServiceAppTest, BitmapsComeFromTheResources) {
    UiTestBench bench;
    const QPixmap frames = bench.app->LoadBitmap(170);
    EXPECT_EQ(frames.size(), QSize(64, 32));
    // The magenta key colour is transparent.
    EXPECT_EQ(frames.toImage().pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(bench.app->LoadBitmap(1).isNull());
}

}  // namespace
