#include "platform/SystemClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

SystemClock::SystemClock() {
    started_.start();
}

int64_t SystemClock::NowMs() {
    return started_.elapsed();
}

void SystemClock::SleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SystemClock::PumpEventsMs(int ms) {
    if (QCoreApplication::instance() == nullptr) {
        SleepMs(ms);
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (ms <= 0) return;
    // A local loop sleeps in the event dispatcher until an event or the deadline arrives, so a
    // polling caller never burns a core.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(ms);
    loop.exec();
}
