#include "custompaper/pages/CustomFilePage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <vector>

#include "config/MediaTable.h"
#include "custompaper/CustomPaperChoices.h"
#include "custompaper/CustomPaperFile.h"
#include "custompaper/CustomPaperFileListing.h"
#include "custompaper/CustomPaperMedia.h"
#include "custompaper/pages/CustomFileRequest.h"
#include "custompaper/pages/CustomFileSaveDialog.h"
#include "custompaper/pages/CustomPaperControls.h"
#include "custompaper/pages/CustomPaperMediaList.h"
#include "custompaper/pages/SliderEdit.h"
#include "custompaper/pages/TabPage.h"
#include "custompaper/pages/ThicknessPatternPrint.h"
#include "custompaper/pages/ThicknessPlatenControls.h"
#include "pagekit/MarkCombo.h"
#include "pagekit/ProgressDialog.h"
#include "platform/FileDialogs.h"
#include "platform/WaitCursor.h"
#include "sampleprint/ColorDensityDialog.h"
#include "sampleprint/MediaTypeDialog.h"
#include "sampleprint/PaperFeedDialog.h"
#include "sampleprint/PrintQualityDialog.h"

namespace {

using Self = CustomFilePage;

constexpr int kPageHeight = 462;
constexpr int kFileLabel = 1093;
constexpr int kSettingLabel = 1067;
constexpr int kMediaLabel = 1095;
constexpr int kThicknessLabel = 1077;
constexpr int kThicknessUnit = 1099;
constexpr int kPlatenLabel = 1078;
constexpr int kModeLabel = 1107;
constexpr int kDensityLabel = 1109;
constexpr int kFeedLabel = 1081;
constexpr int kDryLabel = 1082;
constexpr int kCutLabel = 1083;
constexpr int kRollerLabel = 1080;
constexpr int kSuctionLabel = 1127;
constexpr std::array<int, 3> kDensityScale = {1110, 1111, 1112};
constexpr std::array<int, 3> kFeedScale = {1116, 1117, 1118};
constexpr std::array<int, 3> kDryScale = {1121, 1122, 1123};

constexpr int32_t kPageTitle = 50000;
constexpr int32_t kFileTitle = 50002;
constexpr int32_t kSettingTitle = 50003;
constexpr int32_t kMediaTitle = 50004;
constexpr int32_t kThicknessTitle = 50005;
constexpr int32_t kPlatenTitle = 50007;
constexpr int32_t kSettingsTabTitle = 50008;
constexpr int32_t kHandlingTabTitle = 50009;
constexpr int32_t kModeTitle = 50010;
constexpr int32_t kDensityTitle = 50011;
constexpr int32_t kFeedTitle = 50015;
constexpr int32_t kDryTitle = 50019;
constexpr int32_t kCutTitle = 50023;
constexpr int32_t kRollerTitle = 50024;
constexpr int32_t kSuctionTitle = 50025;
constexpr int32_t kNewSetting = 50110;
constexpr int32_t kOtherModel = 50900;
constexpr int32_t kUnreadable = 50901;
constexpr int32_t kPatternSent = 50904;

constexpr int kActivationLimitMs = 60000;
constexpr int32_t kMinDensity = -50, kMaxDensity = 50;
constexpr int32_t kMinFeed = -70, kMaxFeed = 70;
constexpr int32_t kMinDry = 0, kMaxDry = 50;

constexpr std::array<ControlText, 17> kTexts = {{
    {kFileLabel, kFileTitle},
    {Self::kFileName, -1},
    {Self::kBrowseButton, 50101},
    {kSettingLabel, kSettingTitle},
    {Self::kSettingList, -1},
    {kMediaLabel, kMediaTitle},
    {Self::kMediaList, -1},
    {Self::kMediaSamplesButton, 50102},
    {kThicknessLabel, kThicknessTitle},
    {Self::kThicknessEdit, -1},
    {kThicknessUnit, 50006},
    {Self::kThicknessPatternButton, 50103},
    {kPlatenLabel, kPlatenTitle},
    {Self::kPlatenList, -1},
    {Self::kTabs, -1},
    {Self::kSaveButton, 50107},
    {Page::kHelpButton, 50100},
}};

constexpr std::array<ControlRect, 17> kRects = {{
    {kFileLabel, 15, 12, 130, 30},
    {Self::kFileName, 135, 10, 430, 32},
    {Self::kBrowseButton, 440, 8, 585, 34},
    {kSettingLabel, 15, 44, 130, 62},
    {Self::kSettingList, 135, 42, 430, 64},
    {kMediaLabel, 15, 76, 130, 94},
    {Self::kMediaList, 135, 74, 430, 96},
    {Self::kMediaSamplesButton, 440, 72, 585, 98},
    {kThicknessLabel, 15, 108, 130, 126},
    {Self::kThicknessEdit, 135, 106, 175, 128},
    {kThicknessUnit, 180, 108, 260, 126},
    {Self::kThicknessPatternButton, 440, 104, 585, 130},
    {kPlatenLabel, 15, 140, 130, 158},
    {Self::kPlatenList, 135, 138, 430, 160},
    {Self::kTabs, 15, 172, 585, 422},
    {Self::kSaveButton, 475, 430, 585, 456},
    {Page::kHelpButton, 11, 432, 124, 454},
}};

constexpr std::array<ControlText, 23> kSettingsTabTexts = {{
    {kModeLabel, kModeTitle},
    {Self::kModeList, -1},
    {Self::kQualitySamplesButton, 50104},
    {kDensityLabel, kDensityTitle},
    {Self::kDensitySlider, -1},
    {Self::kDensityEdit, -1},
    {Self::kDensitySamplesButton, 50105},
    {kDensityScale[0], 50012},
    {kDensityScale[1], 50013},
    {kDensityScale[2], 50014},
    {kFeedLabel, kFeedTitle},
    {Self::kFeedSlider, -1},
    {Self::kFeedEdit, -1},
    {Self::kFeedSamplesButton, 50106},
    {kFeedScale[0], 50016},
    {kFeedScale[1], 50017},
    {kFeedScale[2], 50018},
    {kDryLabel, kDryTitle},
    {Self::kDrySlider, -1},
    {Self::kDryEdit, -1},
    {kDryScale[0], 50020},
    {kDryScale[1], 50021},
    {kDryScale[2], 50022},
}};

constexpr std::array<ControlRect, 23> kSettingsTabRects = {{
    {kModeLabel, 10, 12, 150, 30},
    {Self::kModeList, 155, 10, 395, 32},
    {Self::kQualitySamplesButton, 455, 8, 550, 34},
    {kDensityLabel, 10, 50, 150, 68},
    {Self::kDensitySlider, 155, 46, 395, 70},
    {Self::kDensityEdit, 400, 48, 445, 68},
    {Self::kDensitySamplesButton, 455, 44, 550, 72},
    {kDensityScale[0], 155, 72, 235, 88},
    {kDensityScale[1], 235, 72, 315, 88},
    {kDensityScale[2], 315, 72, 395, 88},
    {kFeedLabel, 10, 104, 150, 122},
    {Self::kFeedSlider, 155, 100, 395, 124},
    {Self::kFeedEdit, 400, 102, 445, 122},
    {Self::kFeedSamplesButton, 455, 98, 550, 126},
    {kFeedScale[0], 155, 126, 235, 142},
    {kFeedScale[1], 235, 126, 315, 142},
    {kFeedScale[2], 315, 126, 395, 142},
    {kDryLabel, 10, 158, 150, 176},
    {Self::kDrySlider, 155, 154, 395, 178},
    {Self::kDryEdit, 400, 156, 445, 176},
    {kDryScale[0], 155, 180, 235, 196},
    {kDryScale[1], 235, 180, 315, 196},
    {kDryScale[2], 315, 180, 395, 196},
}};

constexpr std::array<ControlText, 11> kHandlingTabTexts = {{
    {kCutLabel, kCutTitle},
    {Self::kCutList, -1},
    {kRollerLabel, kRollerTitle},
    {Self::kRollerList, -1},
    {kSuctionLabel, kSuctionTitle},
    {kSuctionSlider, -1},
    {kFirstSuctionTick, 50026},
    {kFirstSuctionTick + 1, 50027},
    {kFirstSuctionTick + 2, 50028},
    {kFirstSuctionTick + 3, 50029},
    {kFirstSuctionTick + 4, 50030},
}};

constexpr std::array<ControlRect, 11> kHandlingTabRects = {{
    {kCutLabel, 10, 14, 150, 32},
    {Self::kCutList, 155, 12, 400, 34},
    {kRollerLabel, 10, 46, 150, 64},
    {Self::kRollerList, 155, 44, 400, 66},
    {kSuctionLabel, 10, 80, 150, 98},
    {kSuctionSlider, 155, 76, 395, 100},
    {kFirstSuctionTick, 140, 102, 200, 118},
    {kFirstSuctionTick + 1, 195, 102, 255, 118},
    {kFirstSuctionTick + 2, 250, 102, 310, 118},
    {kFirstSuctionTick + 3, 305, 102, 365, 118},
    {kFirstSuctionTick + 4, 360, 102, 420, 118},
}};

constexpr std::array<ReviewedMessage, 10> kReviewedMessages = {{
    {kUnreadable, MessageIcon::Warning},
    {kOtherModel, MessageIcon::Warning},
    {50902, MessageIcon::Warning, MessageButtons::YesNo},
    {50903, MessageIcon::Warning},
    {50950, MessageIcon::Warning},
    {50951, MessageIcon::Warning},
    {50952, MessageIcon::Warning},
    {50953, MessageIcon::Warning},
    {50954, MessageIcon::Warning},
    {kPatternSent, MessageIcon::Information},
}};

QPushButton* AddButton(QWidget* parent, int id) {
    auto* button = new QPushButton(parent);
    SetControlId(button, id);
    return button;
}

}  // namespace

