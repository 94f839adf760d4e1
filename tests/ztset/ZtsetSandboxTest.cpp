#include <cups/cups.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "CupsSandbox.h"
#include "ModelFiles.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettings.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "driversettings/SuctionValue.h"
#include "platform/CupsSpooler.h"
#include "platform/DynamicLibrary.h"
#include "ztset/SettingsRecord.h"

// The library installed with the models' queues in a private CUPS server, reached the way the
// program reaches it: the queue's driver folder, the printer defaults, a context per page.
namespace {

struct IppDelete {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDelete>;

// A job that carries the record's options and is held, so the server keeps it as it was asked.
int SubmitHeldJob(const std::string& queue, const SettingsRecord& record) {
    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& [name, value] : record.Options())
        count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
    count = cupsAddOption("job-hold-until", "indefinite", count, &options);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), "Sample", count, options);
    cupsFreeOptions(count, options);
    return job;
}

// The job's attributes as the server holds them, first values as text.
std::map<std::string, std::string> JobOptions(int job) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const std::string uri = "ipp://localhost/jobs/" + std::to_string(job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "all");
    const Ipp response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    std::map<std::string, std::string> options;
    if (!response) return options;
    for (ipp_attribute_t* attribute = ippFirstAttribute(response.get()); attribute != nullptr;
         attribute = ippNextAttribute(response.get())) {
        const char* name = ippGetName(attribute);
        const char* text = ippGetString(attribute, 0, nullptr);
        if (name != nullptr && text != nullptr) options[name] = text;
    }
    return options;
}

// A queue without a PPD (a raw queue).
bool AddRawQueue(const std::string& queue) {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
    const std::string uri = "ipp://localhost/printers/" + queue;
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr,
                 "socket://127.0.0.2:9");
    ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/admin/"));
    return cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

class ZtsetSandboxTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sandbox = std::make_unique<CupsSandbox>();
        ASSERT_TRUE(sandbox->Start());
    }
    static void TearDownTestSuite() { sandbox.reset(); }
    void SetUp() override { ASSERT_TRUE(sandbox) << "the sandbox did not start"; }

    static inline std::unique_ptr<CupsSandbox> sandbox;
};

TEST_F(ZtsetSandboxTest, QueuesOfBothModelsThroughTheProgramsBinding) {
    const std::pair<std::string, std::string> rows[] = {{"ZENTA Corvid 4000", "Corvid4000"},
                                                        {"ZENTA Corvid 2000", "Corvid2000"}};
    for (const auto& [model, queue] : rows) {
        SCOPED_TRACE(model);
        ASSERT_TRUE(sandbox->AddQueue(queue, "socket://127.0.0.2:9", model));
        CupsSpooler spooler;
        DriverSettingsLibrary library(spooler);
        ASSERT_TRUE(library.Load(queue)) << "from " << spooler.DriverFolder(queue);
        EXPECT_EQ(DriverMediaList(&library, queue, "").Count(),
                  static_cast<int>(OfferedMediaIds().size()));

        // The queue's defaults, changed through the program's binding as a page changes them.
        std::optional<std::vector<uint8_t>> defaults(std::in_place);
        ASSERT_GE(DriverSettings(&library, queue, "").GetDevMode(*defaults), 1);
        DriverSettings settings(&library, queue, "", *defaults);
        ASSERT_TRUE(settings.IsOpen());
        EXPECT_EQ(settings.SetItem20(), 0);
        EXPECT_EQ(settings.SetPaperSource(7), 0);
        EXPECT_EQ(settings.SelectMedia(12, 3), 0);
        EXPECT_EQ(settings.SetPaperSize(settings.GetPaperWidth(), settings.SampleLength()), 0);
        MediaAdjustBlock adjust;
        ASSERT_EQ(settings.GetMediaAdjustBlock(adjust), 0);
        adjust.bytes[MediaAdjustByte::kSuction] = static_cast<uint8_t>(SuctionValue(-2));
        EXPECT_EQ(settings.SetMediaAdjustBlock(adjust), 0);
        std::vector<uint8_t> bytes;
        ASSERT_GT(settings.GetDevMode(bytes), 0);
        const auto record = SettingsRecord::Decode(bytes);
        ASSERT_TRUE(record);
        const std::pair<std::string, std::string> changed[] = {{"MediaType", "Media12"},
                                                               {"Resolution", "720x1440dpi"},
                                                               {"InputSlot", "Sheet"},
                                                               {"ZTSuction", "30"},
                                                               {"ZTSampleJob", "1"}};
        for (const auto& [name, value] : changed) EXPECT_EQ(record->Find(name), value) << name;
        EXPECT_TRUE(record->Find("PageSize")->ends_with("x160.0mm"));

        const int job = SubmitHeldJob(queue, *record);
        ASSERT_GT(job, 0) << cupsLastErrorString();
        const auto jobOptions = JobOptions(job);
        for (const auto& [name, value] : record->Options())
            EXPECT_EQ(jobOptions.count(name) ? jobOptions.at(name) : "(missing)", value) << name;
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 1);
    }
}

TEST_F(ZtsetSandboxTest, EntryPointsRefuseWhatTheyCannotServe) {
    ASSERT_TRUE(sandbox->AddQueue("Corvid", "socket://127.0.0.2:9", "ZENTA Corvid 4000"));
    ASSERT_TRUE(AddRawQueue("NoPpd"));
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
    std::vector<uint8_t> truncated(kSettingsRecordMaxSize, 0);
    std::copy(record.begin(), record.end() - 1, truncated.begin());
    const struct {
        const char* what;
        const char* queue;
        int32_t flags;
        const uint8_t* record;
    } refused[] = {
        {"record flag without a record", "Corvid", 2, nullptr},
        {"a record without its flag", "Corvid", 0, record.data()},
        {"a truncated record", "Corvid", 2, truncated.data()},
        {"another queue's record", "Other", 2, record.data()},
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
