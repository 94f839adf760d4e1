#include "firmware/FirmwareUpdatePage.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "comm/PrinterQueries.h"
#include "firmware/FirmwareFile.h"
#include "firmware/FirmwareFolder.h"
#include "firmware/FirmwareImageCheck.h"
#include "firmware/FirmwareRestart.h"
#include "firmware/FirmwareUpdateJob.h"
#include "firmware/FirmwareVersion.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/FileDialogs.h"
#include "platform/SettingsStore.h"
#include "platform/WaitCursor.h"

namespace {

constexpr int kPageHeight = 250;
constexpr int kFileLabel = 1059;
constexpr int kFileName = 1060;
constexpr int kBrowseButton = 1001;
constexpr int kVersionFrame = 1061;
constexpr int kPrinterVersionLabel = 1062;
constexpr int kFileVersionLabel = 1063;
constexpr int kPrinterVersion = 1064;
constexpr int kFileVersion = 1065;
constexpr int kComparison = 1138;
constexpr int kUpdateButton = 1066;

constexpr int32_t kNotReady = 901;
constexpr int32_t kReadingVersion = 70000;
constexpr int32_t kUnknownVersion = 70009;
constexpr int32_t kUpdating = 70110;
constexpr int32_t kVersionNotRead = 70900;
constexpr int32_t kWrongVersionText = 70901;
constexpr int32_t kDamagedFile = 70902;
constexpr int32_t kUpdated = 70903;
constexpr int32_t kNoRestart = 70904;
constexpr int32_t kOtherVersion = 70905;
constexpr int32_t kStillNotReady = 70906;
constexpr int kReadingVersionLimitMs = 60000;
// Flashing and restarting take a little over two minutes.
constexpr int kRestartLimitMs = 150000;
constexpr const char* kFileFilter = "UPG File(*.UPG)|*.UPG||";
constexpr const char* kFileExtension = "UPG";
const QColor kDowngradeColour(255, 0, 0);

constexpr std::array<ControlText, 9> kTexts = {{
    {kFileLabel, 70002},
    {kBrowseButton, 70101},
    {kVersionFrame, 70003},
    {kPrinterVersionLabel, 70004},
    {kPrinterVersion, -1},
    {kFileVersionLabel, 70005},
    {kFileVersion, -1},
    {kUpdateButton, 70102},
    {Page::kHelpButton, 70100},
}};

constexpr std::array<ControlRect, 11> kRects = {{
    {kFileLabel, 15, 18, 120, 38},
    {kFileName, 125, 16, 455, 40},
    {kBrowseButton, 465, 16, 585, 40},
    {kVersionFrame, 15, 55, 585, 150},
    {kPrinterVersionLabel, 35, 80, 150, 100},
    {kPrinterVersion, 155, 80, 300, 100},
    {kFileVersionLabel, 35, 112, 150, 132},
    {kFileVersion, 155, 112, 300, 132},
    {kComparison, 15, 158, 585, 178},
    {kUpdateButton, 465, 188, 585, 212},
    {Page::kHelpButton, 11, 218, 124, 240},
}};

constexpr std::array<ReviewedMessage, 7> kReviewedMessages = {{
    {kVersionNotRead, MessageIcon::Warning},
    {kDamagedFile, MessageIcon::Error},
    {kWrongVersionText, MessageIcon::Error},
    {kNoRestart, MessageIcon::Warning},
    {kStillNotReady, MessageIcon::Warning},
    {kUpdated, MessageIcon::Information},
    {kOtherVersion, MessageIcon::Warning},
}};

QLabel* AddLabel(QWidget* page, int id) {
    auto* label = new QLabel(page);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetControlId(label, id);
    return label;
}

}  // namespace

FirmwareUpdatePage::FirmwareUpdatePage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, kPageHeight, parent) {
    CreateControls();
    Dress(kRects, kTexts);
    CompareVersions();
}

void FirmwareUpdatePage::CreateControls() {
    SetControlId(new QGroupBox(this), kVersionFrame);
    AddLabel(this, kFileLabel);
    fileName_ = AddLabel(this, kFileName);
    fileName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* browse = new QPushButton(this);
    SetControlId(browse, kBrowseButton);
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
    AddLabel(this, kPrinterVersionLabel);
    AddLabel(this, kFileVersionLabel);
    printerVersion_ = AddLabel(this, kPrinterVersion);
    fileVersion_ = AddLabel(this, kFileVersion);
    comparison_ = AddLabel(this, kComparison);
    comparison_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    update_ = new QPushButton(this);
    SetControlId(update_, kUpdateButton);
    connect(update_, &QPushButton::clicked, this, [this] { Update(); });
    AddHelpButton();
}

