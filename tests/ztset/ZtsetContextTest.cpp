#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <regex>

#include "DriverContext.h"
#include "FileText.h"
#include "config/MediaTable.h"
#include "ztset/DriverSettingsBlocks.h"

// The library's contexts on the model PPDs, opened by the code that serves a queue once its PPD
// has been fetched.
namespace {

const std::string kPpdFolder = SERVATO_SOURCE_DIR "/driver/ppd/";

// What the model files state, read independently of the code under test: the PPD's
// "*MediaType Media<id>/<name>:" lines in file order, and the ids of the media table whose media
// code is not -1, in table order, each once.
std::vector<std::pair<int, std::string>> PpdMedia(const std::string& ppdPath) {
    const std::string text = ReadFileText(ppdPath);
    std::vector<std::pair<int, std::string>> media;
    const std::regex line(R"(\*MediaType Media(\d+)/([^:]*):)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line);
         it != std::sregex_iterator(); ++it)
        media.emplace_back(std::stoi((*it)[1]), (*it)[2]);
    return media;
}

std::vector<int> OfferedMediaIds() {
    const MediaTable table(SERVATO_SOURCE_DIR "/settings/");
    std::vector<int> ids;
    for (const MediaRecord& record : table.Records()) {
        if (record.mediaCode != -1 &&
            std::find(ids.begin(), ids.end(), record.mediaId) == ids.end())
            ids.push_back(record.mediaId);
    }
    return ids;
}

struct Model {
    const char* ppd;
    uint32_t inkWord6;
    int16_t maxWidth;  // 0.1 mm
};
const Model kModels[] = {{"ZENTA_Corvid_4000.ppd", 0x0A070601, 16256},
                         {"ZENTA_Corvid_2000.ppd", 0x0504030B, 6096}};

std::optional<DriverContext> OpenModel(
    const Model& model, const uint8_t* record = nullptr,
    const std::vector<std::pair<std::string, std::string>>& queueOptions = {}) {
    auto ppd = DriverModel::Open(kPpdFolder + model.ppd);
    if (!ppd) return std::nullopt;
    return DriverContext::Open(std::move(*ppd), "Corvid", queueOptions, record);
}

int32_t Set(DriverContext& context, int32_t item, const auto& block) {
    return context.SetData(item, reinterpret_cast<intptr_t>(&block));
}

TEST(ZtsetContextTest, MediaListNamesAndInksAreThePpdsAndTheMediaTables) {
    const auto offered = OfferedMediaIds();
    ASSERT_FALSE(offered.empty());
    for (const Model& model : kModels) {
        SCOPED_TRACE(model.ppd);
        auto context = OpenModel(model);
        ASSERT_TRUE(context);
        MediaIdRangeBlock range;
        ASSERT_EQ(context->GetRange(DriverItem::kMediaIds, &range), 0);
        ASSERT_EQ(range.elementSize, 2);
        std::vector<uint16_t> ids(range.count);
        range.ids = ids.data();
        ASSERT_EQ(context->GetRange(DriverItem::kMediaIds, &range), 0);
        EXPECT_EQ(std::vector<int>(ids.begin(), ids.end()), offered);

        const auto ppdMedia = PpdMedia(kPpdFolder + model.ppd);
        ASSERT_EQ(ppdMedia.size(), ids.size());
        for (size_t i = 0; i < ids.size(); ++i) {
            char name[kMediaNameCapacity] = {};
            MediaNameBlock block{.mediaId = ids[i], .name = name};
            ASSERT_EQ(context->GetData(DriverItem::kMediaName, &block), 0);
            EXPECT_EQ(ppdMedia[i], std::make_pair(int{ids[i]}, std::string(name)));
        }
        char name[6];
        std::memset(name, 'Z', sizeof name);
        MediaNameBlock shortBuffer{.capacity = sizeof name, .mediaId = 1, .name = name};
        ASSERT_EQ(context->GetData(DriverItem::kMediaName, &shortBuffer), 0);
        EXPECT_EQ(std::strlen(name), 5u) << "a whole-character prefix";
        MediaNameBlock unknown{.mediaId = 9999, .name = name};
        EXPECT_EQ(context->GetData(DriverItem::kMediaName, &unknown), -1);

        InkSetBlock inks;
        ASSERT_EQ(context->GetData(DriverItem::kInkSet, &inks), 0);
        EXPECT_EQ(inks.words[6], model.inkWord6);
    }
}

TEST(ZtsetContextTest, ItemsChangeTheRecordAndRefuseWhatThePpdCannotTake) {
    for (const Model& model : kModels) {
        SCOPED_TRACE(model.ppd);
        auto context = OpenModel(model);
        ASSERT_TRUE(context);

        int16_t source = 0;
        ASSERT_EQ(context->GetData(DriverItem::kPaperSource, &source), 0);
        EXPECT_EQ(source, 256);
        for (const auto& [code, readBack] : {std::pair{7, 7}, {4, 4}, {258, 7}, {256, 256}}) {
            EXPECT_EQ(context->SetData(DriverItem::kPaperSource, code), 0);
            ASSERT_EQ(context->GetData(DriverItem::kPaperSource, &source), 0);
            EXPECT_EQ(source, readBack);
        }
        EXPECT_EQ(context->SetData(DriverItem::kPaperSource, 5), -1);

        PaperSizeBlock size;
        ASSERT_EQ(context->GetData(DriverItem::kPaperSize, &size), 0);
        EXPECT_EQ(size.width, 2099);  // A4 is 595 x 842 pt in the PPD
        EXPECT_EQ(size.length, 2970);
        const std::string widest = "Custom." + std::to_string(model.maxWidth / 10) + "." +
                                   std::to_string(model.maxWidth % 10) + "x160.0mm";
        const std::tuple<int16_t, int16_t, std::string> sizes[] = {
            {model.maxWidth, 1600, widest},
            {2159, 2794, "Letter"},
            {static_cast<int16_t>(model.maxWidth + 10), 1600, ""},
            {100, 1600, ""},
            {0, 1600, ""}};
        for (const auto& [width, length, pageSize] : sizes) {
            EXPECT_EQ(Set(*context, DriverItem::kPaperSize, PaperSizeBlock{width, length}),
                      pageSize.empty() ? -1 : 0)
                << width;
            if (pageSize.empty()) continue;
            EXPECT_EQ(context->Record().Find("PageSize"), pageSize);
            ASSERT_EQ(context->GetData(DriverItem::kPaperSize, &size), 0);
            EXPECT_EQ(std::pair(size.width, size.length), std::pair(width, length));
        }

        MediaSelectBlock media;
        ASSERT_EQ(context->GetData(DriverItem::kMedia, &media), 0);
        EXPECT_EQ(media.mediaValue, OfferedMediaIds().front());
        EXPECT_EQ(
            Set(*context, DriverItem::kMedia, MediaSelectBlock{.selector = 2, .mediaValue = 12}),
            0);
        EXPECT_EQ(context->Record().Find("MediaType"), "Media12");
        EXPECT_EQ(context->Record().Find("Resolution"), "360dpi");
        EXPECT_EQ(Set(*context, DriverItem::kMediaExtended,
                      MediaExtendedBlock{.mediaValue = 3, .variant = 15}),
                  0);
        EXPECT_EQ(context->Record().Find("Resolution"), "1440dpi");
        EXPECT_EQ(
            Set(*context, DriverItem::kMedia, MediaSelectBlock{.selector = 1, .mediaValue = 999}),
            -1);
        EXPECT_EQ(context->Record().Find("MediaType"), "Media3");
        MediaExtendedBlock readKind;
        ASSERT_EQ(context->GetData(DriverItem::kMediaExtended, &readKind), 0);
        EXPECT_EQ(std::pair(readKind.mediaValue, readKind.variant), std::pair(3u, 15u));

        EXPECT_EQ(Set(*context, DriverItem::kFlags205, FlagBlock{.flags = 1}), 0);
        FlagBlock flags;
        ASSERT_EQ(context->GetData(DriverItem::kFlags205, &flags), 0);
        EXPECT_EQ(flags.flags, 1u);
        FlagBlock wrongSize{.size = 16};
        EXPECT_EQ(context->GetData(DriverItem::kFlags205, &wrongSize), -1);
        EXPECT_EQ(context->SetData(DriverItem::kSampleJob, 1), 0);
        EXPECT_EQ(context->SetData(DriverItem::kSampleJob, 3), -1);
        EXPECT_EQ(context->GetData(12345, &flags), -1);
    }
}

TEST(ZtsetContextTest, AdjustmentBlockIsReadModifiedAndWrittenWhole) {
    auto context = OpenModel(kModels[0]);
    ASSERT_TRUE(context);
    MediaAdjustBlock block;
    ASSERT_EQ(context->GetData(DriverItem::kMediaAdjust, &block), 0);
    EXPECT_EQ(std::vector(block.bytes, block.bytes + 12),
              (std::vector<uint8_t>{0, 0, 0, 2, 100, 0, 0, 2, 0, 0, 0, 0}));

    const std::pair<size_t, int> changes[] = {
        {MediaAdjustByte::kDensity, -50}, {MediaAdjustByte::kFeed, -35},
        {MediaAdjustByte::kDryTime, 50},  {MediaAdjustByte::kThickness, 16},
        {MediaAdjustByte::kSuction, 6},   {MediaAdjustByte::kPaperCut, 3},
        {MediaAdjustByte::kPlatenGap, 4}, {MediaAdjustByte::kRoller, 1}};
    for (const auto& [at, value] : changes) block.bytes[at] = static_cast<uint8_t>(value);
    ASSERT_EQ(Set(*context, DriverItem::kMediaAdjust, block), 0);
    EXPECT_EQ(context->Record().Find("ZTFeedAdjust"), "-35");
    EXPECT_EQ(context->Record().Find("ZTSuction"), "6");

    MediaAdjustBlock invalid = block;
    invalid.bytes[MediaAdjustByte::kPlatenGap] = 9;
    invalid.bytes[MediaAdjustByte::kDensity] = 10;
    EXPECT_EQ(Set(*context, DriverItem::kMediaAdjust, invalid), -1);
    MediaAdjustBlock readBack;
    ASSERT_EQ(context->GetData(DriverItem::kMediaAdjust, &readBack), 0);
    EXPECT_EQ(std::vector(readBack.bytes, readBack.bytes + 12),
              std::vector(block.bytes, block.bytes + 12))
        << "a refused block changes nothing";
}

TEST(ZtsetContextTest, RecordCarriesEveryChangeIntoTheNextContextAndQueueOptionsTheirs) {
    auto context = OpenModel(kModels[1]);
    ASSERT_TRUE(context);
    ASSERT_EQ(Set(*context, DriverItem::kMedia, MediaSelectBlock{.selector = 1, .mediaValue = 12}),
              0);
    MediaAdjustBlock adjust;
    ASSERT_EQ(context->GetData(DriverItem::kMediaAdjust, &adjust), 0);
    adjust.bytes[MediaAdjustByte::kFeed] = 70;
    ASSERT_EQ(Set(*context, DriverItem::kMediaAdjust, adjust), 0);
    ASSERT_EQ(Set(*context, DriverItem::kPaperSize, PaperSizeBlock{6000, 1600}), 0);
    ASSERT_EQ(context->SetData(DriverItem::kPaperSource, 7), 0);
    const auto record = context->Record().Encode();
    auto reopened = OpenModel(kModels[1], record.data());
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->Record().Options(), context->Record().Options());

