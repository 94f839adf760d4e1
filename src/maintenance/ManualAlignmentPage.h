#pragma once

#include <array>
#include <cstdint>

#include "comm/AlignmentPackets.h"
#include "maintenance/AlignmentJobs.h"
#include "pagekit/Page.h"

class AlignmentValueBox;
class PaperChoiceControls;
class QCheckBox;
class QPushButton;

// Pages 8 and 9: alignment by eye. For each checked dot size the page prints the patterns with
// the values of its row, the user reads the best-matching pattern numbers from the printout, and
// Save stores them in the printer. Page 8 aligns both printing directions (8 values a row),
// page 9 the head columns within one direction (7 values a row).
class ManualAlignmentPage : public Page {
    Q_OBJECT
  public:
    static constexpr int kBidirectionalPage = 8;
    static constexpr int kUnidirectionalPage = 9;
    static constexpr int kPrintButton = 1145;
    static constexpr int kSaveButton = 1102;
    static constexpr int32_t kNeutralValue = 5;

    ManualAlignmentPage(ServiceApp& app, AlignmentDirection direction, QWidget* parent);
    static Page* MakeBidirectional(ServiceApp& app, QWidget* parent);
    static Page* MakeUnidirectional(ServiceApp& app, QWidget* parent);

    // The value box of dot size #k (1-4) in column c (0 to 7 or 6), as its control id.
    static int ValueBoxId(AlignmentDirection direction, int k, int c);

    int PageActivated() override;
    void PageDeactivated() override;
    void PrinterDefaultsChanged() override;

    void PrintPatterns();
    void SaveValues();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void CreateControls();
    void DressControls();
    void UpdateControls();
    // Sends the values of the checked dot sizes with their patterns, or with the save command.
    void SendValues(bool save);
    DotSizeChecks Checked() const;
    AlignmentValues Values() const;
    // The page's own text for a text id of page 8.
    int32_t Text(int32_t bidirectionalText) const;

    AlignmentDirection direction_;
    int valueCount_;
    PaperChoiceControls* paper_ = nullptr;
    std::array<QCheckBox*, kDotSizeCount> dotSizes_{};
    std::array<std::array<AlignmentValueBox*, 8>, kDotSizeCount> values_{};
    QPushButton* print_ = nullptr;
    QPushButton* save_ = nullptr;
};
