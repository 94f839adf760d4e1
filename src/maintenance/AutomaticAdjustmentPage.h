#pragma once

#include <array>
#include <cstdint>

#include "comm/AlignmentPackets.h"
#include "maintenance/AlignmentJobs.h"
#include "pagekit/Page.h"

class PaperChoiceControls;

// Page 1: the printer prints alignment patterns, bi- or uni-directional for the checked dot sizes,
// or a nozzle check, and reads them with its own sensor; the page waits until it has finished.
class AutomaticAdjustmentPage : public Page {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 1;

    // One alignment group: its Start button, its four dot size boxes and how it runs.
    struct AlignmentGroup {
        AlignmentDirection direction;
        int startButton;
        std::array<int, kDotSizeCount> dotSizeBoxes;
        int32_t progressText;
    };
    static const AlignmentGroup kBidirectional;
    static const AlignmentGroup kUnidirectional;

    AutomaticAdjustmentPage(ServiceApp& app, QWidget* parent);

    int PageActivated() override;
    void PrinterDefaultsChanged() override;

    void StartAlignment(const AlignmentGroup& group);
    void StartNozzleCheck();

  private:
    void CreateControls();
    void UpdateStartButtons();
    DotSizeChecks Checked(const AlignmentGroup& group);

    PaperChoiceControls* paper_ = nullptr;
};
