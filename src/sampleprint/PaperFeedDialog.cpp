#include "sampleprint/PaperFeedDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "pagekit/ControlDressing.h"
#include "pagekit/NumberText.h"
#include "pagekit/ServiceApp.h"
#include "sampleprint/FeedRangeSelector.h"
#include "sampleprint/FeedSamplePoints.h"

namespace {

constexpr int kLowest = -70;
constexpr int kHighest = 70;
constexpr int kLabel = 1081;
constexpr int kMinimumLabel = 1157;
constexpr int kMaximumLabel = 1158;
constexpr int kLowEnd = 1116;
constexpr int kMiddle = 1117;
constexpr int kHighEnd = 1118;
constexpr int kPointsLabel = 1159;
constexpr int32_t kFeedName = 30009;
constexpr int32_t kSlotMediaKind = 2;

constexpr std::array<ControlText, 11> kTexts = {{
    {kLabel, 50501},
    {kMinimumLabel, 50505},
    {kMaximumLabel, 50506},
    {PaperFeedDialog::kRange, -1},
    {PaperFeedDialog::kMinimumEdit, -1},
    {PaperFeedDialog::kMaximumEdit, -1},
    {kLowEnd, 50507},
    {kMiddle, 50508},
    {kHighEnd, 50509},
    {kPointsLabel, 50510},
    {PaperFeedDialog::kPoints, -1},
}};

constexpr std::array<ControlRect, 11> kRects = {{
    {kLabel, 12, 10, 408, 30},
    {PaperFeedDialog::kRange, 20, 34, 400, 62},
    {kLowEnd, 20, 64, 90, 82},
    {kMiddle, 180, 64, 240, 82},
    {kHighEnd, 330, 64, 400, 82},
    {kMinimumLabel, 20, 92, 100, 114},
    {PaperFeedDialog::kMinimumEdit, 104, 90, 164, 114},
    {kMaximumLabel, 220, 92, 300, 114},
    {PaperFeedDialog::kMaximumEdit, 304, 90, 364, 114},
    {kPointsLabel, 20, 122, 140, 142},
    {PaperFeedDialog::kPoints, 144, 122, 400, 142},
}};

constexpr SampleDialogLayout kEntryLayout{
    50500, QSize(420, 294), kTexts, kRects, 5, 4, "CFileSampleFeedingR", "CFileSampleFeeding"};
constexpr SampleDialogLayout kSlotLayout{50500, QSize(420, 294),  kTexts,         kRects, 3,
                                         2,     "SampleFeedingR", "SampleFeeding"};

}  // namespace

PaperFeedDialog::PaperFeedDialog(ServiceApp& app, SampleReference reference, QWidget* parent)
    : SampleDialog(app, std::move(reference), parent),
      range_(new FeedRangeSelector(kLowest, kHighest, this)),
      minimum_(new QLineEdit(QString::number(kLowest), this)),
      maximum_(new QLineEdit(QString::number(kHighest), this)),
      points_(new QLabel(this)) {
    for (int id : {kLabel, kMinimumLabel, kMaximumLabel, kLowEnd, kMiddle, kHighEnd, kPointsLabel})
        SetControlId(new QLabel(this), id);
    SetControlId(range_, kRange);
    SetControlId(minimum_, kMinimumEdit);
    SetControlId(maximum_, kMaximumEdit);
    SetControlId(points_, kPoints);
    Start(entry() != nullptr ? kEntryLayout : kSlotLayout);
    qobject_cast<QLabel*>(FindControl(this, kMiddle))->setAlignment(Qt::AlignHCenter);
    qobject_cast<QLabel*>(FindControl(this, kHighEnd))->setAlignment(Qt::AlignRight);
    range_->setAccessibleName(app.LoadText(50501));
    minimum_->setAccessibleName(app.LoadText(50505));
    maximum_->setAccessibleName(app.LoadText(50506));
    points_->setAccessibleName(app.LoadText(50510));

    connect(range_, &FeedRangeSelector::lowerChanged, this, [this](int value) {
        minimum_->setText(QString::number(value));
        ShowPoints();
    });
    connect(range_, &FeedRangeSelector::upperChanged, this, [this](int value) {
        maximum_->setText(QString::number(value));
        ShowPoints();
    });
    for (QLineEdit* edit : {minimum_, maximum_}) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { EditChanged(edit); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { ApplyEdit(edit); });
    }
    ShowPoints();
}

bool PaperFeedDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit != nullptr && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ApplyEdit(edit);
            return true;
        }
    }
    return SampleDialog::eventFilter(watched, event);
}

void PaperFeedDialog::EditChanged(QLineEdit* edit) {
    if (range_->isDragging()) return;
    const QString text = edit->text();
    const QString normalized =
        QString::fromStdString(NormalizeNumberText(text.toStdString(), kLowest, kHighest, true));
    if (normalized != text) {
        edit->setText(normalized);
        edit->setCursorPosition(static_cast<int>(normalized.size()));
    }
    ShowPoints();
}

void PaperFeedDialog::ApplyEdit(QLineEdit* edit) {
    const int value = edit->text().toInt();
    if (edit == minimum_) {
        range_->SetLower(value);
    } else {
        range_->SetUpper(value);
    }
}

std::vector<int32_t> PaperFeedDialog::Points() const {
    return FeedSamplePoints(minimum_->text().toInt(), maximum_->text().toInt());
}

void PaperFeedDialog::ShowPoints() {
    points_->setText(QString::fromStdString(FeedSamplePointsText(Points())));
}

void PaperFeedDialog::PrintSamples() {
    const bool fromEntry = entry() != nullptr;
    const int32_t mediaId = fromEntry ? entry()->mediaId : slot()->mediaId;
    const int32_t mediaKind = fromEntry ? entry()->mode : kSlotMediaKind;
    const size_t feedLabel = fromEntry ? LabelIndex::kEntryFeed : LabelIndex::kSlotFeed;
    const AdjustmentFiller referenceFill = ReferenceFiller();
    std::vector<SampleSpec> samples;
    for (const int32_t point : Points()) {
        SampleSpec sample{mediaId, mediaKind, nullptr, ReferenceLabels(mediaId)};
        sample.fill = [referenceFill, point](MediaAdjustBlock& block) {
            referenceFill(block);
            block.bytes[MediaAdjustByte::kFeed] = static_cast<uint8_t>(point & 0xFF);
        };
        sample.labels.Vary(feedLabel, NumberLabel(Text(kFeedName), point));
        samples.push_back(std::move(sample));
    }
    Print(samples);
}
