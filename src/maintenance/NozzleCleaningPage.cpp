#include "maintenance/NozzleCleaningPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "app/ServiceApp.h"
#include "comm/JobBuffer.h"
#include "comm/MaintenancePackets.h"
#include "comm/PrinterLink.h"
#include "comm/RawJob.h"
#include "comm/RemotePackets.h"
#include "comm/StatusReply.h"
#include "config/ControlDressing.h"
#include "platform/Messages.h"

namespace {

constexpr int kPageWidth = 600;
constexpr int kPageHeight = 270;
constexpr int kNozzleCheckFrame = 1160;
constexpr int kNozzleCheckButton = 1038;
constexpr int kNozzleCheckDescription = 1040;
constexpr int kCleaningFrame = 1161;
constexpr int kCleaningButton = 1039;
constexpr int kCleaningDescription = 1041;
constexpr int kHelpButton = 1003;
constexpr int kNozzleCheckPicture = 160;
constexpr int kCleaningPicture = 159;

constexpr int32_t kNozzleCheckTitle = 20004;
constexpr int32_t kCleaningTitle = 20005;
constexpr int32_t kNotReady = 901;
constexpr int32_t kCleaningSent = 20900;
constexpr int32_t kNozzleCheckSent = 20902;
constexpr int32_t kInkTooLow = 20903;
constexpr int32_t kLevelTooLow = 20904;
constexpr int kJobRoom = 128;
// The printer needs a moment to take the nozzle check job before the page is usable again.
constexpr int kNozzleCheckSettleMs = 3000;

constexpr std::array<ControlText, 7> kTexts = {{
    {kNozzleCheckFrame, kNozzleCheckTitle},
    {kNozzleCheckButton, -1},
    {kNozzleCheckDescription, 20002},
    {kCleaningFrame, kCleaningTitle},
    {kCleaningButton, -1},
    {kCleaningDescription, 20003},
    {kHelpButton, 20100},
}};

constexpr std::array<ControlRect, 7> kRects = {{
    {kNozzleCheckFrame, 15, 10, 585, 115},
    {kNozzleCheckButton, 35, 45, 75, 85},
    {kNozzleCheckDescription, 95, 35, 570, 105},
    {kCleaningFrame, 15, 125, 585, 230},
    {kCleaningButton, 35, 160, 75, 200},
    {kCleaningDescription, 95, 150, 570, 220},
    {kHelpButton, 11, 240, 124, 262},
}};

}  // namespace

NozzleCleaningPage::NozzleCleaningPage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, parent) {
    resize(kPageWidth, kPageHeight);
    CreateControls();
    app.PlaceControls(this, kRects);
    app.ApplyFonts(this, kTexts);
    app.ApplyTexts(this, kTexts);
}

void NozzleCleaningPage::CreateControls() {
    auto* checkFrame = new QGroupBox(this);
    SetControlId(checkFrame, kNozzleCheckFrame);
    auto* cleanFrame = new QGroupBox(this);
    SetControlId(cleanFrame, kCleaningFrame);

    auto* checkButton = new QPushButton(this);
    checkButton->setIcon(app().LoadBitmap(kNozzleCheckPicture));
    checkButton->setIconSize(QSize(32, 32));
    checkButton->setAccessibleName(app().LoadText(kNozzleCheckTitle));
    SetControlId(checkButton, kNozzleCheckButton);
    connect(checkButton, &QPushButton::clicked, this, [this] { PrintNozzleCheck(); });

    auto* cleanButton = new QPushButton(this);
    cleanButton->setIcon(app().LoadBitmap(kCleaningPicture));
    cleanButton->setIconSize(QSize(32, 32));
    cleanButton->setAccessibleName(app().LoadText(kCleaningTitle));
    SetControlId(cleanButton, kCleaningButton);
    connect(cleanButton, &QPushButton::clicked, this, [this] { CleanHeads(); });

    for (int id : {kNozzleCheckDescription, kCleaningDescription}) {
        auto* description = new QLabel(this);
        description->setWordWrap(true);
        description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetControlId(description, id);
    }

    auto* help = new QPushButton(this);
    SetControlId(help, kHelpButton);
    connect(help, &QPushButton::clicked, this, [this] { OpenHelp(); });
}

int NozzleCleaningPage::PageActivated() {
    if (app().IsMessageReview()) {
        Tell(kCleaningSent, MessageIcon::Information);
        Tell(kNotReady, MessageIcon::Warning);
        Tell(kNozzleCheckSent, MessageIcon::Information);
        Tell(kInkTooLow, MessageIcon::Warning);
        Tell(kLevelTooLow, MessageIcon::Warning);
    }
    return 1;
}

void NozzleCleaningPage::PrintNozzleCheck() {
    const std::string& printer = app().selectedPrinter().printerName;
    if (!app().IsMessageReview()) {
        PrinterLink link(app());
        if (link.WaitUntilReady(printer, true, nullptr) == 0) {
            Tell(kNotReady, MessageIcon::Warning);
            return;
        }
    }
    JobBuffer job(kJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendNC(job.Rest(), 0));
    job.Advance(AppendVI(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    job.Advance(AppendJobEnd(job.Rest()));
    if (SendRawJobUnderWaitCursor(app(), printer, job.Bytes(), kNozzleCheckSettleMs) == 0) {
        Tell(kNozzleCheckSent, MessageIcon::Information);
    }
}

void NozzleCleaningPage::CleanHeads() {
    if (!app().IsMessageReview()) {
        if (const int32_t refusal = CleaningRefusal()) {
            Tell(refusal, MessageIcon::Warning);
            return;
        }
    }
    JobBuffer job(kJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendCH(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    if (SendRawJob(app().spooler(), app().selectedPrinter().printerName, job.Bytes()) == 0) {
        Tell(kCleaningSent, MessageIcon::Information);
    }
}

int32_t NozzleCleaningPage::CleaningRefusal() {
    const std::string& printer = app().selectedPrinter().printerName;
    PrinterLink link(app());
    if (link.WaitUntilReady(printer, true, nullptr) == 0) return kNotReady;
    const int32_t channel = link.OpenChannel(printer);
    if (channel < 1) return kNotReady;
    StatusReply status;
    const int32_t read = link.ReadStatus(channel, status);
    link.CloseChannel(channel);
    if (read < 0) return kNotReady;
    if (status.HasEntryAtMost25()) return kInkTooLow;
    if (status.IsField0DAtMost12()) return kLevelTooLow;
    return 0;
}

void NozzleCleaningPage::Tell(int32_t textId, MessageIcon icon) {
    app().messages().Show(this, app().LoadText(textId), app().LoadText(0), icon,
                          MessageButtons::Ok);
}
