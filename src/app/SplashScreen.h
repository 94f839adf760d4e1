#pragma once

#include <cstdint>

#include "app/VersionBox.h"

class ServiceApp;

// The splash picture shown while the main window builds its pages, for at least two seconds.
class SplashScreen {
  public:
    static constexpr int kMinimumShownMs = 2000;

    explicit SplashScreen(ServiceApp& app);

    // Shows the picture without blocking and notes the time.
    void Show();
    // Waits for what is left of the two seconds, keeping the window alive, then closes the picture.
    void Finish();

  private:
    ServiceApp& app_;
    VersionBox box_;
    int64_t shownAtMs_ = 0;
};
