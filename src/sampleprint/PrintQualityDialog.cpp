#include "sampleprint/PrintQualityDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "custompaper/CustomPaperMedia.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"

namespace {

constexpr int kLabel = 1150;
constexpr int32_t kQualityName = 50010;
constexpr int32_t kFirstQualityText = 50160;

constexpr std::array<ControlText, 5> kTexts = {{
    {kLabel, 50301},
    {PrintQualityDialog::kFirstQuality, 50160},
    {PrintQualityDialog::kFirstQuality + 1, 50161},
    {PrintQualityDialog::kFirstQuality + 2, 50162},
    {PrintQualityDialog::kFirstQuality + 3, 50163},
}};

constexpr std::array<ControlRect, 5> kRects = {{
    {kLabel, 12, 10, 388, 30},
    {PrintQualityDialog::kFirstQuality, 24, 34, 388, 56},
    {PrintQualityDialog::kFirstQuality + 1, 24, 58, 388, 80},
    {PrintQualityDialog::kFirstQuality + 2, 24, 82, 388, 104},
    {PrintQualityDialog::kFirstQuality + 3, 24, 106, 388, 128},
}};

constexpr SampleDialogLayout kLayout{
    50300, QSize(400, 282), kTexts, kRects, 5, 2, "CFileSamplePrintModeR", "CFileSamplePrintMode"};

}  // namespace

PrintQualityDialog::PrintQualityDialog(ServiceApp& app, const CustomPaperFileEntry& entry,
                                       QWidget* parent)
    : SampleDialog(app, entry, parent) {
    SetControlId(new QLabel(this), kLabel);
    for (size_t i = 0; i < qualities_.size(); ++i) {
        qualities_[i] = new QCheckBox(this);
        SetControlId(qualities_[i], kFirstQuality + static_cast<int>(i));
        connect(qualities_[i], &QCheckBox::clicked, this, [this] { UpdateSampleButton(); });
    }
    Start(kLayout);
    std::vector<int32_t> offered;
    if (const MediaTable* table = app.mediaTable())
        offered = OfferedPrintModes(*table, entry.mediaId);
    for (size_t i = 0; i < qualities_.size(); ++i) {
        const auto kind = static_cast<int32_t>(i + 1);
        qualities_[i]->setEnabled(std::find(offered.begin(), offered.end(), kind) != offered.end());
    }
    UpdateSampleButton();
}

void PrintQualityDialog::UpdateSampleButton() {
    sampleButton()->setEnabled(std::any_of(qualities_.begin(), qualities_.end(),
                                           [](const QCheckBox* box) { return box->isChecked(); }));
}

void PrintQualityDialog::PrintSamples() {
    const CustomPaperFileEntry& setting = *entry();
    std::vector<SampleSpec> samples;
    for (size_t i = 0; i < qualities_.size(); ++i) {
        if (!qualities_[i]->isChecked()) continue;
        const auto kind = static_cast<int32_t>(i + 1);
        SampleSpec sample{setting.mediaId, kind, ReferenceFiller(),
                          ReferenceLabels(setting.mediaId)};
        sample.labels.Vary(LabelIndex::kEntryMode,
                           TextLabel(Text(kQualityName), Text(kFirstQualityText + kind - 1)));
        samples.push_back(std::move(sample));
    }
    Print(samples);
}
