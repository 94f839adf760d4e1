#include "SandboxBench.h"

#include <vector>

#include "comm/PrinterLink.h"

std::unique_ptr<EmulatedPrinter> StartPrinterInSandbox(CupsSandbox& sandbox, std::string& failure,
                                                       EmulatorOptions options) {
    if (const auto started = sandbox.Start(); !started) {
        failure = started.message();
        return nullptr;
    }
    auto printer = std::make_unique<EmulatedPrinter>(sandbox, std::move(options));
    if (const auto started = printer->Start(); !started) {
        failure = started.message();
        return nullptr;
    }
    return printer;
}

bool OfferChannelOfArgument(EmulatedPrinter& printer, benchmark::State& state) {
    const bool wrapped = state.range(0) == PrinterLink::kWrappedChannel;
    if (!printer.SetFaults(wrapped ? std::vector<std::string>{"control-closed"}
                                   : std::vector<std::string>{})) {
        state.SkipWithError("faults not taken");
        return false;
    }
    state.SetLabel(wrapped ? "wrapped channel" : "plain channel");
    return true;
}
