#include "sampleprint/SampleRun.h"

#include <filesystem>
#include <limits>

#include "comm/RawJob.h"
#include "driversettings/DriverSettings.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/Messages.h"
#include "platform/SettingsStore.h"
#include "sampleprint/SampleGrouping.h"
#include "sampleprint/SampleImage.h"
#include "sampleprint/SamplePage.h"
#include "sampleprint/SpooledJobWait.h"

namespace {

constexpr int32_t kNotReady = 901;
constexpr int32_t kNoImage = 50950;
constexpr int32_t kImageMissing = 50951;
constexpr int32_t kImageUnreadable = 50952;
constexpr int32_t kImageWrongFormat = 50953;
constexpr int32_t kNotPrinted = 50954;
// The run ends by its pages, not by a time limit.
constexpr int kNoTimeLimit = std::numeric_limits<int>::max();

}  // namespace

SampleRun::SampleRun(ServiceApp& app, QWidget* owner, QString progressTitle)
    : app_(app), owner_(owner), progressTitle_(std::move(progressTitle)) {}

void SampleRun::Tell(int32_t textId) {
    app_.messages().Show(owner_, app_.LoadText(textId), app_.LoadText(0), MessageIcon::Warning,
                         MessageButtons::Ok);
}

bool SampleRun::PrepareRun(const SampleImageChoice& image, std::string& imagePath) {
    const std::string& printer = app_.selectedPrinter().printerName;
    if (!app_.IsMessageReview() && WaitUntilReady(app_, printer, true, owner_) == 0) {
        Tell(kNotReady);
        return false;
    }
    imagePath = image.userImage ? image.userPath : SampleImagePath(app_.ProgramFolder());
    std::error_code error;
    int32_t refusal = 0;
    if (imagePath.empty()) {
        refusal = kNoImage;
    } else if (!std::filesystem::exists(imagePath, error)) {
        refusal = kImageMissing;
    } else if (const int32_t check = CheckSampleImage(imagePath); check == kSampleImageUnreadable) {
        refusal = kImageUnreadable;
    } else if (check == kSampleImageWrongFormat) {
        refusal = kImageWrongFormat;
    }
    if (refusal != 0) {
        Tell(refusal);
        return false;
    }
    SettingsStore store;
    store.WriteNumber(image.choiceValue, image.userImage ? kUserImage : kStandardImage);
    if (image.userImage) store.WriteString(image.pathValue, imagePath);
    return true;
}

DriverSettings SampleRun::OpenContext() {
    const SelectedPrinter& printer = app_.selectedPrinter();
    std::span<const uint8_t> defaults;
    if (printer.defaults) defaults = *printer.defaults;
    return DriverSettings(app_.driverSettingsLibrary(), printer.printerName, printer.portName,
                          defaults);
}

int32_t SampleRun::PrintPage(DriverSettings& context, const std::string& imagePath,
                             const SampleSpec& sample, int32_t paperSourceKind, bool sheetFlag) {
    if (PrepareSamplePage(context, sample.mediaValue, sample.mediaKind, paperSourceKind, sheetFlag,
                          sample.fill) < 0)
        return -1;
    return PrintSamplePage(context, app_.spooler(), app_.selectedPrinter().printerName, imagePath,
                           sample.labels, app_.GetTextFont(-1));
}

void SampleRun::PrintSamples(const SampleImageChoice& image, std::span<const SampleSpec> samples) {
    std::string imagePath;
    if (samples.empty() || !PrepareRun(image, imagePath)) return;
    int32_t paperSourceKind = 0;
    bool kind1Flag = false;
    int32_t groupSize = 1;
    {
        DriverSettings probe = OpenContext();
        if (probe.SetItem20() < 0) {
            Tell(kNotPrinted);
            return;
        }
        paperSourceKind = probe.GetPaperSourceKind();
        if (paperSourceKind == 1) {
            kind1Flag = probe.GetFlag205() == 1;
        } else {
            groupSize = SampleGrouping::GroupSizeFor(probe.GetPaperLength());
        }
    }

    const std::string& printer = app_.selectedPrinter().printerName;
    const auto count = static_cast<int32_t>(samples.size());
    const SampleGrouping grouping(paperSourceKind, groupSize, count);
    ProgressDialog progress(app_);
    progress.Show(progressTitle_, kNoTimeLimit, true, owner_);
    std::string previousJob;
    bool failed = false;
    for (int32_t p = 1; p <= count && progress.Poll() == WaitProgress::Running; ++p) {
        if (const auto command = grouping.Before(p)) {
            if (!previousJob.empty())
                WaitForSpooledJob(app_.spooler(), app_.clock(), progress, printer, previousJob);
            if (progress.state() != WaitProgress::Running) break;
            if (SendRawJob(app_.spooler(), printer, GroupingJob(*command).Bytes()) != 0) {
                failed = true;
                break;
            }
        }
        // On the roll only the last page carries the sheet flag.
        const bool sheetFlag = kind1Flag && p == count;
        const SampleSpec& sample = samples[static_cast<size_t>(p - 1)];
        DriverSettings context = OpenContext();
        if (PrintPage(context, imagePath, sample, paperSourceKind, sheetFlag) < 0) {
            failed = true;
            break;
        }
        previousJob = sample.labels.JobName();
    }
    progress.Close();
    if (grouping.ClosesRun())
        SendRawJob(app_.spooler(), printer, GroupingJob(SampleGrouping::kRunEnds).Bytes());
    if (failed) Tell(kNotPrinted);
}

void SampleRun::PrintOnePage(const SampleImageChoice& image, const SampleSpec& sample) {
    std::string imagePath;
    if (!PrepareRun(image, imagePath)) return;
    DriverSettings context = OpenContext();
    if (context.SetItem20() < 0) {
        Tell(kNotPrinted);
        return;
    }
    const int32_t paperSourceKind = context.GetPaperSourceKind();
    const bool kind1Flag = paperSourceKind == 1 && context.GetFlag205() == 1;
    if (PrintPage(context, imagePath, sample, paperSourceKind, kind1Flag) < 0) Tell(kNotPrinted);
}