CustomFilePage::CustomFilePage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, kPageHeight, parent) {
    CreateControls();
    Dress(kRects, kTexts);
}

void CustomFilePage::CreateControls() {
    AddLabel(this, kFileLabel);
    fileName_ = AddNamed<QLabel>(app(), this, kFileName, kFileTitle);
    fileName_->setFrameShape(QFrame::Panel);
    fileName_->setFrameShadow(QFrame::Sunken);
    connect(AddButton(this, kBrowseButton), &QPushButton::clicked, this, [this] { Browse(); });

    AddLabel(this, kSettingLabel);
    settings_ = AddNamed<MarkCombo>(app(), this, kSettingList, kSettingTitle);
    settings_->AddEntry(app().LoadText(kNewSetting), 0);
    connect(settings_, &QComboBox::currentIndexChanged, this, [this] { SettingSelected(); });

    AddLabel(this, kMediaLabel);
    media_ = AddNamed<MarkCombo>(app(), this, kMediaList, kMediaTitle);
    mediaList_ = new CustomPaperMediaList(app(), media_);
    connect(media_, &QComboBox::currentIndexChanged, this, [this] { MediaSelected(); });
    connect(AddButton(this, kMediaSamplesButton), &QPushButton::clicked, this,
            [this] { OpenMediaSamples(); });

    AddLabel(this, kThicknessLabel);
    auto* thickness = AddNamed<QLineEdit>(app(), this, kThicknessEdit, kThicknessTitle);
    AddLabel(this, kThicknessUnit);
    connect(AddButton(this, kThicknessPatternButton), &QPushButton::clicked, this,
            [this] { PrintThicknessPatternFrom(app(), *this, kPatternSent); });
    AddLabel(this, kPlatenLabel);
    auto* platen = AddNamed<QComboBox>(app(), this, kPlatenList, kPlatenTitle);
    thickness_ = new ThicknessPlatenControls(app(), thickness, platen,
                                             choice_lists::kCustomFilePlaten.front().textId,
                                             [this](int32_t paperThick, int32_t platenGap) {
                                                 entry_.paperThick = paperThick;
                                                 entry_.platen = platenGap;
                                             });

    tabs_ = new QTabWidget(this);
    SetControlId(tabs_, kTabs);
    CreateSettingsTab(AddTabPage(app(), tabs_, kSettingsTabTitle));
    CreateHandlingTab(AddTabPage(app(), tabs_, kHandlingTabTitle));

    connect(AddButton(this, kSaveButton), &QPushButton::clicked, this, [this] { Save(); });
    AddHelpButton();
}

