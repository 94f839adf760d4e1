// One sample page of the standard image on a 44 inch roll: its context prepared, composed and
// spooled to an emulated printer's queue in a private CUPS server (target: 300 ms), and the size of
// its PDF against the image compressed alone (target: at most 1.2 times the image deflated).
// SERVATO_SAMPLE_PDF=FILE keeps the last page's PDF (docs/screenshots/sample-page.png is made
// from it with pdftoppm).
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <QBuffer>
#include <QFile>

#include "ChildProcess.h"
#include "SandboxApp.h"
#include "config/TextCatalog.h"
#include "custompaper/CustomPaperSlot.h"
#include "driversettings/DriverSettings.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "sampleprint/SampleAdjustment.h"
#include "sampleprint/SampleImage.h"
#include "sampleprint/SampleImageReader.h"
#include "sampleprint/SampleLabels.h"
#include "sampleprint/SamplePage.h"
#include "sampleprint/SamplePreparation.h"

namespace {

// The program's spooler, keeping the size and bytes of the last PDF it passed on.
class MeasuringSpooler : public CupsSpooler {
  public:
    int WritePdfJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> pdf, const JobOptions& options) override {
        lastPdf.assign(pdf.begin(), pdf.end());
        return CupsSpooler::WritePdfJob(printer, title, pdf, options);
    }
    std::vector<uint8_t> lastPdf;
};

struct Bench : SandboxApp<MeasuringSpooler> {
    std::vector<uint8_t> defaults;
    SampleLabels labels;
    const CustomPaperSlot slot{.mediaId = 9, .forward = -20, .paperThick = 3, .platen = 2};

    bool Start() {
        if (!StartApp()) return false;
        // A 44 inch roll takes four copies of the image side by side.
        std::string output;
        if (ChildProcess::Run({"lpadmin", "-h", sandbox.Server(), "-p", printer->Queue(), "-o",
                               "PageSize=44x100"},
                              output) != 0)
            return Fail(output);
        if (!app->driverSettingsLibrary()->Load(printer->Queue()))
            return Fail("the driver-settings library does not load");
        DriverSettings queueDefaults(app->driverSettingsLibrary(), printer->Queue(), "");
        if (queueDefaults.GetDevMode(defaults) < 1) return Fail("no printer defaults");
        const TextCatalog texts(app->SettingsFolder());
        labels = BuildSlotLabels(slot, "Enhanced Matte Paper",
                                 [&texts](int32_t id) { return texts.LoadText(id); });
        labels.Vary(LabelIndex::kSlotFeed, NumberLabel(texts.LoadText(30009), slot.forward));
        return true;
    }

    bool Fail(std::string why) {
        failure = std::move(why);
        return false;
    }

    // One page as a sample run prints it: a fresh context, prepared, then the page.
    int32_t PrintPage() {
        DriverSettings context(app->driverSettingsLibrary(), printer->Queue(), "", defaults);
        const auto fill = [this](MediaAdjustBlock& block) { FillAdjustmentFromSlot(block, slot); };
        if (PrepareSamplePage(context, slot.mediaId, 2, 1, false, fill) < 0) return -1;
        return PrintSamplePage(context, spooler, printer->Queue(), SampleImagePath(SERVATO_BIN_DIR),
                               labels, app->GetTextFont(-1));
    }
};

Bench* theBench = nullptr;

void SamplePageComposedAndSpooled(benchmark::State& state) {
    for (auto _ : state) {
        if (theBench->PrintPage() != 0) state.SkipWithError("the page was not printed");
    }
    // The PDF against the image's own pixels compressed the two usual ways.
    const QImage image =
        ReadSampleImage(SampleImagePath(SERVATO_BIN_DIR)).convertToFormat(QImage::Format_RGB888);
    const uLong raw = static_cast<uLong>(image.sizeInBytes());
    std::vector<Bytef> deflated(compressBound(raw));
    uLongf deflatedSize = deflated.size();
    compress(deflated.data(), &deflatedSize, image.constBits(), raw);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    const double pdf = static_cast<double>(theBench->spooler.lastPdf.size());
    state.counters["pdf_bytes"] = pdf;
    state.counters["image_deflated_bytes"] = static_cast<double>(deflatedSize);
    state.counters["image_png_bytes"] = static_cast<double>(png.size());
    state.counters["pdf_per_deflated"] = pdf / static_cast<double>(deflatedSize);
    state.counters["pdf_per_png"] = pdf / static_cast<double>(png.size());
    const QString keep = qEnvironmentVariable("SERVATO_SAMPLE_PDF");
    if (!keep.isEmpty()) {
        QFile file(keep);
        if (file.open(QIODevice::WriteOnly))
            file.write(reinterpret_cast<const char*>(theBench->spooler.lastPdf.data()),
                       static_cast<qint64>(pdf));
    }
}
BENCHMARK(SamplePageComposedAndSpooled)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunInOneWorld(argc, argv, theBench);
}
