#include <gtest/gtest.h>

#include "RecordingMessages.h"
#include "SubstituteSpooler.h"
#include "TestInstallation.h"
#include "VirtualClock.h"
#include "comm/CommLibrary.h"
#include "config/MediaTable.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ServiceApp.h"

namespace {

class ServiceAppTest : public ::testing::Test {
  protected:
    TestInstallation installation_;
    RecordingMessages messages_;
    VirtualClock clock_;
    SubstituteSpooler spooler_;
};

TEST_F(ServiceAppTest, LaunchModeIsReadExactly) {
    struct Row {
        const char* contents;  // nullptr = no file
        LaunchMode expected;
    };
    const Row rows[] = {
        {nullptr, LaunchMode::Normal},   {"Ope=U\n", LaunchMode::MessageReview},
        {"Ope=u\n", LaunchMode::Normal}, {"Ope=P\r\n", LaunchMode::Preview},
        {"Ope=p\n", LaunchMode::Normal}, {"Ope=U \n", LaunchMode::Normal},
        {"Ope=\n", LaunchMode::Normal},  {"Open=U\nOpe:Mode\nMode=U\n", LaunchMode::MessageReview},
        {"ope=U\n", LaunchMode::Normal},
    };
    for (const Row& row : rows) {
        if (row.contents != nullptr)
            installation_.WriteSettingsFile("Setting_Launch.ini", row.contents);
        ServiceApp app(installation_.ProgramFolder(), {messages_, clock_, spooler_});
        app.ReadLaunchMode();
        EXPECT_EQ(app.launchMode(), row.expected) << (row.contents ? row.contents : "(no file)");
        EXPECT_EQ(app.IsMessageReview(), row.expected == LaunchMode::MessageReview);
    }
}

TEST_F(ServiceAppTest, OwnedObjectsAreCreatedInOrderAndTornDown) {
    ServiceApp app(installation_.ProgramFolder(), {messages_, clock_, spooler_});
    EXPECT_EQ(app.SettingsFolder(), installation_.ProgramFolder() + "/Settings");
    EXPECT_EQ(app.LoadText(0), "Servato 2");
    EXPECT_TRUE(app.IsSupportedModel("ZENTA Corvid 4000"));
    EXPECT_FALSE(app.IsSupportedModel("zenta corvid 4000"));

    ASSERT_EQ(app.CreateOwnedObjects(), 0);
    ASSERT_NE(app.driverSettingsLibrary(), nullptr);
    ASSERT_NE(app.commLibrary(), nullptr);
    ASSERT_NE(app.mediaTable(), nullptr);
    EXPECT_EQ(app.mediaTable()->Records().size(), 2u);
    EXPECT_FALSE(app.commLibrary()->IsLoaded());

    app.DestroyOwnedObjects();
    EXPECT_EQ(app.mediaTable(), nullptr);
    EXPECT_EQ(app.commLibrary(), nullptr);
    EXPECT_EQ(app.driverSettingsLibrary(), nullptr);
}

TEST_F(ServiceAppTest, IncompleteMediaTableIsReported) {
    // Three records announced, the second missing.
    installation_.WriteSettingsFile(
        "Media.ini",
        "MEDIA_NUM=3\nMEDIA01=1,0,0,1,0,0,0,1,5,1,720,720,2,1440,1440,-1,0,0,-1,0,0\n"
        "MEDIA03=3,1,0,2,0,0,1,2,3,1,720,720,-1,0,0,-1,0,0,-1,0,0\n");
    ServiceApp app(installation_.ProgramFolder(), {messages_, clock_, spooler_});
    EXPECT_EQ(app.CreateOwnedObjects(), -2);
    // The bindings come first, so they exist for the tear-down.
    EXPECT_NE(app.driverSettingsLibrary(), nullptr);
    EXPECT_NE(app.commLibrary(), nullptr);
    EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(ServiceAppTest, BitmapsComeFromTheResources) {
    ServiceApp app(installation_.ProgramFolder(), {messages_, clock_, spooler_});
    const QPixmap frames = app.LoadBitmap(170);
    EXPECT_EQ(frames.size(), QSize(64, 32));
    // The magenta key colour is transparent.
    EXPECT_EQ(frames.toImage().pixelColor(0, 0).alpha(), 0);
    EXPECT_TRUE(app.LoadBitmap(1).isNull());

    struct Picture {
        int number;
        QSize size;
    };
    const Picture pictures[] = {
        {146, {480, 200}}, {149, {32, 32}},  {150, {32, 32}},  {151, {32, 32}}, {152, {32, 32}},
        {153, {32, 32}},   {154, {32, 32}},  {155, {32, 32}},  {156, {32, 32}}, {157, {32, 32}},
        {159, {32, 32}},   {160, {32, 32}},  {163, {340, 34}}, {166, {39, 36}}, {171, {456, 22}},
        {173, {480, 240}}, {175, {600, 60}}, {179, {600, 60}},
    };
    for (const Picture& picture : pictures) {
        EXPECT_EQ(app.LoadBitmap(picture.number).size(), picture.size) << picture.number;
    }
    const QList<QSize> iconSizes = ServiceApp::WindowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256}) EXPECT_TRUE(iconSizes.contains(QSize(size, size)));
}

}  // namespace
