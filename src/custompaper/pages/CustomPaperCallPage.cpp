#include "custompaper/pages/CustomPaperCallPage.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "comm/PrinterLink.h"
#include "custompaper/CustomPaperMedia.h"
#include "custompaper/PrinterSlotMemory.h"
#include "custompaper/pages/SlotDetailTexts.h"
#include "custompaper/pages/SlotListModel.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/WaitCursor.h"

namespace {

constexpr int kPageHeight = 252;
constexpr int kListLabel = 1067;
constexpr int kRegistrationPage = 3;

constexpr int32_t kPageTitle = 40000;
constexpr int32_t kListTitle = 40002;
constexpr int32_t kNoCustomPaper = 40111;
constexpr int32_t kUnreadable = 40900;
constexpr int32_t kConfirmCall = 40901;
constexpr int32_t kSlotCalled = 40902;
constexpr int32_t kNoneCalled = 40903;
constexpr int32_t kCallFailed = 40904;
constexpr int kReadLimitMs = 60000;

// One line of the details: label, colon and value, in the order of SlotDetailTexts.
struct DetailLine {
    int label;
    int32_t labelText;
    int colon;
    int value;
};

constexpr std::array<DetailLine, 8> kDetailLines = {{
    {1069, 40003, 1077, 1085},
    {1070, 40004, 1078, 1086},
    {1071, 40005, 1136, 1127},
    {1072, 40006, 1080, 1088},
    {1073, 40007, 1081, 1089},
    {1074, 40008, 1082, 1090},
    {1075, 40009, 1083, 1091},
    {1076, 40010, 1084, 1092},
}};

constexpr int kDetailTop = 32;
constexpr int kDetailStep = 20;

constexpr auto kTexts = [] {
    std::array<ControlText, 5 + 3 * kDetailLines.size()> texts{{
        {kListLabel, kListTitle},
        {CustomPaperCallPage::kSettingList, -1},
        {CustomPaperCallPage::kCallButton, 40101},
        {CustomPaperCallPage::kEditButton, 40102},
        {Page::kHelpButton, 40100},
    }};
    size_t n = 5;
    for (const DetailLine& line : kDetailLines) {
        texts[n++] = {line.label, line.labelText};
        texts[n++] = {line.colon, -1};
        texts[n++] = {line.value, -1};
    }
    return texts;
}();

constexpr auto kRects = [] {
    std::array<ControlRect, 5 + 3 * kDetailLines.size()> rects{{
        {kListLabel, 15, 10, 315, 28},
        {CustomPaperCallPage::kSettingList, 15, 30, 315, 201},
        {CustomPaperCallPage::kCallButton, 380, 218, 480, 242},
        {CustomPaperCallPage::kEditButton, 490, 218, 590, 242},
        {Page::kHelpButton, 11, 220, 124, 242},
    }};
    size_t n = 5;
    int top = kDetailTop;
    for (const DetailLine& line : kDetailLines) {
        rects[n++] = {line.label, 330, top, 470, top + 18};
        rects[n++] = {line.colon, 470, top, 478, top + 18};
        rects[n++] = {line.value, 480, top, 590, top + 18};
        top += kDetailStep;
    }
    return rects;
}();

constexpr std::array<ReviewedMessage, 5> kReviewedMessages = {{
    {kUnreadable, MessageIcon::Warning},
    {kConfirmCall, MessageIcon::Question, MessageButtons::YesNo},
    {kNoneCalled, MessageIcon::Information},
    {kSlotCalled, MessageIcon::Information},
    {kCallFailed, MessageIcon::Warning},
}};

}  // namespace

CustomPaperCallPage::CustomPaperCallPage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, kPageHeight, parent),
      loadText_([&app](int32_t id) { return app.LoadText(id).toStdString(); }),
      model_(new SlotListModel(*app.customPaperSlots(), app.LoadText(kNoCustomPaper), loadText_,
                               this)) {
    CreateControls();
    Dress(kRects, kTexts);
    SelectRow(0);
}

