#include "maintenance/AutomaticAdjustmentPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "maintenance/PaperChoiceControls.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/PrintAndWait.h"
#include "pagekit/ServiceApp.h"

namespace {

constexpr int kPageHeight = 398;
constexpr int kHeading = 1163;
constexpr int kBidirectionalFrame = 1051;
constexpr int kBidirectionalDescription = 1056;
constexpr int kUnidirectionalFrame = 1050;
constexpr int kUnidirectionalDescription = 1057;
constexpr int kNozzleCheckFrame = 1052;
constexpr int kNozzleCheckStart = 1055;
constexpr int kNozzleCheckDescription = 1058;

constexpr int32_t kNoThickness = 80901;
constexpr int32_t kNozzleCheckProgress = 10130;

constexpr PaperChoiceControls::Texts kPaperTexts = {10017, 10018, 10019, 10020,
                                                    10140, 10150, 80000};
constexpr int kPaperTop = 44;

constexpr std::array<ControlText, 19> kTexts = {{
    {kHeading, 10008},
    {kBidirectionalFrame, 10004},
    {1053, 10102},
    {kBidirectionalDescription, 10005},
    {1169, 10009},
    {1170, 10010},
    {1171, 10011},
    {1172, 10012},
    {kUnidirectionalFrame, 10002},
    {1054, 10101},
    {kUnidirectionalDescription, 10003},
    {1173, 10013},
    {1174, 10014},
    {1175, 10015},
    {1176, 10016},
    {kNozzleCheckFrame, 10006},
    {kNozzleCheckStart, 10103},
    {kNozzleCheckDescription, 10007},
    {Page::kHelpButton, 10100},
}};

// Each alignment group stands dy below the bi-directional one.
constexpr std::array<ControlRect, 19> kRects = [] {
    std::array<ControlRect, 19> rects = {{
        {kHeading, 15, 6, 585, 40},
        {kNozzleCheckFrame, 15, 292, 585, 356},
        {kNozzleCheckStart, 30, 314, 120, 340},
        {kNozzleCheckDescription, 135, 308, 575, 350},
        {Page::kHelpButton, 11, 366, 124, 388},
    }};
    size_t at = 5;
    const std::array<std::array<int, 7>, 2> groups = {{
        {kBidirectionalFrame, 1053, kBidirectionalDescription, 1169, 1170, 1171, 1172},
        {kUnidirectionalFrame, 1054, kUnidirectionalDescription, 1173, 1174, 1175, 1176},
    }};
    for (size_t g = 0; g < groups.size(); ++g) {
        const int dy = static_cast<int>(g) * 96;
        const auto& ids = groups[g];
        rects[at++] = {ids[0], 15, 100 + dy, 585, 188 + dy};
        rects[at++] = {ids[1], 30, 126 + dy, 120, 152 + dy};
        rects[at++] = {ids[2], 135, 118 + dy, 575, 156 + dy};
        for (int k = 0; k < kDotSizeCount; ++k) {
            const int left = 135 + 110 * k;
            rects[at++] = {ids[3 + k], left, 160 + dy, left + 105, 180 + dy};
        }
    }
    return rects;
}();

}  // namespace

const AutomaticAdjustmentPage::AlignmentGroup AutomaticAdjustmentPage::kBidirectional = {
    AlignmentDirection::Bidirectional, 1053, {1169, 1170, 1171, 1172}, 10120};
const AutomaticAdjustmentPage::AlignmentGroup AutomaticAdjustmentPage::kUnidirectional = {
    AlignmentDirection::Unidirectional, 1054, {1173, 1174, 1175, 1176}, 10110};

AutomaticAdjustmentPage::AutomaticAdjustmentPage(ServiceApp& app, QWidget* parent)
    : Page(app, kPageNumber, kPageHeight, parent) {
    CreateControls();
    Dress(kRects, kTexts);
    // The three Start buttons read alike; their groups tell them apart.
    for (const auto& [start, frame] :
         {std::pair{1053, kBidirectionalFrame}, std::pair{1054, kUnidirectionalFrame},
          std::pair{kNozzleCheckStart, kNozzleCheckFrame}}) {
        FindControl(this, start)
            ->setAccessibleDescription(static_cast<QGroupBox*>(FindControl(this, frame))->title());
    }
    paper_ = new PaperChoiceControls(app, this, kPaperTexts, true, kPaperTop,
                                     [this] { UpdateStartButtons(); });
    UpdateStartButtons();
}

