#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "DriverContext.h"
#include "ModelFiles.h"
#include "ztset/DriverSettingsBlocks.h"

// The library's contexts on the model PPDs, opened by the code that serves a queue once its PPD
// has been fetched.
namespace {

const std::string kPpdFolder = SERVATO_SOURCE_DIR "/driver/ppd/";

struct Model {
    const char* ppd;
    uint32_t inkWord6;
    int16_t maxWidth;  // 0.1 mm
};
const Model kModels[] = {{"ZENTA_Corvid_4000.ppd", 0x0A070601, 16256},
                         {"ZENTA_Corvid_2000.ppd", 0x0504030B, 6096}};

std::optional<DriverContext> OpenModel(const Model& model, const uint8_t* record = nullptr) {
    auto ppd = DriverModel::Open(kPpdFolder + model.ppd);
    if (!ppd) return std::nullopt;
    return DriverContext::Open(std::move(*ppd), "Corvid", {}, record);
}

int32_t Set(DriverContext& context, int32_t item, const auto& block) {
    return context.SetData(item, reinterpret_cast<intptr_t>(&block));
}

TEST(ZtsetContextTest, MediaListAndNamesAreThePpdsAndTheMediaTables) {
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
            MediaNameBlock block;
            block.mediaId = ids[i];
            block.name = name;
            ASSERT_EQ(context->GetData(DriverItem::kMediaName, &block), 0);
            EXPECT_EQ(ppdMedia[i], std::make_pair(int{ids[i]}, std::string(name)));
        }
        MediaNameBlock unknown;
        char name[4] = "x";
        unknown.mediaId = 9999;
        unknown.name = name;
        EXPECT_EQ(context->GetData(DriverItem::kMediaName, &unknown), -1);

        InkSetBlock inks;
        ASSERT_EQ(context->GetData(DriverItem::kInkSet, &inks), 0);
        EXPECT_EQ(inks.words[6], model.inkWord6);
    }
}

TEST(ZtsetContextTest, ShortNameBufferGetsAWholeCharacterPrefix) {
    auto context = OpenModel(kModels[0]);
    ASSERT_TRUE(context);
    char name[6];
    std::memset(name, 'Z', sizeof name);
    MediaNameBlock block;
    block.mediaId = 1;
    block.capacity = sizeof name;
    block.name = name;
    ASSERT_EQ(context->GetData(DriverItem::kMediaName, &block), 0);
    EXPECT_EQ(std::strlen(name), 5u);
}

