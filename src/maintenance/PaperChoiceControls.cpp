#include "maintenance/PaperChoiceControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <span>

#include "comm/PrinterQueries.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettings.h"
#include "maintenance/AlignmentMedia.h"
#include "maintenance/PlatenGapTable.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/MarkCombo.h"
#include "pagekit/NumberText.h"
#include "pagekit/Page.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ServiceApp.h"
#include "platform/WaitCursor.h"

namespace {

constexpr int kFillingLimitMs = 60000;
constexpr int kMediaRowHeight = 15;
constexpr int32_t kCutSheetSource = 2;
constexpr int32_t kRollSource = 1;
// The media kind a thickness is looked up with.
constexpr int32_t kThicknessMediaKind = 2;
// The printer's platen gap setting under which each job chooses its own gap.
constexpr int32_t kJobChoosesPlatenGap = 2;
constexpr int32_t kNotReady = 901;
constexpr int32_t kPlatenGapNotAuto = 80900;

}  // namespace

PaperChoiceControls::PaperChoiceControls(ServiceApp& app, QWidget* page, const Texts& texts,
                                         bool markGreys, int top, std::function<void()> changed)
    : QObject(page),
      app_(app),
      texts_(texts),
      markGreys_(markGreys),
      changed_(std::move(changed)),
      media_(new MarkCombo(page)),
      thickness_(new QLineEdit(page)),
      gap_(new QComboBox(page)) {
    for (int id : {kMediaLabel, kThicknessLabel, kUnitLabel, kGapLabel}) {
        SetControlId(new QLabel(page), id);
    }
    SetControlId(media_, kMediaList);
    SetControlId(thickness_, kThicknessBox);
    SetControlId(gap_, kGapList);
    media_->SetRowHeight(kMediaRowHeight);

    const std::array<ControlRect, 7> rects = {{
        {kMediaLabel, 15, top + 2, 130, top + 20},
        {kMediaList, 135, top, 430, top + 20},
        {kThicknessLabel, 15, top + 30, 130, top + 48},
        {kThicknessBox, 135, top + 28, 175, top + 48},
        {kUnitLabel, 180, top + 30, 270, top + 48},
        {kGapLabel, 290, top + 30, 380, top + 48},
        {kGapList, 385, top + 28, 585, top + 48},
    }};
    const std::array<ControlText, 7> dressing = {{
        {kMediaLabel, texts.mediaLabel},
        {kMediaList, -1},
        {kThicknessLabel, texts.thicknessLabel},
        {kThicknessBox, -1},
        {kUnitLabel, texts.unitLabel},
        {kGapLabel, texts.gapLabel},
        {kGapList, -1},
    }};
    app_.PlaceControls(page, rects);
    app_.ApplyFonts(page, dressing);
    app_.ApplyTexts(page, dressing);
    // The boxes are named by their labels.
    media_->setAccessibleName(app_.LoadText(texts.mediaLabel));
    thickness_->setAccessibleName(app_.LoadText(texts.thicknessLabel));
    gap_->setAccessibleName(app_.LoadText(texts.gapLabel));

    connect(media_, &QComboBox::currentIndexChanged, this, [this] { MediaChanged(); });
    connect(thickness_, &QLineEdit::textChanged, this, [this] { ThicknessChanged(); });
    gap_->setEnabled(false);
}

bool PaperChoiceControls::FillForSelectedPrinter(const std::function<void()>& meanwhile) {
    const SelectedPrinter& printer = app_.selectedPrinter();
    if (filledFor_ == printer.printerName) return false;
    filledFor_ = printer.printerName;

    const WaitCursor cursor;
    ProgressDialog progress(app_);
    progress.Show(app_.LoadText(texts_.fillingTitle), kFillingLimitMs, false, nullptr);
    {
        const QSignalBlocker quiet(media_);
        media_->clear();
        media_->AddEntry(app_.LoadText(texts_.firstMedia), 0);
        paperSourceKind2_ = OpenDriverSettings().GetPaperSourceKind() == kCutSheetSource;
        const DriverMediaList list(app_.driverSettingsLibrary(), printer.printerName,
                                   printer.portName);
        for (int i = 0; i < list.Count(); ++i) {
            const int32_t id = list.IdAt(i);
            if (Media().MediaCode(id) == -1) continue;
            media_->AddEntry(QString::fromStdString(list.NameAt(i)), static_cast<uint32_t>(id));
            MarkEntry(media_->count() - 1);
            progress.Poll();
        }
        media_->setCurrentIndex(0);
    }
    MediaChanged();
    if (meanwhile) meanwhile();
    progress.Close();
    return true;
}

void PaperChoiceControls::PrinterDefaultsChanged() {
    paperSourceKind2_ = OpenDriverSettings().GetPaperSourceKind() == kCutSheetSource;
    for (int i = 0; i < media_->count(); ++i) MarkEntry(i);
    MediaChanged();
}

