#include "app/SplashScreen.h"

#include <QCoreApplication>

#include "pagekit/ServiceApp.h"
#include "platform/Clock.h"

SplashScreen::SplashScreen(ServiceApp& app)
    : app_(app), box_(app, VersionBox::Mode::Splash, nullptr) {}

void SplashScreen::Show() {
    box_.show();
    QCoreApplication::processEvents();
    shownAtMs_ = app_.clock().NowMs();
}

void SplashScreen::Finish() {
    Clock& clock = app_.clock();
    for (int64_t left = kMinimumShownMs - (clock.NowMs() - shownAtMs_); left > 0;
         left = kMinimumShownMs - (clock.NowMs() - shownAtMs_)) {
        clock.PumpEventsMs(static_cast<int>(left));
    }
    box_.close();
    QCoreApplication::processEvents();
}
