#include "app/MainMenuPage.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <array>

#include "app/FixedTexts.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"
#include "platform/Messages.h"
#include "printers/PrinterSelection.h"

namespace {

constexpr int kPageHeight = 393;
constexpr int kPrinterLabel = 1028;
constexpr int kPrinterCombo = 1026;
constexpr int kSeparator = 1137;
constexpr int kPrinterPicture = 166;

struct FunctionButton {
    int buttonId;
    int picture;
    int titleId;
    int descriptionId;
    int32_t titleText;
    int pageNumber;
};

constexpr std::array<FunctionButton, 9> kFunctions = {{
    {1011, 149, 1009, 1033, 3, 1},
    {1012, 153, 1007, 1031, 5, 2},
    {1013, 154, 1010, 1034, 7, 3},
    {1014, 151, 1020, 1035, 9, 4},
    {1015, 152, 1021, 1036, 11, 5},
    {1016, 155, 1022, 1037, 13, 6},
    {1017, 157, 1008, 1032, 15, 7},
    {1018, 150, 1006, 1030, 17, 8},
    {1019, 156, 1005, 1029, 19, 9},
}};

constexpr std::array<ControlRect, 31> kRects = {{
    {kPrinterLabel, 70, 12, 200, 30},
    {kPrinterCombo, 210, 10, 460, 28},
    {kSeparator, 60, 38, 540, 40},
    {1011, 15, 48, 55, 88},
    {1012, 15, 109, 55, 149},
    {1013, 15, 170, 55, 210},
    {1014, 15, 231, 55, 271},
    {1015, 15, 292, 55, 332},
    {1016, 305, 48, 345, 88},
    {1017, 305, 109, 345, 149},
    {1018, 305, 170, 345, 210},
    {1019, 305, 231, 345, 271},
    {1009, 67, 47, 300, 66},
    {1033, 67, 67, 300, 107},
    {1007, 67, 108, 300, 127},
    {1031, 67, 128, 300, 168},
    {1010, 67, 169, 300, 188},
    {1034, 67, 189, 300, 229},
    {1020, 67, 230, 300, 249},
    {1035, 67, 250, 300, 290},
    {1021, 67, 291, 300, 310},
    {1036, 67, 311, 300, 351},
    {1022, 357, 47, 599, 66},
    {1037, 357, 67, 590, 107},
    {1008, 357, 108, 599, 127},
    {1032, 357, 128, 590, 168},
    {1006, 357, 169, 599, 188},
    {1030, 357, 189, 590, 229},
    {1005, 357, 230, 599, 249},
    {1029, 357, 250, 590, 290},
    {Page::kHelpButton, 11, 360, 124, 382},
}};

constexpr std::array<ControlText, 22> kTexts = {{
    {kPrinterLabel, 2}, {kPrinterCombo, -1}, {1009, 3},
    {1033, 4},          {1007, 5},           {1031, 6},
    {1010, 7},          {1034, 8},           {1020, 9},
    {1035, 10},         {1021, 11},          {1036, 12},
    {1022, 13},         {1037, 14},          {1008, 15},
    {1032, 16},         {1006, 17},          {1030, 18},
    {1005, 19},         {1029, 20},          {Page::kHelpButton, 100},
    {kSeparator, -1},
}};

constexpr std::array<ReviewedMessage, 6> kReviewedMessages = {{
    {904, MessageIcon::Error, MessageButtons::Ok},
    {905, MessageIcon::Error, MessageButtons::Ok},
    {906, MessageIcon::Error, MessageButtons::Ok},
    {901, MessageIcon::Warning, MessageButtons::Ok},
    {902, MessageIcon::Error, MessageButtons::Ok},
    {900, MessageIcon::Information, MessageButtons::OkCancel},
}};

}  // namespace

MainMenuPage::MainMenuPage(ServiceApp& app, QWidget* parent)
    : Page(app, 0, kPageHeight, parent), printerPicture_(app.LoadBitmap(kPrinterPicture)) {
    CreateControls();
    Dress(kRects, kTexts);
    FillPrinterCombo();
}

void MainMenuPage::CreateControls() {
    auto* label = new QLabel(this);
    SetControlId(label, kPrinterLabel);
    printerCombo_ = new QComboBox(this);
    SetControlId(printerCombo_, kPrinterCombo);
    printerCombo_->setAccessibleName(app().LoadText(2));
    label->setBuddy(printerCombo_);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    SetControlId(separator, kSeparator);

    for (const FunctionButton& function : kFunctions) {
        const int pageNumber = function.pageNumber;
        AddPictureButton(function.buttonId, function.picture, function.titleText,
                         [this, pageNumber] { OpenFunction(pageNumber); });

        auto* title = new QLabel(this);
        SetControlId(title, function.titleId);
        AddDescription(function.descriptionId);
    }

    AddHelpButton();
}

void MainMenuPage::FillPrinterCombo() {
    printers_.Build(
        app().spooler(),
        [this](const std::string& driver) { return app().IsSupportedModel(driver); },
        PrinterSelection::RememberedPrinter());
    for (const std::string& name : printers_.ChoiceNames()) {
        printerCombo_->addItem(QString::fromStdString(name));
    }
    printerCombo_->setCurrentIndex(printers_.Preselected());
}

int MainMenuPage::PrinterCount() const {
    return printers_.ChoiceCount();
}

void MainMenuPage::OpenFunction(int pageNumber) {
    PrinterSelection selection(app());
    if (selection.Apply(printers_.QueueOfChoice(printerCombo_->currentIndex()), this) == 0) {
        emit showPageRequested(pageNumber);
    }
}

int MainMenuPage::PageActivated() {
    if (app().IsMessageReview()) ReviewStartupMessages();
    return 1;
}

void MainMenuPage::ReviewStartupMessages() {
    // The first one is the text built into the program; the rest come from the language files.
    app().messages().Show(this, NecessaryFileMissingText(), app().LoadText(0), MessageIcon::Error,
                          MessageButtons::Ok);
    ReviewMessages(kReviewedMessages);
}

void MainMenuPage::paintEvent(QPaintEvent*) {
    if (printerPicture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(15, 0, printerPicture_);
}

void MainMenuPage::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    printerCombo_->setFocus();
}
