#pragma once

#include "sampleprint/SampleDialog.h"

class QListWidget;

// Media Type Detail: one sample page of the setting on each media type checked in the list of the
// driver's media.
class MediaTypeDialog : public SampleDialog {
    Q_OBJECT
  public:
    static constexpr int kMediaList = 1154;

    MediaTypeDialog(ServiceApp& app, SampleReference reference, QWidget* parent);

  protected:
    void PrintSamples() override;

  private:
    void FillMediaList();
    void UpdateSampleButton();

    QListWidget* mediaList_;
};