void CustomPaperCallPage::CreateControls() {
    SetControlId(new QLabel(this), kListLabel);
    list_ = new QListView(this);
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAccessibleName(app().LoadText(kListTitle));
    SetControlId(list_, kSettingList);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { RowSelected(); });

    for (size_t i = 0; i < kDetailLines.size(); ++i) {
        const DetailLine& line = kDetailLines[i];
        SetControlId(new QLabel(this), line.label);
        auto* colon = new QLabel(QStringLiteral(":"), this);
        SetControlId(colon, line.colon);
        values_[i] = new QLabel(this);
        values_[i]->setAccessibleName(app().LoadText(line.labelText));
        SetControlId(values_[i], line.value);
    }

    call_ = new QPushButton(this);
    call_->setDefault(true);
    SetControlId(call_, kCallButton);
    connect(call_, &QPushButton::clicked, this, [this] { Call(); });
    edit_ = new QPushButton(this);
    SetControlId(edit_, kEditButton);
    // The registration page opens on the same current slot.
    connect(edit_, &QPushButton::clicked, this,
            [this] { emit showPageRequested(kRegistrationPage); });
    AddHelpButton();
}

CustomPaperSlotTable& CustomPaperCallPage::slotTable() {
    return *app().customPaperSlots();
}

const std::string& CustomPaperCallPage::printerName() {
    return app().selectedPrinter().printerName;
}

int CustomPaperCallPage::PageActivated() {
    if (!ReadSlotsFromPrinter()) Tell(kUnreadable, MessageIcon::Warning);
    ReviewMessages(kReviewedMessages);
    return 1;
}

bool CustomPaperCallPage::ReadSlotsFromPrinter() {
    const WaitCursor cursor;
    ProgressDialog progress(app());
    progress.Show(app().LoadText(kPageTitle), kReadLimitMs, false, nullptr);
    const bool review = app().IsMessageReview();
    // The progress window stands for this wait too, so it shows none of its own.
    if (WaitUntilReady(app(), printerName(), false, this) == 0 && !review) return false;
    PrinterLink link = app().Link();
    const int32_t read = ReadSlotList(slotTable(), link, printerName());
    model_->SlotsChanged();
    if (read < 0 && !review) return false;
    SelectRow(slotTable().current() + 1);
    return true;
}

void CustomPaperCallPage::SelectRow(int row) {
    const QModelIndex index = model_->index(row);
    if (list_->currentIndex() == index)
        RowSelected();
    else
        list_->setCurrentIndex(index);
}

void CustomPaperCallPage::RowSelected() {
    const int row = list_->currentIndex().row();
    if (row < 0) return;
    edit_->setEnabled(row > 0);
    if (row == 0) {
        call_->setEnabled(true);
        ShowValues({});
        return;
    }
    slotTable().SetCurrent(row - 1);
    call_->setEnabled(slotTable().IsRegistered(row - 1));
    ShowDetails();
}

void CustomPaperCallPage::ShowDetails() {
    const WaitCursor cursor;
    if (!slotTable().IsRegistered(-1)) {
        ShowValues({});
        return;
    }
    PrinterLink link = app().Link();
    if (ReadSlotDetails(slotTable(), link, printerName(), -1) < 1) {
        if (!app().IsMessageReview()) Tell(kUnreadable, MessageIcon::Warning);
        return;
    }
    CustomPaperSlot& slot = slotTable().Slot(-1);
    FindSlotMedia(slot, *app().mediaTable());
    model_->SlotsChanged();
    ShowValues(SlotDetailTexts(slot, loadText_));
}

void CustomPaperCallPage::ShowValues(const std::array<std::string, 8>& texts) {
    for (size_t i = 0; i < values_.size(); ++i) {
        values_[i]->setText(QString::fromStdString(texts[i]));
        values_[i]->setAccessibleDescription(values_[i]->text());
    }
}

void CustomPaperCallPage::Call() {
    if (!WaitUntilReadyOrTell(printerName())) return;
    if (Tell(kConfirmCall, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const int row = list_->currentIndex().row();
    if (row < 0) return;
    const int32_t sent = row == 0 ? SelectNone(app().spooler(), printerName())
                                  : SelectSlot(slotTable(), app().spooler(), printerName(), -1);
    if (sent != 0)
        Tell(kCallFailed, MessageIcon::Warning);
    else
        Tell(row == 0 ? kNoneCalled : kSlotCalled, MessageIcon::Information);
}