void CustomFilePage::CreateSettingsTab(QWidget* tab) {
    AddLabel(tab, kModeLabel);
    modes_ = AddNamed<QComboBox>(app(), tab, kModeList, kModeTitle);
    connect(modes_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) entry_.mode = modes_->itemData(index).toInt();
    });
    qualitySamples_ = AddButton(tab, kQualitySamplesButton);
    connect(qualitySamples_, &QPushButton::clicked, this, [this] { OpenQualitySamples(); });

    AddLabel(tab, kDensityLabel);
    density_ =
        new SliderEdit(AddSlider(app(), tab, kDensitySlider, kDensityTitle),
                       AddNamed<QLineEdit>(app(), tab, kDensityEdit, kDensityTitle), kMinDensity,
                       kMaxDensity, [this](int32_t value) { entry_.density = value; });
    densitySamples_ = AddButton(tab, kDensitySamplesButton);
    connect(densitySamples_, &QPushButton::clicked, this, [this] { OpenDensitySamples(); });
    AddScale(tab, kDensityScale);

    AddLabel(tab, kFeedLabel);
    feed_ = new SliderEdit(AddSlider(app(), tab, kFeedSlider, kFeedTitle),
                           AddNamed<QLineEdit>(app(), tab, kFeedEdit, kFeedTitle), kMinFeed,
                           kMaxFeed, [this](int32_t value) { entry_.forward = value; });
    feedSamples_ = AddButton(tab, kFeedSamplesButton);
    connect(feedSamples_, &QPushButton::clicked, this, [this] { OpenFeedSamples(); });
    AddScale(tab, kFeedScale);

    AddLabel(tab, kDryLabel);
    dry_ = new SliderEdit(AddSlider(app(), tab, kDrySlider, kDryTitle),
                          AddNamed<QLineEdit>(app(), tab, kDryEdit, kDryTitle), kMinDry, kMaxDry,
                          [this](int32_t value) { entry_.dryTime = value; });
    AddScale(tab, kDryScale);
    DressTabPage(app(), tab, kSettingsTabRects, kSettingsTabTexts);
}

