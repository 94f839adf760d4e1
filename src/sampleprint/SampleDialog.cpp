#include "sampleprint/SampleDialog.h"

#include "platform/FileDialogs.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"
#include "platform/SettingsStore.h"
#include "sampleprint/SampleAdjustment.h"

namespace {

constexpr const char* kBitmapFilter = "Bitmap File(*.BMP)|*.BMP||";
constexpr const char* kBitmapExtension = "BMP";

QString FileNamePart(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName();
}

template <typename Control>
Control* Make(QWidget* parent, int id) {
    auto* control = new Control(parent);
    SetControlId(control, id);
    return control;
}

}  // namespace

SampleDialog::SampleDialog(ServiceApp& app, SampleReference reference, QWidget* parent)
    : QDialog(parent),
      app_(app),
      reference_(std::move(reference)),
      driverMedia_(app.driverSettingsLibrary(), app.selectedPrinter().printerName,
                   app.selectedPrinter().portName),
      samplePrint_(Make<QPushButton>(this, kSamplePrint)),
      standardImage_(nullptr),
      userImage_(nullptr),
      imageName_(nullptr),
      browse_(nullptr) {
    setModal(true);
    connect(samplePrint_, &QPushButton::clicked, this, [this] { PrintSamples(); });
    CreateImageControls();
    auto* help = Make<QPushButton>(this, kHelp);
    connect(help, &QPushButton::clicked, this,
            [this] { app_.OpenManual(layout_.helpSection, layout_.helpItem); });
    auto* close = Make<QPushButton>(this, kClose);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {samplePrint_, browse_, help, close}) button->setAutoDefault(false);
}

void SampleDialog::CreateImageControls() {
    Make<QGroupBox>(this, kImageGroup);
    standardImage_ = Make<QRadioButton>(this, kStandardImage);
    userImage_ = Make<QRadioButton>(this, kUserImage);
    imageName_ = Make<QLabel>(this, kImageName);
    browse_ = Make<QPushButton>(this, kBrowse);
    connect(standardImage_, &QRadioButton::clicked, this, [this] { ChooseImage(false); });
    connect(userImage_, &QRadioButton::clicked, this, [this] { ChooseImage(true); });
    connect(browse_, &QPushButton::clicked, this, [this] { Browse(); });
}

void SampleDialog::Start(const SampleDialogLayout& layout) {
    layout_ = layout;
    setFixedSize(layout.size);
    Dress(layout.rects, layout.texts);
    const int right = layout.size.width() - 12;
    const int top = layout.size.height() - 144;
    const std::array<ControlRect, 8> rects = {{
        {kImageGroup, 12, top, right, top + 94},
        {kStandardImage, 24, top + 20, right - 118, top + 42},
        {kUserImage, 24, top + 44, right - 118, top + 66},
        {kImageName, 44, top + 68, right - 118, top + 88},
        {kBrowse, right - 106, top + 42, right - 12, top + 68},
        {kSamplePrint, 12, top + 104, 132, top + 132},
        {kHelp, 142, top + 104, 242, top + 132},
        {kClose, right - 100, top + 104, right, top + 132},
    }};
    const int32_t title = layout.titleText;
    const std::array<ControlText, 8> texts = {{
        {kImageGroup, title + 2},
        {kStandardImage, title + 3},
        {kUserImage, title + 4},
        {kImageName, -1},
        {kBrowse, title + 52},
        {kSamplePrint, title + 51},
        {kHelp, title + 53},
        {kClose, title + 50},
    }};
    Dress(rects, texts);
    setWindowTitle(app_.LoadText(layout.titleText));
    setAccessibleName(windowTitle());
    imageName_->setAccessibleName(userImage_->text());

    const SettingsStore store;
    const int32_t choice = store.ReadNumber(layout.choiceValue, kStandardImage);
    userImagePath_ = store.ReadString(layout.pathValue);
    // A stored value that is neither button leaves both unchecked.
    standardImage_->setAutoExclusive(false);
    userImage_->setAutoExclusive(false);
    standardImage_->setChecked(choice == kStandardImage);
    userImage_->setChecked(choice == kUserImage);
    standardImage_->setAutoExclusive(true);
    userImage_->setAutoExclusive(true);
    ChooseImage(choice == kUserImage);
    imageName_->setText(FileNamePart(userImagePath_));
}

void SampleDialog::Dress(std::span<const ControlRect> rects, std::span<const ControlText> texts) {
    app_.PlaceControls(this, rects);
    app_.ApplyFonts(this, texts);
    app_.ApplyTexts(this, texts);
}

void SampleDialog::showEvent(QShowEvent* event) {
    if (QWidget* owner = parentWidget()) {
        move(owner->window()->frameGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void SampleDialog::ChooseImage(bool user) {
    browse_->setEnabled(user);
    imageName_->setEnabled(user);
}

void SampleDialog::Browse() {
    const std::string path =
        app_.fileDialogs().ChooseFileToOpen(this, {{}, kBitmapFilter, kBitmapExtension});
    if (path.empty()) return;
    userImagePath_ = path;
    imageName_->setText(FileNamePart(path));
}

std::string SampleDialog::Text(int32_t id) const {
    return app_.LoadText(id).toStdString();
}

SampleLabels SampleDialog::ReferenceLabels(int32_t mediaId) const {
    const std::string mediaName = driverMedia_.NameOf(mediaId);
    const TextLookup loadText = [this](int32_t id) { return Text(id); };
    if (const CustomPaperFileEntry* fileEntry = entry())
        return BuildFileEntryLabels(*fileEntry, mediaName, loadText);
    return BuildSlotLabels(*slot(), mediaName, loadText);
}

AdjustmentFiller SampleDialog::ReferenceFiller() const {
    if (const CustomPaperFileEntry* fileEntry = entry())
        return [setting = *fileEntry](MediaAdjustBlock& block) {
            FillAdjustmentFromFileEntry(block, setting);
        };
    return [setting = *slot()](MediaAdjustBlock& block) { FillAdjustmentFromSlot(block, setting); };
}

void SampleDialog::Print(const std::vector<SampleSpec>& samples, bool onePage) {
    if (samples.empty()) return;
    const SampleImageChoice image{userImage_->isChecked(), userImagePath_, layout_.choiceValue,
                                  layout_.pathValue};
    SampleRun run(app_, this, windowTitle());
    if (onePage) {
        run.PrintOnePage(image, samples.front());
    } else {
        run.PrintSamples(image, samples);
    }
}
