#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "platform/DynamicLibrary.h"
#include "ztset/DriverSettingsBlocks.h"
#include "ztset/SettingsRecord.h"

// The library's entry points on queues of a private CUPS server. The program's binding reaching it
// through a queue's driver folder, and its record's options reaching the printer through CUPS, are
// the sample print end-to-end test's; the items, the context test's.
namespace {

TEST(ZtsetSandboxTest, EntryPointsRefuseWhatTheyCannotServe) {
    CupsSandbox sandbox;
    ASSERT_TRUE(sandbox.Start());
    ASSERT_TRUE(sandbox.AddQueue("Corvid", "socket://127.0.0.2:9", "ZENTA Corvid 4000"));
    std::string output;  // a queue without a PPD: a raw queue
    ASSERT_EQ(ChildProcess::Run({"lpadmin", "-h", sandbox.Server(), "-p", "NoPpd", "-E", "-v",
                                 "socket://127.0.0.2:9"},
                                output),
              0)
        << output;
    DynamicLibrary library;
    ASSERT_TRUE(library.Open(SERVATO_BIN_DIR "/libztset32.so"));
    const auto open =
        reinterpret_cast<int32_t (*)(const char*, const char*, int32_t, const uint8_t*, int32_t*)>(
            library.Symbol("ZTDM_Open"));
    const auto getData =
        reinterpret_cast<int32_t (*)(int32_t, int32_t, void*)>(library.Symbol("ZTDM_GetData"));
    const auto getDevMode =
        reinterpret_cast<int32_t (*)(int32_t, uint8_t*)>(library.Symbol("ZTDM_GetDevMode"));
    const auto close = reinterpret_cast<int32_t (*)(int32_t)>(library.Symbol("ZTDM_Close"));
    ASSERT_TRUE(open && getData && getDevMode && close);

    const std::vector<uint8_t> record = SettingsRecord("Corvid").Encode();
    const struct {
        const char* what;
        const char* queue;
        int32_t flags;
        const uint8_t* record;
    } refused[] = {
        {"record flag without a record", "Corvid", 2, nullptr},
        {"a record without its flag", "Corvid", 0, record.data()},
        {"no queue name", nullptr, 0, nullptr},
        {"an unknown queue", "Missing", 0, nullptr},
        {"a queue without a PPD", "NoPpd", 0, nullptr},
    };
    for (const auto& row : refused) {
        int32_t handle = 99;
        EXPECT_EQ(open(row.queue, "", row.flags, row.record, &handle), -1) << row.what;
        EXPECT_EQ(handle, 0) << row.what;
    }
    EXPECT_EQ(open("Corvid", "", 0, nullptr, nullptr), -1);

    int32_t handle = 0;
    ASSERT_EQ(open("Corvid", "", 2, record.data(), &handle), 0);
    ASSERT_NE(handle, 0);
    MediaAdjustBlock adjust;
    EXPECT_EQ(getData(handle, DriverItem::kMediaAdjust, &adjust), 0);
    EXPECT_EQ(getData(handle, DriverItem::kMediaAdjust, nullptr), -1);
    EXPECT_EQ(close(handle), 0);
    EXPECT_EQ(close(handle), -1);
    EXPECT_EQ(getData(handle, DriverItem::kMediaAdjust, &adjust), -1);
    EXPECT_EQ(getDevMode(handle, nullptr), 0);
}

}  // namespace
