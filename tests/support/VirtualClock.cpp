#include "VirtualClock.h"

#include <QCoreApplication>

void VirtualClock::SleepMs(int ms) {
    if (ms <= 0) return;
    sleptMs_ += ms;
    AdvanceMs(ms);
}

void VirtualClock::PumpEventsMs(int ms) {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
    // Always move on, so a loop that pumps with 0 still reaches its deadline.
    AdvanceMs(ms > 0 ? ms : 1);
}

void VirtualClock::AdvanceMs(int64_t ms) {
    if (ms > 0) nowMs_ += ms;
}
