#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <iostream>
#include <memory>
#include <string>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"

// Starts the sandbox, then an emulated printer on it: the printer, or none with the reason in
// `failure`.
std::unique_ptr<EmulatedPrinter> StartPrinterInSandbox(CupsSandbox& sandbox, std::string& failure,
                                                       EmulatorOptions options = {});

// The printer offers the wrapped channel alone when the benchmark's argument is
// PrinterLink::kWrappedChannel, both channels otherwise, and the run is labelled with the channel.
// False, the run skipped, when the printer does not take it.
bool OfferChannelOfArgument(EmulatedPrinter& printer, benchmark::State& state);

// The main of benchmarks that share one world for the whole run: Qt's offscreen application,
// the world started (`bool Start()`, the reason in `std::string failure`), then the benchmarks,
// which reach the world through `current`. 1, with the reason on stderr, when it does not start.
template <typename World>
int RunInOneWorld(int argc, char** argv, World*& current) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    World world;
    if (!world.Start()) {
        if (!world.failure.empty()) std::cerr << world.failure << '\n';
        return 1;
    }
    current = &world;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
