#include "sampleprint/MediaTypeDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <vector>

#include "config/MediaTable.h"
#include "driversettings/DriverSettings.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"

namespace {

constexpr int kLabel = 1095;
constexpr int32_t kMediaKind = 2;
constexpr int32_t kMediaName = 50004;
constexpr int32_t kPrintQualityName = 50010;
constexpr int32_t kMediaKindName = 50161;

constexpr std::array<ControlText, 2> kTexts = {{
    {kLabel, 50201},
    {MediaTypeDialog::kMediaList, -1},
}};

constexpr std::array<ControlRect, 2> kRects = {{
    {kLabel, 12, 10, 408, 30},
    {MediaTypeDialog::kMediaList, 12, 32, 408, 196},
}};

constexpr SampleDialogLayout kEntryLayout{
    50200, QSize(420, 348), kTexts, kRects, 5, 1, "CFileSampleMediaR", "CFileSampleMedia"};
constexpr SampleDialogLayout kSlotLayout{50200, QSize(420, 348), kTexts,       kRects, 3,
                                         1,     "SampleMediaR",  "SampleMedia"};

}  // namespace

MediaTypeDialog::MediaTypeDialog(ServiceApp& app, SampleReference reference, QWidget* parent)
    : SampleDialog(app, std::move(reference), parent), mediaList_(new QListWidget(this)) {
    SetControlId(new QLabel(this), kLabel);
    SetControlId(mediaList_, kMediaList);
    Start(entry() != nullptr ? kEntryLayout : kSlotLayout);
    mediaList_->setAccessibleName(app.LoadText(50201));
    FillMediaList();
    UpdateSampleButton();
    connect(mediaList_, &QListWidget::itemChanged, this, [this] { UpdateSampleButton(); });
    connect(mediaList_, &QListWidget::itemDoubleClicked, this, [this] { UpdateSampleButton(); });
}

// The driver's media in the media table's order, those the table names; on cut sheets the media
// marked as roll-only cannot be chosen.
void MediaTypeDialog::FillMediaList() {
    const SelectedPrinter& printer = app().selectedPrinter();
    const MediaTable* table = app().mediaTable();
    if (table == nullptr) return;
    const DriverMediaList& media = driverMedia();
    std::vector<uint16_t> ids(static_cast<size_t>(media.Count()));
    if (media.CopyIds(ids) != 1) return;
    table->SortIds(ids);
    std::span<const uint8_t> defaults;
    if (printer.defaults) defaults = *printer.defaults;
    DriverSettings context(app().driverSettingsLibrary(), printer.printerName, printer.portName,
                           defaults);
    const int32_t paperSourceKind = context.GetPaperSourceKind();
    for (const uint16_t id : ids) {
        if (table->MediaCode(id) == -1) continue;
        auto* item = new QListWidgetItem(QString::fromStdString(media.NameOf(id)), mediaList_);
        item->setData(Qt::UserRole, id);
        Qt::ItemFlags flags = Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
        if (!(paperSourceKind == 2 && table->VariantMark(id))) flags |= Qt::ItemIsEnabled;
        item->setFlags(flags);
        item->setCheckState(Qt::Unchecked);
    }
}

void MediaTypeDialog::UpdateSampleButton() {
    bool anyChecked = false;
    for (int row = 0; row < mediaList_->count() && !anyChecked; ++row)
        anyChecked = mediaList_->item(row)->checkState() == Qt::Checked;
    sampleButton()->setEnabled(anyChecked);
}

void MediaTypeDialog::PrintSamples() {
    std::vector<SampleSpec> samples;
    for (int row = 0; row < mediaList_->count(); ++row) {
        const QListWidgetItem* item = mediaList_->item(row);
        if (item->checkState() != Qt::Checked) continue;
        const int32_t id = item->data(Qt::UserRole).toInt();
        SampleSpec sample{id, kMediaKind, ReferenceFiller(), ReferenceLabels(id)};
        if (entry() != nullptr)
            sample.labels.texts[LabelIndex::kEntryMode] =
                TextLabel(Text(kPrintQualityName), Text(kMediaKindName));
        sample.labels.Vary(LabelIndex::kMedia,
                           TextLabel(Text(kMediaName), item->text().toStdString()));
        samples.push_back(std::move(sample));
    }
    Print(samples);
}