void CustomFilePage::CreateHandlingTab(QWidget* tab) {
    AddLabel(tab, kCutLabel);
    cut_ = AddChoiceList(app(), tab, kCutList, kCutTitle, choice_lists::kCustomFilePaperCut,
                         [this](int32_t value) { entry_.paperCut = value; });
    AddLabel(tab, kRollerLabel);
    roller_ = AddChoiceList(app(), tab, kRollerList, kRollerTitle, choice_lists::kCustomFileRoller,
                            [this](int32_t value) { entry_.roller = value; });
    AddLabel(tab, kSuctionLabel);
    suction_ = AddSuctionSlider(app(), tab, kSuctionTitle,
                                [this](int32_t level) { entry_.paperDraw = level; });
    DressTabPage(app(), tab, kHandlingTabRects, kHandlingTabTexts);
}

const std::string& CustomFilePage::modelName() {
    return app().selectedPrinter().driverName;
}

int CustomFilePage::PageActivated() {
    {
        const WaitCursor cursor;
        ProgressDialog progress(app());
        progress.Show(app().LoadText(kPageTitle), kActivationLimitMs, false, nullptr);
        if (mediaList_->RebuildForSelectedPrinter()) {
            MediaSelected();
            ShowChoiceIndex(roller_, 0);
            entry_.roller = 0;
        }
        UpdateSampleButtons();
    }
    ReviewMessages(kReviewedMessages);
    return 1;
}

void CustomFilePage::PrinterDefaultsChanged() {
    mediaList_->ApplyGreyRule();
    UpdateSampleButtons();
}

void CustomFilePage::Browse() {
    const std::string path = app().fileDialogs().ChooseFileToOpen(this, CustomFileRequest());
    if (path.empty()) return;
    CustomPaperFile file;
    if (file.Open(path, modelName()) != 0) {
        Tell(kOtherModel, MessageIcon::Warning);
        return;
    }
    fileName_->setText(QString::fromStdString(std::filesystem::path(path).filename().string()));
    path_ = path;
    if (FillSettingList(file) != 0) Tell(kUnreadable, MessageIcon::Warning);
}

