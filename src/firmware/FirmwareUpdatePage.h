#pragma once

#include <cstdint>
#include <string>

#include "pagekit/Page.h"

class QLabel;
class QPushButton;

// Page 7: loads a firmware file into the printer. The file is checked when it is chosen, its
// version set against the printer's, and on Update sent whole behind its header as one raw job;
// then the page waits for the printer to restart and reads the version it runs.
class FirmwareUpdatePage : public Page {
    Q_OBJECT
  public:
    static constexpr int kPageNumber = 7;

    FirmwareUpdatePage(ServiceApp& app, QWidget* parent);

    int PageActivated() override;

    // The actions of the page's buttons.
    void Browse();
    void Update();

  private:
    void CreateControls();
    // Reads the printer's version under the progress window and shows it.
    void ReadPrinterVersion();
    // Shows a version just read, "unknown" when none was.
    void ShowPrinterVersion(const std::string& version);
    // The comparison message and whether Update is offered.
    void CompareVersions();
    // The restart after the job was sent; false when the page gave up on the printer.
    bool WaitForRestart(const std::string& printer);

    QLabel* fileName_;
    QLabel* printerVersion_;
    QLabel* fileVersion_;
    QLabel* comparison_;
    QPushButton* update_;
    std::string chosenPath_;
};
