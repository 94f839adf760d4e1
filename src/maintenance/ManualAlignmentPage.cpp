#include "maintenance/ManualAlignmentPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <vector>

#include "comm/PrinterQueries.h"
#include "comm/RawJob.h"
#include "maintenance/PaperChoiceControls.h"
#include "pagekit/AlignmentValueBox.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/InkImageStrip.h"
#include "pagekit/ServiceApp.h"
#include "platform/Clock.h"
#include "platform/WaitCursor.h"

namespace {

constexpr int kPageHeight = 264;
constexpr int kTableHeading = 1168;
constexpr int kFirstDotSizeBox = 1164;
// The value boxes of dot size #k in the eight bi-directional columns are these plus k; the
// uni-directional page has the last seven columns.
constexpr std::array<int, 8> kColumnIdBase = {1023, 1027, 1031, 1035, 1051, 1039, 1043, 1047};

constexpr int kImageTop = 85;
constexpr int kColumnPitch = 56;
constexpr int kValueBoxWidth = 38;
constexpr int kFirstRowTop = 112;
constexpr int kRowPitch = 28;
constexpr int kRowHeight = 20;
constexpr int kPaperTop = 8;

constexpr int32_t kNoThickness = 80901;
constexpr int32_t kPlatenGapNotAuto = 80900;
constexpr int32_t kPatternsSent = 80902;
constexpr int32_t kValuesSaved = 80903;
// The printer needs a moment to take the job before the page is usable again.
constexpr int kJobSettleMs = 3000;
// Page 9 uses the texts of page 8 this much further on.
constexpr int32_t kUnidirectionalTextOffset = 10000;

bool IsBidirectional(AlignmentDirection direction) {
    return direction == AlignmentDirection::Bidirectional;
}

// Left edge of column c, where its picture and its value boxes stand.
int ColumnLeft(AlignmentDirection direction, int c) {
    return (IsBidirectional(direction) ? 106 : 135) + kColumnPitch * c;
}

int RowTop(int k) {
    return kFirstRowTop + kRowPitch * (k - 1);
}

}  // namespace

ManualAlignmentPage::ManualAlignmentPage(ServiceApp& app, AlignmentDirection direction,
                                         QWidget* parent)
    : Page(app, IsBidirectional(direction) ? kBidirectionalPage : kUnidirectionalPage, kPageHeight,
           parent),
      direction_(direction),
      valueCount_(AlignmentValueCount(direction)) {
    CreateControls();
    DressControls();
    const PaperChoiceControls::Texts paperTexts = {
        Text(80002), Text(80003), Text(80004), Text(80005), Text(80110), Text(80130), Text(80000)};
    paper_ = new PaperChoiceControls(app, this, paperTexts, false, kPaperTop,
                                     [this] { UpdateControls(); });
    UpdateControls();
}

Page* ManualAlignmentPage::MakeBidirectional(ServiceApp& app, QWidget* parent) {
    return new ManualAlignmentPage(app, AlignmentDirection::Bidirectional, parent);
}

Page* ManualAlignmentPage::MakeUnidirectional(ServiceApp& app, QWidget* parent) {
    return new ManualAlignmentPage(app, AlignmentDirection::Unidirectional, parent);
}

int ManualAlignmentPage::ValueBoxId(AlignmentDirection direction, int k, int c) {
    return kColumnIdBase[static_cast<size_t>(c + (IsBidirectional(direction) ? 0 : 1))] + k;
}

int32_t ManualAlignmentPage::Text(int32_t bidirectionalText) const {
    return IsBidirectional(direction_) ? bidirectionalText
                                       : bidirectionalText + kUnidirectionalTextOffset;
}

void ManualAlignmentPage::CreateControls() {
    SetControlId(new QLabel(this), kTableHeading);
    for (int k = 1; k <= kDotSizeCount; ++k) {
        QCheckBox*& box = dotSizes_[static_cast<size_t>(k - 1)];
        box = new QCheckBox(this);
        SetControlId(box, kFirstDotSizeBox + k - 1);
        connect(box, &QCheckBox::clicked, this, [this] { UpdateControls(); });
        for (int c = 0; c < valueCount_; ++c) {
            auto* value = new AlignmentValueBox(this);
            value->SetValue(kNeutralValue);
            value->setAlignment(Qt::AlignCenter);
            SetControlId(value, ValueBoxId(direction_, k, c));
            values_[static_cast<size_t>(k - 1)][static_cast<size_t>(c)] = value;
        }
    }
    print_ = new QPushButton(this);
    SetControlId(print_, kPrintButton);
    connect(print_, &QPushButton::clicked, this, [this] { PrintPatterns(); });
    save_ = new QPushButton(this);
    SetControlId(save_, kSaveButton);
    connect(save_, &QPushButton::clicked, this, [this] { SaveValues(); });
    AddHelpButton();
}

