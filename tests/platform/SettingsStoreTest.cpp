#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/RegKey.h"
#include "platform/SettingsStore.h"
#include "platform/StatusMonitorDrivers.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        RegKey::SetStoreFolders(UserFolder(), MachineFolder());
    }
    QString UserFolder() const { return home_.filePath("user"); }
    QString MachineFolder() const { return home_.filePath("machine"); }
    void WriteMachineFile(const QString& relativePath, const QByteArray& contents) {
        const QString path = QDir(MachineFolder()).filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QTemporaryDir home_;
};

TEST_F(SettingsStoreTest, DefaultsUntilWrittenThenValuesSurviveARoundTrip) {
    SettingsStore store;
    EXPECT_EQ(store.ReadString("FwPath", "/fallback"), "/fallback");
    EXPECT_EQ(store.ReadNumber("SampleMediaR", 7), 7);
    const std::string longPath(300, 'x');
    ASSERT_EQ(store.WriteString("FwPath", "/home/tech/firmware files/ü"), 0);
    ASSERT_EQ(store.WriteString("SampleMedia", longPath), 0);
    ASSERT_EQ(store.WriteNumber("SampleMediaR", -123456), 0);
    ASSERT_EQ(store.WriteString("SelectPrinter", ""), 0);

    EXPECT_TRUE(QFile::exists(QDir(UserFolder()).filePath("SoftWare/ZENTA Servato 2.ini")));
    SettingsStore again;
    EXPECT_EQ(again.ReadString("FwPath"), "/home/tech/firmware files/ü");
    EXPECT_EQ(again.ReadString("SampleMedia"), longPath.substr(0, 259));
    EXPECT_EQ(again.ReadNumber("SampleMediaR", 0), -123456);
    EXPECT_EQ(again.ReadString("SelectPrinter", "kept?"), "");
    // A string where a number is expected reads as the default.
    EXPECT_EQ(again.ReadNumber("FwPath", 42), 42);
}

TEST_F(SettingsStoreTest, SavePathFallsBackToTheMachineWideValueUntilTheUserSavesOne) {
    WriteMachineFile("SoftWare/ZENTA Servato 2.ini", "[Corvid%204000]\nSavePath=/srv/papers\n");
    SettingsStore store;
    EXPECT_EQ(store.ReadSavePath(), "/srv/papers");
    // Only SavePath falls back; other values never come from the machine.
    WriteMachineFile("SoftWare/ZENTA Servato 2.ini",
                     "[Corvid%204000]\nSavePath=/srv/papers\nSelectPrinter=machine\n");
    EXPECT_EQ(store.ReadString("SelectPrinter"), "");

    ASSERT_EQ(store.WriteString("SavePath", "/home/tech/papers"), 0);
    EXPECT_EQ(store.ReadSavePath(), "/home/tech/papers");

    RegKey machine;
    ASSERT_TRUE(machine.Open(RegRoot::LocalMachine, SettingsStore::kKeyPath, false));
    EXPECT_NE(machine.WriteString(SettingsStore::kSubkey, "SavePath", "/x"), 0);
}

TEST_F(SettingsStoreTest, StatusMonitorDriverList) {
    // No status monitor installed: every driver passes.
    EXPECT_TRUE(StatusMonitorDrivers::IsRegistered("ZENTA Corvid 4000"));

    WriteMachineFile("Software/ZENTA.ini", "[Other]\nx=1\n");
    EXPECT_FALSE(StatusMonitorDrivers::IsRegistered("ZENTA Corvid 4000"));

    WriteMachineFile("Software/ZENTA.ini",
                     "[KVT3/Driver/ZENTA%20Corvid%202000]\nName=1\n"
                     "[KVT3/Driver/ZENTA%20Corvid%204000]\nName=1\n");
    EXPECT_TRUE(StatusMonitorDrivers::IsRegistered("ZENTA Corvid 4000"));
    EXPECT_TRUE(StatusMonitorDrivers::IsRegistered("ZENTA Corvid 2000"));
    EXPECT_FALSE(StatusMonitorDrivers::IsRegistered("zenta corvid 4000"));
    EXPECT_FALSE(StatusMonitorDrivers::IsRegistered("ZENTA Corvid"));
}

}  // namespace
