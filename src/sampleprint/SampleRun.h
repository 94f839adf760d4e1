#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <string>

#include "sampleprint/SampleLabels.h"
#include "sampleprint/SamplePreparation.h"

class DriverSettings;
class QWidget;
class ServiceApp;

// One page of a sample run: the media it is printed on (value and kind 1..4), how its adjustment
// bytes are filled, and its labels with the varied entry highlighted.
struct SampleSpec {
    int32_t mediaValue = 0;
    int32_t mediaKind = 0;
    AdjustmentFiller fill;
    SampleLabels labels;
};

// The test image a run prints and the settings store values that remember the choice.
struct SampleImageChoice {
    bool userImage = false;  // the user's file rather than the standard image
    std::string userPath;
    std::string choiceValue;  // name of the remembered choice (a radio button id)
    std::string pathValue;    // name of the remembered user path
};

// The sample print run of a detail dialog: the printer must be ready and the image usable, then
// every sample is prepared in a fresh driver settings context and printed as one job. Every
// failure is a warning owned by the dialog; a failure ends the run. Between pages the run can be
// cancelled from its progress window.
class SampleRun {
  public:
    // Radio button ids, remembered as the image choice.
    static constexpr int32_t kStandardImage = 1151;
    static constexpr int32_t kUserImage = 1152;

    SampleRun(ServiceApp& app, QWidget* owner, QString progressTitle);

    // Pages one after another with the paper handling of the printer's defaults, grouped on cut
    // sheets.
    void PrintSamples(const SampleImageChoice& image, std::span<const SampleSpec> samples);
    // One page without grouping; the paper handling is read from the page's own context.
    void PrintOnePage(const SampleImageChoice& image, const SampleSpec& sample);

  private:
    // Readiness and the image; the image path once both are fine, and the choice remembered.
    bool PrepareRun(const SampleImageChoice& image, std::string& imagePath);
    DriverSettings OpenContext();
    int32_t PrintPage(DriverSettings& context, const std::string& imagePath,
                      const SampleSpec& sample, int32_t paperSourceKind, bool sheetFlag);
    void Tell(int32_t textId);

    ServiceApp& app_;
    QWidget* owner_;
    QString progressTitle_;
};
