#include "sampleprint/ColorDensityDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <array>

#include "pagekit/ControlDressing.h"
#include "pagekit/NumberText.h"
#include "pagekit/ServiceApp.h"
#include "sampleprint/SampleAdjustment.h"

namespace {

constexpr int kMinimum = -50;
constexpr int kMaximum = 50;
constexpr int kLabel = 1109;
constexpr int kLowEnd = 1110;
constexpr int kHighEnd = 1111;
constexpr int kDescription = 1157;
constexpr int32_t kDensityName = 50011;

constexpr std::array<ControlText, 4> kTexts = {{
    {kLabel, 50401},
    {kLowEnd, 50405},
    {kHighEnd, 50406},
    {kDescription, 50407},
}};

constexpr std::array<ControlRect, 6> kRects = {{
    {kLabel, 12, 10, 388, 30},
    {ColorDensityDialog::kSlider, 20, 34, 300, 58},
    {ColorDensityDialog::kEdit, 312, 34, 372, 58},
    {kLowEnd, 20, 60, 90, 78},
    {kHighEnd, 230, 60, 300, 78},
    {kDescription, 12, 84, 388, 122},
}};

constexpr SampleDialogLayout kLayout{50400,
                                     QSize(400, 272),
                                     kTexts,
                                     kRects,
                                     5,
                                     3,
                                     "CFileSampleCardinalityR",
                                     "CFileSampleCardinality"};

}  // namespace

ColorDensityDialog::ColorDensityDialog(ServiceApp& app, const CustomPaperFileEntry& entry,
                                       QWidget* parent)
    : SampleDialog(app, entry, parent),
      slider_(new QSlider(Qt::Horizontal, this)),
      edit_(new QLineEdit(this)) {
    for (int id : {kLabel, kLowEnd, kHighEnd, kDescription}) SetControlId(new QLabel(this), id);
    SetControlId(slider_, kSlider);
    SetControlId(edit_, kEdit);
    slider_->setRange(kMinimum, kMaximum);
    slider_->setValue(0);
    edit_->setText(QStringLiteral("0"));
    Start(kLayout);
    qobject_cast<QLabel*>(FindControl(this, kDescription))->setWordWrap(true);
    qobject_cast<QLabel*>(FindControl(this, kHighEnd))->setAlignment(Qt::AlignRight);
    const QString name = app.LoadText(50401);
    slider_->setAccessibleName(name);
    edit_->setAccessibleName(name);
    connect(slider_, &QSlider::valueChanged, this,
            [this](int value) { edit_->setText(QString::number(value)); });
    connect(edit_, &QLineEdit::textEdited, this, &ColorDensityDialog::EditChanged);
}

void ColorDensityDialog::EditChanged(const QString& text) {
    const QString normalized =
        QString::fromStdString(NormalizeNumberText(text.toStdString(), kMinimum, kMaximum, false));
    if (normalized != text) {
        edit_->setText(normalized);
        edit_->setCursorPosition(static_cast<int>(normalized.size()));
    }
    // The slider follows without writing back, so "-" stays while a negative number is typed.
    const QSignalBlocker quiet(slider_);
    if (!normalized.isEmpty()) slider_->setValue(normalized.toInt());
}

void ColorDensityDialog::PrintSamples() {
    const CustomPaperFileEntry& setting = *entry();
    const int32_t density = slider_->value();
    SampleSpec sample{setting.mediaId, setting.mode, nullptr, ReferenceLabels(setting.mediaId)};
    sample.fill = [setting, density](MediaAdjustBlock& block) {
        FillAdjustmentFromFileEntry(block, setting);
        block.bytes[MediaAdjustByte::kDensity] = static_cast<uint8_t>(density & 0xFF);
    };
    sample.labels.Vary(LabelIndex::kEntryDensity, NumberLabel(Text(kDensityName), density));
    Print({sample}, true);
}
