// Text lookup on the shipped settings folder, and dressing a page of 40 controls.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

#include "config/FontCache.h"
#include "config/SettingsFolder.h"
#include "config/TextCatalog.h"
#include "pagekit/ControlDressing.h"

namespace {

const std::string kSettings = SettingsFolderOf(SERVATO_BIN_DIR);

// A spread over the files: early and late keys of "Localize.ini", referred ids, a constant and
// an id that no file has (the slowest: every file scanned to its end).
const int32_t kIds[] = {1, 10017, 30131, 50651, 70906, 80903, 90130, 10019, 0, 123456};

void LoadText(benchmark::State& state) {
    const TextCatalog texts(kSettings);
    size_t index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts.LoadText(kIds[index]));
        index = (index + 1) % std::size(kIds);
    }
}
BENCHMARK(LoadText)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void DressPageOf40Controls(benchmark::State& state) {
    QWidget page;
    std::vector<ControlText> texts;
    std::vector<ControlRect> rects;
    // The controls of the custom paper call page and its neighbours, by the kinds a page holds.
    const int32_t textIds[] = {40002, 40003, 40004, 40005, 40006, 40007, 40008, 40009,
                               40010, 40101, 40102, 40100, 30002, 30003, 30004, 30005,
                               30006, 30009, 30013, 30017, 30018, 30019, 30025, 30101,
                               30102, 30104, 30100, 10017, 10018, 10019, 10020, 10004,
                               10002, 10006, 10101, 10102, 10103, 10009, 10010, 10011};
    for (int i = 0; i < 40; ++i) {
        QWidget* control = nullptr;
        switch (i % 5) {
            case 0:
                control = new QLabel(&page);
                break;
            case 1:
                control = new QPushButton(&page);
                break;
            case 2:
                control = new QLineEdit(&page);
                break;
            case 3:
                control = new QGroupBox(&page);
                break;
            default:
                control = new QCheckBox(&page);
                break;
        }
        SetControlId(control, 1000 + i);
        texts.push_back({1000 + i, textIds[i]});
        rects.push_back({1000 + i, 10, 10 + i * 9, 200, 28 + i * 9});
    }
    const TextCatalog catalog(kSettings);
    FontCache fonts(kSettings);
    fonts.SetDefaultFont(page.font(), 96);
    for (auto _ : state) {
        ApplyTexts(&page, texts, catalog);
        ApplyFonts(&page, texts, fonts);
        PlaceControls(&page, rects);
    }
}
BENCHMARK(DressPageOf40Controls)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
