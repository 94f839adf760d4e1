#include <gtest/gtest.h>

#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "config/MediaTable.h"
#include "driversettings/DriverSettingsLibrary.h"

namespace {

TEST(ServiceAppTest, LaunchModeIsTheExactLetter) {
    const std::pair<const char*, LaunchMode> rows[] = {
        {"", LaunchMode::Normal},         {"Ope=U\n", LaunchMode::MessageReview},
        {"Ope=P\n", LaunchMode::Preview}, {"Ope=u\n", LaunchMode::Normal},
        {"Ope=p\n", LaunchMode::Normal},  {"Ope=\n", LaunchMode::Normal},
    };
    UiTestBench bench{{.ownSettings = true}};
    for (const auto& [contents, mode] : rows) {
        bench.WriteSettingsFile("Setting_Launch.ini", contents);
        bench.StartApp();
        EXPECT_EQ(bench.app->launchMode(), mode) << contents;
        EXPECT_EQ(bench.app->IsMessageReview(), mode == LaunchMode::MessageReview);
    }
}

TEST(ServiceAppTest, OwnedObjectsAreCreatedAndTornDown) {
    UiTestBench bench;
    ServiceApp& app = *bench.app;
    EXPECT_EQ(app.SettingsFolder(), std::string(SERVATO_BIN_DIR) + "/Settings");
    ASSERT_NE(app.driverSettingsLibrary(), nullptr);
    ASSERT_NE(app.commLibrary(), nullptr);
    ASSERT_NE(app.mediaTable(), nullptr);
    EXPECT_TRUE(app.mediaTable()->IsValid());
    EXPECT_FALSE(app.commLibrary()->IsLoaded());

    app.DestroyOwnedObjects();
    EXPECT_EQ(app.mediaTable(), nullptr);
    EXPECT_EQ(app.commLibrary(), nullptr);
    EXPECT_EQ(app.driverSettingsLibrary(), nullptr);
}

TEST(ServiceAppTest, IncompleteMediaTableIsReportedAfterTheBindings) {
    UiTestBench bench{{.ownSettings = true}};
    bench.WriteSettingsFile("Media.ini",
                            "MEDIA_NUM=3\nMEDIA01=1,0,0,1,0,0,0,1,5,1,720,720,2,1440,"
                            "1440,-1,0,0,-1,0,0\n");
    EXPECT_EQ(bench.StartApp(), -2);
    // The bindings come first, so they exist for the tear-down.
    EXPECT_NE(bench.app->driverSettingsLibrary(), nullptr);
    EXPECT_NE(bench.app->commLibrary(), nullptr);
    EXPECT_TRUE(bench.messages.messages().empty());
}

TEST(ServiceAppTest, BitmapsComeFromTheResources) {
    UiTestBench bench;
    const QPixmap frames = bench.app->LoadBitmap(170);
    EXPECT_EQ(frames.size(), QSize(64, 32));
    // The magenta key colour is transparent.
    EXPECT_EQ(frames.toImage().pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(bench.app->LoadBitmap(1).isNull());

    const QList<QSize> iconSizes = ServiceApp::WindowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256}) EXPECT_TRUE(iconSizes.contains(QSize(size, size)));
}

}  // namespace