int CustomFilePage::FillSettingList(const CustomPaperFile& file) {
    const QSignalBlocker quiet(settings_);
    settings_->clear();
    settings_->AddEntry(app().LoadText(kNewSetting), 0);
    std::vector<FileSettingItem> items;
    const int listed = ListFileSettings(file, *app().mediaTable(), mediaList_->InkLayout(), items);
    for (size_t i = 0; i < items.size(); ++i) {
        settings_->AddEntry(QString::fromStdString(items[i].name), static_cast<uint32_t>(i + 1));
        if (!items[i].usable) settings_->SetMark(settings_->count() - 1, MarkCombo::kMark);
    }
    settings_->setCurrentIndex(0);
    return listed;
}

void CustomFilePage::SettingSelected() {
    const int k = settings_->currentIndex();
    if (k < 0) return;
    CustomPaperFileEntry chosen;
    if (k > 0) {
        CustomPaperFile file;
        if (file.Open(path_, modelName()) != 0 || file.ReadEntry(k, chosen) != 0) {
            Tell(kUnreadable, MessageIcon::Warning);
            return;
        }
        FindFileEntryMedia(chosen, *app().mediaTable());
    }
    entry_ = chosen;
    if (k == 0) {
        mediaList_->SelectFirst();
        MediaSelected();
    }
    mediaList_->Select(entry_.mediaId);
    UpdateSampleButtons();
    thickness_->Load(entry_.paperThick, entry_.platen);
    ShowTabs();
}

void CustomFilePage::MediaSelected() {
    entry_.mediaId = mediaList_->SelectedId();
    if (entry_.mediaId != 0) {
        if (const std::optional<int32_t> thickness = mediaList_->ChooseInDriver(entry_.mediaId))
            thickness_->SetThickness(*thickness);
    }
    FillModeList();
    UpdateSampleButtons();
}

void CustomFilePage::FillModeList() {
    const std::vector<int32_t> offered = OfferedPrintModes(*app().mediaTable(), entry_.mediaId);
    const int32_t chosen = ChoosePrintMode(offered, entry_.mode);
    const QSignalBlocker quiet(modes_);
    modes_->clear();
    for (int32_t mode : offered) {
        modes_->addItem(app().LoadText(*ChoiceTextId(choice_lists::kCustomFileMode, mode)), mode);
    }
    modes_->setCurrentIndex(modes_->findData(chosen));
    if (chosen != 0) entry_.mode = chosen;
}

void CustomFilePage::ShowTabs() {
    const CustomPaperFileEntry shown = entry_;
    FillModeList();
    density_->SetValue(shown.density);
    feed_->SetValue(shown.forward);
    dry_->SetValue(shown.dryTime);
    ShowChoiceIndex(cut_, shown.paperCut);
    ShowChoiceIndex(roller_, shown.roller);
    suction_->setValue(-shown.paperDraw);
}

void CustomFilePage::UpdateSampleButtons() {
    const bool allowed = mediaList_->AllowsSamples();
    for (QPushButton* button : {qualitySamples_, densitySamples_, feedSamples_})
        button->setEnabled(allowed);
}

void CustomFilePage::OpenMediaSamples() {
    MediaTypeDialog(app(), entry_, this).exec();
}

void CustomFilePage::OpenQualitySamples() {
    PrintQualityDialog(app(), entry_, this).exec();
}

void CustomFilePage::OpenDensitySamples() {
    ColorDensityDialog(app(), entry_, this).exec();
}

void CustomFilePage::OpenFeedSamples() {
    PaperFeedDialog(app(), entry_, this).exec();
}

void CustomFilePage::Save() {
    CompleteFileEntryMedia(entry_, *app().mediaTable());
    entry_.inkMode = mediaList_->InkLayout();
    CustomFileSaveDialog dialog(app(), path_, entry_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.path() == path_) {
        CustomPaperFile file;
        if (file.Open(path_, modelName()) != 0 || FillSettingList(file) != 0) return;
    }
    {
        const QSignalBlocker quiet(settings_);
        settings_->setCurrentIndex(0);
    }
    SettingSelected();
}
