#pragma once

#include <cstdint>

#include "pagekit/Page.h"

// Page 2: print a nozzle check pattern, or run a head cleaning cycle when the printer's status
// block allows it. Both are single remote-mode jobs through the spooler.
class NozzleCleaningPage : public Page {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 2;

    NozzleCleaningPage(ServiceApp& app, QWidget* parent);

    int PageActivated() override;

    // The two actions of the page's buttons.
    void PrintNozzleCheck();
    void CleanHeads();

  private:
    void CreateControls();
    // The status check before cleaning; 0 when cleaning may go ahead, else the text to show.
    int32_t CleaningRefusal();
};
