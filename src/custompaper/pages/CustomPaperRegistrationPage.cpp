#include "custompaper/pages/CustomPaperRegistrationPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <array>
#include <optional>

#include "comm/PrinterLink.h"
#include "config/MediaTable.h"
#include "custompaper/CustomPaperChoices.h"
#include "custompaper/CustomPaperMedia.h"
#include "custompaper/PrinterSlotMemory.h"
#include "custompaper/pages/CustomPaperControls.h"
#include "custompaper/pages/CustomPaperMediaList.h"
#include "custompaper/pages/RegisterDialog.h"
#include "custompaper/pages/SliderEdit.h"
#include "custompaper/pages/TabPage.h"
#include "custompaper/pages/ThicknessPatternPrint.h"
#include "custompaper/pages/ThicknessPlatenControls.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/MarkCombo.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/WaitCursor.h"
#include "sampleprint/MediaTypeDialog.h"
#include "sampleprint/PaperFeedDialog.h"

namespace {

using Self = CustomPaperRegistrationPage;

constexpr int kPageHeight = 395;
constexpr int kNameLabel = 1067;
constexpr int kMediaLabel = 1095;
constexpr int kThicknessLabel = 1077;
constexpr int kThicknessUnit = 1099;
constexpr int kPlatenLabel = 1078;
constexpr int kFeedLabel = 1081;
constexpr int kDryLabel = 1082;
constexpr int kCutLabel = 1135;
constexpr int kRollerLabel = 1080;
constexpr int kSuctionLabel = 1136;
constexpr int kOptionLabel = 1084;
// The scale texts under the feed and drying sliders: left, middle, right.
constexpr std::array<int, 3> kFeedScale = {1116, 1117, 1118};
constexpr std::array<int, 3> kDryScale = {1121, 1122, 1123};

constexpr int32_t kPageTitle = 30000;
constexpr int32_t kNameTitle = 30002;
constexpr int32_t kMediaTitle = 30003;
constexpr int32_t kThicknessTitle = 30004;
constexpr int32_t kPlatenTitle = 30006;
constexpr int32_t kFeedTabTitle = 30007;
constexpr int32_t kHandlingTabTitle = 30008;
constexpr int32_t kFeedTitle = 30009;
constexpr int32_t kDryTitle = 30013;
constexpr int32_t kCutTitle = 30017;
constexpr int32_t kRollerTitle = 30018;
constexpr int32_t kSuctionTitle = 30019;
constexpr int32_t kOptionTitle = 30025;
constexpr int32_t kUnknownMedia = 30120;
constexpr int32_t kNoMediaForFeedSamples = 30900;
constexpr int32_t kUnreadable = 30901;
constexpr int32_t kPatternSent = 30905;

constexpr int kReadLimitMs = 60000;
constexpr int32_t kMinFeed = -70, kMaxFeed = 70;
constexpr int32_t kMinDry = 0, kMaxDry = 50;

constexpr std::array<ControlText, 14> kTexts = {{
    {kNameLabel, kNameTitle},
    {Self::kNameList, -1},
    {kMediaLabel, kMediaTitle},
    {Self::kMediaList, -1},
    {Self::kMediaSamplesButton, 30101},
    {kThicknessLabel, kThicknessTitle},
    {Self::kThicknessEdit, -1},
    {kThicknessUnit, 30005},
    {Self::kThicknessPatternButton, 30102},
    {kPlatenLabel, kPlatenTitle},
    {Self::kPlatenList, -1},
    {Self::kTabs, -1},
    {Self::kRegisterButton, 30104},
    {Page::kHelpButton, 30100},
}};

constexpr std::array<ControlRect, 14> kRects = {{
    {kNameLabel, 15, 12, 130, 30},
    {Self::kNameList, 135, 10, 430, 32},
    {kMediaLabel, 15, 44, 130, 62},
    {Self::kMediaList, 135, 42, 430, 64},
    {Self::kMediaSamplesButton, 440, 40, 585, 66},
    {kThicknessLabel, 15, 76, 130, 94},
    {Self::kThicknessEdit, 135, 74, 175, 96},
    {kThicknessUnit, 180, 76, 260, 94},
    {Self::kThicknessPatternButton, 440, 72, 585, 98},
    {kPlatenLabel, 15, 108, 130, 126},
    {Self::kPlatenList, 135, 106, 430, 128},
    {Self::kTabs, 15, 140, 585, 355},
    {Self::kRegisterButton, 475, 362, 585, 388},
    {Page::kHelpButton, 11, 364, 124, 386},
}};

constexpr std::array<ControlText, 13> kFeedTabTexts = {{
    {kFeedLabel, kFeedTitle},
    {Self::kFeedSlider, -1},
    {Self::kFeedEdit, -1},
    {Self::kFeedSamplesButton, 30103},
    {kFeedScale[0], 30010},
    {kFeedScale[1], 30011},
    {kFeedScale[2], 30012},
    {kDryLabel, kDryTitle},
    {Self::kDrySlider, -1},
    {Self::kDryEdit, -1},
    {kDryScale[0], 30014},
    {kDryScale[1], 30015},
    {kDryScale[2], 30016},
}};

constexpr std::array<ControlRect, 13> kFeedTabRects = {{
    {kFeedLabel, 10, 16, 150, 34},
    {Self::kFeedSlider, 155, 12, 395, 36},
    {Self::kFeedEdit, 400, 14, 445, 34},
    {Self::kFeedSamplesButton, 455, 10, 550, 38},
    {kFeedScale[0], 155, 38, 235, 54},
    {kFeedScale[1], 235, 38, 315, 54},
    {kFeedScale[2], 315, 38, 395, 54},
    {kDryLabel, 10, 86, 150, 104},
    {Self::kDrySlider, 155, 82, 395, 106},
    {Self::kDryEdit, 400, 84, 445, 104},
    {kDryScale[0], 155, 108, 235, 124},
    {kDryScale[1], 235, 108, 315, 124},
    {kDryScale[2], 315, 108, 395, 124},
}};

constexpr std::array<ControlText, 13> kHandlingTabTexts = {{
    {kCutLabel, kCutTitle},
    {Self::kCutList, -1},
    {kRollerLabel, kRollerTitle},
    {Self::kRollerList, -1},
    {kSuctionLabel, kSuctionTitle},
    {kSuctionSlider, -1},
    {kFirstSuctionTick, 30020},
    {kFirstSuctionTick + 1, 30021},
    {kFirstSuctionTick + 2, 30022},
    {kFirstSuctionTick + 3, 30023},
    {kFirstSuctionTick + 4, 30024},
    {kOptionLabel, kOptionTitle},
    {Self::kOptionList, -1},
}};

constexpr std::array<ControlRect, 13> kHandlingTabRects = {{
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
    {kOptionLabel, 10, 132, 150, 150},
    {Self::kOptionList, 155, 130, 400, 152},
}};

constexpr std::array<ReviewedMessage, 11> kReviewedMessages = {{
    {kUnreadable, MessageIcon::Warning},
    {kNoMediaForFeedSamples, MessageIcon::Warning},
    {30902, MessageIcon::Warning, MessageButtons::YesNo},
    {30903, MessageIcon::Information},
    {30904, MessageIcon::Warning},
    {50950, MessageIcon::Warning},
    {50951, MessageIcon::Warning},
    {50952, MessageIcon::Warning},
    {50953, MessageIcon::Warning},
    {50954, MessageIcon::Warning},
    {kPatternSent, MessageIcon::Information},
}};

}  // namespace

