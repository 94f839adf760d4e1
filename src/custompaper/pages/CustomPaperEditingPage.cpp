#include "custompaper/pages/CustomPaperEditingPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <array>
#include <optional>

#include "custompaper/pages/CustomPaperControls.h"
#include "custompaper/pages/CustomPaperMediaList.h"
#include "custompaper/pages/SliderEdit.h"
#include "custompaper/pages/SliderRow.h"
#include "custompaper/pages/TabPage.h"
#include "custompaper/pages/ThicknessPatternPrint.h"
#include "custompaper/pages/ThicknessPlatenControls.h"
#include "pagekit/MarkCombo.h"
#include "sampleprint/MediaTypeDialog.h"
#include "sampleprint/PaperFeedDialog.h"

namespace {

constexpr int kMediaLabel = 1095;
constexpr int kThicknessLabel = 1077;
constexpr int kThicknessUnit = 1099;
constexpr int kPlatenLabel = 1078;
constexpr int kRollerLabel = 1080;
constexpr int kFeedLabel = 1081;
constexpr int kFirstFeedScale = 1116;
constexpr int32_t kMinFeed = -70, kMaxFeed = 70;
constexpr int kDryLabel = 1082;
constexpr int kFirstDryScale = 1121;
constexpr int32_t kMinDry = 0, kMaxDry = 50;

}  // namespace

template <typename Setting>
CustomPaperEditingPage<Setting>::CustomPaperEditingPage(ServiceApp& app, int pageNumber, int height,
                                                        const EditingPageLayout& layout,
                                                        QWidget* parent)
    : Page(app, pageNumber, height, parent), layout_(layout) {}

template <typename Setting>
void CustomPaperEditingPage<Setting>::AddPaperRowsAndTabs() {
    AddLabel(this, kMediaLabel);
    media_ = AddNamed<MarkCombo>(app(), this, kMediaList, layout_.mediaTitle);
    mediaList_ = new CustomPaperMediaList(app(), media_);
    connect(media_, &QComboBox::currentIndexChanged, this, [this] { MediaSelected(); });
    connect(AddButton(this, kMediaSamplesButton), &QPushButton::clicked, this,
            [this] { OpenMediaSamples(); });

    AddLabel(this, kThicknessLabel);
    auto* thickness = AddNamed<QLineEdit>(app(), this, kThicknessEdit, layout_.thicknessTitle);
    AddLabel(this, kThicknessUnit);
    connect(AddButton(this, kThicknessPatternButton), &QPushButton::clicked, this,
            [this] { PrintThicknessPatternFrom(app(), *this, layout_.patternSent); });
    AddLabel(this, kPlatenLabel);
    auto* platen = AddNamed<QComboBox>(app(), this, kPlatenList, layout_.platenTitle);
    thickness_ =
        new ThicknessPlatenControls(app(), thickness, platen, layout_.choices.platen.front().textId,
                                    [this](int32_t paperThick, int32_t platenGap) {
                                        working().paperThick = paperThick;
                                        working().platen = platenGap;
                                    });

    tabs_ = new QTabWidget(this);
    SetControlId(tabs_, kTabs);

    const int top = layout_.paperRowsTop;
    const std::array<ControlRect, 9> rects = {{
        {kMediaLabel, 15, top + 2, 130, top + 20},
        {kMediaList, 135, top, 430, top + 22},
        {kMediaSamplesButton, 440, top - 2, 585, top + 24},
        {kThicknessLabel, 15, top + 34, 130, top + 52},
        {kThicknessEdit, 135, top + 32, 175, top + 54},
        {kThicknessUnit, 180, top + 34, 260, top + 52},
        {kThicknessPatternButton, 440, top + 30, 585, top + 56},
        {kPlatenLabel, 15, top + 66, 130, top + 84},
        {kPlatenList, 135, top + 64, 430, top + 86},
    }};
    const std::array<ControlText, 9> texts = {{
        {kMediaLabel, layout_.mediaTitle},
        {kMediaList, -1},
        {kMediaSamplesButton, layout_.mediaSamplesText},
        {kThicknessLabel, layout_.thicknessTitle},
        {kThicknessEdit, -1},
        {kThicknessUnit, layout_.thicknessUnitText},
        {kThicknessPatternButton, layout_.patternText},
        {kPlatenLabel, layout_.platenTitle},
        {kPlatenList, -1},
    }};
    Dress(rects, texts);
}

