#include "status/PrinterStatusPage.h"

#include <QGroupBox>
#include <QPushButton>
#include <array>
#include <vector>

#include "pagekit/ControlDressing.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ServiceApp.h"
#include "status/JobInformationReader.h"
#include "status/JobReport.h"
#include "status/TextViewer.h"

namespace {

constexpr int kPageHeight = 311;
constexpr int kJobFrame = 1042;
constexpr int kDisplayJobButton = 1043;
constexpr int kDisplayJobDescription = 1044;
constexpr int kPrintJobButton = 1002;
constexpr int kPrintJobDescription = 1045;
constexpr int kCustomFrame = 1046;
constexpr int kPrintCustomButton = 1004;
constexpr int kPrintCustomDescription = 1048;
constexpr int kStatusFrame = 1047;
constexpr int kPrintStatusButton = 1005;
constexpr int kPrintStatusDescription = 1049;

constexpr int32_t kReadingJobs = 60300;
constexpr int32_t kJobsNotRead = 60900;
constexpr int32_t kSheetSent = 60901;
// Reading ten jobs takes seconds; the limit only guards against a printer that never answers.
constexpr int kReadingLimitMs = 1000000;

constexpr std::array<ControlText, 12> kTexts = {{
    {kJobFrame, 60002},
    {kDisplayJobButton, 60101},
    {kDisplayJobDescription, 60003},
    {kPrintJobButton, 60102},
    {kPrintJobDescription, 60004},
    {kCustomFrame, 60005},
    {kPrintCustomButton, 60103},
    {kPrintCustomDescription, 60006},
    {kStatusFrame, 60007},
    {kPrintStatusButton, 60104},
    {kPrintStatusDescription, 60008},
    {Page::kHelpButton, 60100},
}};

constexpr std::array<ControlRect, 12> kRects = {{
    {kJobFrame, 12, 11, 563, 119},
    {kDisplayJobButton, 23, 32, 146, 53},
    {kDisplayJobDescription, 165, 32, 552, 62},
    {kPrintJobButton, 23, 77, 146, 98},
    {kPrintJobDescription, 165, 77, 552, 107},
    {kCustomFrame, 12, 134, 563, 190},
    {kPrintCustomButton, 23, 156, 146, 177},
    {kPrintCustomDescription, 165, 155, 552, 185},
    {kStatusFrame, 12, 206, 563, 262},
    {kPrintStatusButton, 23, 228, 147, 249},
    {kPrintStatusDescription, 165, 230, 552, 260},
    {Page::kHelpButton, 11, 278, 124, 300},
}};

constexpr std::array<ReviewedMessage, 2> kReviewedMessages = {{
    {kJobsNotRead, MessageIcon::Warning},
    {kSheetSent, MessageIcon::Information},
}};

}  // namespace

PrinterStatusPage::PrinterStatusPage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, kPageHeight, parent), viewer_(std::make_unique<TextViewer>(app)) {
    CreateControls();
    Dress(kRects, kTexts);
}

PrinterStatusPage::~PrinterStatusPage() = default;

void PrinterStatusPage::CreateControls() {
    for (int id : {kJobFrame, kCustomFrame, kStatusFrame}) SetControlId(new QGroupBox(this), id);
    const std::array<std::pair<int, std::function<void()>>, 4> buttons = {{
        {kDisplayJobButton, [this] { DisplayJobs(); }},
        {kPrintJobButton, [this] { PrintSheet(StatusSheet::JobInformation); }},
        {kPrintCustomButton, [this] { PrintSheet(StatusSheet::CustomConfiguration); }},
        {kPrintStatusButton, [this] { PrintSheet(StatusSheet::Status); }},
    }};
    for (const auto& [id, pressed] : buttons) {
        auto* button = new QPushButton(this);
        SetControlId(button, id);
        connect(button, &QPushButton::clicked, this, pressed);
    }
    for (int id : {kDisplayJobDescription, kPrintJobDescription, kPrintCustomDescription,
                   kPrintStatusDescription})
        AddDescription(id);
    AddHelpButton();
}

int PrinterStatusPage::PageActivated() {
    ReviewMessages(kReviewedMessages);
    return 1;
}

void PrinterStatusPage::PageDeactivated() {
    viewer_->hide();
}

void PrinterStatusPage::DisplayJobs() {
    const std::string& printer = app().selectedPrinter().printerName;
    if (!WaitUntilReadyOrTell(printer)) return;
    std::vector<JobRecord> jobs;
    ProgressDialog progress(app());
    progress.Show(app().LoadText(kReadingJobs), kReadingLimitMs, true, nullptr);
    PrinterLink link = app().Link();
    const int32_t result = ReadJobInformation(link, printer, progress, jobs);
    progress.Close();
    if (result == WaitProgress::Cancelled) return;
    if (result < 0 && !app().IsMessageReview()) {
        Tell(kJobsNotRead, MessageIcon::Warning);
        return;
    }
    const TextLookup text = [this](int32_t id) { return app().LoadText(id).toStdString(); };
    ShowInViewer(QString::fromStdString(RenderJobReport(jobs, text)));
}

void PrinterStatusPage::ShowInViewer(const QString& text) {
    viewer_->SetText(text);
    if (!viewer_->isVisible()) {
        const QPoint centre = mapToGlobal(rect().center());
        viewer_->move(centre - viewer_->rect().center());
    }
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    if (auto* box = FindControl(viewer_.get(), TextViewer::kTextBox)) box->setFocus();
}

void PrinterStatusPage::PrintSheet(StatusSheet sheet) {
    const std::string& printer = app().selectedPrinter().printerName;
    if (!WaitUntilReadyOrTell(printer)) return;
    SendJobAndTell(printer, BuildStatusSheetJob(sheet).Bytes(), kSheetSent);
}
