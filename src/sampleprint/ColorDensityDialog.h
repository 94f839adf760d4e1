#pragma once

#include "sampleprint/SampleDialog.h"

class QLineEdit;
class QSlider;

// Color Density Detail: one sample page of a custom paper file entry at the density chosen with
// the slider or typed in the box, -50..50.
class ColorDensityDialog : public SampleDialog {
    Q_OBJECT
  public:
    static constexpr int kSlider = 1031;
    static constexpr int kEdit = 1033;

    ColorDensityDialog(ServiceApp& app, const CustomPaperFileEntry& entry, QWidget* parent);

  protected:
    void PrintSamples() override;

  private:
    void EditChanged(const QString& text);

    QSlider* slider_;
    QLineEdit* edit_;
};