bool PaperChoiceControls::AllowsAlignment() const {
    return !thickness_->text().isEmpty() &&
           IsMediaSelectionUsable(Media(), media_->currentIndex(), SelectedMediaId(),
                                  paperSourceKind2_);
}

int32_t PaperChoiceControls::Thickness() const {
    return thickness_->text().isEmpty() ? -1 : thickness_->text().toInt();
}

int32_t PaperChoiceControls::GapCodeForJob(Page& page) {
    PrinterLink link = app_.Link();
    if (ReadPlatenGapSetting(link, app_.selectedPrinter().printerName) != kJobChoosesPlatenGap) {
        page.Tell(kPlatenGapNotAuto, MessageIcon::Warning);
        return -1;
    }
    const int32_t gapCode = ResolveGapCode();
    if (gapCode < 0) page.Tell(kNotReady, MessageIcon::Warning);
    return gapCode;
}

int32_t PaperChoiceControls::ResolveGapCode() {
    const int32_t code =
        gap_->currentIndex() >= 0 ? GapCodeOfIndex(gap_->currentData().toInt()) : 0;
    const int32_t id = SelectedMediaId();
    if (code != 0 || id == 0) return code;
    DriverSettings settings = OpenDriverSettings();
    const int32_t variant = settings.GetPaperSourceKind() != kRollSource ? 1 : 0;
    const int32_t paperType = Media().PaperTypeCode(id, variant);
    PrinterLink link = app_.Link();
    const int32_t index = ReadSlotPlatenGap(link, app_.selectedPrinter().printerName,
                                            static_cast<uint8_t>(paperType));
    if (index < 0 || index > 4) return -1;
    return GapCodeOfIndex(index);
}

DriverSettings PaperChoiceControls::OpenDriverSettings() {
    const SelectedPrinter& printer = app_.selectedPrinter();
    std::span<const uint8_t> record;
    if (printer.defaults) record = *printer.defaults;
    return DriverSettings(app_.driverSettingsLibrary(), printer.printerName, printer.portName,
                          record);
}

const MediaTable& PaperChoiceControls::Media() const {
    const MediaTable* table = app_.mediaTable();
    return table != nullptr ? *table : noMedia_;
}

int32_t PaperChoiceControls::SelectedMediaId() const {
    const int index = media_->currentIndex();
    if (index < 0) return 0;
    return static_cast<int32_t>(media_->ItemValue(index) & ~MarkCombo::kMark);
}

void PaperChoiceControls::MarkEntry(int index) {
    const auto id = static_cast<int32_t>(media_->ItemValue(index) & ~MarkCombo::kMark);
    const bool greyed = IsMediaGreyed(Media(), id, paperSourceKind2_, markGreys_);
    media_->SetMark(index, greyed ? MarkCombo::kMark : 0);
}

void PaperChoiceControls::SetThicknessText(const QString& text) {
    const QSignalBlocker quiet(thickness_);
    thickness_->setText(text);
}

void PaperChoiceControls::MediaChanged() {
    const int32_t id = SelectedMediaId();
    if (id == 0) {
        thickness_->setReadOnly(false);
        SetThicknessText({});
        ThicknessChanged();
        return;
    }
    {
        DriverSettings settings = OpenDriverSettings();
        settings.SelectMedia(id, kThicknessMediaKind);
        const int32_t thickness = settings.CurrentMediaValue8(Media());
        if (thickness != -1) SetThicknessText(QString::number(thickness));
    }
    thickness_->setReadOnly(true);
    ThicknessChanged();
    const int fromMedia = gap_->findData(0);
    if (fromMedia >= 0) gap_->setCurrentIndex(fromMedia);
}

void PaperChoiceControls::ThicknessChanged() {
    const QString typed = thickness_->text();
    const QString text = QString::fromStdString(
        NormalizeNumberText(typed.toStdString(), kMinThickness, kMaxThickness, true));
    if (text != typed) {
        SetThicknessText(text);
        thickness_->setCursorPosition(static_cast<int>(text.size()));
    }
    if (text.isEmpty()) {
        gap_->setEnabled(false);
        thicknessWasEmpty_ = true;
    } else {
        gap_->setEnabled(true);
        const int previous = std::max(0, gap_->currentIndex());
        const bool mediaChosen = SelectedMediaId() != 0;
        const std::vector<PlatenGapEntry> entries = PlatenGapEntries(text.toInt(), mediaChosen);
        const QSignalBlocker quiet(gap_);
        gap_->clear();
        for (const PlatenGapEntry& entry : entries) {
            gap_->addItem(app_.LoadText(texts_.firstGap + entry.textOffset), entry.index);
        }
        gap_->setCurrentIndex(
            PlatenGapSelection(entries, previous, thicknessWasEmpty_, mediaChosen));
        thicknessWasEmpty_ = false;
    }
    if (changed_) changed_();
}
