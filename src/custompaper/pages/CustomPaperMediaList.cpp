#include "custompaper/pages/CustomPaperMediaList.h"

#include <QSignalBlocker>
#include <span>

#include "config/MediaTable.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettings.h"
#include "pagekit/MarkCombo.h"
#include "pagekit/ServiceApp.h"

namespace {

constexpr int kRowHeight = 15;
constexpr int32_t kCutSheetSource = 2;
// The media kind a media's default thickness is looked up with.
constexpr int32_t kThicknessMediaKind = 2;

}  // namespace

CustomPaperMediaList::CustomPaperMediaList(ServiceApp& app, MarkCombo* combo)
    : QObject(combo), app_(app), combo_(combo) {
    combo_->SetRowHeight(kRowHeight);
}

bool CustomPaperMediaList::RebuildForSelectedPrinter() {
    const SelectedPrinter& printer = app_.selectedPrinter();
    if (builtFor_ == printer.printerName) {
        ApplyGreyRule();
        return false;
    }
    builtFor_ = printer.printerName;
    const QSignalBlocker quiet(combo_);
    combo_->clear();
    cutSheetFeeding_ = OpenDriverSettings().GetPaperSourceKind() == kCutSheetSource;
    const DriverMediaList list(app_.driverSettingsLibrary(), printer.printerName, printer.portName);
    for (int i = 0; i < list.Count(); ++i) {
        const int32_t id = list.IdAt(i);
        if (Media().MediaCode(id) == -1) continue;
        combo_->AddEntry(QString::fromStdString(list.NameAt(i)), static_cast<uint32_t>(id));
        MarkItem(combo_->count() - 1);
    }
    combo_->setCurrentIndex(combo_->count() > 0 ? 0 : -1);
    return true;
}

void CustomPaperMediaList::ApplyGreyRule() {
    cutSheetFeeding_ = OpenDriverSettings().GetPaperSourceKind() == kCutSheetSource;
    for (int i = 0; i < combo_->count(); ++i) MarkItem(i);
}

int32_t CustomPaperMediaList::SelectedId() const {
    const int index = combo_->currentIndex();
    if (index < 0) return 0;
    return static_cast<int32_t>(combo_->ItemValue(index) & ~MarkCombo::kMark);
}

bool CustomPaperMediaList::Select(int32_t mediaId) {
    for (int i = 0; i < combo_->count(); ++i) {
        if ((combo_->ItemValue(i) & ~MarkCombo::kMark) != static_cast<uint32_t>(mediaId)) continue;
        const QSignalBlocker quiet(combo_);
        combo_->setCurrentIndex(i);
        return true;
    }
    return false;
}

void CustomPaperMediaList::SelectFirst() {
    if (combo_->count() == 0) return;
    const QSignalBlocker quiet(combo_);
    combo_->setCurrentIndex(0);
}

void CustomPaperMediaList::AddPlaceholder(int32_t textId) {
    const QSignalBlocker quiet(combo_);
    combo_->AddEntry(app_.LoadText(textId), 0);
    combo_->setCurrentIndex(combo_->count() - 1);
}

void CustomPaperMediaList::RemovePlaceholder() {
    const QSignalBlocker quiet(combo_);
    for (int i = combo_->count() - 1; i >= 0; --i) {
        if ((combo_->ItemValue(i) & ~MarkCombo::kMark) == 0) combo_->removeItem(i);
    }
}

bool CustomPaperMediaList::AllowsSamples() const {
    const int32_t id = SelectedId();
    return id != 0 && !(cutSheetFeeding_ && Media().VariantMark(id));
}

std::optional<int32_t> CustomPaperMediaList::ChooseInDriver(int32_t mediaId) {
    DriverSettings settings = OpenDriverSettings();
    settings.SelectMedia(mediaId, kThicknessMediaKind);
    const int32_t thickness = settings.CurrentMediaValue8(Media());
    if (thickness == -1) return std::nullopt;
    return thickness;
}

std::string CustomPaperMediaList::InkLayout() {
    return OpenDriverSettings().GetInkLayout();
}

DriverSettings CustomPaperMediaList::OpenDriverSettings() {
    const SelectedPrinter& printer = app_.selectedPrinter();
    std::span<const uint8_t> record;
    if (printer.defaults) record = *printer.defaults;
    return DriverSettings(app_.driverSettingsLibrary(), printer.printerName, printer.portName,
                          record);
}

const MediaTable& CustomPaperMediaList::Media() const {
    const MediaTable* table = app_.mediaTable();
    return table != nullptr ? *table : noMedia_;
}

void CustomPaperMediaList::MarkItem(int index) {
    const auto id = static_cast<int32_t>(combo_->ItemValue(index) & ~MarkCombo::kMark);
    const bool greyed = cutSheetFeeding_ && Media().VariantMark(id);
    combo_->SetMark(index, greyed ? MarkCombo::kMark : 0);
}