CustomPaperRegistrationPage::CustomPaperRegistrationPage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, kPageHeight, parent),
      loadText_([&app](int32_t id) { return app.LoadText(id).toStdString(); }) {
    CreateControls();
    Dress(kRects, kTexts);
}

void CustomPaperRegistrationPage::CreateControls() {
    AddLabel(this, kNameLabel);
    names_ = AddNamed<QComboBox>(app(), this, kNameList, kNameTitle);
    connect(names_, &QComboBox::currentIndexChanged, this, [this] { NameSelected(); });

    AddLabel(this, kMediaLabel);
    media_ = AddNamed<MarkCombo>(app(), this, kMediaList, kMediaTitle);
    mediaList_ = new CustomPaperMediaList(app(), media_);
    connect(media_, &QComboBox::currentIndexChanged, this, [this] { MediaSelected(); });
    auto* mediaSamples = new QPushButton(this);
    SetControlId(mediaSamples, kMediaSamplesButton);
    connect(mediaSamples, &QPushButton::clicked, this, [this] { OpenMediaSamples(); });

    AddLabel(this, kThicknessLabel);
    auto* thickness = AddNamed<QLineEdit>(app(), this, kThicknessEdit, kThicknessTitle);
    AddLabel(this, kThicknessUnit);
    auto* pattern = new QPushButton(this);
    SetControlId(pattern, kThicknessPatternButton);
    connect(pattern, &QPushButton::clicked, this,
            [this] { PrintThicknessPatternFrom(app(), *this, kPatternSent); });
    AddLabel(this, kPlatenLabel);
    auto* platen = AddNamed<QComboBox>(app(), this, kPlatenList, kPlatenTitle);
    thickness_ = new ThicknessPlatenControls(app(), thickness, platen,
                                             choice_lists::kRegistrationPlaten.front().textId,
                                             [this](int32_t paperThick, int32_t platenGap) {
                                                 working().paperThick = paperThick;
                                                 working().platen = platenGap;
                                             });

    tabs_ = new QTabWidget(this);
    SetControlId(tabs_, kTabs);
    CreateFeedTab(AddTabPage(app(), tabs_, kFeedTabTitle));
    CreateHandlingTab(AddTabPage(app(), tabs_, kHandlingTabTitle));

    auto* registerButton = new QPushButton(this);
    SetControlId(registerButton, kRegisterButton);
    connect(registerButton, &QPushButton::clicked, this, [this] { Register(); });
    AddHelpButton();
}

