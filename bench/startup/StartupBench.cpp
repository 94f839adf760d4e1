// Start-up cost of the main window with the shipped settings folder: from an empty window to page
// 0 shown (the two-second splash excluded: the clock is virtual), the ten pages alone, and the
// resident memory once page 0 is on screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <memory>

#include "UiTestBench.h"
#include "app/MainMenuPage.h"
#include "app/MainWindow.h"
#include "app/PageList.h"

namespace {

// The shipped settings and one queue of a served model.
struct Installation {
    Installation() {
        bench.spooler.queues = {UiTestBench::Queue("Corvid4000", "ZENTA Corvid 4000")};
    }
    UiTestBench bench;
    ServiceApp& app = *bench.app;
};

long ResidentKilobytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void BM_StartToMainMenuShown(benchmark::State& state) {
    Installation installation;
    for (auto _ : state) {
        MainWindow window(installation.app);
        if (!window.Open()) state.SkipWithError("the window did not open");
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.CurrentPage());
    }
}
BENCHMARK(BM_StartToMainMenuShown)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CreateTenPages(benchmark::State& state) {
    Installation installation;
    ServiceApp& app = installation.app;
    for (auto _ : state) {
        QWidget parent;
        std::vector<Page*> pages = {new MainMenuPage(app, &parent)};
        for (const PageEntry& entry : OperationPages()) pages.push_back(entry.create(app, &parent));
        benchmark::DoNotOptimize(pages.data());
    }
}
BENCHMARK(BM_CreateTenPages)->Unit(benchmark::kMillisecond)->Iterations(20);

// One measurement of a fresh process's memory: run this benchmark alone (--benchmark_filter) so
// that the other benchmarks' allocations do not count.
void BM_ResidentMemoryWithMainMenu(benchmark::State& state) {
    Installation installation;
    std::unique_ptr<MainWindow> window;
    for (auto _ : state) {
        window = std::make_unique<MainWindow>(installation.app);
        window->Open();
        window->show();
        QApplication::processEvents();
    }
    state.counters["resident_MB"] = static_cast<double>(ResidentKilobytes()) / 1024.0;
}
BENCHMARK(BM_ResidentMemoryWithMainMenu)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
