#include "maintenance/NozzleCleaningPage.h"

#include <QGroupBox>
#include <array>

#include "comm/HeadMaintenance.h"
#include "comm/RawJob.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"

namespace {

constexpr int kPageHeight = 270;
constexpr int kNozzleCheckFrame = 1160;
constexpr int kNozzleCheckButton = 1038;
constexpr int kNozzleCheckDescription = 1040;
constexpr int kCleaningFrame = 1161;
constexpr int kCleaningButton = 1039;
constexpr int kCleaningDescription = 1041;
constexpr int kNozzleCheckPicture = 160;
constexpr int kCleaningPicture = 159;

constexpr int32_t kNozzleCheckTitle = 20004;
constexpr int32_t kCleaningTitle = 20005;
constexpr int32_t kNotReady = 901;
constexpr int32_t kCleaningSent = 20900;
constexpr int32_t kNozzleCheckSent = 20902;
constexpr int32_t kInkTooLow = 20903;
constexpr int32_t kLevelTooLow = 20904;

constexpr std::array<ControlText, 7> kTexts = {{
    {kNozzleCheckFrame, kNozzleCheckTitle},
    {kNozzleCheckButton, -1},
    {kNozzleCheckDescription, 20002},
    {kCleaningFrame, kCleaningTitle},
    {kCleaningButton, -1},
    {kCleaningDescription, 20003},
    {Page::kHelpButton, 20100},
}};

constexpr std::array<ControlRect, 7> kRects = {{
    {kNozzleCheckFrame, 15, 10, 585, 115},
    {kNozzleCheckButton, 35, 45, 75, 85},
    {kNozzleCheckDescription, 95, 35, 570, 105},
    {kCleaningFrame, 15, 125, 585, 230},
    {kCleaningButton, 35, 160, 75, 200},
    {kCleaningDescription, 95, 150, 570, 220},
    {Page::kHelpButton, 11, 240, 124, 262},
}};

constexpr std::array<ReviewedMessage, 5> kReviewedMessages = {{
    {kCleaningSent, MessageIcon::Information},
    {20901, MessageIcon::Warning},
    {kNozzleCheckSent, MessageIcon::Information},
    {kInkTooLow, MessageIcon::Warning},
    {kLevelTooLow, MessageIcon::Warning},
}};

}  // namespace

NozzleCleaningPage::NozzleCleaningPage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, kPageHeight, parent) {
    CreateControls();
    Dress(kRects, kTexts);
}

void NozzleCleaningPage::CreateControls() {
    for (int id : {kNozzleCheckFrame, kCleaningFrame}) SetControlId(new QGroupBox(this), id);
    AddPictureButton(kNozzleCheckButton, kNozzleCheckPicture, kNozzleCheckTitle,
                     [this] { PrintNozzleCheck(); });
    AddPictureButton(kCleaningButton, kCleaningPicture, kCleaningTitle, [this] { CleanHeads(); });
    for (int id : {kNozzleCheckDescription, kCleaningDescription}) AddDescription(id);
    AddHelpButton();
}

int NozzleCleaningPage::PageActivated() {
    ReviewMessages(kReviewedMessages);
    return 1;
}

void NozzleCleaningPage::PrintNozzleCheck() {
    const std::string& printer = app().selectedPrinter().printerName;
    if (!WaitUntilReadyOrTell(printer)) return;
    SendJobAndTell(printer, NozzleCheckJob().Bytes(), kNozzleCheckSent);
}

void NozzleCleaningPage::CleanHeads() {
    if (!app().IsMessageReview()) {
        if (const int32_t refusal = CleaningRefusal()) {
            Tell(refusal, MessageIcon::Warning);
            return;
        }
    }
    const JobBuffer job = HeadCleaningJob();
    if (SendRawJob(app().spooler(), app().selectedPrinter().printerName, job.Bytes()) == 0) {
        Tell(kCleaningSent, MessageIcon::Information);
    }
}

int32_t NozzleCleaningPage::CleaningRefusal() {
    const std::string& printer = app().selectedPrinter().printerName;
    if (WaitUntilReady(app(), printer, true, nullptr) == 0) return kNotReady;
    PrinterLink link = app().Link();
    switch (CheckCleaningAllowed(link, printer)) {
        case CleaningVerdict::Allowed:
            return 0;
        case CleaningVerdict::InkTooLow:
            return kInkTooLow;
        case CleaningVerdict::LevelTooLow:
            return kLevelTooLow;
        case CleaningVerdict::NoStatus:
            break;
    }
    return kNotReady;
}