void CustomPaperRegistrationPage::CreateFeedTab(QWidget* tab) {
    AddLabel(tab, kFeedLabel);
    QSlider* feedSlider = AddSlider(app(), tab, kFeedSlider, kFeedTitle);
    auto* feedEdit = AddNamed<QLineEdit>(app(), tab, kFeedEdit, kFeedTitle);
    feed_ = new SliderEdit(feedSlider, feedEdit, kMinFeed, kMaxFeed,
                           [this](int32_t value) { working().forward = value; });
    feedSamples_ = new QPushButton(tab);
    SetControlId(feedSamples_, kFeedSamplesButton);
    connect(feedSamples_, &QPushButton::clicked, this, [this] { OpenFeedSamples(); });
    AddScale(tab, kFeedScale);

    AddLabel(tab, kDryLabel);
    QSlider* drySlider = AddSlider(app(), tab, kDrySlider, kDryTitle);
    auto* dryEdit = AddNamed<QLineEdit>(app(), tab, kDryEdit, kDryTitle);
    dry_ = new SliderEdit(drySlider, dryEdit, kMinDry, kMaxDry,
                          [this](int32_t value) { working().dryTime = value; });
    AddScale(tab, kDryScale);
    DressTabPage(app(), tab, kFeedTabRects, kFeedTabTexts);
}

void CustomPaperRegistrationPage::CreateHandlingTab(QWidget* tab) {
    AddLabel(tab, kCutLabel);
    cut_ = AddChoiceList(app(), tab, kCutList, kCutTitle, choice_lists::kRegistrationPaperCut,
                         [this](int32_t value) { working().paperCut = value; });
    AddLabel(tab, kRollerLabel);
    roller_ =
        AddChoiceList(app(), tab, kRollerList, kRollerTitle, choice_lists::kRegistrationRoller,
                      [this](int32_t value) { working().roller = value; });
    AddLabel(tab, kSuctionLabel);
    suction_ = AddSuctionSlider(app(), tab, kSuctionTitle,
                                [this](int32_t level) { working().paperDraw = level; });
    AddLabel(tab, kOptionLabel);
    option_ =
        AddChoiceList(app(), tab, kOptionList, kOptionTitle, choice_lists::kRegistrationExtraOption,
                      [this](int32_t value) { working().extraOption = value; });
    DressTabPage(app(), tab, kHandlingTabRects, kHandlingTabTexts);
}

CustomPaperSlotTable& CustomPaperRegistrationPage::slotTable() {
    return *app().customPaperSlots();
}

CustomPaperSlot& CustomPaperRegistrationPage::working() {
    return slotTable().Slot(-1);
}

const std::string& CustomPaperRegistrationPage::printerName() {
    return app().selectedPrinter().printerName;
}

int CustomPaperRegistrationPage::PageActivated() {
    if (!ReadSlotsFromPrinter()) Tell(kUnreadable, MessageIcon::Warning);
    ReviewMessages(kReviewedMessages);
    return 1;
}

void CustomPaperRegistrationPage::PrinterDefaultsChanged() {
    mediaList_->ApplyGreyRule();
    UpdateFeedSamples();
}

bool CustomPaperRegistrationPage::ReadSlotsFromPrinter() {
    const WaitCursor cursor;
    ProgressDialog progress(app());
    progress.Show(app().LoadText(kPageTitle), kReadLimitMs, false, nullptr);
    const bool mediaListRebuilt = mediaList_->RebuildForSelectedPrinter();
    const bool review = app().IsMessageReview();
    // The progress window stands for this wait too, so it shows none of its own.
    if (WaitUntilReady(app(), printerName(), false, this) == 0 && !review) return false;
    PrinterLink link = app().Link();
    if (ReadSlotList(slotTable(), link, printerName()) < 0 && !review) return false;
    FillNameList();
    NameSelected();
    if (!slotTable().IsRegistered(-1)) {
        if (mediaListRebuilt) {
            MediaSelected();
            thickness_->ThicknessChanged();
        }
        ShowChoiceIndex(roller_, 0);
        working().roller = 0;
    }
    return true;
}

