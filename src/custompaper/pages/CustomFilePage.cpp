#include "custompaper/pages/CustomFilePage.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <array>
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
#include "custompaper/pages/FileNameBox.h"
#include "custompaper/pages/SliderEdit.h"
#include "custompaper/pages/SliderRow.h"
#include "custompaper/pages/TabPage.h"
#include "custompaper/pages/ThicknessPlatenControls.h"
#include "pagekit/MarkCombo.h"
#include "pagekit/ProgressDialog.h"
#include "platform/FileDialogs.h"
#include "platform/WaitCursor.h"
#include "sampleprint/ColorDensityDialog.h"
#include "sampleprint/PrintQualityDialog.h"

namespace {

using Self = CustomFilePage;

constexpr int kPageHeight = 462;
constexpr int kFileLabel = 1093;
constexpr int kSettingLabel = 1067;
constexpr int kModeLabel = 1107;
constexpr int kCutLabel = 1083;
constexpr int kSuctionLabel = 1127;

constexpr int32_t kPageTitle = 50000;
constexpr int32_t kFileTitle = 50002;
constexpr int32_t kSettingTitle = 50003;
constexpr int32_t kSettingsTabTitle = 50008;
constexpr int32_t kHandlingTabTitle = 50009;
constexpr int32_t kModeTitle = 50010;
constexpr int32_t kNewSetting = 50110;
constexpr int32_t kOtherModel = 50900;
constexpr int32_t kUnreadable = 50901;
constexpr int32_t kPatternSent = 50904;

constexpr int kActivationLimitMs = 60000;

constexpr SliderRow kDensityRow{.label = 1109,
                                .slider = Self::kDensitySlider,
                                .edit = Self::kDensityEdit,
                                .samplesButton = Self::kDensitySamplesButton,
                                .firstScale = 1110,
                                .titleText = 50011,
                                .samplesText = 50105,
                                .min = -50,
                                .max = 50,
                                .top = 46};

constexpr EditingPageLayout kLayout{
    .paperRowsTop = 74,
    .mediaTitle = 50004,
    .mediaSamplesText = 50102,
    .thicknessTitle = 50005,
    .thicknessUnitText = 50006,
    .patternText = 50103,
    .platenTitle = 50007,
    .patternSent = kPatternSent,
    .feedSlider = Self::kFeedSlider,
    .feedEdit = Self::kFeedEdit,
    .feedSamplesButton = Self::kFeedSamplesButton,
    .feedTitle = 50015,
    .feedSamplesText = 50106,
    .dryTitle = 50019,
    .feedTop = 100,
    .dryTop = 154,
    .cutLabel = kCutLabel,
    .cutTitle = 50023,
    .rollerTitle = 50024,
    .suctionLabel = kSuctionLabel,
    .suctionTitle = 50025,
    .choices = kCustomFileChoiceTexts,
};

constexpr std::array<ControlText, 8> kTexts = {{
    {kFileLabel, kFileTitle},
    {Self::kFileName, -1},
    {Self::kBrowseButton, 50101},
    {kSettingLabel, kSettingTitle},
    {Self::kSettingList, -1},
    {Self::kTabs, -1},
    {Self::kSaveButton, 50107},
    {Page::kHelpButton, 50100},
}};

constexpr std::array<ControlRect, 8> kRects = {{
    {kFileLabel, 15, 12, 130, 30},
    {Self::kFileName, 135, 10, 430, 32},
    {Self::kBrowseButton, 440, 8, 585, 34},
    {kSettingLabel, 15, 44, 130, 62},
    {Self::kSettingList, 135, 42, 430, 64},
    {Self::kTabs, 15, 172, 585, 422},
    {Self::kSaveButton, 475, 430, 585, 456},
    {Page::kHelpButton, 11, 432, 124, 454},
}};

constexpr std::array<ControlText, 3> kModeTexts = {{
    {kModeLabel, kModeTitle},
    {Self::kModeList, -1},
    {Self::kQualitySamplesButton, 50104},
}};

constexpr std::array<ControlRect, 3> kModeRects = {{
    {kModeLabel, 10, 12, 150, 30},
    {Self::kModeList, 155, 10, 395, 32},
    {Self::kQualitySamplesButton, 455, 8, 550, 34},
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

}  // namespace

CustomFilePage::CustomFilePage(ServiceApp& app, QWidget* parent)
    : CustomPaperEditingPage(app, kPageNumber, kPageHeight, kLayout, parent) {
    CreateControls();
    Dress(kRects, kTexts);
}

void CustomFilePage::CreateControls() {
    AddLabel(this, kFileLabel);
    fileName_ = AddNamed<FileNameBox>(app(), this, kFileName, kFileTitle);
    connect(AddButton(this, kBrowseButton), &QPushButton::clicked, this, [this] { Browse(); });

    AddLabel(this, kSettingLabel);
    settings_ = AddNamed<MarkCombo>(app(), this, kSettingList, kSettingTitle);
    settings_->AddEntry(app().LoadText(kNewSetting), 0);
    connect(settings_, &QComboBox::currentIndexChanged, this, [this] { SettingSelected(); });

    AddPaperRowsAndTabs();
    CreateSettingsTab(AddTab(kSettingsTabTitle));
    AddHandlingRows(AddTab(kHandlingTabTitle));

    connect(AddButton(this, kSaveButton), &QPushButton::clicked, this, [this] { Save(); });
    AddHelpButton();
}

void CustomFilePage::CreateSettingsTab(QWidget* tab) {
    AddLabel(tab, kModeLabel);
    modes_ = AddNamed<QComboBox>(app(), tab, kModeList, kModeTitle);
    connect(modes_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) entry_.mode = modes_->itemData(index).toInt();
    });
    QPushButton* qualitySamples = AddButton(tab, kQualitySamplesButton);
    connect(qualitySamples, &QPushButton::clicked, this, [this] { OpenQualitySamples(); });
    AddSamplesButton(qualitySamples);

    const SliderRowControls density = AddSliderRow(
        app(), tab, kDensityRow, [this](int32_t value) { entry_.density = value; },
        [this] { OpenDensitySamples(); });
    density_ = density.value;
    AddSamplesButton(density.samples);
    AddFeedAndDryRows(tab);
    DressTabPage(app(), tab, kModeRects, kModeTexts);
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
            ResetRoller();
        }
        UpdateSampleButtons();
    }
    ReviewMessages(kReviewedMessages);
    return 1;
}

void CustomFilePage::Browse() {
    const std::string path = app().fileDialogs().ChooseFileToOpen(this, CustomFileRequest());
    if (path.empty()) return;
    CustomPaperFile file;
    if (file.Open(path, modelName()) != 0) {
        Tell(kOtherModel, MessageIcon::Warning);
        return;
    }
    fileName_->ShowFileOf(path);
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
    if (entry_.mediaId != 0) ProposeThicknessOf(entry_.mediaId);
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
    ShowSharedFields(shown);
}

void CustomFilePage::OpenQualitySamples() {
    PrintQualityDialog(app(), entry_, this).exec();
}

void CustomFilePage::OpenDensitySamples() {
    ColorDensityDialog(app(), entry_, this).exec();
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