int FirmwareUpdatePage::PageActivated() {
    const WaitCursor cursor;
    ReadPrinterVersion();
    ReviewMessages(kReviewedMessages);
    return 1;
}

void FirmwareUpdatePage::ReadPrinterVersion() {
    ProgressDialog progress(app());
    progress.Show(app().LoadText(kReadingVersion), kReadingVersionLimitMs, false, nullptr);
    PrinterLink link = app().Link();
    const std::string version = ReadFirmwareVersion(link, app().selectedPrinter().printerName);
    progress.Close();
    if (version.empty() && !app().IsMessageReview()) {
        printerVersion_->clear();
        Tell(kVersionNotRead, MessageIcon::Warning);
    }
    ShowPrinterVersion(version);
}

void FirmwareUpdatePage::ShowPrinterVersion(const std::string& version) {
    printerVersion_->setText(QString::fromStdString(version));
    CompareVersions();
    // Compared while empty, so an unread version offers no Update until a file is chosen.
    if (version.empty()) printerVersion_->setText(app().LoadText(kUnknownVersion));
    printerVersion_->setAccessibleName(printerVersion_->text());
}

void FirmwareUpdatePage::CompareVersions() {
    const VersionVerdict verdict = CompareFirmwareVersions(printerVersion_->text().toStdString(),
                                                           fileVersion_->text().toStdString());
    update_->setEnabled(verdict.updateEnabled);
    const QString message = verdict.messageId < 0 ? QString() : app().LoadText(verdict.messageId);
    comparison_->setText(message);
    comparison_->setAccessibleName(message);
    comparison_->setFont(app().GetTextFont(verdict.messageId));
    QPalette colours = palette();
    if (verdict.drawnInRed) colours.setColor(QPalette::WindowText, kDowngradeColour);
    comparison_->setPalette(colours);
}

void FirmwareUpdatePage::Browse() {
    SettingsStore store;
    const FileDialogRequest request = {ReadFirmwareFolder(store, QDir::homePath().toStdString()),
                                       kFileFilter, kFileExtension};
    const std::string path = app().fileDialogs().ChooseFileToOpen(this, request);
    if (path.empty()) return;
    std::string version;
    int32_t result = kFirmwareUnreadable;
    {
        // A file of hundreds of megabytes takes a moment to add up.
        const WaitCursor cursor;
        result = ValidateFirmwareFile(path, version);
    }
    if (result != kFirmwareValid) {
        Tell(result == kFirmwareWrongVersion ? kWrongVersionText : kDamagedFile,
             MessageIcon::Error);
        return;
    }
    chosenPath_ = path;
    fileVersion_->setText(QString::fromStdString(version));
    fileVersion_->setAccessibleName(fileVersion_->text());
    CompareVersions();
    fileName_->setText(QFileInfo(QString::fromStdString(path)).fileName());
    fileName_->setAccessibleName(fileName_->text());
    RememberFirmwareFolder(store, path);
}

void FirmwareUpdatePage::Update() {
    const std::string printer = app().selectedPrinter().printerName;
    if (!WaitUntilReadyOrTell(printer)) return;
    int32_t sent = -1;
    {
        const WaitCursor cursor;
        sent = SendFirmwareUpdate(app().spooler(), printer, printerVersion_->text().toStdString(),
                                  chosenPath_);
    }
    if (sent != 0) {
        Tell(kNotReady, MessageIcon::Warning);
        return;
    }
    if (!WaitForRestart(printer)) return;
    PrinterLink link = app().Link();
    const UpdatedFirmware updated =
        ReadUpdatedFirmware(link, printer, fileVersion_->text().toStdString());
    ShowPrinterVersion(updated.printerVersion);
    Tell(updated.messageId,
         updated.messageId == kUpdated ? MessageIcon::Information : MessageIcon::Warning);
}

bool FirmwareUpdatePage::WaitForRestart(const std::string& printer) {
    ProgressDialog progress(app());
    progress.Show(app().LoadText(kUpdating), kRestartLimitMs, false, nullptr);
    PrinterLink link = app().Link();
    const int32_t result = WaitForFirmwareRestart(link, app().clock(), progress, printer);
    progress.Close();
    if (result != kRestartTimeLimit) return true;
    Tell(kNoRestart, MessageIcon::Warning);
    if (WaitUntilReady(app(), printer, false, nullptr) != 0) return true;
    Tell(kStillNotReady, MessageIcon::Warning);
    emit showPageRequested(0);
    return false;
}
