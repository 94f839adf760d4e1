#pragma once

#include <array>

#include "sampleprint/SampleDialog.h"

class QCheckBox;

// Print Quality Detail: one sample page of a custom paper file entry in each print quality
// (media kind 1..4) checked; only the qualities the entry's media offers can be checked.
class PrintQualityDialog : public SampleDialog {
    Q_OBJECT
  public:
    static constexpr int kFirstQuality = 1162;

    PrintQualityDialog(ServiceApp& app, const CustomPaperFileEntry& entry, QWidget* parent);

  protected:
    void PrintSamples() override;

  private:
    void UpdateSampleButton();

    std::array<QCheckBox*, 4> qualities_{};
};