    // Another queue's record, and one whose choices the PPD no longer offers.
    EXPECT_FALSE(OpenModel(kModels[1], SettingsRecord("Other").Encode().data()));
    SettingsRecord stale("Corvid");
    stale.Set("MediaType", "Media9999");
    stale.Set("ZTPlatenGap", "7");
    stale.Set("copies", "2");
    auto fromStale = OpenModel(kModels[1], stale.Encode().data());
    ASSERT_TRUE(fromStale);
    EXPECT_EQ(fromStale->Record().Find("ZTPlatenGap"), "2");
    EXPECT_EQ(fromStale->Record().Find("MediaType"),
              "Media" + std::to_string(OfferedMediaIds().front()));
    EXPECT_EQ(fromStale->Record().Find("copies"), "2");

    auto fromQueue = OpenModel(
        kModels[0], nullptr,
        {{"InputSlot", "Sheet"}, {"PageSize", "Custom.500x300mm"}, {"printer-info", "x"}});
    ASSERT_TRUE(fromQueue);
    int16_t source = 0;
    ASSERT_EQ(fromQueue->GetData(DriverItem::kPaperSource, &source), 0);
    EXPECT_EQ(source, 7);
    PaperSizeBlock size;
    ASSERT_EQ(fromQueue->GetData(DriverItem::kPaperSize, &size), 0);
    EXPECT_EQ(size.width, 5000);
    EXPECT_EQ(size.length, 3000);
    EXPECT_FALSE(fromQueue->Record().Find("printer-info"));
}

TEST(ZtsetContextTest, PpdWithoutTheModelsAttributesFailsItsItems) {
    const std::string path = testing::TempDir() + "plain.ppd";
    std::ofstream(path) << "*PPD-Adobe: \"4.3\"\n*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
                           "*PageSize A4/A4: \"\"\n*CloseUI: *PageSize\n";
    auto ppd = DriverModel::Open(path);
    ASSERT_TRUE(ppd);
    auto context = DriverContext::Open(std::move(*ppd), "Plain", {}, nullptr);
    ASSERT_TRUE(context);
    MediaIdRangeBlock range;
    MediaAdjustBlock adjust;
    EXPECT_EQ(context->GetRange(DriverItem::kMediaIds, &range), -1);
    EXPECT_EQ(context->GetData(DriverItem::kMediaAdjust, &adjust), -1);
    EXPECT_EQ(context->SetData(DriverItem::kPaperSource, 256), -1);

    const std::string notPpd = testing::TempDir() + "not.ppd";
    std::ofstream(notPpd) << "this is not a PPD\n";
    EXPECT_FALSE(DriverModel::Open(notPpd));
    EXPECT_FALSE(DriverModel::Open(testing::TempDir() + "missing.ppd"));
}

}  // namespace