void ManualAlignmentPage::DressControls() {
    std::vector<ControlRect> rects = {
        {kTableHeading, 15, 62, 585, 80},
        {kPrintButton, 380, 230, 475, 254},
        {kSaveButton, 490, 230, 585, 254},
        {kHelpButton, 11, 230, 124, 254},
    };
    std::vector<ControlText> texts = {
        {kTableHeading, Text(80010)},
        {kPrintButton, Text(80101)},
        {kSaveButton, Text(80102)},
        {kHelpButton, Text(80100)},
    };
    for (int k = 1; k <= kDotSizeCount; ++k) {
        const int box = kFirstDotSizeBox + k - 1;
        rects.push_back({box, 10, RowTop(k), 102, RowTop(k) + kRowHeight});
        texts.push_back({box, Text(80006 + k - 1)});
        for (int c = 0; c < valueCount_; ++c) {
            const int left = ColumnLeft(direction_, c);
            rects.push_back({ValueBoxId(direction_, k, c), left, RowTop(k), left + kValueBoxWidth,
                             RowTop(k) + kRowHeight});
            texts.push_back({ValueBoxId(direction_, k, c), -1});
        }
    }
    Page::Dress(rects, texts);
    // A value box is named by its dot size and column.
    for (int k = 1; k <= kDotSizeCount; ++k) {
        const QString dotSize = dotSizes_[static_cast<size_t>(k - 1)]->text();
        for (int c = 0; c < valueCount_; ++c) {
            values_[static_cast<size_t>(k - 1)][static_cast<size_t>(c)]->setAccessibleName(
                dotSize + " " + QString::number(c + 1));
        }
    }
}

int ManualAlignmentPage::PageActivated() {
    paper_->FillForSelectedPrinter([this] {
        if (InkImageStrip* strip = app().inkImageStrip()) {
            PrinterLink link = app().Link();
            strip->SetSlotCount(DetectInkSlotCount(link, app().selectedPrinter().printerName));
        }
        update();
    });
    static constexpr std::array<ReviewedMessage, 4> kReviewed = {{
        {kNoThickness, MessageIcon::Warning},
        {kPlatenGapNotAuto, MessageIcon::Warning},
        {kPatternsSent, MessageIcon::Information},
        {kValuesSaved, MessageIcon::Information},
    }};
    ReviewMessages(kReviewed);
    return 1;
}

void ManualAlignmentPage::PageDeactivated() {
    if (app().IsMessageReview()) return;
    // The printer drops the values it holds unsaved; whether the job went out is not reported.
    const JobBuffer job = AlignmentLeaveJob();
    SendRawJob(app().spooler(), app().selectedPrinter().printerName, job.Bytes());
}

void ManualAlignmentPage::PrinterDefaultsChanged() {
    paper_->PrinterDefaultsChanged();
}

void ManualAlignmentPage::PrintPatterns() {
    SendValues(false);
}

void ManualAlignmentPage::SaveValues() {
    SendValues(true);
}

void ManualAlignmentPage::SendValues(bool save) {
    const int32_t thickness = paper_->Thickness();
    if (thickness < 0) {
        Tell(kNoThickness, MessageIcon::Warning);
        return;
    }
    const std::string& printer = app().selectedPrinter().printerName;
    if (!WaitUntilReadyOrTell(printer)) return;
    // The cursor stays until the message is answered.
    const WaitCursor cursor;
    const int32_t gapCode = paper_->GapCodeForJob(*this);
    if (gapCode < 0) return;
    const auto gap = static_cast<uint8_t>(gapCode);
    const JobBuffer job =
        save ? AlignmentSaveJob(direction_, thickness, gap, Checked(), Values())
             : AlignmentPatternJob(direction_, thickness, gap, Checked(), Values());
    const int32_t sent = SendRawJob(app().spooler(), printer, job.Bytes());
    app().clock().SleepMs(kJobSettleMs);
    if (sent != 0) return;
    for (auto& row : values_) {
        for (AlignmentValueBox* value : row) {
            if (value != nullptr) value->SetValue(kNeutralValue);
        }
    }
    Tell(save ? kValuesSaved : kPatternsSent, MessageIcon::Information);
}

DotSizeChecks ManualAlignmentPage::Checked() const {
    DotSizeChecks checked{};
    for (size_t k = 0; k < checked.size(); ++k) checked[k] = dotSizes_[k]->isChecked();
    return checked;
}

AlignmentValues ManualAlignmentPage::Values() const {
    AlignmentValues values;
    for (size_t k = 0; k < values.size(); ++k) {
        for (int c = 0; c < valueCount_; ++c)
            values[k].push_back(values_[k][static_cast<size_t>(c)]->Value());
    }
    return values;
}

void ManualAlignmentPage::UpdateControls() {
    bool anyChecked = false;
    for (size_t k = 0; k < dotSizes_.size(); ++k) {
        const bool checked = dotSizes_[k]->isChecked();
        anyChecked = anyChecked || checked;
        for (AlignmentValueBox* value : values_[k]) {
            if (value != nullptr) value->setEnabled(checked);
        }
    }
    const bool enabled = anyChecked && paper_ != nullptr && paper_->AllowsAlignment();
    print_->setEnabled(enabled);
    save_->setEnabled(enabled);
}

void ManualAlignmentPage::paintEvent(QPaintEvent* event) {
    Page::paintEvent(event);
    const InkImageStrip* strip = app().inkImageStrip();
    if (strip == nullptr) return;
    QPainter painter(this);
    // The uni-directional columns stand for images 1 to 7.
    const int firstImage = IsBidirectional(direction_) ? 0 : 1;
    for (int c = 0; c < valueCount_; ++c)
        strip->Draw(painter, QPoint(ColumnLeft(direction_, c), kImageTop), firstImage + c);
}