template <typename Setting>
QWidget* CustomPaperEditingPage<Setting>::AddTab(int32_t captionText) {
    return AddTabPage(app(), tabs_, captionText);
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::AddFeedAndDryRows(QWidget* tab) {
    const SliderRow feedRow{.label = kFeedLabel,
                            .slider = layout_.feedSlider,
                            .edit = layout_.feedEdit,
                            .samplesButton = layout_.feedSamplesButton,
                            .firstScale = kFirstFeedScale,
                            .titleText = layout_.feedTitle,
                            .samplesText = layout_.feedSamplesText,
                            .min = kMinFeed,
                            .max = kMaxFeed,
                            .top = layout_.feedTop};
    const SliderRowControls feed = AddSliderRow(
        app(), tab, feedRow, [this](int32_t value) { working().forward = value; },
        [this] { OpenFeedSamples(); });
    feed_ = feed.value;
    AddSamplesButton(feed.samples);
    const SliderRow dryRow{.label = kDryLabel,
                           .slider = kDrySlider,
                           .edit = kDryEdit,
                           .samplesButton = 0,
                           .firstScale = kFirstDryScale,
                           .titleText = layout_.dryTitle,
                           .samplesText = 0,
                           .min = kMinDry,
                           .max = kMaxDry,
                           .top = layout_.dryTop};
    dry_ = AddSliderRow(app(), tab, dryRow, [this](int32_t value) {
               working().dryTime = value;
           }).value;
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::AddHandlingRows(QWidget* tab) {
    AddLabel(tab, layout_.cutLabel);
    cut_ = AddChoiceList(app(), tab, kCutList, layout_.cutTitle, layout_.choices.paperCut,
                         [this](int32_t value) { working().paperCut = value; });
    AddLabel(tab, kRollerLabel);
    roller_ = AddChoiceList(app(), tab, kRollerList, layout_.rollerTitle, layout_.choices.roller,
                            [this](int32_t value) { working().roller = value; });
    AddLabel(tab, layout_.suctionLabel);
    suction_ = AddSuctionSlider(app(), tab, layout_.suctionTitle,
                                [this](int32_t level) { working().paperDraw = level; });

    const std::span<const ChoiceText> ticks = layout_.choices.paperDraw;
    const std::array<ControlRect, 11> rects = {{
        {layout_.cutLabel, 10, 14, 150, 32},
        {kCutList, 155, 12, 400, 34},
        {kRollerLabel, 10, 46, 150, 64},
        {kRollerList, 155, 44, 400, 66},
        {layout_.suctionLabel, 10, 80, 150, 98},
        {kSuctionSlider, 155, 76, 395, 100},
        {kFirstSuctionTick, 140, 102, 200, 118},
        {kFirstSuctionTick + 1, 195, 102, 255, 118},
        {kFirstSuctionTick + 2, 250, 102, 310, 118},
        {kFirstSuctionTick + 3, 305, 102, 365, 118},
        {kFirstSuctionTick + 4, 360, 102, 420, 118},
    }};
    const std::array<ControlText, 11> texts = {{
        {layout_.cutLabel, layout_.cutTitle},
        {kCutList, -1},
        {kRollerLabel, layout_.rollerTitle},
        {kRollerList, -1},
        {layout_.suctionLabel, layout_.suctionTitle},
        {kSuctionSlider, -1},
        {kFirstSuctionTick, ticks[0].textId},
        {kFirstSuctionTick + 1, ticks[1].textId},
        {kFirstSuctionTick + 2, ticks[2].textId},
        {kFirstSuctionTick + 3, ticks[3].textId},
        {kFirstSuctionTick + 4, ticks[4].textId},
    }};
    DressTabPage(app(), tab, rects, texts);
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::AddSamplesButton(QPushButton* button) {
    samplesButtons_.push_back(button);
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::UpdateSampleButtons() {
    const bool allowed = mediaList_->AllowsSamples();
    for (QPushButton* button : samplesButtons_) button->setEnabled(allowed);
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::PrinterDefaultsChanged() {
    mediaList_->ApplyGreyRule();
    UpdateSampleButtons();
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::ProposeThicknessOf(int32_t mediaId) {
    if (const std::optional<int32_t> thickness = mediaList_->ChooseInDriver(mediaId))
        thickness_->SetThickness(*thickness);
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::ShowSharedFields(const Setting& shown) {
    feed_->SetValue(shown.forward);
    dry_->SetValue(shown.dryTime);
    ShowChoiceIndex(cut_, shown.paperCut);
    ShowChoiceIndex(roller_, shown.roller);
    suction_->setValue(-shown.paperDraw);
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::ResetRoller() {
    ShowChoiceIndex(roller_, 0);
    working().roller = 0;
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::OpenMediaSamples() {
    MediaTypeDialog(app(), working(), this).exec();
}

template <typename Setting>
void CustomPaperEditingPage<Setting>::OpenFeedSamples() {
    PaperFeedDialog(app(), working(), this).exec();
}

template class CustomPaperEditingPage<CustomPaperFileEntry>;
template class CustomPaperEditingPage<CustomPaperSlot>;
