#pragma once

#include "sampleprint/SampleDialog.h"

class FeedRangeSelector;
class QLabel;
class QLineEdit;

// Paper Feed Detail: sample pages of the setting at up to five paper feed values between a
// minimum and a maximum, -70..70, chosen with a two-thumb scale or typed in.
class PaperFeedDialog : public SampleDialog {
    Q_OBJECT
  public:
    static constexpr int kRange = 1030;
    static constexpr int kMinimumEdit = 1022;
    static constexpr int kMaximumEdit = 1024;
    static constexpr int kPoints = 1154;

    PaperFeedDialog(ServiceApp& app, SampleReference reference, QWidget* parent);

  protected:
    void PrintSamples() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void EditChanged(QLineEdit* edit);
    // Moves the edit's thumb to the edit's value.
    void ApplyEdit(QLineEdit* edit);
    std::vector<int32_t> Points() const;
    void ShowPoints();

    FeedRangeSelector* range_;
    QLineEdit* minimum_;
    QLineEdit* maximum_;
    QLabel* points_;
};
