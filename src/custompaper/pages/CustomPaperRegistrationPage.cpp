#include "custompaper/pages/CustomPaperRegistrationPage.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
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
#include "custompaper/pages/ThicknessPlatenControls.h"
#include "pagekit/MarkCombo.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/WaitCursor.h"

namespace {

using Self = CustomPaperRegistrationPage;

constexpr int kPageHeight = 395;
constexpr int kNameLabel = 1067;
constexpr int kOptionLabel = 1084;

constexpr int32_t kPageTitle = 30000;
constexpr int32_t kNameTitle = 30002;
constexpr int32_t kFeedTabTitle = 30007;
constexpr int32_t kHandlingTabTitle = 30008;
constexpr int32_t kOptionTitle = 30025;
constexpr int32_t kUnknownMedia = 30120;
constexpr int32_t kNoMediaForFeedSamples = 30900;
constexpr int32_t kUnreadable = 30901;
constexpr int32_t kPatternSent = 30905;

constexpr int kReadLimitMs = 60000;

constexpr EditingPageLayout kLayout{
    .paperRowsTop = 42,
    .mediaTitle = 30003,
    .mediaSamplesText = 30101,
    .thicknessTitle = 30004,
    .thicknessUnitText = 30005,
    .patternText = 30102,
    .platenTitle = 30006,
    .patternSent = kPatternSent,
    .feedSlider = Self::kFeedSlider,
    .feedEdit = Self::kFeedEdit,
    .feedSamplesButton = Self::kFeedSamplesButton,
    .feedTitle = 30009,
    .feedSamplesText = 30103,
    .dryTitle = 30013,
    .feedTop = 12,
    .dryTop = 82,
    .cutLabel = 1135,
    .cutTitle = 30017,
    .rollerTitle = 30018,
    .suctionLabel = 1136,
    .suctionTitle = 30019,
    .choices = kRegistrationChoiceTexts,
};

constexpr std::array<ControlText, 5> kTexts = {{
    {kNameLabel, kNameTitle},
    {Self::kNameList, -1},
    {Self::kTabs, -1},
    {Self::kRegisterButton, 30104},
    {Page::kHelpButton, 30100},
}};

constexpr std::array<ControlRect, 5> kRects = {{
    {kNameLabel, 15, 12, 130, 30},
    {Self::kNameList, 135, 10, 430, 32},
    {Self::kTabs, 15, 140, 585, 355},
    {Self::kRegisterButton, 475, 362, 585, 388},
    {Page::kHelpButton, 11, 364, 124, 386},
}};

// Under the handling rows both editing pages show.
constexpr std::array<ControlText, 2> kOptionTexts = {{
    {kOptionLabel, kOptionTitle},
    {Self::kOptionList, -1},
}};

constexpr std::array<ControlRect, 2> kOptionRects = {{
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
    : CustomPaperEditingPage(app, kPageNumber, kPageHeight, kLayout, parent),
      loadText_([&app](int32_t id) { return app.LoadText(id).toStdString(); }) {
    CreateControls();
    Dress(kRects, kTexts);
}

void CustomPaperRegistrationPage::CreateControls() {
    AddLabel(this, kNameLabel);
    names_ = AddNamed<QComboBox>(app(), this, kNameList, kNameTitle);
    connect(names_, &QComboBox::currentIndexChanged, this, [this] { NameSelected(); });

    AddPaperRowsAndTabs();
    AddFeedAndDryRows(AddTab(kFeedTabTitle));
    CreateHandlingTab(AddTab(kHandlingTabTitle));

    connect(AddButton(this, kRegisterButton), &QPushButton::clicked, this, [this] { Register(); });
    AddHelpButton();
}

void CustomPaperRegistrationPage::CreateHandlingTab(QWidget* tab) {
    AddHandlingRows(tab);
    AddLabel(tab, kOptionLabel);
    option_ =
        AddChoiceList(app(), tab, kOptionList, kOptionTitle, choice_lists::kRegistrationExtraOption,
                      [this](int32_t value) { working().extraOption = value; });
    DressTabPage(app(), tab, kOptionRects, kOptionTexts);
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
        ResetRoller();
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
        UpdateSampleButtons();
        return;
    }
    if (!mediaList_->Select(working().mediaId)) mediaList_->AddPlaceholder(kUnknownMedia);
    thickness_->Load(working().paperThick, working().platen);
    ShowTabs();
    UpdateSampleButtons();
}

void CustomPaperRegistrationPage::MediaSelected() {
    const int32_t id = mediaList_->SelectedId();
    if (id == 0) {
        // The placeholder keeps the paper type the printer named.
        working().mediaId = 0;
    } else {
        PickSlotMedia(working(), *app().mediaTable(), id);
        mediaList_->RemovePlaceholder();
        ProposeThicknessOf(id);
    }
    UpdateSampleButtons();
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
    ShowSharedFields(shown);
    ShowChoiceIndex(option_, shown.extraOption);
}

void CustomPaperRegistrationPage::OpenFeedSamples() {
    if (mediaList_->SelectedId() == 0) {
        Tell(kNoMediaForFeedSamples, MessageIcon::Warning);
        return;
    }
    CustomPaperEditingPage::OpenFeedSamples();
}

void CustomPaperRegistrationPage::Register() {
    RegisterDialog dialog(app(), slotTable(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const WaitCursor cursor;
    PrinterLink link = app().Link();
    if (ReadSlotName(slotTable(), link, printerName(), dialog.ChosenSlot()) >= 1) FillNameList();
}