TEST(ZtsetContextTest, ItemsChangeTheRecordAndRefuseWhatThePpdCannotTake) {
    for (const Model& model : kModels) {
        SCOPED_TRACE(model.ppd);
        auto context = OpenModel(model);
        ASSERT_TRUE(context);

        int16_t source = 0;
        ASSERT_EQ(context->GetData(DriverItem::kPaperSource, &source), 0);
        EXPECT_EQ(source, 256);
        const std::pair<intptr_t, int16_t> sources[] = {{7, 7}, {4, 4}, {258, 7}, {256, 256}};
        for (const auto& [code, readBack] : sources) {
            EXPECT_EQ(context->SetData(DriverItem::kPaperSource, code), 0);
            ASSERT_EQ(context->GetData(DriverItem::kPaperSource, &source), 0);
            EXPECT_EQ(source, readBack);
        }
        EXPECT_EQ(context->SetData(DriverItem::kPaperSource, 5), -1);

        PaperSizeBlock size;
        ASSERT_EQ(context->GetData(DriverItem::kPaperSize, &size), 0);
        EXPECT_EQ(size.width, 2099);  // A4 is 595 x 842 pt in the PPD
        EXPECT_EQ(size.length, 2970);
        const struct {
            PaperSizeBlock block;
            int32_t result;
            std::string pageSize;
        } sizes[] = {
            {{model.maxWidth, 1600},
             0,
             "Custom." + std::to_string(model.maxWidth / 10) + "." +
                 std::to_string(model.maxWidth % 10) + "x160.0mm"},
            {{2159, 2794}, 0, "Letter"},
            {{static_cast<int16_t>(model.maxWidth + 10), 1600}, -1, ""},
            {{100, 1600}, -1, ""},
            {{0, 1600}, -1, ""},
        };
        for (const auto& row : sizes) {
            EXPECT_EQ(Set(*context, DriverItem::kPaperSize, row.block), row.result)
                << row.block.width;
            if (row.result == 0) {
                EXPECT_EQ(context->Record().Find("PageSize"), row.pageSize);
                ASSERT_EQ(context->GetData(DriverItem::kPaperSize, &size), 0);
                EXPECT_EQ(size.width, row.block.width);
                EXPECT_EQ(size.length, row.block.length);
            }
        }

        MediaSelectBlock media{0, 0, 0, 0};
        ASSERT_EQ(context->GetData(DriverItem::kMedia, &media), 0);
        EXPECT_EQ(media.mediaValue, OfferedMediaIds().front());
        const struct {
            int32_t item;
            intptr_t block;
            int32_t result;
            const char* mediaType;
            const char* resolution;
        } selections[] = {
            {DriverItem::kMedia, 0, 0, "Media12", "360dpi"},
            {DriverItem::kMediaExtended, 1, 0, "Media3", "1440dpi"},
            {DriverItem::kMedia, 2, -1, "Media3", "1440dpi"},
        };
        MediaSelectBlock kind1;
        kind1.selector = 2;
        kind1.mediaValue = 12;
        MediaExtendedBlock kind4;
        kind4.mediaValue = 3;
        kind4.variant = 15;
        MediaSelectBlock unknownMedia;
        unknownMedia.selector = 1;
        unknownMedia.mediaValue = 999;
        const intptr_t blocks[] = {reinterpret_cast<intptr_t>(&kind1),
                                   reinterpret_cast<intptr_t>(&kind4),
                                   reinterpret_cast<intptr_t>(&unknownMedia)};
        for (const auto& row : selections) {
            EXPECT_EQ(context->SetData(row.item, blocks[row.block]), row.result);
            EXPECT_EQ(context->Record().Find("MediaType"), row.mediaType);
            EXPECT_EQ(context->Record().Find("Resolution"), row.resolution);
        }
        MediaExtendedBlock readKind;
        ASSERT_EQ(context->GetData(DriverItem::kMediaExtended, &readKind), 0);
        EXPECT_EQ(readKind.mediaValue, 3u);
        EXPECT_EQ(readKind.variant, 15u);

        FlagBlock flags;
        ASSERT_EQ(context->GetData(DriverItem::kFlags204, &flags), 0);
        EXPECT_EQ(flags.flags, 0x2u);
        ASSERT_EQ(context->GetData(DriverItem::kFlags205, &flags), 0);
        EXPECT_EQ(flags.flags, 0x9u);
        flags.flags = 0x1;
        EXPECT_EQ(Set(*context, DriverItem::kFlags205, flags), 0);
        FlagBlock wrongSize;
        wrongSize.size = 16;
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
    const uint8_t defaults[kMediaAdjustBytes] = {0, 0, 0, 2, 100, 0, 0, 2, 0, 0, 0, 0};
    EXPECT_EQ(std::vector(block.bytes, block.bytes + 12), std::vector(defaults, defaults + 12));

    block.bytes[MediaAdjustByte::kDensity] = static_cast<uint8_t>(-50);
    block.bytes[MediaAdjustByte::kFeed] = static_cast<uint8_t>(-35);
    block.bytes[MediaAdjustByte::kDryTime] = 50;
    block.bytes[MediaAdjustByte::kThickness] = 16;
    block.bytes[MediaAdjustByte::kSuction] = 6;
    block.bytes[MediaAdjustByte::kPaperCut] = 3;
    block.bytes[MediaAdjustByte::kPlatenGap] = 4;
    block.bytes[MediaAdjustByte::kRoller] = 1;
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

TEST(ZtsetContextTest, RecordCarriesEveryChangeIntoTheNextContext) {
    auto context = OpenModel(kModels[1]);
    ASSERT_TRUE(context);
    MediaSelectBlock media;
    media.selector = 1;
    media.mediaValue = 12;
    ASSERT_EQ(Set(*context, DriverItem::kMedia, media), 0);
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
    MediaSelectBlock readMedia;
    ASSERT_EQ(reopened->GetData(DriverItem::kMedia, &readMedia), 0);
    EXPECT_EQ(readMedia.mediaValue, 12);
    MediaAdjustBlock readAdjust;
    ASSERT_EQ(reopened->GetData(DriverItem::kMediaAdjust, &readAdjust), 0);
    EXPECT_EQ(readAdjust.bytes[MediaAdjustByte::kFeed], 70);

    // Another queue's record, a damaged one, and one whose choices the PPD no longer offers.
    SettingsRecord otherQueue("Other");
    EXPECT_FALSE(OpenModel(kModels[1], otherQueue.Encode().data()));
    auto damaged = record;
    damaged[damaged.size() / 2] ^= 0x55;
    EXPECT_FALSE(OpenModel(kModels[1], damaged.data()));
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
}

TEST(ZtsetContextTest, QueueOptionsOverridePpdDefaults) {
    auto ppd = DriverModel::Open(kPpdFolder + kModels[0].ppd);
    ASSERT_TRUE(ppd);
    auto context = DriverContext::Open(
        std::move(*ppd), "Corvid",
        {{"InputSlot", "Sheet"}, {"PageSize", "Custom.500x300mm"}, {"printer-info", "x"}}, nullptr);
    ASSERT_TRUE(context);
    int16_t source = 0;
    ASSERT_EQ(context->GetData(DriverItem::kPaperSource, &source), 0);
    EXPECT_EQ(source, 7);
    PaperSizeBlock size;
    ASSERT_EQ(context->GetData(DriverItem::kPaperSize, &size), 0);
    EXPECT_EQ(size.width, 5000);
    EXPECT_EQ(size.length, 3000);
    EXPECT_FALSE(context->Record().Find("printer-info"));
}

TEST(ZtsetContextTest, PpdWithoutTheModelsAttributesFailsItsItems) {
    const std::string path = testing::TempDir() + "plain.ppd";
    std::ofstream(path)
        << "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
           "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
           "*PCFileName: \"PLAIN.PPD\"\n*Manufacturer: \"Other\"\n"
           "*Product: \"(Plain)\"\n*ModelName: \"Plain\"\n*ShortNickName: \"Plain\"\n"
           "*NickName: \"Plain\"\n*PSVersion: \"(3010.000) 0\"\n"
           "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
           "*PageSize A4/A4: \"\"\n*CloseUI: *PageSize\n";
    auto ppd = DriverModel::Open(path);
    ASSERT_TRUE(ppd);
    auto context = DriverContext::Open(std::move(*ppd), "Plain", {}, nullptr);
    ASSERT_TRUE(context);
    MediaIdRangeBlock range;
    InkSetBlock inks;
    MediaAdjustBlock adjust;
    MediaSelectBlock media;
    int16_t source = 0;
    EXPECT_EQ(context->GetRange(DriverItem::kMediaIds, &range), -1);
    EXPECT_EQ(context->GetData(DriverItem::kInkSet, &inks), -1);
    EXPECT_EQ(context->GetData(DriverItem::kMediaAdjust, &adjust), -1);
    EXPECT_EQ(context->GetData(DriverItem::kMedia, &media), -1);
    EXPECT_EQ(context->GetData(DriverItem::kPaperSource, &source), -1);
    EXPECT_EQ(context->SetData(DriverItem::kPaperSource, 256), -1);

    const std::string notPpd = testing::TempDir() + "not.ppd";
    std::ofstream(notPpd) << "this is not a PPD\n";
    EXPECT_FALSE(DriverModel::Open(notPpd));
    EXPECT_FALSE(DriverModel::Open(testing::TempDir() + "missing.ppd"));
}

}  // namespace