void CustomPaperRegistrationPage::FillNameList() {
    const QSignalBlocker quiet(names_);
    names_->clear();
    for (int32_t i = 0; i < CustomPaperSlotTable::kSlotCount; ++i) {
        names_->addItem(QString::fromStdString(slotTable().SlotLabel(i, loadText_)));
    }
    names_->setCurrentIndex(slotTable().current());
}

void CustomPaperRegistrationPage::NameSelected() {
    const int index = names_->currentIndex();
    if (index < 0) return;
    slotTable().SetCurrent(index);
    if (slotTable().IsRegistered(-1)) {
        const WaitCursor cursor;
        PrinterLink link = app().Link();
        if (ReadSlotDetails(slotTable(), link, printerName(), -1) < 1) {
            Tell(kUnreadable, MessageIcon::Warning);
            return;
        }
        FindSlotMedia(working(), *app().mediaTable());
    }
    mediaList_->RemovePlaceholder();
    if (!slotTable().IsRegistered(-1)) {
        if (media_->currentIndex() < 0) mediaList_->SelectFirst();
        PickSlotMedia(working(), *app().mediaTable(), mediaList_->SelectedId());
        StoreControls();
        UpdateFeedSamples();
        return;
    }
    if (!mediaList_->Select(working().mediaId)) mediaList_->AddPlaceholder(kUnknownMedia);
    thickness_->Load(working().paperThick, working().platen);
    ShowTabs();
    UpdateFeedSamples();
}

void CustomPaperRegistrationPage::MediaSelected() {
    const int32_t id = mediaList_->SelectedId();
    if (id == 0) {
        // The placeholder keeps the paper type the printer named.
        working().mediaId = 0;
    } else {
        PickSlotMedia(working(), *app().mediaTable(), id);
        mediaList_->RemovePlaceholder();
        if (const std::optional<int32_t> thickness = mediaList_->ChooseInDriver(id))
            thickness_->SetThickness(*thickness);
    }
    UpdateFeedSamples();
}

void CustomPaperRegistrationPage::StoreControls() {
    CustomPaperSlot& slot = working();
    if (thickness_->Thickness() > 0) {
        slot.paperThick = thickness_->Thickness();
        if (thickness_->Platen() > 0) slot.platen = thickness_->Platen();
    }
    if (const std::optional<int32_t> forward = feed_->Value()) slot.forward = *forward;
    if (const std::optional<int32_t> dryTime = dry_->Value()) slot.dryTime = *dryTime;
    for (auto [combo, field] :
         {std::pair{cut_, &CustomPaperSlot::paperCut}, std::pair{roller_, &CustomPaperSlot::roller},
          std::pair{option_, &CustomPaperSlot::extraOption}}) {
        if (combo->currentIndex() >= 0) slot.*field = combo->currentData().toInt();
    }
    slot.paperDraw = -suction_->value();
}

void CustomPaperRegistrationPage::ShowTabs() {
    const CustomPaperSlot shown = working();
    feed_->SetValue(shown.forward);
    dry_->SetValue(shown.dryTime);
    ShowChoiceIndex(cut_, shown.paperCut);
    ShowChoiceIndex(roller_, shown.roller);
    ShowChoiceIndex(option_, shown.extraOption);
    suction_->setValue(-shown.paperDraw);
}

void CustomPaperRegistrationPage::UpdateFeedSamples() {
    feedSamples_->setEnabled(mediaList_->AllowsSamples());
}

void CustomPaperRegistrationPage::OpenMediaSamples() {
    MediaTypeDialog(app(), working(), this).exec();
}

void CustomPaperRegistrationPage::OpenFeedSamples() {
    if (mediaList_->SelectedId() == 0) {
        Tell(kNoMediaForFeedSamples, MessageIcon::Warning);
        return;
    }
    PaperFeedDialog(app(), working(), this).exec();
}

void CustomPaperRegistrationPage::Register() {
    RegisterDialog dialog(app(), slotTable(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const WaitCursor cursor;
    PrinterLink link = app().Link();
    if (ReadSlotName(slotTable(), link, printerName(), dialog.ChosenSlot()) >= 1) FillNameList();
}