void AutomaticAdjustmentPage::CreateControls() {
    for (int id : {kBidirectionalFrame, kUnidirectionalFrame, kNozzleCheckFrame}) {
        SetControlId(new QGroupBox(this), id);
    }
    auto* heading = new QLabel(this);
    heading->setWordWrap(true);
    SetControlId(heading, kHeading);
    for (int id : {kBidirectionalDescription, kUnidirectionalDescription, kNozzleCheckDescription})
        AddDescription(id);
    for (const AlignmentGroup* group : {&kBidirectional, &kUnidirectional}) {
        auto* start = new QPushButton(this);
        SetControlId(start, group->startButton);
        connect(start, &QPushButton::clicked, this, [this, group] { StartAlignment(*group); });
        for (int id : group->dotSizeBoxes) {
            auto* box = new QCheckBox(this);
            SetControlId(box, id);
            connect(box, &QCheckBox::clicked, this, [this] { UpdateStartButtons(); });
        }
    }
    auto* nozzleCheck = new QPushButton(this);
    SetControlId(nozzleCheck, kNozzleCheckStart);
    connect(nozzleCheck, &QPushButton::clicked, this, [this] { StartNozzleCheck(); });
    AddHelpButton();
}

int AutomaticAdjustmentPage::PageActivated() {
    paper_->FillForSelectedPrinter();
    static constexpr std::array<ReviewedMessage, 3> kReviewed = {{
        {10900, MessageIcon::Information},
        {10902, MessageIcon::Warning},
        {10901, MessageIcon::Error},
    }};
    ReviewMessages(kReviewed);
    return 1;
}

void AutomaticAdjustmentPage::PrinterDefaultsChanged() {
    paper_->PrinterDefaultsChanged();
}

DotSizeChecks AutomaticAdjustmentPage::Checked(const AlignmentGroup& group) {
    DotSizeChecks checked{};
    for (int k = 0; k < kDotSizeCount; ++k) {
        auto* box = qobject_cast<QCheckBox*>(FindControl(this, group.dotSizeBoxes[k]));
        checked[k] = box != nullptr && box->isChecked();
    }
    return checked;
}

void AutomaticAdjustmentPage::UpdateStartButtons() {
    for (const AlignmentGroup* group : {&kBidirectional, &kUnidirectional}) {
        const DotSizeChecks checked = Checked(*group);
        const bool anyChecked = std::ranges::any_of(checked, [](bool on) { return on; });
        if (QWidget* start = FindControl(this, group->startButton))
            start->setEnabled(anyChecked && paper_ != nullptr && paper_->AllowsAlignment());
    }
}

void AutomaticAdjustmentPage::StartAlignment(const AlignmentGroup& group) {
    const std::string& printer = app().selectedPrinter().printerName;
    if (!WaitUntilReadyOrTell(printer)) return;
    const int32_t thickness = paper_->Thickness();
    if (thickness < 0) {
        Tell(kNoThickness, MessageIcon::Warning);
        return;
    }
    const int32_t gapCode = paper_->GapCodeForJob(*this);
    if (gapCode < 0) return;
    const TimedJob timed = AutomaticAlignmentJob(group.direction, thickness,
                                                 static_cast<uint8_t>(gapCode), Checked(group));
    ReportPrintAndWait(*this, PrintAndWait(app(), printer, timed.job.Bytes(), group.progressText,
                                           timed.timeLimitMs));
}

void AutomaticAdjustmentPage::StartNozzleCheck() {
    const std::string& printer = app().selectedPrinter().printerName;
    if (!WaitUntilReadyOrTell(printer)) return;
    const TimedJob timed = SensorNozzleCheckJob();
    ReportPrintAndWait(*this, PrintAndWait(app(), printer, timed.job.Bytes(), kNozzleCheckProgress,
                                           timed.timeLimitMs));
}
