#include "custompaper/pages/RegisterDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/PrinterSlotMemory.h"
#include "custompaper/pages/CustomPaperControls.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/WaitCursor.h"

namespace {

constexpr QSize kSize(347, 195);
constexpr int kSlotLabel = 1147;
constexpr int kNameLabel = 1148;

constexpr int32_t kTitle = 30600;
constexpr int32_t kSlotTitle = 30601;
constexpr int32_t kNameTitle = 30602;
constexpr int32_t kNotReady = 901;
constexpr int32_t kAlreadyRegistered = 30902;
constexpr int32_t kRegistered = 30903;
constexpr int32_t kNotRegistered = 30904;

constexpr std::array<ControlText, 6> kTexts = {{
    {kSlotLabel, kSlotTitle},
    {RegisterDialog::kSlotList, -1},
    {kNameLabel, kNameTitle},
    {RegisterDialog::kNameEdit, -1},
    {PageDialog::kOk, 30650},
    {PageDialog::kCancel, 30651},
}};

constexpr std::array<ControlRect, 6> kRects = {{
    {kSlotLabel, 20, 24, 140, 42},
    {RegisterDialog::kSlotList, 145, 22, 325, 44},
    {kNameLabel, 20, 66, 140, 84},
    {RegisterDialog::kNameEdit, 145, 64, 325, 86},
    {PageDialog::kOk, 135, 150, 225, 176},
    {PageDialog::kCancel, 235, 150, 325, 176},
}};

}  // namespace

RegisterDialog::RegisterDialog(ServiceApp& app, CustomPaperSlotTable& table, QWidget* page)
    : PageDialog(app, kTitle, kSize, page),
      table_(table),
      slots_(AddNamed<QComboBox>(app, this, kSlotList, kSlotTitle)) {
    AddNameBox(kNameEdit, kNameTitle, kNameLength);
    AddLabel(this, kSlotLabel);
    AddLabel(this, kNameLabel);
    for (int32_t i = 0; i < CustomPaperSlotTable::kSlotCount; ++i) {
        slots_->addItem("#" + QString::number(i + 1));
    }
    Dress(kRects, kTexts);

    slots_->setCurrentIndex(table_.current());
    SlotChosen();
    connect(slots_, &QComboBox::currentIndexChanged, this, [this] { SlotChosen(); });
    connect(nameBox(), &QLineEdit::textChanged, this, [this] { UpdateOk(); });
}

int32_t RegisterDialog::ChosenSlot() const {
    return slots_->currentIndex();
}

void RegisterDialog::SlotChosen() {
    const int32_t slot = ChosenSlot();
    if (table_.IsRegistered(slot)) {
        nameBox()->setText(QString::fromStdString(WithoutTrailingSpaces(table_.Slot(slot).name)));
    }
    UpdateOk();
}

void RegisterDialog::UpdateOk() {
    okButton()->setEnabled(HasName());
}

void RegisterDialog::accept() {
    if (!okButton()->isEnabled()) return;
    const std::string& printer = app().selectedPrinter().printerName;
    if (!app().IsMessageReview() && WaitUntilReady(app(), printer, true, this) == 0) {
        Tell(kNotReady, MessageIcon::Warning);
        return;
    }
    const int32_t slot = ChosenSlot();
    if (table_.IsRegistered(slot) &&
        Tell(kAlreadyRegistered, MessageIcon::Warning, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    int32_t written = -1;
    {
        const WaitCursor cursor;
        written = WriteSlot(table_, app().spooler(), printer, slot, nameBox()->text().toStdString(),
                            table_.Slot(-1));
    }
    if (written != 0) {
        Tell(kNotRegistered, MessageIcon::Warning);
        return;
    }
    Tell(kRegistered, MessageIcon::Information);
    PageDialog::accept();
}
